// Replays the committed fuzz inputs (fuzz/corpus seeds and fuzz/regressions)
// through the fuzzer's own checks, built without libFuzzer.
#include "fuzz/numbertext_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> committedInputs()
{
    std::vector<fs::path> files;
    for (const char* folder : {TALLYVANE_FUZZ_DIR "/corpus", TALLYVANE_FUZZ_DIR "/regressions"}) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec)) {
            const fs::path& p = entry.path();
            if (entry.is_regular_file() && p.extension() != ".md" && p.filename().string().front() != '.')
                files.push_back(p);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// One test over the folder, read when it runs: an input committed after the
// last build is still replayed.
TEST(FuzzReplay, committedInputsPassTheChecks)
{
    const std::vector<fs::path> files = committedInputs();
    EXPECT_FALSE(files.empty()) << "no seeds found in " TALLYVANE_FUZZ_DIR;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(NumberTextCheck::check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "");
    }
}

} // namespace
