// libFuzzer entry for the number text routines and the conversion core.
#include "fuzz/entry.h"
#include "fuzz/numbertext_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runFuzzCheck("number text", NumberTextCheck::check, data, size);
}
