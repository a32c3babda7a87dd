// The editor's multi-command exchanges played against the simulated processor.

#include "SimClient.h"
#include "model/FactoryDefault.h"

#include <gtest/gtest.h>

#include <numeric>

namespace qx::sim::test {
namespace {
using namespace layout;

std::vector<float> Ramp(std::size_t n, float scale)
{
    std::vector<float> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = scale * static_cast<float>(i + 1);
    return v;
}

// Sends a whole channel's coefficients as 12-coefficient blocks.
void SendChannel(SimClient& client, int channel, const std::vector<float>& values, int preset = -1)
{
    const int count = static_cast<int>(values.size());
    for (int b = 0; FirBlockValueCount(b, count) > 0; ++b) {
        const auto block = static_cast<std::uint8_t>(b);
        const auto c = static_cast<std::uint8_t>(channel);
        const auto reply = preset < 0 ? client.Ask(CM_MCS_EXT_FIR(1, c, block, count, values))
                                      : client.Ask(CM_MCS_FIR_EXT_EEPROM(1, static_cast<std::uint8_t>(preset),
                                                                         c, block, count, values));
        ASSERT_TRUE(reply && reply->Code() == 1) << "block " << b;
    }
}

TEST(StateLoad, FreshSimulatorReadsBackTheFactoryRecordAndErasedCoefficients)
{
    SimClient client;
    const std::uint8_t expected[][2] = {{0x10, 16}, {0x13, 19}, {0x2C, 44}, {0x22, 34}, {0x14, 20}};
    for (const auto& [command, reply] : expected)
        EXPECT_EQ(client.Ask(CM_MCS_CMD(1, command))->Code(), reply) << "command " << int(command);
    for (std::uint8_t n = 0; n < 20; ++n) {
        const auto name = client.Ask(CM_MCS_CMD(1, 0x29, n));
        ASSERT_TRUE(name);
        EXPECT_EQ(std::string(name->Payload().begin() + 1, name->Payload().end()), "Default Preset");
    }
    const auto coefficients = client.ReadCoefficientSet(0);
    EXPECT_EQ(coefficients, Bytes(kFirImageSize, 0xFF)) << "every channel is a unit impulse";
    EXPECT_EQ(client.BlocksRead(), 12) << "one start block per impulse channel";
    const auto image = client.ReadImage(0x27);
    ASSERT_EQ(image.size(), kImageSize);
    EXPECT_TRUE(std::equal(kFactoryDefaultRecord.begin(), kFactoryDefaultRecord.end(), image.begin()));
}

TEST(StateLoad, CoefficientsWithEndMarkersReadBackExactly)
{
    SimClient client;
    SendChannel(client, 0, Ramp(2045, 0.001f));    // end marker in block 157, before channel 1 starts
    SendChannel(client, 11, Ramp(2048, -0.0001f)); // channel 11 in full, up to block 1890
    SendChannel(client, 5, Ramp(5, 0.5f));
    EXPECT_EQ(client.ReadCoefficientSet(0),
              Bytes(client.Core().Coefficients().Set(0).begin(), client.Core().Coefficients().Set(0).end()));
}

TEST(StoreRecall, RoundTripRestoresSettingsAndCoefficients)
{
    SimClient client;
    client.Ask(CM_MCS_GAIN(1, 6, 333));
    SendChannel(client, 6, Ramp(100, 0.01f));
    ASSERT_EQ(client.Ask(CM_MCS_PRESETNAME(1, "Hall          "))->Code(), 1);
    ASSERT_EQ(client.Ask(CM_MCS_CMD(1, 0x21, 4))->Code(), 1);
    const Bytes storedImage = client.ReadImage(0x27);
    const Bytes storedCoefficients = client.ReadCoefficientSet(0);

    client.Ask(CM_MCS_CMD(1, 0x20, 0));
    EXPECT_NE(client.ReadImage(0x27), storedImage) << "recall of F00 brings the factory settings back";
    EXPECT_EQ(client.ReadCoefficientSet(0), Bytes(kFirImageSize, 0xFF));

    client.Ask(CM_MCS_CMD(1, 0x20, 4));
    EXPECT_EQ(client.ReadImage(0x27), storedImage) << "recall of U04 restores what was stored";
    EXPECT_EQ(client.ReadCoefficientSet(0), storedCoefficients);
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x14))->Payload(), Bytes{4});
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x22))->Payload()[3], 0xFF) << "flag of preset 4";
    const auto name = client.Ask(CM_MCS_CMD(1, 0x29, 3));
    EXPECT_EQ(std::string(name->Payload().begin() + 1, name->Payload().end()), "Hall          ");
}

TEST(StoreRecall, FactoryDefaultClearsPresetsAndCoefficients)
{
    SimClient client;
    SendChannel(client, 1, Ramp(30, 0.1f));
    client.Ask(CM_MCS_CMD(1, 0x21, 2));
    client.Ask(CM_MCS_CMD(1, 0x23));
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x22))->Payload(), Bytes(20, 0));
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x14))->Payload(), Bytes{0});
    EXPECT_EQ(client.ReadCoefficientSet(0), Bytes(kFirImageSize, 0xFF));
    EXPECT_EQ(client.ReadCoefficientSet(2), Bytes(kFirImageSize, 0xFF));
}

// A unit file's worth of data read from a processor: header, stored images, coefficient sets.
struct UnitData
{
    Bytes header;
    std::vector<int> used;
    std::vector<Bytes> images;
    std::vector<Bytes> coefficients;
};

