// Store, recall and factory default, preset files and unit transfers against
// the simulated processor, with the link lost in the middle of each and the
// simulator's fault switches.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "SimHarness.h"
#include "TempDir.h"
#include "model/FactoryDefault.h"
#include "model/NameText.h"
#include "model/PresetFile.h"
#include "model/UnitFile.h"

namespace {

using qx::ExchangeTimer;
using qx::FileDialog;

class TransferSimTest : public qxtest::SimHarness
{
protected:
    // Coefficient set `set` as the readback takes it: an end marker and what
    // follows read as zeros.
    static qx::FirBuffers coefficientsOf(const qx::sim::DeviceCore& processor, int set)
    {
        qx::FirBuffers buffers;
        qx::readFirImage(processor.Coefficients().Set(set).first<qx::kFirImageSize>(), buffers);
        return buffers;
    }
    qx::FirBuffers simCoefficients(int set) const { return coefficientsOf(core, set); }

    void expectLoadedFromSim()
    {
        EXPECT_EQ(unit.record(), simRecord());
        EXPECT_EQ(fir, simCoefficients(0));
    }

    // Nothing of an exchange is left behind.
    void expectClean(const std::string& what)
    {
        const qx::ExchangeState& s = dispatcher.state();
        EXPECT_EQ(s.ackStep, 0) << what;
        EXPECT_EQ(s.transferKind, qx::kTransferNone) << what;
        EXPECT_EQ(s.presetFirSlot, 0) << what;
        EXPECT_FALSE(dispatcher.ProgressWanted()) << what;
        EXPECT_FALSE(dispatcher.upload().Active()) << what;
        EXPECT_FALSE(dispatcher.download().Active()) << what;
        EXPECT_TRUE(host.mainWindowEnabled) << what;
        EXPECT_FALSE(host.timer(ExchangeTimer::PresetLoadCount)) << what;
        EXPECT_FALSE(host.timer(ExchangeTimer::DownloadEnd)) << what;
    }

    // A current state that differs from the factory default: levels, a
    // name, coefficients in an input and an output. The input keeps the
    // factory tap count: nothing but the coefficient blocks' count field
    // tells the processor an input's count, and the simulator keeps its own.
    void editSimState()
    {
        auto image = core.MutableCurrentImage();
        qx::writeText(image, qx::rec::kPresetName, qx::rec::kPresetNameSize, "Edited");
        qx::writeWord(image, qx::rec::input(1) + qx::rec::kInGain, 200);
        qx::writeWord(image, qx::rec::output(2) + qx::rec::kOutDelay, 960);
        qx::writeWord(image, qx::rec::kInputMuteMask, 0x0004);
        qx::writeWord(image, qx::rec::firCount(6), 100);
        for (std::size_t k = 0; k < 512; ++k) {
            core.Coefficients().SetCoefficient(0, 1, k, 0.001F * static_cast<float>(k + 1));
        }
        for (std::size_t k = 0; k < 100; ++k) {
            core.Coefficients().SetCoefficient(0, 6, k, -0.01F * static_cast<float>(k));
        }
    }

    void seedPresets()
    {
        editSimState();
        core.SeedPreset(3, "Third         ");
        qx::writeWord(core.MutableCurrentImage(), qx::rec::output(0) + qx::rec::kOutGain, 77);
        qx::writeWord(core.MutableCurrentImage(), qx::rec::firCount(9), 1);
        core.Coefficients().SetCoefficient(0, 9, 0, 0.5F);
        core.SeedPreset(7, "Seventh       ");
        std::vector<std::uint8_t> header(21);
        for (std::size_t k = 0; k < header.size(); ++k) {
            header[k] = static_cast<std::uint8_t>(0x30 + k);
        }
        host.SendCommand(CM_MCS_WRITE_EEPROM(host.deviceId, 0, 21, header), true);
        linkOpen = true;
        run();
    }

    void upload(const std::filesystem::path& file)
    {
        host.files[FileDialog::SaveUnit] = file;
        dispatcher.upload().UploadUnit();
        fireTimers();
    }

    void download(const std::filesystem::path& file)
    {
        host.files[FileDialog::OpenUnit] = file;
        dispatcher.download().DownloadUnitFile();
        run();
        fireTimers();
    }

