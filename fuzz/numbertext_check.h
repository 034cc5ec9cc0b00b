#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// One fuzz input checked against slow, separately written references: the
// number grammar as a state table, values through the C library's strtod in the
// "C" locale, "#.00" through the full exact decimal expansion of the value.
// The libFuzzer target and the regression replay in the test suite both call it.
namespace NumberTextCheck {

// Empty when every check passes, otherwise a description of the first mismatch.
std::string check(const std::uint8_t* data, std::size_t size);

} // namespace NumberTextCheck
