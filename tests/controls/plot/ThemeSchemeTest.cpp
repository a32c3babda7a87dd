// Theme schemes of a plot control: the two folders from the settings files, the library's
// and the user's scheme files, applying a scheme, and malformed files.

#include "RaisedText.h"
#include "TempDir.h"

#include "controls/plot/plot/iXYPlot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using qx::test::raisedText;

void writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string settings(const std::string& library, const std::string& user)
{
    std::string text = "[SOFTWARE\\Sorvik\\Themes]\n";
    if (!library.empty())
        text += "Sorvik Defined Theme Path=" + library + "\n";
    if (!user.empty())
        text += "User Defined Theme Path=" + user + "\n";
    return text;
}

/// A scheme file as the library writes it, one element a line, CR LF.
std::string schemeFile(const std::string& body)
{
    return "<SchemeTypes>\r\n" + body + "</SchemeTypes>\r\n";
}

std::string category(const std::string& name, const std::string& schemes)
{
    return "<SchemeType>\r\n<Name>" + name + "</Name>\r\n" + schemes + "</SchemeType>\r\n";
}

std::string scheme(const std::string& name, const std::string& properties)
{
    return "<Scheme>\r\n<Name>" + name + "</Name>\r\n<Properties>\r\n" + properties +
           "</Properties>\r\n</Scheme>\r\n";
}

struct ThemeSchemeTest : ::testing::Test
{
    void SetUp() override
    {
        TiThemeSchemes::SetSettingsFiles((dir / "machine.ini").string(), (dir / "user.ini").string());
    }
    void TearDown() override { TiThemeSchemes::SetSettingsFiles("", ""); }

    qx::test::TempDir dir;
    TiXYPlot plot{nullptr};
};

TEST_F(ThemeSchemeTest, WithoutSettingsNothingIsReadNotEvenTheWorkingDirectory)
{
    writeFile(dir / "TiXYPlot.xml",
              schemeFile(category("Colors", scheme("Red", "<BackGroundColor>255</BackGroundColor>\r\n"))));
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    plot.LoadThemes();
    std::filesystem::current_path(before);
    EXPECT_EQ(plot.GetThemeCategoryCount(), 0);
    EXPECT_EQ(raisedText([&] { plot.GetThemeCategoryName(0); }), "List index out of bounds (0)");
}

TEST_F(ThemeSchemeTest, BothFilesFillOneCategoryTheLibrarysSchemesFirst)
{
    // The machine names both folders; the user's settings replace the library's folder.
    writeFile(dir / "machine.ini", settings((dir / "nowhere").string(), (dir / "mine").string()));
    writeFile(dir / "user.ini", settings("  " + (dir / "shipped").string() + "  ", ""));
    writeFile(dir / "shipped" / "TiXYPlot.xml",
              schemeFile(category("Colors", scheme("Red", "<BackGroundColor>255</BackGroundColor>\r\n") +
                                                scheme("Empty", "")) +
                         category("Fonts", scheme("Big", "<Font.Color>65535</Font.Color>\r\n"))));
    writeFile(dir / "mine" / "TiXYPlotUser.xml",
              schemeFile(category("colors", scheme("Red", "<BackGroundColor>65280</BackGroundColor>\r\n"))));
    const TiThemeFolders folders = TiThemeSchemes::GetThemePaths();
    EXPECT_EQ(folders.Library, (dir / "shipped").string());
    EXPECT_EQ(folders.User, (dir / "mine").string());
    plot.LoadThemes();
    ASSERT_EQ(plot.GetThemeCategoryCount(), 2);
    EXPECT_EQ(plot.GetThemeCategoryName(0), "Colors");
    EXPECT_EQ(plot.GetThemeCategoryName(1), "Fonts");
    ASSERT_EQ(plot.GetThemeCategorySchemeCount(0), 3) << "a name in any case is the same category";
    EXPECT_EQ(plot.GetThemeCategorySchemeName(0, 0), "Red");
    EXPECT_EQ(plot.GetThemeCategorySchemeName(0, 2), "Red") << "duplicate names are kept";
    EXPECT_FALSE(plot.GetThemeCategorySchemeIsUser(0, 0));
    EXPECT_FALSE(plot.GetThemeCategorySchemeIsUser(0, 1));
    EXPECT_TRUE(plot.GetThemeCategorySchemeIsUser(0, 2));
    EXPECT_EQ(raisedText([&] { plot.GetThemeCategorySchemeName(1, 1); }), "List index out of bounds (1)");
    EXPECT_EQ(raisedText([&] { plot.GetThemeCategorySchemeIsUser(-1, 0); }), "List index out of bounds (-1)");

    plot.ApplyScheme(0, 0);
    EXPECT_EQ(plot.BackGroundColor(), TColor(255));
    plot.ApplyScheme(0, 1);
    EXPECT_EQ(plot.BackGroundColor(), TColor(255)) << "an empty scheme changes nothing";
    plot.ApplyScheme(0, 2);
    EXPECT_EQ(plot.BackGroundColor(), TColor(65280));
    plot.ApplyScheme(1, 0);
    EXPECT_EQ(plot.Font().Color, TColor(65535)) << "a nested path sets the font's colour";
    // Loading again starts afresh.
    plot.LoadThemes();
    EXPECT_EQ(plot.GetThemeCategoryCount(), 2);
}

