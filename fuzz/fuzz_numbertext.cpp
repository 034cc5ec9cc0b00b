// libFuzzer entry: every input goes through the same checks the regression
// replay in the test suite runs; a mismatch aborts so that libFuzzer keeps it.
#include "fuzz/numbertext_check.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string problem = NumberTextCheck::check(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "number text check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