UnitData Upload(SimClient& client)
{
    UnitData unit;
    const auto header = client.Ask(CM_MCS_READ_EEPROM(1, 0, 21));
    unit.header = header->Payload();
    const auto flags = client.Ask(CM_MCS_CMD(1, 0x22))->Payload();
    for (int p = 1; p <= kStoredPresets; ++p) {
        if (flags[static_cast<std::size_t>(p - 1)] != 0xFF)
            continue;
        unit.used.push_back(p);
        EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x24, static_cast<std::uint8_t>(p)))->Code(), 1);
        unit.images.push_back(client.ReadImage(0x28));
        unit.coefficients.push_back(client.ReadCoefficientSet(static_cast<std::uint8_t>(p)));
    }
    client.Ask(CM_MCS_CMD(1, 0x24, 21));
    return unit;
}

// Sends every channel of a coefficient image into a stored preset: erased
// channels are erased sector by sector, the others sent as blocks.
void DownloadCoefficients(SimClient& client, int preset, const Bytes& image)
{
    for (int c = 0; c < kChannelCount; ++c) {
        const std::size_t area = kFirAreaSize * static_cast<std::size_t>(c);
        std::vector<float> values;
        for (std::size_t k = 0; k < kFirSlots; ++k) {
            const std::uint8_t* w = &image[area + 4 * k];
            if (w[0] == 0xFF && w[1] == 0xFF && w[2] == 0xFF && w[3] == 0xFF)
                break;
            values.push_back(getFloatLe(image, area + 4 * k));
        }
        if (!values.empty()) {
            SendChannel(client, c, values, preset);
            continue;
        }
        const std::size_t first = (kFirImageSize * static_cast<std::size_t>(preset) + area) / kFirSectorSize;
        for (std::size_t s = first; s < first + kFirAreaSize / kFirSectorSize; ++s)
            client.Ask(
                CM_MCS_CMD(1, 0x58, static_cast<std::uint8_t>(s & 0xFF), static_cast<std::uint8_t>(s >> 8)));
    }
}

void Download(SimClient& client, const UnitData& unit)
{
    ASSERT_EQ(client.Ask(CM_MCS_CMD(1, 0x23))->Code(), 1);
    ASSERT_EQ(client.Ask(CM_MCS_WRITE_EEPROM(1, 1, 20, std::span(unit.header).subspan(1)))->Code(), 1);
    for (std::size_t i = 0; i < unit.used.size(); ++i) {
        const auto index = static_cast<std::uint8_t>(unit.used[i] - 1);
        for (std::uint8_t piece = 0; piece < kPieceCount; ++piece) {
            const int size = piece == kPieceCount - 1 ? static_cast<int>(kLastPieceSize)
                                                      : static_cast<int>(kParameterPieceSize);
            const auto data = std::span(unit.images[i])
                                  .subspan(kParameterPieceSize * piece, static_cast<std::size_t>(size));
            const auto reply = client.Ask(CM_MCS_DOWNLOAD(1, index, piece, size, data));
            ASSERT_TRUE(reply && reply->Code() == 37 && reply->Payload() == Bytes{piece});
        }
        DownloadCoefficients(client, unit.used[i], unit.coefficients[i]);
    }
    ASSERT_EQ(client.Ask(CM_MCS_CMD(1, 0x10))->Code(), 16);
    EXPECT_FALSE(client.Ask(CM_MCS_MCU_RESET(1)));
}

TEST(UnitTransfer, UploadThenDownloadIntoABlankSimulatorGivesEqualPresets)
{
    SimClient source;
    Bytes header(21);
    std::iota(header.begin(), header.end(), std::uint8_t{0x40});
    source.Ask(CM_MCS_WRITE_EEPROM(1, 0, 21, header));
    source.Ask(CM_MCS_GAIN(1, 4, 301));
    SendChannel(source, 4, Ramp(300, 0.002f));
    source.Ask(CM_MCS_PRESETNAME(1, "Stage Left    "));
    source.Ask(CM_MCS_CMD(1, 0x21, 3));
    source.Ask(CM_MCS_DELAY(1, 0, 960));
    SendChannel(source, 0, Ramp(2048, 0.0003f));
    source.Ask(CM_MCS_PRESETNAME(1, "Stage Right   "));
    source.Ask(CM_MCS_CMD(1, 0x21, 7));

    const UnitData unit = Upload(source);
    ASSERT_EQ(unit.used, (std::vector<int>{3, 7}));
    SimClient target;
    Download(target, unit);

    EXPECT_TRUE(std::equal(header.begin() + 1, header.end(), target.Core().MemoryHeader().begin() + 1))
        << "header bytes 1-20 written back";
    for (int p = 1; p <= kStoredPresets; ++p) {
        EXPECT_EQ(target.Core().IsPresetUsed(p), source.Core().IsPresetUsed(p)) << "preset " << p;
        if (!source.Core().IsPresetUsed(p))
            continue;
        const auto a = source.Core().StoredImage(p).first(kStoredPresetBytes);
        const auto b = target.Core().StoredImage(p).first(kStoredPresetBytes);
        EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin())) << "stored image of preset " << p;
        const auto ca = source.Core().Coefficients().Set(p);
        const auto cb = target.Core().Coefficients().Set(p);
        EXPECT_TRUE(std::equal(ca.begin(), ca.end(), cb.begin())) << "coefficients of preset " << p;
    }
}
} // namespace
} // namespace qx::sim::test