TEST_F(ThemeSchemeTest, ASchemeValueThatDoesNotConvertStopsWithTheLinesBeforeApplied)
{
    writeFile(dir / "machine.ini", settings(dir.path().string(), ""));
    writeFile(dir / "TiXYPlot.xml",
              schemeFile(category("Mixed", scheme("Bad", "<BackGroundColor>4</BackGroundColor>\r\n"
                                                         "<OuterMarginLeft>wide</OuterMarginLeft>\r\n"
                                                         "<OuterMarginTop>9</OuterMarginTop>\r\n"))));
    plot.LoadThemes();
    EXPECT_NE(raisedText([&] { plot.ApplyScheme(0, 0); }), "(nothing raised)");
    EXPECT_EQ(plot.BackGroundColor(), TColor(4));
    EXPECT_NE(plot.OuterMarginTop(), 9);
}

TEST_F(ThemeSchemeTest, MalformedFilesRaiseAndKeepWhatWasReadBefore)
{
    writeFile(dir / "machine.ini", settings(dir.path().string(), ""));
    const std::string good = category("First", scheme("One", "<BackGroundColor>1</BackGroundColor>\r\n"));
    const struct
    {
        const char* what;
        std::string text;
        const char* error;
    } cases[] = {
        {"the last scheme unclosed",
         schemeFile(good +
                    "<SchemeType>\r\n<Name>Second</Name>\r\n<Scheme>\r\n<Name>Two</Name>\r\n<Properties>\r\n"
                    "</Properties>\r\n</SchemeType>\r\n"),
         "Error Loading Scheme. XML File Malformed"},
        {"no closing root", "<SchemeTypes>\r\n" + good + "<Other>\r\n",
         "Error Loading Scheme. XML File Malformed"},
        {"cut inside a scheme",
         "<SchemeTypes>\r\n" + good + "<SchemeType>\r\n<Name>Second</Name>\r\n<Scheme>\r\n<Na", "EOF"},
        {"cut inside the properties",
         "<SchemeTypes>\r\n" + good +
             "<SchemeType>\r\n<Name>Second</Name>\r\n<Scheme>\r\n"
             "<Name>Two</Name>\r\n<Properties>\r\n<Color>1",
         "EOF"},
        {"garbage", std::string("\x00\x01<<>>garbage", 13), "EOF"},
    };
    for (const auto& c : cases) {
        writeFile(dir / "TiXYPlot.xml", c.text);
        EXPECT_EQ(raisedText([&] { plot.LoadThemes(); }), c.error) << c.what;
        if (std::string(c.what) != "garbage") {
            ASSERT_GE(plot.GetThemeCategoryCount(), 1) << c.what;
            EXPECT_EQ(plot.GetThemeCategoryName(0), "First") << c.what;
        }
    }
}

} // namespace
