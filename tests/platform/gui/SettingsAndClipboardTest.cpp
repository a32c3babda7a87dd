#include "TempDir.h"
#include "platform/gui/Clipboard.h"
#include "platform/gui/IniFile.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

class IniFileTest : public testing::Test
{
protected:
    std::string path(const char* name) const { return (dir_ / name).string(); }
    void writeFile(const std::string& file, const std::string& bytes) const
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string readFile(const std::string& file) const
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    qx::test::TempDir dir_;
};

TEST_F(IniFileTest, ReadsValuesWithoutRegardToCaseAndFallsBackToDefaults)
{
    const auto file = path("a.ini");
    writeFile(file, "; comment\n[Fill]\nColor = 255\r\nName=Blue fill\nHex=$1F\nNeg=-12\nBad=12x\nOn=1\n[Other]\nx=y\n");
    const TMemIniFile ini(file);

    EXPECT_EQ(ini.ReadString("fill", "NAME", "?"), "Blue fill");
    EXPECT_EQ(ini.ReadString("Fill", "missing", "?"), "?");
    EXPECT_EQ(ini.ReadString("nosection", "Name", "?"), "?");
    struct Case { const char* key; int expected; };
    for (const Case& c : {Case{"Color", 255}, Case{"Hex", 31}, Case{"Neg", -12}, Case{"Bad", 7}, Case{"missing", 7}})
        EXPECT_EQ(ini.ReadInteger("Fill", c.key, 7), c.expected) << c.key;
    EXPECT_TRUE(ini.ReadBool("Fill", "On", false));
    EXPECT_FALSE(ini.ReadBool("Fill", "Bad", false)) << "a non-number reads as the default";
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Fill", "Other"}));
    EXPECT_EQ(ini.ReadSection("FILL"), (std::vector<std::string>{"Color", "Name", "Hex", "Neg", "Bad", "On"}));
    EXPECT_EQ(ini.ReadSectionValues("Other"), (std::vector<std::string>{"x=y"}));
    EXPECT_TRUE(ini.ValueExists("other", "X"));
    EXPECT_FALSE(ini.SectionExists("none"));
}

TEST_F(IniFileTest, MemoryFileWritesOnlyOnUpdateWhileIniFileWritesEveryChange)
{
    const auto memFile = path("mem.ini");
    TMemIniFile mem(memFile);
    mem.WriteInteger("S", "Count", 3);
    EXPECT_EQ(readFile(memFile), "");
    mem.UpdateFile();
    EXPECT_EQ(readFile(memFile), "[S]\nCount=3\n\n");

    const auto iniFile = path("direct.ini");
    TIniFile ini(iniFile);
    ini.WriteBool("S", "Flag", true);
    ini.WriteFloat("S", "Ratio", 0.5);
    EXPECT_EQ(readFile(iniFile), "[S]\nFlag=1\nRatio=0.5\n\n");
    ini.DeleteKey("s", "flag");
    ini.WriteString("T", "Name", "x");
    ini.EraseSection("S");
    EXPECT_EQ(readFile(iniFile), "[T]\nName=x\n\n");
    EXPECT_EQ(TMemIniFile(iniFile).ReadString("T", "Name", ""), "x");
}

TEST_F(IniFileTest, KeepsTextThroughEveryEncoding)
{
    for (const auto encoding : {qx::IniEncoding::Utf8, qx::IniEncoding::Utf8WithMark, qx::IniEncoding::Utf16}) {
        const auto file = path("enc.ini");
        TMemIniFile out(file, encoding);
        out.WriteString("Names", "Title", "Gr\xC3\xBC\xC3\x9F" "e \xE4\xB8\xAD");
        out.UpdateFile();
        EXPECT_EQ(TMemIniFile(file).ReadString("Names", "Title", ""), "Gr\xC3\xBC\xC3\x9F" "e \xE4\xB8\xAD");
    }
}

TEST(ClipboardTest, CarriesTextImagesAndRegisteredFormats)
{
    const unsigned fill = RegisterClipboardFormat("GDI+ Fill");
    EXPECT_GE(fill, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormat("gdi+ fill"), fill) << "the same name gives the same number";
    EXPECT_NE(RegisterClipboardFormat("Another"), fill);

    Clipboard()->SetAsText("hello");
    EXPECT_EQ(Clipboard()->AsText(), "hello");
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_FALSE(Clipboard()->HasFormat(fill));

    const std::vector<std::uint8_t> block{1, 2, 0, 255};
    Clipboard()->SetAsBytes(fill, block);
    EXPECT_TRUE(Clipboard()->HasFormat(fill));
    EXPECT_EQ(Clipboard()->AsBytes(fill), block);
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT)) << "putting a block replaces the text";

    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    Clipboard()->SetAsImage(image);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    EXPECT_EQ(Clipboard()->AsImage().size(), image.size());
    EXPECT_TRUE(Clipboard()->AsBytes(fill).empty());
}

} // namespace

#include "platform/gui/SpecialFolders.h"
#include "platform/gui/ThemeServices.h"

namespace {

TEST(SpecialFoldersTest, KnownFoldersHaveAPathAndOthersNone)
{
    for (const int folder : {CSIDL_PERSONAL, CSIDL_APPDATA, CSIDL_LOCAL_APPDATA})
        EXPECT_FALSE(qx::specialFolderPath(folder).empty()) << folder;
    EXPECT_EQ(qx::specialFolderPath(CSIDL_COMMON_APPDATA), "");
    EXPECT_EQ(qx::specialFolderPath(9999), "");
    EXPECT_FALSE(ThemeServices()->ThemesEnabled());
}

} // namespace
