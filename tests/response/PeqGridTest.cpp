// The PEQ band grid: typed values through the row handlers, the events it
// raises, the row highlight, bypass, layout, names and bad row numbers.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "controls/buttons/rz/RzButton.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/buttons/rz/RzLabel.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Form.h"
#include "platform/gui/ItemStrings.h"
#include "platform/gui/Keys.h"
#include "platform/gui/PropertyRegistry.h"
#include "response/TMyPEQType8.h"

namespace {

class PeqGrid : public ::testing::Test
{
protected:
    PeqGrid() : form_(std::make_unique<TForm>(nullptr)) {}

    // A grid as the forms load an output grid: 452 x 260, six rows.
    template <class Grid = TMyPEQType8> Grid& makeGrid()
    {
        auto* grid = new Grid(form_.get());
        grid->SetParent(form_.get());
        grid->SetChannelNumber(6);
        grid->SetBounds(0, 0, 452, 260);
        grid->SetLabelColor(clBackground);
        grid->SetEditBackColor(14474460);
        grid->SetBypassBackColor(clSilver);
        grid->RePaint();
        grid->OnChange = [this](TObject* sender) { changes_.push_back(dynamic_cast<TMyPEQType8*>(sender)); };
        return *grid;
    }

    void type(TEdit* box, const std::string& text, bool enter = true)
    {
        box->SetText(text);
        auto* grid = dynamic_cast<TMyPEQType8*>(box->Owner());
        Word key = VK_RETURN;
        if (box == grid->FrequencyBox(static_cast<int>(box->Tag()))) {
            enter ? grid->FrequencyKeyDown(box, key, {}) : grid->FrequencyExit(box);
        } else if (box == grid->QBox(static_cast<int>(box->Tag()))) {
            enter ? grid->QfactorKeyDown(box, key, {}) : grid->QfactorExit(box);
        } else {
            enter ? grid->GainKeyDown(box, key, {}) : grid->GainExit(box);
        }
    }

