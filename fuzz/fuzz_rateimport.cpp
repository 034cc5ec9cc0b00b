// libFuzzer entry for the rate-file readers (every format, the matching and the
// export's round trip).
#include "fuzz/entry.h"
#include "fuzz/rateimport_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runFuzzCheck("rate import", RateImportCheck::check, data, size);
}
