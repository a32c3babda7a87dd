// Store, recall and factory default, and preset files opened and saved,
// over fake main-window services: the commands, the acknowledgement steps,
// the order of a preset's burst and refused files.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "ExchangeFixture.h"
#include "TempDir.h"
#include "codec/CmMcs.h"
#include "model/FactoryDefault.h"
#include "model/NameText.h"
#include "model/PresetFile.h"

namespace {

using qx::ExchangeTimer;
using qx::FileDialog;
using qxtest::Sent;

using qxtest::codeOf;
using qxtest::payloadOf;

class PresetOpsTest : public qxtest::ExchangeFixture
{
protected:
    // The parameter model's commands (the burst) and then the window's.
    std::vector<Sent> allSent() const
    {
        std::vector<Sent> out = unitHost.sent;
        out.insert(out.end(), host.sent.begin(), host.sent.end());
        return out;
    }

    std::vector<Sent> sentWithCode(std::uint8_t c) const
    {
        const std::vector<Sent> all = allSent();
        std::vector<Sent> out;
        std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                     [c](const Sent& s) { return codeOf(s) == c; });
        return out;
    }

    // Writes the preset file of the record and buffers and opens it.
    void open(const qx::UnitRecord& record, const qx::FirBuffers& buffers)
    {
        qx::test::writeBytes(dir / "p.prs", qx::encodePresetFile(record, buffers));
        host.files[FileDialog::OpenPreset] = dir / "p.prs";
        dispatcher.presetFile().OpenClick();
    }

    qx::test::TempDir dir;
};

TEST_F(PresetOpsTest, StoreChainsTwoAcknowledgementsAndMarksThePresetAtTheEnd)
{
    goOnline();
    const qx::PresetName name = qx::presetNameFromText("Ten chars!");
    dispatcher.presets().StorePreset(4, name);
    EXPECT_EQ(dispatcher.state().currentPreset, 5);
    EXPECT_EQ(host.presetNumber, "U05");
    EXPECT_EQ(host.presetName, name);
    const Sent nameCommand{EncodeFrame(CM_MCS_PRESETNAME(1, "Ten chars!    "), 1), true};
    EXPECT_EQ(takeSent(), std::vector<Sent>{nameCommand});
    EXPECT_EQ(host.linkTimeout, 10000);
    EXPECT_EQ(host.maximum, 2);
    EXPECT_EQ(host.statusText, "SID_STORE_PRESET");
    EXPECT_EQ(host.calls.back(), "ShowProgressWindow modal");
    EXPECT_FALSE(host.timer(ExchangeTimer::InLevelDet));
    EXPECT_EQ(host.meterClears, 1);
    EXPECT_FALSE(unit.IsPresetUsed(4)) << "not before the processor has stored it";
    EXPECT_TRUE(unitHost.rows.empty());

    deliver(1, {});
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x21, {5}, true)});
    EXPECT_EQ(host.position, 1);
    EXPECT_FALSE(unit.IsPresetUsed(4));
    deliver(1, {});
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x12, {}, false)});
    EXPECT_EQ(host.calls.back(), "CloseProgressWindow");
    EXPECT_TRUE(host.timer(ExchangeTimer::InLevelDet));
    EXPECT_TRUE(unit.IsPresetUsed(4));
    ASSERT_EQ(unitHost.rows.size(), 1U);
    EXPECT_EQ(unitHost.rows[0].first, 5);
    EXPECT_EQ(unitHost.rows[0].second, name);
}

TEST_F(PresetOpsTest, StoreLostOnTheWayMarksNothing)
{
    for (const int acknowledged : {0, 1}) {
        goOnline();
        dispatcher.presets().StorePreset(2, qx::presetNameFromText("Lost"));
        for (int k = 0; k < acknowledged; ++k) {
            deliver(1, {});
        }
        dispatcher.LinkClosed();
        goOnline();
        deliver(1, {});
        deliver(1, {});
        EXPECT_FALSE(unit.IsPresetUsed(2)) << acknowledged;
        EXPECT_TRUE(unitHost.rows.empty()) << acknowledged;
        EXPECT_TRUE(host.sent.empty()) << acknowledged;
    }
}

