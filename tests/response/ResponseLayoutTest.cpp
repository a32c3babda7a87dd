// The response controls are made by layouts with their published properties.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/gui/Form.h"
#include "platform/gui/LayoutLoader.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/LProgressBar.h"
#include "response/TMyPEQType8.h"

namespace {

std::string readData(const std::string& name)
{
    std::ifstream in(std::string(QX_TEST_DATA_DIR) + "/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ResponseLayout, ControlsAreMadeAndSetByName)
{
    TForm form(nullptr);
    qx::loadLayoutText(form, readData("ResponseControls.layout"), "ResponseControls.layout");

    auto* graph = dynamic_cast<LMyFFTDrawHpLp6dB*>(form.FindComponent("fftDrawOut1"));
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->Width(), 1070);
    EXPECT_EQ(graph->XMin(), 966.0);
    EXPECT_FALSE(graph->YAutoScale());
    EXPECT_EQ(graph->AxisLabelFont().Color, clActiveBorder);
    EXPECT_EQ(graph->FFTNuimber(), TFFTNumber::n4096);
    EXPECT_EQ(graph->ShowCoordinates(), true) << "left out: the constructor's value";

    auto* grid = dynamic_cast<TMyPEQType8*>(form.FindComponent("peqPeqOut1"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetChannelNumber(), 6);
    EXPECT_EQ(grid->BypassBackColor(), clSilver);

    auto* level = dynamic_cast<LProgressBar*>(form.FindComponent("lpbLevelOut1"));
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->SegmentCount(), 8);
    level->SetPosition(5);
    EXPECT_EQ(level->LitCount(), 5);
    auto* indicator = dynamic_cast<LProgressBar*>(form.FindComponent("lpbCompOut1"));
    ASSERT_NE(indicator, nullptr);
    EXPECT_EQ(indicator->SegmentCount(), 1);
}

} // namespace
