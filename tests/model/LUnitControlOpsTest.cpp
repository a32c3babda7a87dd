// Setters and getters of the parameter model: the bytes each setter puts on
// the wire, the channels of the link group it writes, the busy flag and the
// range checks at the model's edge.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FakeHosts.h"
#include "model/FactoryDefault.h"
#include "model/LUnitControl.h"

namespace {

using qxtest::commandFrame;
using qxtest::FakeUnitHost;
using qxtest::Frame;

constexpr std::uint8_t kId = 0x07;

// InB linked under InA, Out3 under Out1; the others alone.
qx::UnitRecord linkedRecord()
{
    qx::UnitRecord r = qx::kFactoryDefaultRecord;
    qx::writeWord(r, qx::rec::input(0) + qx::rec::kInLinkMask, 0x0003);
    qx::writeWord(r, qx::rec::input(1) + qx::rec::kInLinkMask, 0x0000);
    qx::writeWord(r, qx::rec::output(0) + qx::rec::kOutLinkMask, 0x0005);
    qx::writeWord(r, qx::rec::output(2) + qx::rec::kOutLinkMask, 0x0000);
    return r;
}

struct SetterCase
{
    std::string name;
    std::function<void(LUnitControl&)> edit;
    std::function<void(qx::UnitRecord&)> expectWrites;
    Frame frame; // empty: the setter sends nothing
    bool urgent;
    std::vector<int> curveMarks;
};

void inputWord(qx::UnitRecord& r, std::initializer_list<int> inputs, std::size_t field, unsigned value)
{
    for (int n : inputs) {
        qx::writeWord(r, qx::rec::input(n) + field, value);
    }
}

void outputWord(qx::UnitRecord& r, std::initializer_list<int> outputs, std::size_t field, unsigned value)
{
    for (int i : outputs) {
        qx::writeWord(r, qx::rec::output(i) + field, value);
    }
}

std::vector<SetterCase> setterCases()
{
    using qx::rec::kFilterHighPassFreq;
    std::vector<SetterCase> cases;
    const qx::PeqBand band{200, 250, 7, 2};
    qx::OutputFilter filter;
    filter.mode = 1;
    filter.highPassFrequency = 40;
    filter.highPassSlope = 5;
    filter.lowPassFrequency = 250;
    filter.lowPassSlope = 9;
    filter.fir = {4, 3, 100, 200, 1024};
    const qx::Dynamics dyn{3, 10, 20, 6, 200};
    const qx::ChannelName subName{'S', 'u', 'b', ' ', 0xE9, 0, 0, 0};

    cases.push_back({"GainOfAloneOutput",
                     [](LUnitControl& m) { m.SetGain(5, 300); },
                     [](qx::UnitRecord& r) { outputWord(r, {1}, qx::rec::kOutGain, 300); },
                     {0x10, 0x02, 0x00, kId, 0x04, 0x34, 0x05, 0x2C, 0x01, 0x10, 0x03, 0x1E},
                     false,
                     {}});
    cases.push_back({"GainOfLinkedInput",
                     [](LUnitControl& m) { m.SetGain(1, 0x0190); },
                     [](qx::UnitRecord& r) {
                         inputWord(r, {0, 1}, qx::rec::kInGain, 0x0190);
                     },
                     commandFrame(kId, 0x34, {0x01, 0x90, 0x01}),
                     false,
                     {}});
    cases.push_back({"DelayOfGroupMember",
                     [](LUnitControl& m) { m.SetDelay(1, 480); },
                     [](qx::UnitRecord& r) {
                         inputWord(r, {0, 1}, qx::rec::kInDelay, 480);
                     },
                     commandFrame(kId, 0x38, {0x01, 0xE0, 0x01}),
                     false,
                     {}});
    cases.push_back({"PolarityStoresValueSendsOne",
                     [](LUnitControl& m) { m.SetPolarity(6, 5); },
                     [](qx::UnitRecord& r) {
                         outputWord(r, {0, 2}, qx::rec::kOutPolarity, 5);
                     },
                     commandFrame(kId, 0x36, {0x06, 0x01}),
                     false,
                     {}});
    cases.push_back({"PeqBandAndBypassBit",
                     [band](LUnitControl& m) { m.SetPeqBand(1, 13, band, 3); },
                     [band](qx::UnitRecord& r) {
                         for (int n : {0, 1}) {
                             qx::writePeqBand(r, qx::rec::inputBand(n, 13), band);
                             qx::writeWord(r, qx::rec::peqBypassMask(n), 0x2000);
                         }
                     },
                     commandFrame(kId, 0x33, {0x01, 0x0D, 0xC8, 0x00, 0xFA, 0x00, 0x07, 0x02, 0x03}),
                     false,
                     {1}});
    cases.push_back({"HighPassOfGroupMember",
                     [filter](LUnitControl& m) { m.SetHighPass(6, filter); },
                     [](qx::UnitRecord& r) {
                         for (int i : {0, 2}) {
                             qx::writeWord(r, qx::rec::outputFilter(i) + kFilterHighPassFreq, 40);
                             r[qx::rec::outputFilter(i) + qx::rec::kFilterHighPassSlope] = 5;
                         }
                     },
                     commandFrame(kId, 0x32, {0x06, 0x28, 0x00, 0x05}),
                     false,
                     {6}});
    cases.push_back({"LowPassOfGroupHead",
                     [filter](LUnitControl& m) { m.SetLowPass(4, filter); },
                     [](qx::UnitRecord& r) {
                         for (int i : {0, 2}) {
                             qx::writeWord(r, qx::rec::outputFilter(i) + qx::rec::kFilterLowPassFreq, 250);
                             r[qx::rec::outputFilter(i) + qx::rec::kFilterLowPassSlope] = 9;
                         }
                     },
                     commandFrame(kId, 0x31, {0x04, 0xFA, 0x00, 0x09}),
                     false,
                     {4}});
    cases.push_back({"HighPassOfInputStoresNothingButSends",
                     [filter](LUnitControl& m) { m.SetHighPass(0, filter); },
                     [](qx::UnitRecord&) {},
                     commandFrame(kId, 0x32, {0x00, 0x28, 0x00, 0x05}),
                     false,
                     {0}});
    cases.push_back({"OutputFirSettingsUrgent",
                     [filter](LUnitControl& m) { m.SetOutputFir(6, filter.fir); },
                     [filter](qx::UnitRecord& r) {
                         for (int i : {0, 2}) {
                             qx::writeFirSettings(r, qx::rec::outputFilter(i), filter.fir);
                         }
                     },
                     commandFrame(kId, 0x4B, {0x06, 0x04, 0x03, 0x64, 0x00, 0xC8, 0x00, 0x00, 0x04}),
                     true,
                     {6}});
    cases.push_back({"OutputFilterWholeRecordNotSent",
                     [filter](LUnitControl& m) { m.SetOutputFilter(6, filter); },
                     [filter](qx::UnitRecord& r) {
                         for (int i : {0, 2}) {
                             qx::writeOutputFilter(r, qx::rec::outputFilter(i), filter);
                         }
                     },
                     {},
                     false,
                     {}});
    cases.push_back({"OutputFilterOfInputDoesNothing",
                     [filter](LUnitControl& m) { m.SetOutputFilter(1, filter); },
                     [](qx::UnitRecord&) {},
                     {},
                     false,
                     {}});
    cases.push_back({"InputFirTapsNotSent",
                     [](LUnitControl& m) { m.SetInputFirTaps(1, 300); },
                     [](qx::UnitRecord& r) {
                         inputWord(r, {0, 1}, qx::rec::kInFirTapCount, 300);
                     },
                     {},
                     false,
                     {}});
    cases.push_back({"InputFirTapsOfOutputDoesNothing",
                     [](LUnitControl& m) { m.SetInputFirTaps(6, 300); },
                     [](qx::UnitRecord&) {},
                     {},
                     false,
                     {}});
    cases.push_back({"InputFirBypassSendsLowByte",
                     [](LUnitControl& m) { m.SetInputFirBypass(1, 0x0102); },
                     [](qx::UnitRecord& r) {
                         inputWord(r, {0, 1}, qx::rec::kInFirBypass, 0x0102);
                     },
                     commandFrame(kId, 0x4F, {0x01, 0x02}),
                     true,
                     {}});
    cases.push_back({"InputFirBypassOfOutputOnlySends",
                     [](LUnitControl& m) { m.SetInputFirBypass(5, 1); },
                     [](qx::UnitRecord&) {},
                     commandFrame(kId, 0x4F, {0x05, 0x01}),
                     true,
                     {}});
    cases.push_back(
        {"CompressorOfGroupMember",
         [dyn](LUnitControl& m) { m.SetCompressor(6, dyn); },
         [dyn](qx::UnitRecord& r) {
             for (int i : {0, 2}) {
                 qx::writeDynamics(r, qx::rec::output(i) + qx::rec::kOutCompressor, dyn);
             }
         },
         commandFrame(kId, 0x30, {0x06, 0x03, 0x00, 0x0A, 0x00, 0x14, 0x00, 0x06, 0x00, 0xC8, 0x00}),
         false,
         {}});
    cases.push_back(
        {"LimiterOfAloneOutput",
         [dyn](LUnitControl& m) { m.SetLimiter(5, dyn); },
         [dyn](qx::UnitRecord& r) { qx::writeDynamics(r, qx::rec::output(1) + qx::rec::kOutLimiter, dyn); },
         commandFrame(kId, 0x3F, {0x05, 0x03, 0x00, 0x0A, 0x00, 0x14, 0x00, 0x06, 0x00, 0xC8, 0x00}),
         false,
         {}});
    cases.push_back({"MuteOfLinkedInputAlone",
                     [](LUnitControl& m) { m.SetMute(1, 1); },
                     [](qx::UnitRecord& r) { qx::writeWord(r, qx::rec::kInputMuteMask, 0x0002); },
                     commandFrame(kId, 0x35, {0x01, 0x01}),
                     false,
                     {}});
    cases.push_back({"MuteOfOutput8",
                     [](LUnitControl& m) { m.SetMute(11, 1); },
                     [](qx::UnitRecord& r) { qx::writeWord(r, qx::rec::kOutputMuteMask, 0x0080); },
                     commandFrame(kId, 0x35, {0x0B, 0x01}),
                     false,
                     {}});
    cases.push_back({"MatrixRouteSendsNewMaskGroupUntouched",
                     [](LUnitControl& m) { m.SetMatrixRoute(4, 2, true); },
                     [](qx::UnitRecord& r) { outputWord(r, {0}, qx::rec::kOutRouteMask, 0x05); },
                     commandFrame(kId, 0x3A, {0x04, 0x05}),
                     false,
                     {}});
    cases.push_back({"MatrixRouteCleared",
                     [](LUnitControl& m) { m.SetMatrixRoute(4, 0, false); },
                     [](qx::UnitRecord& r) { outputWord(r, {0}, qx::rec::kOutRouteMask, 0x00); },
                     commandFrame(kId, 0x3A, {0x04, 0x00}),
                     false,
                     {}});
    cases.push_back({"MixLevelAlone",
                     [](LUnitControl& m) { m.SetMixLevel(6, 3, 140); },
                     [](qx::UnitRecord& r) { outputWord(r, {2}, qx::rec::kOutMixLevels + 6, 140); },
                     commandFrame(kId, 0x41, {0x06, 0x03, 0x8C, 0x00}),
                     false,
                     {}});
    cases.push_back(
        {"ChannelNameBytesUnchanged",
         [subName](LUnitControl& m) { m.SetChannelName(6, subName); },
         [subName](qx::UnitRecord& r) { std::copy(subName.begin(), subName.end(), &r[qx::rec::output(2)]); },
         commandFrame(kId, 0x3D, {0x06, 'S', 'u', 'b', ' ', 0xE9, 0, 0, 0}),
         true,
         {}});
    cases.push_back({"LinkMaskAloneLowByteSent",
                     [](LUnitControl& m) { m.SetLinkMask(1, 0x0103); },
                     [](qx::UnitRecord& r) { inputWord(r, {1}, qx::rec::kInLinkMask, 0x0103); },
                     commandFrame(kId, 0x3B, {0x01, 0x03}),
                     true,
                     {}});
    cases.push_back({"DelayUnit",
                     [](LUnitControl& m) { m.SetDelayUnit(2); },
                     [](qx::UnitRecord& r) { qx::writeWord(r, qx::rec::kDelayUnit, 2); },
                     commandFrame(kId, 0x15, {0x02}),
                     false,
                     {}});
    cases.push_back({"InputSelect",
                     [](LUnitControl& m) { m.SetInputSelect(1); },
                     [](qx::UnitRecord& r) { qx::writeWord(r, qx::rec::kInputSelect, 1); },
                     commandFrame(kId, 0x4D, {0x00, 0x01}),
                     true,
                     {}});
    cases.push_back({"OutputSelect",
                     [](LUnitControl& m) { m.SetOutputSelect(1); },
                     [](qx::UnitRecord& r) { qx::writeWord(r, qx::rec::kOutputSelect, 1); },
                     commandFrame(kId, 0x4D, {0x01, 0x01}),
                     true,
                     {}});
    cases.push_back({"SourceSelect",
                     [](LUnitControl& m) { m.SetSourceSelect(9, 1); },
                     [](qx::UnitRecord& r) { qx::writeWord(r, qx::rec::kSourceSelectMask, 0x0200); },
                     commandFrame(kId, 0x5B, {0x09, 0x01}),
                     true,
                     {}});
    return cases;
}

void PrintTo(const SetterCase& c, std::ostream* os)
{
    *os << c.name;
}

class SetterTest : public ::testing::TestWithParam<SetterCase>
{
protected:
    SetterTest() { model.record() = linkedRecord(); }

