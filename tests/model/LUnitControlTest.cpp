// The model's transfer areas: parameter pieces, stored preset pieces, the
// memory header and the unit file written from them.

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "model/FactoryDefault.h"
#include "model/LUnitControl.h"

namespace {

// Piece n of an image whose byte j is (j * 7 + 3) mod 256.
std::vector<std::uint8_t> piece(int n, std::size_t dataSize = 50)
{
    std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(n)};
    for (std::size_t k = 0; k < dataSize; ++k) {
        payload.push_back(static_cast<std::uint8_t>((50 * n + k) * 7 + 3));
    }
    return payload;
}

// Reply payload of piece n of a record: the number byte, then the data.
std::vector<std::uint8_t> pieceOf(const qx::UnitRecord& record, int n)
{
    const auto data = qx::parameterPieceData(record, n);
    std::vector<std::uint8_t> payload;
    payload.reserve(1 + data.size());
    payload.push_back(static_cast<std::uint8_t>(n));
    payload.insert(payload.end(), data.begin(), data.end());
    return payload;
}

std::uint8_t imageByte(std::size_t j)
{
    return static_cast<std::uint8_t>(j * 7 + 3);
}

TEST(LUnitControl, ParameterPiecesReplaceRecordBytesFrom2OnAfterPiece25)
{
    LUnitControl model;
    for (int n = 0; n < 25; ++n) {
        model.StoreParameterPiece(piece(n));
    }
    EXPECT_EQ(model.record(), qx::kFactoryDefaultRecord) << "nothing decoded before piece 25";
    model.StoreParameterPiece(piece(25));
    EXPECT_EQ(model.record()[0], 0);
    EXPECT_EQ(model.record()[1], 0);
    for (std::size_t j = 2; j < qx::kRecordSize; ++j) {
        ASSERT_EQ(model.record()[j], imageByte(j)) << "record byte " << j;
    }
    // Output 8's link mask (record 1214) is piece 24's data bytes 14-15.
    EXPECT_EQ(model.record()[1214], piece(24)[1 + 14]);
}

TEST(LUnitControl, RecordSentInPiecesArrivesWhole)
{
    qx::UnitRecord sent = qx::kFactoryDefaultRecord;
    qx::writeText(sent, qx::rec::kPresetName, 14, "Sent in pieces");
    qx::writeWord(sent, qx::rec::kOutputEqBypassMask, 0xA5); // in piece 25
    LUnitControl model;
    for (int n = 0; n < qx::kParameterPieceCount; ++n) {
        model.StoreParameterPiece(pieceOf(sent, n));
    }
    EXPECT_EQ(model.record(), sent);
    EXPECT_EQ(qx::parameterPieceData(sent, 25)[9], 0xA5 >> 8);
    EXPECT_EQ(qx::parameterPieceData(sent, 25)[10], 0) << "bytes past the record travel as zeros";
}

TEST(LUnitControl, MalformedPiecesNeverWriteOutsideTheStagingArea)
{
    LUnitControl model;
    const struct
    {
        const char* name;
        std::vector<std::uint8_t> payload;
    } cases[] = {
        {"empty", {}},
        {"number only", {3}},
        {"piece 26", piece(26)},
        {"piece 255", piece(255)},
        {"piece 25 overlong", piece(25, 200)},
    };
    for (const auto& c : cases) {
        model.StoreParameterPiece(c.payload);
        model.StorePresetPiece(1, c.payload);
    }
    SUCCEED() << "no write past the areas (checked by the sanitizer build)";
    model.StoreParameterPiece(piece(25, 10));
    EXPECT_EQ(model.record()[1250], imageByte(1250)) << "short piece: only its bytes";
}

