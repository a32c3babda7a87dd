// The PEQ grids as the unit state shows in them. Kept apart from the other
// show-state tests: the grid's control family and the fader's do not meet
// in one source file.

#include "MainWindowFixture.h"

#include "codec/SharedConstants.h"
#include "model/LUnitControl.h"
#include "platform/gui/PropertyRegistry.h"
#include "response/TMyPEQType8.h"

#include <gtest/gtest.h>

namespace {

namespace rec = qx::rec;

TEST_F(MainWindowTest, PeqGridsShowTheBandsWithTheirIndexesClamped)
{
    qx::UnitRecord& record = window->UnitControl->record();
    const std::size_t band = rec::outputBand(2, 4);
    qx::writeWord(record, band + rec::kBandGain, 999);
    qx::writeWord(record, band + rec::kBandFreq, 4000);
    record[band + rec::kBandQ] = 200;
    record[band + rec::kBandType] = 50;
    qx::writeWord(record, rec::peqBypassMask(6), 1U << 4);
    qx::writeWord(record, rec::inputBand(1, 13) + rec::kBandGain, 60);
    window->LoadUnitToForm();

    auto* inB = find<TMyPEQType8>("peqPeqInB");
    ASSERT_NE(inB, nullptr);
    EXPECT_EQ(inB->GetNowIndex(), 0);
    // Factory bands: frequency index 49 (61.1 Hz), Q index 35 (3.0), 0 dB, peak.
    EXPECT_NEAR(inB->GetFreqValue(2), 61.1, 0.1);
    EXPECT_NEAR(inB->GetQValue(2), qx::kQTable[35], 1e-6);
    EXPECT_DOUBLE_EQ(inB->GetGainValue(2), 0.0);
    EXPECT_EQ(inB->GetTypeValue(2), 0);
    EXPECT_NEAR(inB->GetGainValue(13), -6.0, 1e-9);

    auto* out3 = find<TMyPEQType8>("peqPeqOut3");
    EXPECT_NEAR(out3->GetFreqValue(4), 20158.7, 0.5) << "frequency index held at 300";
    EXPECT_NEAR(out3->GetQValue(4), qx::kQTable[100], 1e-6) << "Q index held at 100";
    EXPECT_NEAR(out3->GetGainValue(4), 12.0, 1e-9) << "gain index held at 240";
    EXPECT_EQ(out3->GetTypeValue(4), 8) << "type held at 8";
    EXPECT_EQ(out3->GetBypassValue(4), 1);
    EXPECT_EQ(out3->GetBypassValue(3), 0);
}

// The fader family has an enumeration of the same name; the button family's
// keeps its own values in the one program that holds both.
TEST(EditorClasses, TheButtonFamilysGradientDirectionsKeepTheirNames)
{
    const auto* info = qx::ClassRegistry::instance().findEnum(typeid(TGradientDirection));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->valueOf("gdVerticalEnd"), static_cast<int>(gdVerticalEnd));
    EXPECT_FALSE(info->valueOf("gdHorizontalInOut").has_value());
}

} // namespace