    qx::test::TempDir dir;
};

TEST_F(TransferSimTest, StoreThenRecall)
{
    editSimState();
    connectAndRun();
    const qx::UnitRecord stored = unit.record();
    dispatcher.presets().StorePreset(4, qx::presetNameFromText("Ten chars"));
    EXPECT_TRUE(core.IsPresetUsed(5));
    EXPECT_EQ(core.CurrentPreset(), 5);
    EXPECT_TRUE(unit.IsPresetUsed(4));
    ASSERT_FALSE(unitHost.rows.empty());
    EXPECT_EQ(unitHost.rows.back().first, 5);
    EXPECT_EQ(std::string(unitHost.rows.back().second.begin(), unitHost.rows.back().second.end()),
              "Ten chars     ");
    EXPECT_EQ(host.presetNumber, "U05");
    EXPECT_TRUE(host.timer(ExchangeTimer::InLevelDet));
    expectClean("store");

    unit.SetGain(4, 3);
    run();
    ASSERT_NE(simRecord(), stored);
    const int loads = host.loadUnitToFormCount;
    dispatcher.presets().RecallPreset(5);
    EXPECT_EQ(host.loadUnitToFormCount, loads + 1);
    EXPECT_EQ(dispatcher.state().currentPreset, 5);
    EXPECT_EQ(unit.GetGain(4), qx::readWord(stored, qx::rec::output(0) + qx::rec::kOutGain));
    EXPECT_EQ(std::string(unit.PresetName().begin(), unit.PresetName().end()), "Ten chars     ");
    expectLoadedFromSim();
    expectClean("recall");

    dispatcher.presets().RecallPreset(0);
    EXPECT_EQ(dispatcher.state().currentPreset, 0);
    EXPECT_EQ(unit.record(), qx::kFactoryDefaultRecord);
    EXPECT_EQ(fir, qx::unitImpulseBuffers());
    EXPECT_TRUE(responder.ProtocolErrors().empty());
}

TEST_F(TransferSimTest, FactoryDefaultReloadsTheState)
{
    seedPresets();
    connectAndRun();
    ASSERT_TRUE(unit.IsPresetUsed(2));
    dispatcher.presets().FactoryDefaultClick();
    EXPECT_EQ(host.calls.back(), "ShowFactoryDialog");
    const int loads = host.loadUnitToFormCount;
    dispatcher.presets().LoadFactoryDefault();
    run();
    EXPECT_EQ(host.loadUnitToFormCount, loads + 1);
    EXPECT_EQ(unit.record(), qx::kFactoryDefaultRecord);
    EXPECT_EQ(fir, qx::unitImpulseBuffers());
    EXPECT_FALSE(unit.IsPresetUsed(2));
    expectClean("factory default");
}

TEST_F(TransferSimTest, PresetFileSavedAndOpenedAgain)
{
    editSimState();
    connectAndRun();
    const qx::UnitRecord saved = unit.record();
    const qx::FirBuffers savedFir = fir;
    host.files[FileDialog::SavePreset] = dir / "state.PRS.bak";
    dispatcher.presetFile().SavePresetFile();
    const auto written = dir / "state.prs";
    ASSERT_TRUE(std::filesystem::exists(written));
    EXPECT_EQ(std::filesystem::file_size(written), qx::kPresetFileSize);

    dispatcher.presets().LoadFactoryDefault();
    run();
    ASSERT_EQ(simRecord(), qx::kFactoryDefaultRecord);

    host.files[FileDialog::OpenPreset] = written;
    host.calls.clear();
    dispatcher.presetFile().OpenClick();
    EXPECT_EQ(unit.record(), saved);
    EXPECT_EQ(fir, savedFir);
    EXPECT_EQ(simRecord(), saved) << "the burst set every parameter in the processor";
    EXPECT_EQ(simCoefficients(0), savedFir);
    EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferNone) << "the meter reply ended the transfer";
    EXPECT_EQ(host.sent.back().frame[5], 0x12);
    EXPECT_FALSE(host.busyFlag);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "ShowOpenedFirFilters"), 1);
    EXPECT_TRUE(host.information.empty());
    EXPECT_TRUE(responder.ProtocolErrors().empty());

    // The next connection reads the same state back.
    dispatcher.LinkClosed();
    connectAndRun();
    expectLoadedFromSim();
    EXPECT_EQ(unit.record(), saved);
}