    // Runs the case's edit on `target` and checks the record it leaves.
    void editAndCheckRecord(LUnitControl& target) const
    {
        const SetterCase& c = GetParam();
        qx::UnitRecord expected = linkedRecord();
        c.expectWrites(expected);
        c.edit(target);
        EXPECT_EQ(target.record(), expected) << "record after " << c.name;
    }

    FakeUnitHost host;
    LUnitControl model{&host};
};

TEST_P(SetterTest, WritesGroupAndSendsOneCommandForEditedChannel)
{
    host.deviceId = kId;
    editAndCheckRecord(model);
    const SetterCase& c = GetParam();
    if (c.frame.empty()) {
        EXPECT_TRUE(host.sent.empty());
    } else {
        ASSERT_EQ(host.sent.size(), 1U) << "one command per edit";
        EXPECT_EQ(host.sent[0].frame, c.frame);
        EXPECT_EQ(host.sent[0].urgent, c.urgent);
    }
    EXPECT_EQ(host.curveMarks, c.curveMarks);
}

TEST_P(SetterTest, WhileBusyWritesTheModelAndMarksCurvesButSendsNothing)
{
    host.busy = true;
    editAndCheckRecord(model);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(host.curveMarks, GetParam().curveMarks);
}

TEST_P(SetterTest, WithoutHostChangesTheModelOnly)
{
    LUnitControl offline;
    offline.record() = linkedRecord();
    editAndCheckRecord(offline);
}

INSTANTIATE_TEST_SUITE_P(LUnitControl, SetterTest, ::testing::ValuesIn(setterCases()),
                         [](const ::testing::TestParamInfo<SetterCase>& p) { return p.param.name; });

// ---- link groups ----

struct GroupCase
{
    const char* name;
    std::vector<std::uint16_t> inputMasks;
    int channel;
    std::uint16_t group;
    int count;
};

void PrintTo(const GroupCase& c, std::ostream* os)
{
    *os << c.name;
}

class LinkGroupTest : public ::testing::TestWithParam<GroupCase>
{
};

TEST_P(LinkGroupTest, GroupOfChannel)
{
    const GroupCase& c = GetParam();
    LUnitControl model;
    for (int n = 0; n < 4; ++n) {
        qx::writeWord(model.record(), qx::rec::input(n) + qx::rec::kInLinkMask,
                      c.inputMasks[static_cast<std::size_t>(n)]);
    }
    EXPECT_EQ(model.GetLinkGroup(c.channel), c.group);
    EXPECT_EQ(model.CountLinkedChannels(c.channel), c.count);
}

INSTANTIATE_TEST_SUITE_P(LUnitControl, LinkGroupTest,
                         ::testing::Values(GroupCase{"OwnBitOnly", {1, 2, 4, 8}, 2, 0x0004, 1},
                                           GroupCase{"HeadHoldsMembers", {0x0B, 0, 4, 0}, 0, 0x000B, 3},
                                           GroupCase{"MemberFoundInHead", {0x0B, 0, 4, 0}, 3, 0x000B, 3},
                                           GroupCase{"OwnMaskBeforeLowerHolder", {0x03, 0x06, 0x04, 8}, 1, 0x0006, 2},
                                           GroupCase{"LowestHolderWins", {0x0D, 0x06, 0, 8}, 2, 0x000D, 3},
                                           // Inconsistent masks: nobody holds InC's bit; InB's mask
                                           // (the channel below) would not contain InC.
                                           GroupCase{"OrphanStandsAlone", {1, 2, 0, 8}, 2, 0x0004, 1},
                                           GroupCase{"FirstOfSideWithoutOwnBit", {0, 2, 4, 8}, 0, 0x0001, 1},
                                           GroupCase{"HighBitsNotCounted", {0xF003, 0, 4, 8}, 1, 0xF003, 2}),
                         [](const ::testing::TestParamInfo<GroupCase>& p) {
                             return std::string(p.param.name);
                         });

TEST(LUnitControlGroups, OrphanedOutputEditWritesOnlyItself)
{
    FakeUnitHost host;
    LUnitControl model(&host);
    // Out2 has no own bit and no lower output holds it.
    qx::writeWord(model.record(), qx::rec::output(1) + qx::rec::kOutLinkMask, 0);
    model.SetGain(5, 100);
    EXPECT_EQ(model.GetGain(5), 100);
    EXPECT_EQ(model.GetGain(4), 280) << "Out1 is not in Out2's group";
    ASSERT_EQ(host.sent.size(), 1U);
}

// ---- range checks ----

TEST(LUnitControlRanges, OutOfRangeIndexesChangeAndSendNothing)
{
    FakeUnitHost host;
    LUnitControl model(&host);
    const qx::PeqBand band{1, 2, 3, 4};
    const qx::OutputFilter filter;
    const qx::Dynamics dyn;
    const std::vector<std::function<void()>> edits = {
        [&] { model.SetGain(-1, 1); },
        [&] { model.SetGain(12, 1); },
        [&] { model.SetDelay(12, 1); },
        [&] { model.SetPolarity(-3, 1); },
        [&] { model.SetPeqBand(0, 14, band, 0); },
        [&] { model.SetPeqBand(4, 6, band, 0); },
        [&] { model.SetPeqBand(4, -1, band, 0); },
        [&] { model.SetPeqBand(12, 0, band, 0); },
        [&] { model.SetHighPass(12, filter); },
        [&] { model.SetLowPass(-1, filter); },
        [&] { model.SetOutputFir(12, filter.fir); },
        [&] { model.SetOutputFilter(12, filter); },
        [&] { model.SetInputFirTaps(-1, 1); },
        [&] { model.SetInputFirBypass(12, 1); },
        [&] { model.SetCompressor(3, dyn); },
        [&] { model.SetLimiter(12, dyn); },
        [&] { model.SetMute(12, 1); },
        [&] { model.SetMatrixRoute(3, 0, true); },
        [&] { model.SetMatrixRoute(4, 4, true); },
        [&] { model.SetMixLevel(4, -1, 1); },
        [&] { model.SetMixLevel(12, 0, 1); },
        [&] { model.SetChannelName(12, {}); },
        [&] { model.SetLinkMask(-1, 1); },
        [&] { model.SetSourceSelect(12, 1); },
        [&] { model.CopyChannelRecord(0, 4); },
        [&] { model.CopyChannelRecord(4, 12); },
        [&] { model.MarkPresetUsed(20); },
    };
    for (std::size_t k = 0; k < edits.size(); ++k) {
        edits[k]();
        ASSERT_EQ(model.record(), qx::kFactoryDefaultRecord) << "edit " << k;
    }
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(host.curveMarks.empty());
    EXPECT_FALSE(model.IsPresetUsed(20));
}

TEST(LUnitControlRanges, GettersGiveZeroForOutOfRangeIndexes)
{
    LUnitControl model;
    EXPECT_EQ(model.GetGain(12), 0);
    EXPECT_EQ(model.GetDelay(-1), 0);
    EXPECT_EQ(model.GetPolarity(12), 0);
    EXPECT_FALSE(model.IsMuted(12));
    EXPECT_FALSE(model.IsPeqBandBypassed(4, 6));
    EXPECT_EQ(model.GetPeqBand(0, 14), qx::PeqBand{});
    EXPECT_EQ(model.GetDefaultPeqBand(-1, 0), qx::PeqBand{});
    EXPECT_EQ(model.GetCompressor(2), qx::Dynamics{});
    EXPECT_EQ(model.GetLimiter(12), qx::Dynamics{});
    EXPECT_EQ(model.GetOutputFilter(0), qx::OutputFilter{}) << "an input has no filter record";
    EXPECT_FALSE(model.GetInFirBypass(4));
    EXPECT_EQ(model.GetLinkGroup(12), 0);
    EXPECT_EQ(model.CountLinkedChannels(-1), 0);
}

// ---- getters ----

TEST(LUnitControlGetters, ReadTheFactoryRecord)
{
    LUnitControl model;
    EXPECT_EQ(model.GetGain(0), 280);
    EXPECT_EQ(model.GetPeqBand(1, 6), (qx::PeqBand{120, 140, 35, 0}));
    EXPECT_EQ(model.GetLimiter(7), (qx::Dynamics{15, 499, 499, 0, 220}));
    EXPECT_EQ(model.GetOutputFilter(9).fir, (qx::OutputFirSettings{0, 6, 110, 300, 512}));
    EXPECT_EQ(model.GetOutputFilter(9).mode, 2);
    EXPECT_TRUE(model.GetInFirBypass(2));
    EXPECT_EQ(model.GetLinkMask(11), 128);
    const auto name = model.PresetName();
    EXPECT_EQ(std::string(name.begin(), name.end()), "Default Preset");
}

TEST(LUnitControlGetters, ReflectEdits)
{
    LUnitControl model;
    model.SetPolarity(2, 5);
    EXPECT_EQ(model.GetPolarity(2), 1);
    model.SetMute(6, 1);
    EXPECT_TRUE(model.IsMuted(6));
    EXPECT_FALSE(model.IsMuted(2)) << "output bit 2 is not input C's bit";
    model.SetPeqBand(5, 3, {1, 2, 3, 4}, 1);
    EXPECT_TRUE(model.IsPeqBandBypassed(5, 3));
    model.SetPeqBand(5, 3, {1, 2, 3, 4}, 0);
    EXPECT_FALSE(model.IsPeqBandBypassed(5, 3));
    EXPECT_EQ(model.GetPeqBand(5, 3), (qx::PeqBand{1, 2, 3, 4}));
    EXPECT_EQ(model.GetDefaultPeqBand(5, 3), (qx::PeqBand{120, 174, 25, 0}));
}

// ---- record copy ----

TEST(LUnitControlCopy, OutputCopyKeepsNameRouteMixAndLink)
{
    LUnitControl model;
    qx::UnitRecord& r = model.record();
    const qx::UnitRecord before = r;
    model.SetOutputFilter(4, {1, 10, 20, 3, 4, {1, 2, 3, 4, 5}});
    model.SetPeqBand(4, 5, {9, 9, 9, 1}, 1);
    model.SetCompressor(4, {1, 2, 3, 4, 5});
    model.SetGain(4, 17);
    model.SetDelay(4, 99);
    model.SetPolarity(4, 1);
    qx::writeWord(r, qx::rec::kOutputEqBypassMask, 0x0001);
    model.SetMixLevel(4, 0, 5);
    model.SetMatrixRoute(4, 3, true);

    model.CopyChannelRecord(4, 6);
    const std::size_t src = qx::rec::output(0);
    const std::size_t dst = qx::rec::output(2);
    for (std::size_t k = qx::rec::kOutFilter; k < qx::rec::kOutLinkMask; ++k) {
        ASSERT_EQ(r[dst + k], r[src + k]) << "output record byte " << k;
    }
    for (std::size_t k = 0; k < qx::rec::kOutFilter; ++k) {
        ASSERT_EQ(r[dst + k], before[dst + k]) << "name, route and mix kept, byte " << k;
    }
    EXPECT_EQ(model.GetLinkMask(6), 4);
    EXPECT_EQ(qx::readWord(r, qx::rec::peqBypassMask(6)), 0x0020);
    EXPECT_EQ(qx::readWord(r, qx::rec::kOutputEqBypassMask), 0x0005);
}

TEST(LUnitControlCopy, InputCopyClearsTargetEqBypassBitFromSource)
{
    LUnitControl model;
    qx::writeWord(model.record(), qx::rec::kInputEqBypassMask, 0x0004);
    model.SetGain(0, 300);
    model.CopyChannelRecord(0, 2);
    EXPECT_EQ(qx::readWord(model.record(), qx::rec::kInputEqBypassMask), 0x0000);
    EXPECT_EQ(model.GetGain(2), 300);
    EXPECT_EQ(model.GetLinkMask(2), 4);
    EXPECT_EQ(model.record()[qx::rec::input(2)], 'I');
}

// ---- presets ----

TEST(LUnitControlPresets, FlagsFromReply34)
{
    LUnitControl model;
    std::vector<std::uint8_t> payload(20, 0);
    payload[0] = 0xFF;
    payload[2] = 0xFF;
    model.SetPresetFlags(payload);
    for (int p = 0; p < 20; ++p) {
        EXPECT_EQ(model.IsPresetUsed(p), p == 0 || p == 2) << "preset " << p;
    }
    model.MarkPresetUsed(19);
    EXPECT_TRUE(model.IsPresetUsed(19));
}

TEST(LUnitControlPresets, PresetNameTakesFourteenBytesAndPadsShortLists)
{
    LUnitControl model;
    const std::vector<std::uint8_t> longName{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H',
                                             'I', 'J', 'K', 'L', 'M', 'N', 'O'};
    model.SetPresetName(longName);
    EXPECT_EQ(std::string(model.PresetName().begin(), model.PresetName().end()), "ABCDEFGHIJKLMN");
    EXPECT_EQ(model.record()[16], 'I') << "InA's name untouched";
    model.SetPresetName(std::vector<std::uint8_t>{'x', 0, 0xE9});
    const std::vector<std::uint8_t> expected{'x', 0, 0xE9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(model.PresetName().begin(), model.PresetName().end()), expected);
}

TEST(LUnitControlPresets, RowNamesForDialogs)
{
    FakeUnitHost host;
    LUnitControl model(&host);
    model.ShowDefaultPresetNames();
    ASSERT_EQ(host.rows.size(), 20U);
    const qx::PresetName def{'D', 'e', 'f', 'a', 'u', 'l', 't', ' ', 'P', 'r', 'e', 's', 'e', 't'};
    for (int r = 0; r < 20; ++r) {
        EXPECT_EQ(host.rows[static_cast<std::size_t>(r)], std::make_pair(r + 1, def));
    }
    host.rows.clear();
    std::vector<std::uint8_t> reply{4, 'M', 'a', 'i', 'n', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xE9};
    model.ShowPresetName(5, reply);
    const qx::PresetName shown{'M', 'a', 'i', 'n', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', 0xE9};
    ASSERT_EQ(host.rows.size(), 1U);
    EXPECT_EQ(host.rows[0], std::make_pair(5, shown));

    host.rows.clear();
    reply.pop_back();
    model.ShowPresetName(5, reply);
    model.ShowPresetName(0, std::vector<std::uint8_t>(15, 'a'));
    model.ShowPresetName(21, std::vector<std::uint8_t>(15, 'a'));
    EXPECT_TRUE(host.rows.empty()) << "short payloads and rows outside 1-20 are ignored";
}

} // namespace
