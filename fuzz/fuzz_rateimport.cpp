// libFuzzer entry for the rate-file readers (every format, the matching and the
// export's round trip); the same checks run in the test suite's replay.
#include "fuzz/rateimport_check.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string problem = RateImportCheck::check(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "rate import check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
