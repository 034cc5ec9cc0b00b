// Replays the committed number-text fuzz inputs (fuzz/corpus seeds and
// fuzz/regressions) through the fuzzer's own checks.
#include "fuzz/numbertext_check.h"
#include "tests/FuzzReplay.h"

namespace {

TEST(FuzzReplay, committedInputsPassTheChecks)
{
    replayFuzzInputs({TALLYVANE_FUZZ_DIR "/corpus", TALLYVANE_FUZZ_DIR "/regressions"}, NumberTextCheck::check, 1);
}

} // namespace
