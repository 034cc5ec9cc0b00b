#pragma once

// The checks the rate-file fuzzer runs on each input, shared with the test
// suite's replay of committed inputs. Returns an empty string when every check
// holds, else what failed.

#include <cstddef>
#include <cstdint>
#include <string>

namespace RateImportCheck {

std::string check(const std::uint8_t* data, std::size_t size);

} // namespace RateImportCheck