TEST_F(PresetOpsTest, OfflineOrOutOfRangeDoesNothing)
{
    dispatcher.presets().StorePreset(0, qx::presetNameFromText("x"));
    dispatcher.presets().RecallPreset(1);
    dispatcher.presets().LoadFactoryDefault();
    dispatcher.presets().FactoryDefaultClick();
    EXPECT_EQ(host.information, std::vector<std::string>{"SID_INFO_CON_FIRST"});
    goOnline();
    dispatcher.presets().StorePreset(20, qx::presetNameFromText("x"));
    dispatcher.presets().StorePreset(-1, qx::presetNameFromText("x"));
    dispatcher.presets().RecallPreset(21);
    dispatcher.presets().RecallPreset(-1);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(dispatcher.state().ackStep, 0);
    EXPECT_EQ(host.progressShows, 0);
}

TEST_F(PresetOpsTest, RecallCountsUntilItsAcknowledgementThenReadsTheCoefficients)
{
    goOnline();
    host.timers[ExchangeTimer::MipsFlash] = true;
    dispatcher.presets().RecallPreset(0);
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x20, {0}, true)});
    EXPECT_EQ(dispatcher.state().currentPreset, 0);
    EXPECT_EQ(host.linkTimeout, 50000);
    EXPECT_FALSE(host.timer(ExchangeTimer::MipsFlash));
    EXPECT_EQ(host.dspStyle, qx::DspLabelStyle::Calm);
    EXPECT_TRUE(host.timer(ExchangeTimer::PresetLoadCount));
    for (int tick = 0; tick < 450; ++tick) {
        dispatcher.presets().OnPresetLoadCountTimer();
    }
    EXPECT_EQ(host.position, 400) << "the bar stays full";
    deliver(1, {});
    EXPECT_FALSE(host.timer(ExchangeTimer::PresetLoadCount));
    EXPECT_EQ(host.linkTimeout, 5000);
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x56, {0, 0, 0}, true)});
}

TEST_F(PresetOpsTest, FactoryDefaultSendsItsCommandAndLoadsOnTheAcknowledgement)
{
    goOnline();
    dispatcher.presets().FactoryDefaultClick();
    EXPECT_EQ(host.calls.back(), "ShowFactoryDialog");
    dispatcher.presets().LoadFactoryDefault();
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x23, {}, true)});
    EXPECT_EQ(host.linkTimeout, 10000);
    EXPECT_FALSE(host.timer(ExchangeTimer::InLevelDet));
    deliver(1, {});
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x22, {}, true)});
}

TEST_F(PresetOpsTest, FactoryPresetFileBurstInOrder)
{
    goOnline();
    open(qx::kFactoryDefaultRecord, qx::unitImpulseBuffers());
    const std::vector<Sent> sent = allSent();
    ASSERT_EQ(sent.size(), 322U);
    for (std::size_t c = 0; c < 12; ++c) {
        EXPECT_EQ(sent[c], command(0x35, {static_cast<std::uint8_t>(c), 1}, true));
        EXPECT_EQ(sent[sent.size() - 13 + c], command(0x35, {static_cast<std::uint8_t>(c), 0}, true));
    }
    EXPECT_EQ(sent[12], (Sent{EncodeFrame(CM_MCS_PRESETNAME(1, "Default Preset"), 1), true}));
    EXPECT_EQ(sent.back(), command(0x40, {}, true)) << "the meter poll queued behind the burst";
    EXPECT_TRUE(std::all_of(sent.begin(), sent.end(), [](const Sent& s) { return s.urgent; }));

    std::map<std::uint8_t, int> counts;
    for (const Sent& s : sent) {
        ++counts[codeOf(s)];
    }
    EXPECT_EQ(counts[0x5B], 12);
    EXPECT_EQ(counts[0x33], 56 + 48);
    EXPECT_EQ(counts[0x4E], 0) << "impulses send no coefficient blocks";
    EXPECT_EQ(counts[0x4B], 8);
    std::vector<int> sectors;
    for (const Sent& s : sentWithCode(0x58)) {
        sectors.push_back(payloadOf(s)[0] | (payloadOf(s)[1] << 8));
    }
    EXPECT_EQ(sectors, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 12, 14, 16, 18, 20, 22}));
    const std::vector<Sent> modes = sentWithCode(0x4C);
    ASSERT_EQ(modes.size(), 16U);
    EXPECT_EQ(payloadOf(modes[0]), (std::vector<std::uint8_t>{4, 0})) << "IIR while the preset loads";
    EXPECT_EQ(payloadOf(modes[15]), (std::vector<std::uint8_t>{11, 2})) << "the file's mode at the end";
    const std::vector<Sent> bypass = sentWithCode(0x4F);
    ASSERT_EQ(bypass.size(), 8U);
    EXPECT_EQ(payloadOf(bypass[4]), (std::vector<std::uint8_t>{0, 1}));

    EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferPresetFile);
    EXPECT_EQ(host.maximum, 1910);
    EXPECT_EQ(host.statusText, "SID_DOWNLOAD_PARAMETER");
    EXPECT_EQ(host.linkTimeout, 5000);
    EXPECT_EQ(host.loadUnitToFormCount, 1);
    EXPECT_TRUE(host.timer(ExchangeTimer::InLevelDet));
}

