#pragma once

// Replays the committed fuzz inputs (a fuzzer's seeds and its regressions)
// through the fuzzer's own checks, built without libFuzzer. The folders are
// read when the test runs, so an input committed after the last build is
// still replayed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

// Every input file of the folders, sorted; notes (.md) and hidden files are none.
inline std::vector<std::filesystem::path> committedFuzzInputs(std::initializer_list<const char*> folders)
{
    std::vector<std::filesystem::path> files;
    for (const char* folder : folders) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            const std::filesystem::path& p = entry.path();
            if (entry.is_regular_file() && p.extension() != ".md" && p.filename().string().front() != '.')
                files.push_back(p);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// check(data, size) returns "" when the input passes. Fewer than atLeast files
// means the folders were not found or lost their seeds.
template <typename Check>
void replayFuzzInputs(std::initializer_list<const char*> folders, Check check, std::size_t atLeast)
{
    const std::vector<std::filesystem::path> files = committedFuzzInputs(folders);
    EXPECT_GE(files.size(), atLeast) << "seeds missing in " << *folders.begin();
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(file.string());
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "");
    }
}
