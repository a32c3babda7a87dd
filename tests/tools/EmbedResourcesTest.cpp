#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace embedtest {
std::string_view resource(std::string_view name);
std::vector<std::string_view> resourceNames();
}

TEST(EmbedResources, FileBytesAreCompiledInByName)
{
    EXPECT_EQ(embedtest::resource("sample.txt"), "alpha\nbeta\n");
    EXPECT_TRUE(embedtest::resource("missing.txt").empty()) << "an unknown name yields an empty view";
    EXPECT_EQ(embedtest::resourceNames(), std::vector<std::string_view>{"sample.txt"});
}