TEST(LUnitControl, PresetPiecesFillTheStoredPresetImage)
{
    LUnitControl model;
    for (int n = 0; n <= 25; ++n) {
        model.StorePresetPiece(7, piece(n));
    }
    const qx::StoredPresetImage& image = model.storedPresetImage(7);
    EXPECT_EQ(image[0], 7);
    for (std::size_t j = 0; j < 1245; ++j) {
        ASSERT_EQ(image[j + 1], imageByte(j)) << "image byte " << j;
    }
    EXPECT_EQ(model.record(), qx::kFactoryDefaultRecord) << "the current record is untouched";
    model.StorePresetPiece(21, piece(25));
    model.StorePresetPiece(0, piece(25));
    EXPECT_EQ(model.storedPresetImage(7)[0], 7);
}

TEST(LUnitControl, MemoryHeaderAndPresetFlags)
{
    LUnitControl model;
    std::vector<std::uint8_t> header(30);
    std::iota(header.begin(), header.end(), 1);
    model.StoreMemoryHeader(header);
    EXPECT_EQ(model.memoryHeader()[0], 1);
    EXPECT_EQ(model.memoryHeader()[20], 21);

    std::vector<std::uint8_t> flags(20, 0);
    flags[0] = 0xFF;
    flags[2] = 0xFF;
    flags[5] = 0xFE;
    model.SetPresetFlags(flags);
    for (int p = 0; p < 20; ++p) {
        EXPECT_EQ(model.IsPresetUsed(p), p == 0 || p == 2) << p;
    }
    EXPECT_FALSE(model.IsPresetUsed(-1));
    EXPECT_FALSE(model.IsPresetUsed(20));
    model.SetPresetFlags(std::vector<std::uint8_t>{0xFF});
    EXPECT_TRUE(model.IsPresetUsed(0));
    EXPECT_FALSE(model.IsPresetUsed(2)) << "missing payload bytes clear the flag";
}

TEST(LUnitControl, FirBlockUsesTheCountsOfThatStoredPreset)
{
    LUnitControl model;
    // Preset U02 holds the factory record with input A's tap count 2.
    qx::UnitRecord preset = qx::kFactoryDefaultRecord;
    qx::writeWord(preset, qx::rec::firCount(0), 2);
    for (int n = 0; n <= 25; ++n) {
        model.StorePresetPiece(2, pieceOf(preset, n));
    }
    qx::FirBuffers buffers = qx::unitImpulseBuffers();
    buffers[0][0] = 0.5F;
    buffers[0][1] = 0.5F;
    buffers[0][2] = 0.5F;
    const qx::Bytes block = model.EncodeFirBlock(1, buffers);
    ASSERT_EQ(block.size(), qx::kFirImageSize);
    EXPECT_EQ(qx::getFloatLe(block, 4), 0.5F);
    EXPECT_EQ(block[8], 0xFF) << "only two coefficients";
    EXPECT_EQ(LUnitControl::EncodeEmptyFirBlock(), qx::Bytes(qx::kFirImageSize, 0xFF));
    for (int k : {-1, 20, 1000}) {
        EXPECT_EQ(model.EncodeFirBlock(k, buffers), LUnitControl::EncodeEmptyFirBlock()) << k;
        EXPECT_EQ(model.storedPresetImage(k + 1)[0], 'd') << k;
    }
}

TEST(LUnitControl, WriteUnitFileUnderItsName)
{
    qx::test::TempDir dir;
    LUnitControl model;
    std::vector<std::uint8_t> flags(20, 0);
    flags[2] = 0xFF;
    model.SetPresetFlags(flags);
    for (int n = 0; n <= 25; ++n) {
        model.StorePresetPiece(3, piece(n));
    }
    std::array<qx::Bytes, 20> images;
    images.fill(qx::emptyFirImage());
    ASSERT_TRUE(model.WriteUnitFile(dir / "live", images).ok());
    const qx::Bytes file = qx::test::readBytes(dir / "live.unt");
    ASSERT_EQ(file.size(), qx::kUnitFileSize);
    const std::size_t block2 = 37 + 2 * 99552;
    EXPECT_EQ(file[block2], 3);
    EXPECT_EQ(file[block2 + 1], imageByte(0));
    EXPECT_EQ(file[37], 'd');
}