    std::unique_ptr<TForm> form_;
    std::vector<TMyPEQType8*> changes_;
};

TEST_F(PeqGrid, LayoutOfAnOutputGrid)
{
    TMyPEQType8& g = makeGrid();
    // w = (452 - 68) / 5 = 76, h = (260 - 15 - 16) / 6 = 38.
    EXPECT_EQ(g.NumberLabel(0)->Top(), 15 + 8);
    EXPECT_EQ(g.NumberLabel(2)->Top(), 15 + 2 * 38 + 8);
    EXPECT_EQ(g.FrequencyBox(2)->Top(), 15 + 2 * 38 + 7);
    EXPECT_EQ(g.FrequencyBox(0)->Left(), 40);
    EXPECT_EQ(g.FrequencyBox(0)->Width(), 76);
    EXPECT_EQ(g.QBox(0)->Left(), 76 + 48);
    EXPECT_EQ(g.GainBox(0)->Left(), 2 * 76 + 56);
    EXPECT_EQ(g.TypeList(0)->Left(), 3 * 76 + 64);
    EXPECT_EQ(g.TypeList(0)->Width(), 84);
    EXPECT_EQ(g.BypassButton(0)->Left(), 4 * 76 + 78);
    EXPECT_EQ(g.BypassButton(0)->Width(), 62);
    EXPECT_TRUE(g.FrequencyBox(5)->Visible());
    EXPECT_FALSE(g.FrequencyBox(6)->Visible());
    EXPECT_EQ(g.FrequencyBox(6)->Top(), 10000);
    EXPECT_EQ(g.TypeList(0)->Items()->Count(), 9);
    EXPECT_EQ(g.BypassButton(0)->Caption(), "   BYPASS   ");
    EXPECT_EQ(g.NumberLabel(1)->Font().Color, clYellow) << "row colours follow the handle colours";
    EXPECT_EQ(g.QBox(0)->Text(), "0.40");
    EXPECT_EQ(g.GainBox(0)->Text(), "0.0dB");
}

TEST_F(PeqGrid, TitlesAndSteppersChangeTheLayout)
{
    TMyPEQType8& g = makeGrid();
    g.SetTitleVisable(true);
    g.SetBounds(0, 0, 452, 273); // a new size lays the rows out again
    g.RePaint();
    EXPECT_TRUE(g.TitleLabel(1)->Visible());
    EXPECT_EQ(g.TitleLabel(1)->Caption(), "Frequency");
    EXPECT_EQ(g.TitleLabel(0)->Left(), 12);
    EXPECT_EQ(g.TitleLabel(2)->Left(), 16 + 76 + 33);
    EXPECT_EQ(g.TitleLabel(2)->Width(), 76 - 15);
    EXPECT_EQ(g.NumberLabel(0)->Top(), 15 + 13 + 8) << "13 pixels for the titles";
    g.SetUpdownVisable(true);
    g.SetBounds(0, 0, 452, 260);
    g.RePaint();
    EXPECT_EQ(g.FrequencyBox(0)->Width(), 76 - 20);
}

TEST_F(PeqGrid, ChannelNumberIsClamped)
{
    TMyPEQType8& g = makeGrid();
    g.SetChannelNumber(60);
    EXPECT_EQ(g.GetChannelNumber(), 50);
    g.SetChannelNumber(0);
    EXPECT_EQ(g.GetChannelNumber(), 1);
    g.SetChannelNumber(-7);
    EXPECT_EQ(g.GetChannelNumber(), 1);
    qx::setProperty(g, "ChannelNumber", qx::PropertyValue(std::int64_t{14}));
    EXPECT_EQ(g.GetChannelNumber(), 14);
}

TEST_F(PeqGrid, TypedValuesAreNormalisedAndEveryEntryRaisesChange)
{
    TMyPEQType8& g = makeGrid();
    changes_.clear();
    type(g.FrequencyBox(2), "2kHz");
    EXPECT_NEAR(g.GetFreqValue(2), 2000, 1e-9);
    EXPECT_EQ(g.FrequencyBox(2)->Text(), "2.00KHz");
    EXPECT_EQ(g.GetNowIndex(), 2);
    type(g.QBox(2), "200", false);
    EXPECT_EQ(g.GetQValue(2), 128);
    EXPECT_EQ(g.QBox(2)->Text(), "128.00");
    type(g.GainBox(2), "3.45dB");
    EXPECT_DOUBLE_EQ(g.GetGainValue(2), 3.4);
    EXPECT_EQ(g.GainBox(2)->Text(), "3.4dB");

    // Refused entries restore the stored value, caret at the end, and still raise Change.
    type(g.FrequencyBox(2), "1.2.3");
    EXPECT_EQ(g.FrequencyBox(2)->Text(), "2.00KHz");
    EXPECT_EQ(g.FrequencyBox(2)->SelStart(), 7);
    type(g.GainBox(2), "--3");
    EXPECT_EQ(g.GainBox(2)->Text(), "3.4dB");
    type(g.QBox(2), ".");
    EXPECT_EQ(g.QBox(2)->Text(), "128.00");
    EXPECT_EQ(changes_.size(), 6U);
    for (TMyPEQType8* sender : changes_) {
        EXPECT_EQ(sender, &g);
    }

    // Other keys do nothing.
    g.GainBox(3)->SetText("5");
    Word key = VK_TAB;
    g.GainKeyDown(g.GainBox(3), key, {});
    EXPECT_EQ(g.GetGainValue(3), 0);
    EXPECT_EQ(changes_.size(), 6U);
}

TEST_F(PeqGrid, RowsAreTrackedAsCurrentAndPrevious)
{
    TMyPEQType8& g = makeGrid();
    type(g.GainBox(1), "1");
    type(g.GainBox(4), "1");
    EXPECT_EQ(g.GetNowIndex(), 4);
    EXPECT_EQ(g.GetPreviousIndex(), 1);
    g.PeqTypeChange(g.TypeList(3));
    EXPECT_EQ(g.GetNowIndex(), 3);
}

TEST_F(PeqGrid, BypassTogglesAndColours)
{
    TMyPEQType8& g = makeGrid();
    changes_.clear();
    g.ByPassClick(g.BypassButton(1));
    EXPECT_EQ(g.GetBypassValue(1), 1);
    EXPECT_EQ(g.BypassButton(1)->Color(), TMyPEQType8::kBypassedColour);
    g.ByPassClick(g.BypassButton(1));
    EXPECT_EQ(g.GetBypassValue(1), 0);
    EXPECT_EQ(g.BypassButton(1)->Color(), clSilver);
    EXPECT_EQ(changes_.size(), 2U);

    g.OnChange = nullptr;
    g.SetBypassValue(2, 1);
    EXPECT_EQ(g.BypassButton(2)->Color(), clSilver) << "without OnChange nothing is recoloured";
    g.ByPassClick(g.BypassButton(3));
    EXPECT_EQ(g.BypassButton(3)->Color(), TMyPEQType8::kBypassedColour) << "the clicked button is";
}

TEST_F(PeqGrid, MouseDownAndWheelEvents)
{
    TMyPEQType8& g = makeGrid();
    TObject* mouseSender = nullptr;
    int mouseX = 0;
    g.OnEditMouseDown = [&](TObject* s, TMouseButton, TShiftState, int x, int) {
        mouseSender = s;
        mouseX = x;
    };
    g.EditMouseDown(g.QBox(5), mbLeft, {}, 7, 3);
    EXPECT_EQ(mouseSender, &g) << "the grid is the sender";
    EXPECT_EQ(mouseX, 7);
    EXPECT_EQ(g.GetNowIndex(), 5);

    TObject* wheelSender = nullptr;
    g.OnPeqTypeMouseWheel = [&](TObject* s, TShiftState, int, TPoint, bool& handled) {
        wheelSender = s;
        handled = true;
    };
    bool handled = false;
    changes_.clear();
    g.PeqTypeMouseWheel(g.TypeList(2), {}, 120, {}, handled);
    EXPECT_EQ(wheelSender, g.TypeList(2)) << "the type list is the sender";
    EXPECT_TRUE(handled);
    EXPECT_TRUE(changes_.empty());
    EXPECT_EQ(g.GetNowIndex(), 5);
}

TEST_F(PeqGrid, RowHighlight)
{
    TMyPEQType8& g = makeGrid();
    auto colourOf = [&](int row) { return g.FrequencyBox(row)->Font().Color; };
    g.SetNowIndex(2);
    EXPECT_EQ(colourOf(2), TMyPEQType8::kHighlightColour);
    EXPECT_EQ(colourOf(0), clBackground);
    EXPECT_EQ(g.GetPreviousIndex(), 0);
    g.SetNowIndex(2);
    EXPECT_EQ(g.GetPreviousIndex(), 2);
    g.SetNowIndex(2);
    EXPECT_EQ(colourOf(2), TMyPEQType8::kHighlightColour);
    g.SetNowIndex(-1);
    EXPECT_EQ(colourOf(2), clBackground);
    EXPECT_EQ(g.GetNowIndex(), 2);
    g.SetNowIndex(70); // no such row
    EXPECT_EQ(g.GetNowIndex(), 2);
    g.SetColor(3, clRed);
    EXPECT_EQ(g.GainBox(3)->Font().Color, clRed);
    g.SetColor(6, clRed); // not shown
    EXPECT_NE(g.GainBox(6)->Font().Color, clRed);
}

TEST_F(PeqGrid, ValuesWrittenByCodeAreClampedBeforeTheyIndexATable)
{
    TMyPEQType8& g = makeGrid();
    changes_.clear();
    g.SetEqParamValue(0, 440, 10, -3.4, 4, 1);
    EXPECT_EQ(changes_.size(), 1U) << "one Change for all five";
    EXPECT_NEAR(g.GetFreqValue(0), 445.4, 0.05) << "-35.53 steps: a first decimal of 5 is truncated";
    EXPECT_EQ(g.GetQValue(0), 0.71);
    EXPECT_DOUBLE_EQ(g.GetGainValue(0), -3.4);
    EXPECT_EQ(g.GetTypeValue(0), 4);
    EXPECT_EQ(g.GetBypassValue(0), 1);
    EXPECT_EQ(g.GainBox(0)->Text(), "-3.4dB");

    g.SetEqParamValue(1, 1e9, 500, 99, 40, 7);
    EXPECT_NEAR(g.GetFreqValue(1), 20158.74, 0.01);
    EXPECT_EQ(g.GetQValue(1), 128);
    EXPECT_EQ(g.GetGainValue(1), 12);
    EXPECT_EQ(g.GetTypeValue(1), 8);
    EXPECT_EQ(g.GetBypassValue(1), 1);
    EXPECT_EQ(g.GainBox(1)->Text(), "12.0dB");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    g.SetEqParamValue(2, nan, nan, nan, -5, 0);
    EXPECT_NEAR(g.GetFreqValue(2), 19.7, 0.05);
    EXPECT_EQ(g.GetQValue(2), 0.4);
    EXPECT_EQ(g.GetGainValue(2), 0);
    EXPECT_EQ(g.GetTypeValue(2), 0);

    g.SetQValue(3, -2);
    EXPECT_EQ(g.GetQValue(3), 0.4);
    g.SetTypeValue(3, 99);
    EXPECT_EQ(g.GetTypeValue(3), 8);
    g.SetGainValue(3, -30);
    EXPECT_EQ(g.GetGainValue(3), -12);
    g.SetFreqValue(3, -1);
    EXPECT_NEAR(g.GetFreqValue(3), 19.7, 0.05);

    // Rows outside 0..49 are ignored and read as nothing.
    changes_.clear();
    g.SetEqParamValue(50, 1000, 1, 1, 1, 1);
    g.SetFreqValue(-1, 1000);
    g.SetBypassValue(99, 1);
    EXPECT_TRUE(changes_.empty());
    EXPECT_EQ(g.GetFreqValue(50), 0);
    EXPECT_EQ(g.GetTypeValue(-1), -1);
}

TEST_F(PeqGrid, NamesAndLanguage)
{
    TMyPEQType8& g = makeGrid();
    g.SetTypeValue(0, 5);
    g.SetEqTypeString("Spitze", 0);
    g.SetEqTypeString("ignored", 9);
    g.SetBypassString("AUS");
    EXPECT_EQ(g.TypeList(0)->Items()->Strings(0), " Peak       ") << "shown from the next language change";
    g.ChangeLanguage();
    EXPECT_EQ(g.TypeList(0)->Items()->Strings(0), "Spitze");
    EXPECT_EQ(g.TypeList(0)->Items()->Count(), 9);
    EXPECT_EQ(g.GetTypeValue(0), 5) << "the type is kept";
    EXPECT_EQ(g.BypassButton(0)->Caption(), "AUS");
    g.SetBounds(0, 0, 560, 400);
    g.RePaint();
    EXPECT_EQ(g.GetTypeValue(0), 5) << "a later relayout keeps the types given";
    EXPECT_EQ(g.GetTypeValue(1), 0) << "and starts the others with type 0";
}

TEST_F(PeqGrid, TwinGrid)
{
    auto& g = makeGrid<TMyPEQAllpass2Steps>();
    EXPECT_EQ(g.TypeList(0)->Items()->Count(), 7);
    EXPECT_EQ(g.TypeList(0)->Items()->Strings(3), " Low Cut    ");
    EXPECT_EQ(g.TypeList(0)->Items()->Strings(4), " High Cut   ");
    EXPECT_EQ(g.GainBox(0)->Text(), "0dB");
    type(g.GainBox(0), "3.3");
    EXPECT_DOUBLE_EQ(g.GetGainValue(0), 3.2);
    EXPECT_EQ(g.GainBox(0)->Text(), "3.2dB");
    type(g.GainBox(0), "25");
    EXPECT_EQ(g.GetGainValue(0), 20);
    EXPECT_EQ(g.GainBox(0)->Text(), "20dB");
    g.SetEqParamValue(1, 1000 * std::pow(1.023373891996775, 12.56), 0, -12, 6, 0);
    EXPECT_NEAR(g.GetFreqValue(1), 1000 * std::pow(1.023373891996775, 13), 1e-9) << "12.56 reads 12.6";
    EXPECT_EQ(g.GetGainValue(1), -12);
    g.SetTypeValue(1, 8);
    EXPECT_EQ(g.GetTypeValue(1), 6);
}

TEST_F(PeqGrid, FrequencyRoundingOfTheTwoGrids)
{
    TMyPEQType8& nine = makeGrid();
    auto& seven = makeGrid<TMyPEQAllpass2Steps>();
    const double hz = 1000 * std::pow(1.023373891996775, 12.56);
    nine.SetFreqValue(0, hz);
    seven.SetFreqValue(0, hz);
    EXPECT_NEAR(nine.GetFreqValue(0), 1000 * std::pow(1.023373891996775, 12), 1e-9);
    EXPECT_NEAR(seven.GetFreqValue(0), 1000 * std::pow(1.023373891996775, 13), 1e-9);
}

TEST_F(PeqGrid, TwinRestoresTheSnapshotColour)
{
    auto* g = new TMyPEQAllpass2Steps(form_.get());
    g->SetParent(form_.get());
    g->SetColor(0, clRed);
    g->SetBounds(0, 0, 452, 260);
    g->RePaint();
    g->SetNowIndex(2);
    g->SetNowIndex(4);
    EXPECT_EQ(g->FrequencyBox(2)->Font().Color, clRed);
}

} // namespace