TEST_F(TransferSimTest, UnitUploadedIntoAFileAndDownloadedIntoABlankProcessor)
{
    seedPresets();
    connectAndRun();
    const qx::FirBuffers current = fir;
    upload(dir / "unit");
    const auto file = dir / "unit.unt";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), qx::kUnitFileSize);
    EXPECT_EQ(host.maximum, 2 * qx::kUploadProgressPerPreset);
    EXPECT_EQ(host.sent.back().frame, qxtest::commandFrame(1, 0x24, {21}));
    EXPECT_TRUE(host.timer(ExchangeTimer::InLevelDet));
    EXPECT_EQ(fir, current) << "the upload read into buffers of its own";
    expectClean("upload");

    // A later preset-file save writes the current coefficients.
    host.files[FileDialog::SavePreset] = dir / "after";
    dispatcher.presetFile().SavePresetFile();
    EXPECT_EQ(qx::test::readBytes(dir / "after.prs"), qx::encodePresetFile(unit.record(), current));

    const qx::sim::DeviceCore original = core;
    core = qx::sim::DeviceCore();
    connectAndRun();
    ASSERT_FALSE(core.IsPresetUsed(3));
    download(file);
    EXPECT_FALSE(linkOpen) << "the processor restarted";
    EXPECT_TRUE(host.timer(ExchangeTimer::Disconnect));
    expectClean("download");
    for (int p = 1; p <= qx::kStoredPresetCount; ++p) {
        EXPECT_EQ(core.IsPresetUsed(p), original.IsPresetUsed(p)) << p;
        if (core.IsPresetUsed(p)) {
            EXPECT_TRUE(std::equal(core.StoredImage(p).begin(), core.StoredImage(p).begin() + 1245,
                                   original.StoredImage(p).begin()))
                << p;
        }
        EXPECT_EQ(simCoefficients(p), coefficientsOf(original, p)) << p;
    }
    EXPECT_TRUE(std::equal(core.MemoryHeader().begin() + 1, core.MemoryHeader().end(),
                           original.MemoryHeader().begin() + 1));
    EXPECT_TRUE(responder.ProtocolErrors().empty());

    // Uploading the downloaded processor gives the same file.
    connectAndRun();
    upload(dir / "again.unt");
    // The download writes header bytes 1-20; byte 0 stays the processor's.
    std::vector<std::uint8_t> again = qx::test::readBytes(dir / "again.unt");
    std::vector<std::uint8_t> first = qx::test::readBytes(file);
    ASSERT_EQ(again.size(), first.size());
    EXPECT_EQ(again[qx::kFileMarkerSize], 0);
    again[qx::kFileMarkerSize] = first[qx::kFileMarkerSize];
    EXPECT_TRUE(again == first);
}

struct LossCase
{
    const char* transfer;
    std::function<void()> start;
    std::vector<int> dropAt; // frames after the start
};

// The link drops at each point of each transfer: nothing of it is left, and
// the next connection loads the processor's state as usual.
TEST_F(TransferSimTest, LinkLostInTheMiddleOfEachTransfer)
{
    seedPresets();
    connectAndRun();
    upload(dir / "unit.unt");
    host.files[FileDialog::SavePreset] = dir / "state.prs";
    dispatcher.presetFile().SavePresetFile();
    host.files[FileDialog::OpenPreset] = dir / "state.prs";
    host.files[FileDialog::OpenUnit] = dir / "unit.unt";

    const std::vector<LossCase> cases = {
        {"store", [this] { dispatcher.presets().StorePreset(9, qx::presetNameFromText("Lost")); },
         {1, 2}},
        {"recall", [this] { dispatcher.presets().RecallPreset(3); }, {1, 2, 30, 70}},
        {"preset file", [this] { dispatcher.presetFile().OpenClick(); }, {1, 100, 300}},
        {"upload", [this] { dispatcher.upload().UploadUnit(); }, {1, 2, 3, 20, 60, 120}},
        {"download",
         [this] {
             dispatcher.download().DownloadUnitFile();
             run();
         },
         {1, 2, 3, 10, 30, 200}},
        {"factory default",
         [this] {
             dispatcher.presets().LoadFactoryDefault();
             run();
         },
         {1, 2, 10, 30, 40}},
    };
    for (const LossCase& c : cases) {
        for (const int frame : c.dropAt) {
            const std::string what = std::string(c.transfer) + " at frame " + std::to_string(frame);
            if (!linkOpen) {
                connectAndRun();
            }
            dropLinkAtFrame(frame);
            c.start();
            EXPECT_FALSE(linkOpen) << what;
            fireTimers();
            expectClean(what);
            EXPECT_FALSE(host.timer(ExchangeTimer::Upload)) << what;

            responder.Faults().closeAtFrame = 0;
            host.loadUnitToFormCount = 0;
            connectAndRun();
            EXPECT_EQ(host.loadUnitToFormCount, 1) << what;
            EXPECT_TRUE(dispatcher.state().online) << what;
            expectLoadedFromSim();
            expectClean(what + ", then connected again");
        }
    }
    EXPECT_FALSE(unit.IsPresetUsed(9)) << "the lost store marked nothing";
}

