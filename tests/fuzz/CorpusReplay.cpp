// Runs a fuzz entry point over each file of its corpus folder, one test case
// per file, so that a seed or a crash input that fails is named.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> corpusFiles()
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(QX_FUZZ_CORPUS_DIR, error))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Test names take letters, digits and underscores only.
std::string caseName(const testing::TestParamInfo<std::filesystem::path>& info)
{
    std::string name = info.param.filename().string();
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
                    '_');
    return name;
}

class CorpusReplay : public testing::TestWithParam<std::filesystem::path>
{
};

TEST_P(CorpusReplay, RunsToTheEnd)
{
    std::ifstream in(GetParam(), std::ios::binary);
    ASSERT_TRUE(in) << GetParam();
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
}

// The target's name (QX_FUZZ_TARGET) names the cases, so that a failing seed is named with its target.
#define QX_INSTANTIATE_CORPUS(target) \
    INSTANTIATE_TEST_SUITE_P(target, CorpusReplay, testing::ValuesIn(corpusFiles()), caseName)
QX_INSTANTIATE_CORPUS(QX_FUZZ_TARGET);

TEST(CorpusFolder, HoldsSeeds)
{
    EXPECT_FALSE(corpusFiles().empty()) << QX_FUZZ_CORPUS_DIR;
}

} // namespace
