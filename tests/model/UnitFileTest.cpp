// Unit file: layout of used and empty preset blocks, refusal of wrong files
// with nothing changed, and the saved name.

#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "model/UnitFile.h"

namespace {

struct Parts
{
    qx::MemoryHeader header{};
    std::array<qx::StoredPresetImage, 20> images{};
    std::array<bool, 20> used{};
    std::array<qx::Bytes, 20> fir;

    Parts()
    {
        for (std::size_t k = 0; k < header.size(); ++k) {
            header[k] = static_cast<std::uint8_t>(0xA0 + k);
        }
        fir.fill(qx::emptyFirImage());
    }
    qx::Bytes encode() const { return qx::encodeUnitFile({header, images, used, fir}); }
};

Parts onlyU03Used()
{
    Parts parts;
    parts.used[2] = true;
    parts.images[2].fill(0x11);
    parts.images[2][0] = 0x03;
    parts.images[2][1] = 0xFF;
    parts.fir[2] = qx::Bytes(qx::kFirImageSize, 0x22);
    return parts;
}

TEST(UnitFile, OnlyPresetU03Used)
{
    const qx::Bytes file = onlyU03Used().encode();
    ASSERT_EQ(file.size(), 1991077U);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 16), "***QX-73BV012***");
    EXPECT_EQ(file[16], 0xA0);
    EXPECT_EQ(file[36], 0xA0 + 20);
    for (std::size_t k = 0; k < 20; ++k) {
        SCOPED_TRACE("block " + std::to_string(k));
        const auto block = file.begin() + static_cast<std::ptrdiff_t>(37 + 99552 * k);
        if (k == 2) {
            EXPECT_EQ(block[0], 0x03);
            EXPECT_EQ(block[1], 0xFF);
            EXPECT_EQ(block[1245], 0x11);
            EXPECT_EQ(block[1246], 0x22);
        } else {
            EXPECT_TRUE(std::all_of(block, block + 1246, [](auto b) { return b == 'd'; }));
            EXPECT_TRUE(std::all_of(block + 1246, block + 99550, [](auto b) { return b == 0xFF; }));
        }
        EXPECT_EQ(block[99550], '\r');
        EXPECT_EQ(block[99551], '\n');
    }
}

TEST(UnitFile, ImagesOfWrongSizeKeepTheFileSize)
{
    Parts parts;
    parts.fir[0] = qx::Bytes{1, 2, 3};
    parts.fir[1] = qx::Bytes(qx::kFirImageSize + 100, 7);
    parts.fir[2].clear();
    const qx::Bytes file = parts.encode();
    ASSERT_EQ(file.size(), qx::kUnitFileSize);
    EXPECT_EQ(file[37 + 1246 + 2], 3);
    EXPECT_EQ(file[37 + 1246 + 3], 0xFF);
    EXPECT_EQ(file[37 + 99552 + 1246 + qx::kFirImageSize - 1], 7);
    EXPECT_EQ(file[37 + 99552 + 99550], '\r');
}

TEST(UnitFile, DecodeGivesHeaderAndBlocks)
{
    const qx::Bytes file = onlyU03Used().encode();
    const qx::UnitFileDecode decode = qx::decodeUnitFile(file);
    ASSERT_TRUE(decode.result.ok());
    EXPECT_EQ(decode.contents.header, onlyU03Used().header);
    EXPECT_EQ(decode.contents.block(2)[1], 0xFF);
    EXPECT_EQ(decode.contents.block(3)[1], 'd');
    EXPECT_EQ(decode.contents.block(19)[99551], '\n');
}

TEST(UnitFile, WrongFilesAreRefusedAndChangeNothing)
{
    const qx::Bytes good = onlyU03Used().encode();
    qx::Bytes corrupt = good;
    corrupt[0] = '#';
    qx::test::TempDir dir;
    const struct
    {
        const char* name;
        qx::Bytes bytes;
        qx::FileStatus status;
    } cases[] = {
        {"short.unt", qx::Bytes(good.begin(), good.end() - 1), qx::FileStatus::WrongSize},
        {"long.unt",
         [&] {
             qx::Bytes b = good;
             b.push_back('\n');
             return b;
         }(),
         qx::FileStatus::WrongSize},
        {"headers-only.unt", qx::Bytes(good.begin(), good.begin() + 24957), qx::FileStatus::WrongSize},
        {"corrupt.unt", corrupt, qx::FileStatus::BadMarker},
    };
    qx::UnitFileContents held;
    ASSERT_TRUE(qx::openUnitFile(
                    [&] {
                        qx::test::writeBytes(dir / "good.unt", good);
                        return dir / "good.unt";
                    }(),
                    held)
                    .ok());
    const qx::UnitFileContents before = held;
    for (const auto& c : cases) {
        qx::test::writeBytes(dir / c.name, c.bytes);
        const qx::FileResult result = qx::openUnitFile(dir / c.name, held);
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_EQ(result.textId, "SID_INFO_ERROR_DOWNLAOD") << c.name;
        EXPECT_EQ(held.header, before.header) << c.name;
        EXPECT_EQ(held.blocks, before.blocks) << c.name;
    }
    EXPECT_EQ(qx::openUnitFile(dir / "missing.unt", held).status, qx::FileStatus::CannotOpen);
    EXPECT_EQ(held.blocks, before.blocks);
}

TEST(UnitFile, SavedName)
{
    const struct
    {
        const char* chosen;
        const char* saved;
    } cases[] = {
        {"live.unt", "live.unt"},
        {"live", "live.unt"},
        {"live.UNT", "live.unt"},
        {"live.Unt", "live.Unt.unt"},
        {"live.unt.bak", "live.unt"},
        {"a.b", "a.b.unt"},
        {"/home/x.unt/live", "/home/x.unt/live.unt"}, // a folder name never cuts the path
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qx::unitFileName(c.chosen), std::filesystem::path(c.saved)) << c.chosen;
    }
}

} // namespace