TEST_F(TransferSimTest, RepeatedAnswersDoNotRepeatTheTransfers)
{
    seedPresets();
    connectAndRun();
    upload(dir / "plain.unt");
    responder.Faults().duplicate.all = true;
    upload(dir / "twice.unt");
    EXPECT_TRUE(qx::test::readBytes(dir / "twice.unt") == qx::test::readBytes(dir / "plain.unt"));

    const qx::sim::DeviceCore original = core;
    core = qx::sim::DeviceCore();
    connectAndRun();
    download(dir / "twice.unt");
    expectClean("download");
    EXPECT_TRUE(responder.ProtocolErrors().empty());
    for (int p : {3, 7}) {
        EXPECT_TRUE(core.IsPresetUsed(p));
        EXPECT_TRUE(std::equal(core.StoredImage(p).begin(), core.StoredImage(p).begin() + 1245,
                               original.StoredImage(p).begin()));
        EXPECT_EQ(simCoefficients(p), coefficientsOf(original, p));
    }

    connectAndRun();
    dispatcher.presets().StorePreset(0, qx::presetNameFromText("Twice"));
    EXPECT_TRUE(core.IsPresetUsed(1));
    expectClean("store");
}

struct ShortCase
{
    const char* transfer;
    std::uint8_t command; // whose answer loses a byte
    std::function<void()> start;
};

// An answer one byte short is no answer: the request is written again, the
// link fails after its resends, the model keeps what it had, and the next
// connection works.
TEST_F(TransferSimTest, ShortAnswersFailTheLinkWithoutDamage)
{
    seedPresets();
    connectAndRun();
    upload(dir / "unit.unt");
    host.files[FileDialog::OpenUnit] = dir / "unit.unt";
    const std::vector<ShortCase> cases = {
        {"upload header", 0x19, [this] { dispatcher.upload().UploadUnit(); }},
        {"upload piece", 0x28, [this] { dispatcher.upload().UploadUnit(); }},
        {"upload block", 0x56, [this] { dispatcher.upload().UploadUnit(); }},
        {"download piece", 0x25,
         [this] {
             dispatcher.download().DownloadUnitFile();
             run();
         }},
    };
    for (const ShortCase& c : cases) {
        if (!linkOpen) {
            connectAndRun();
        }
        const qx::UnitRecord before = unit.record();
        responder.Faults().payloadDelta[c.command] = -(c.command == 0x19 ? 21 : 1);
        writtenFrames.clear();
        c.start();
        fireTimers();
        EXPECT_TRUE(linkFailed) << c.transfer;
        ASSERT_EQ(host.sent.back().frame[5], c.command) << c.transfer;
        EXPECT_EQ(writesOf(host.sent.back().frame), 1 + kResends) << c.transfer;
        EXPECT_EQ(unit.record(), before) << c.transfer;
        EXPECT_FALSE(host.timer(ExchangeTimer::Upload)) << c.transfer;

        responder.Faults().payloadDelta.clear();
        connectAndRun();
        expectClean(c.transfer);
        expectLoadedFromSim();
    }
}

TEST_F(TransferSimTest, MeterPollShowsTheSimulatorsMeters)
{
    connectAndRun();
    ASSERT_TRUE(host.timer(ExchangeTimer::InLevelDet));
    core.SetMeterPattern({qx::sim::MeterPattern::Levels::Hot, 100.0});
    dispatcher.meters().OnMeterPollTimer();
    run();
    ASSERT_TRUE(host.meterFrame.has_value());
    qx::MeterFrame hot;
    hot.level.fill(8);
    hot.compEngaged.fill(true);
    hot.limitEngaged.fill(true);
    hot.compReduction.fill(8);
    hot.limitReduction.fill(8);
    EXPECT_EQ(*host.meterFrame, hot);
    EXPECT_EQ(host.dspText, "DSP:100.0%");
    EXPECT_EQ(host.dspStyle, qx::DspLabelStyle::Alarm);

    core.SetMeterPattern({qx::sim::MeterPattern::Levels::Quiet, 35.0});
    for (int k = 0; k < 3; ++k) {
        dispatcher.meters().OnMeterPollTimer();
        run();
    }
    EXPECT_EQ(host.meterFrame->level[0], 1);
    EXPECT_EQ(host.dspText, "DSP:35.0%");
    EXPECT_EQ(host.dspStyle, qx::DspLabelStyle::Calm);
}

} // namespace