TEST(LUnitControl, WriteUnitFileFailureIsReported)
{
    qx::test::TempDir dir;
    LUnitControl model;
    std::array<qx::Bytes, 20> images;
    const qx::FileResult result = model.WriteUnitFile(dir / "missing-folder" / "live.unt", images);
    EXPECT_EQ(result.status, qx::FileStatus::CannotWrite);
    EXPECT_EQ(result.textId, "SID_INFO_ERROR_FILE");
    EXPECT_EQ(qx::test::entryCount(dir.path()), 0U);
}

// A write that fails half-way (the file size limit is hit) leaves the old
// unit file as it was and no temporary file behind.
TEST(LUnitControl, FailedUnitFileWriteKeepsTheOldFile)
{
    qx::test::TempDir dir;
    const qx::Bytes old{'o', 'l', 'd'};
    qx::test::writeBytes(dir / "live.unt", old);
    LUnitControl model;
    std::array<qx::Bytes, 20> images;
    images.fill(qx::emptyFirImage());
    qx::FileResult result;
    {
        const qxtest::FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.applied());
        result = model.WriteUnitFile(dir / "live.unt", images);
    }
    EXPECT_EQ(result.status, qx::FileStatus::CannotWrite);
    EXPECT_EQ(result.textId, "SID_INFO_ERROR_FILE");
    EXPECT_NE(result.detail.find("cannot write"), std::string::npos) << result.detail;
    EXPECT_EQ(qx::test::readBytes(dir / "live.unt"), old);
    EXPECT_EQ(qx::test::entryCount(dir.path()), 1U);
}

} // namespace

namespace {

// Each accessor reads its own bytes of the record: every record byte holds
// its offset's low byte, so a value names the bytes it came from.
TEST(LUnitControl, RecordAccessorsReadTheirBytes)
{
    LUnitControl unit;
    for (std::size_t j = 0; j < qx::kRecordSize; ++j) {
        unit.record()[j] = static_cast<std::uint8_t>(j);
    }
    auto wordAt = [](std::size_t at) { return static_cast<int>((at & 0xFF) | (((at + 1) & 0xFF) << 8)); };
    namespace rec = qx::rec;
    struct Case
    {
        const char* what;
        int value;
        int expected;
    };
    const Case cases[] = {
        {"input C FIR taps", unit.GetInputFirTaps(2), wordAt(rec::input(2) + 92)},
        {"input EQ bypass mask", unit.GetEqBypassMask(3), wordAt(1256)},
        {"output EQ bypass mask", unit.GetEqBypassMask(4), wordAt(1258)},
        {"Out3 route", unit.GetMatrixRoute(6), wordAt(rec::output(2) + 8)},
        {"Out8 mix level of D", unit.GetMixLevel(11, 3), wordAt(rec::output(7) + 16)},
        {"delay unit", unit.GetDelayUnit(), wordAt(1250)},
        {"input select", unit.GetInputSelect(), wordAt(1252)},
        {"output select", unit.GetOutputSelect(), wordAt(1254)},
        {"test signal kind", unit.GetTestSignalKind(), wordAt(1246)},
        {"sine index", unit.GetTestSineIndex(), 1248 & 0xFF},
        {"attenuation", unit.GetTestAttenuation(), 1249 & 0xFF},
        {"input FIR taps of an output", unit.GetInputFirTaps(4), 0},
        {"route of an input", unit.GetMatrixRoute(3), 0},
        {"mix level of input 4", unit.GetMixLevel(5, 4), 0},
        {"mix level of channel 12", unit.GetMixLevel(12, 0), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value, c.expected) << c.what;
    }
    EXPECT_EQ(unit.ChannelRecord(1).size(), rec::kInputSize);
    EXPECT_EQ(unit.ChannelRecord(1)[0], rec::input(1) & 0xFF);
    EXPECT_EQ(unit.ChannelRecord(11).size(), rec::kOutputSize);
    EXPECT_EQ(unit.ChannelRecord(11)[0], rec::output(7) & 0xFF);
    EXPECT_TRUE(unit.ChannelRecord(-1).empty());
    EXPECT_TRUE(unit.ChannelRecord(12).empty());
}

} // namespace