TEST_F(PresetOpsTest, CoefficientsOfAnOpenedFile)
{
    goOnline();
    qx::UnitRecord record = qx::kFactoryDefaultRecord;
    qx::FirBuffers buffers = qx::unitImpulseBuffers();
    qx::writeWord(record, qx::rec::firCount(0), 3);
    buffers[0] = {0.5F, 0.25F, 0.125F};
    qx::writeWord(record, qx::rec::firCount(6), 20); // output 3
    buffers[6] = {};
    buffers[6][10] = 60.0F; // out of range: output 3 becomes an impulse
    qx::writeWord(record, qx::rec::firCount(7), 2);
    buffers[7] = {0.75F, -0.5F};
    buffers[9] = {};
    buffers[9][1] = 51.0F; // output 6 in error too
    // Each box comes when its channel's turn in the burst has come, and the
    // acknowledgements that arrive while it is open still count.
    std::vector<std::size_t> sentAtBox;
    host.onInformation = [&] {
        sentAtBox.push_back(unitHost.sent.size());
        for (int n = 0; n < 20; ++n) {
            deliver(1, {});
        }
    };
    open(record, buffers);

    EXPECT_EQ(fir[0][0], 0.5F);
    EXPECT_EQ(fir[0][2], 0.125F);
    EXPECT_EQ(fir[0][3], 0.0F);
    EXPECT_EQ(fir[6], qx::unitImpulse());
    EXPECT_EQ(fir[7][1], -0.5F) << "the next output is read from its first slot";
    EXPECT_EQ(host.information, std::vector<std::string>(2, "SID_INFO_ERROR_FIR_COEFF"));
    ASSERT_EQ(sentAtBox.size(), 2U);
    EXPECT_EQ(unitHost.sent[sentAtBox[0] - 1], command(0x58, {12, 0}, true)) << "after output 3's erase";
    EXPECT_EQ(unitHost.sent[sentAtBox[1] - 1], command(0x58, {18, 0}, true)) << "after output 6's erase";
    EXPECT_EQ(codeOf(unitHost.sent[sentAtBox[0]]), 0x4E) << "output 4's block follows the first box";
    EXPECT_EQ(host.position, 40) << "acknowledgements during the boxes are counted";

    const std::vector<Sent> blocks = sentWithCode(0x4E);
    ASSERT_EQ(blocks.size(), 2U);
    EXPECT_EQ(payloadOf(blocks[0]).size(), 4 + 3 * 4U);
    EXPECT_EQ(payloadOf(blocks[0])[0], 0);
    EXPECT_EQ(payloadOf(blocks[1])[0], 7);
    std::vector<int> sectors;
    for (const Sent& s : sentWithCode(0x58)) {
        sectors.push_back(payloadOf(s)[0]);
    }
    EXPECT_TRUE(std::count(sectors.begin(), sectors.end(), 12) == 1) << "output 3's sector is erased";
    EXPECT_TRUE(std::count(sectors.begin(), sectors.end(), 0) == 0) << "input A holds coefficients";
}

