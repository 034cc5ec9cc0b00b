#pragma once

// The body of a libFuzzer entry: every input goes through the same checks the
// regression replay in the test suite runs; a mismatch aborts so that libFuzzer
// keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

template <typename Check>
int runFuzzCheck(const char* what, Check check, const std::uint8_t* data, std::size_t size)
{
    const std::string problem = check(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s check failed: %s\n", what, problem.c_str());
        std::abort();
    }
    return 0;
}