struct Refused
{
    const char* what;
    std::ptrdiff_t sizeChange;
    bool marker;
};

TEST_F(PresetOpsTest, RefusedPresetFileChangesNothing)
{
    goOnline();
    unit.SetGain(3, 17);
    fir[2][5] = 0.5F;
    unitHost.sent.clear();
    const qx::UnitRecord record = unit.record();
    const qx::FirBuffers buffers = fir;
    qx::UnitRecord other = qx::kFactoryDefaultRecord;
    qx::writeWord(other, qx::rec::input(0) + qx::rec::kInGain, 99);
    const qx::Bytes good = qx::encodePresetFile(other, qx::unitImpulseBuffers());
    const std::vector<Refused> cases = {
        {"one byte short", -1, true}, {"one byte long", 1, true}, {"marker differs", 0, false}, {"empty", -99566, true}};
    for (const Refused& c : cases) {
        qx::Bytes file = good;
        file.resize(static_cast<std::size_t>(static_cast<std::ptrdiff_t>(file.size()) + c.sizeChange), 0);
        if (!c.marker) {
            file[10] = 'x';
        }
        qx::test::writeBytes(dir / "bad.prs", file);
        host.files[FileDialog::OpenPreset] = dir / "bad.prs";
        host.information.clear();
        dispatcher.presetFile().OpenClick();
        EXPECT_EQ(host.information, std::vector<std::string>{"SID_INFO_ERROR_FILE"}) << c.what;
        EXPECT_TRUE(allSent().empty()) << c.what;
        EXPECT_EQ(unit.record(), record) << c.what;
        EXPECT_EQ(fir, buffers) << c.what;
        EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferNone) << c.what;
        EXPECT_EQ(host.loadUnitToFormCount, 0) << c.what;
    }
    host.files[FileDialog::OpenPreset] = dir / "missing.prs";
    host.information.clear();
    dispatcher.presetFile().OpenPresetFile();
    EXPECT_EQ(host.information, std::vector<std::string>{"SID_INFO_ERROR_FILE"});
    EXPECT_EQ(unit.record(), record);
}

TEST_F(PresetOpsTest, OpeningOfflineChangesTheModelOnly)
{
    qx::UnitRecord record = qx::kFactoryDefaultRecord;
    qx::writeWord(record, qx::rec::output(5) + qx::rec::kOutGain, 222);
    open(record, qx::unitImpulseBuffers());
    EXPECT_EQ(unit.GetGain(9), 222);
    EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferNone) << "nothing would end it";
    EXPECT_EQ(host.progressShows, 0);
    EXPECT_EQ(host.loadUnitToFormCount, 1);
    EXPECT_FALSE(host.busyFlag);
    EXPECT_TRUE(sentWithCode(0x40).empty());
}

TEST_F(PresetOpsTest, SavedFileNameAndFailedSave)
{
    const struct
    {
        const char* chosen;
        const char* saved;
    } cases[] = {
        {"p", "p.prs"},       {"p.prs", "p.prs"},         {"p.PRS", "p.prs"},
        {"p.Prs", "p.Prs.prs"}, {"p.prs.old", "p.prs"}, {"a.b", "a.b.prs"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qx::presetFileName(c.chosen), std::filesystem::path(c.saved)) << c.chosen;
    }
    EXPECT_EQ(qx::presetFileName("/x.prs/p"), std::filesystem::path("/x.prs/p.prs"));

    host.files[FileDialog::SavePreset] = dir / "p";
    dispatcher.presetFile().SavePresetFile();
    EXPECT_EQ(qx::test::readBytes(dir / "p.prs"), qx::encodePresetFile(unit.record(), fir));
    EXPECT_TRUE(host.information.empty());

    host.files[FileDialog::SavePreset] = dir / "no-such-folder" / "p";
    dispatcher.presetFile().SavePresetFile();
    EXPECT_EQ(host.information, std::vector<std::string>{"SID_INFO_ERROR_FILE"});
    EXPECT_EQ(qx::test::entryCount(dir.path()), 1U) << "no temporary file is left behind";
}

} // namespace
