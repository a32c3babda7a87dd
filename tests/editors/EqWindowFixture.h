#pragma once
// The main window with its send router replaced by a record of the frames,
// and the helpers the equaliser and crossover editor tests share.

#include "FakeHosts.h"
#include "PumpUntil.h"
#include "app/FMain.h"
#include "model/LUnitControl.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/CurvyControls.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Timer.h"
#include "response/Plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace eqtest {

namespace rec = qx::rec;
using qxtest::Sent;

constexpr std::uint8_t kPeq = 0x33;

// The main window with its send router replaced by a record of the frames.
class RecordingWindow : public TfmMain
{
public:
    using TfmMain::TfmMain;
    void SendCommand(const LCmd& command, bool urgent) override { log.record(command, urgent); }
    // The information dialog's texts, in the window's language, instead of the dialog.
    void ShowInformation(std::string_view id) override { messages.emplace_back(Translate(id)); }
    qxtest::SendLog log;
    std::vector<std::string> messages;
};

inline Sent peqFrame(int c, int band, int gain, int freq, int q, int type, int bypass, bool urgent = false)
{
    return {qxtest::commandFrame(1, kPeq,
                                 {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(band),
                                  static_cast<std::uint8_t>(gain & 0xFF), static_cast<std::uint8_t>(gain >> 8),
                                  static_cast<std::uint8_t>(freq & 0xFF), static_cast<std::uint8_t>(freq >> 8),
                                  static_cast<std::uint8_t>(q), static_cast<std::uint8_t>(type),
                                  static_cast<std::uint8_t>(bypass)}),
            urgent};
}

class EqWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.reset(qx::newForm<RecordingWindow>(nullptr));
        qx::findComponent<TTimer>(*window, "tmStartConnect")->SetEnabled(false);
        window->log.sent.clear();
    }

    template <class T = TControl> T* find(const std::string& name) const
    {
        auto* found = qx::findComponent<T>(*window, name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::vector<Sent>& sent() { return window->log.sent; }
    LUnitControl& unit() { return *window->UnitControl; }
    // Lets the 1 ms curve timers run once.
    void settle()
    {
        auto* eq = find<TTimer>("tmEqCurve");
        auto* hpLp = find<TTimer>("tmHpLpCurve");
        auto* mouse = find<TTimer>("tmMouseEqCurve");
        qx::test::pumpUntil([&] { return !eq->Enabled() && !hpLp->Enabled() && !mouse->Enabled(); },
                            "the curve timers ran");
    }
    // Outputs of the mask (bit n = output n + 1) become one group headed by `first`.
    void linkOutputs(int first, unsigned mask)
    {
        for (int n = 0; n < 8; ++n)
            if (mask & (1U << n))
                qx::writeWord(unit().record(), rec::output(n) + rec::kOutLinkMask, n == first - 4 ? mask : 0U);
    }
    void press(const std::string& box, Word key)
    {
        auto* b = find<TCurvyEdit>(box);
        b->OnKeyDown(b, key, {});
    }
    void type(const std::string& box, const std::string& text, bool enter)
    {
        auto* b = find<TCurvyEdit>(box);
        b->SetText(text);
        if (enter)
            press(box, 13);
        else
            b->OnExit(b);
    }
    // A list's choice as the user makes it: the item, then its change event.
    void pick(const std::string& list, int item)
    {
        auto* combo = find<TComboBox>(list);
        combo->SetItemIndex(item);
        combo->OnChange(combo);
    }
    // A latching button pressed: its state flips, then its click event.
    void toggle(const std::string& button)
    {
        auto* b = find<TRzBmpButton>(button);
        b->SetDown(!b->Down());
        b->OnClick(b);
    }
    std::vector<double> curveOf(int c, int section)
    {
        const auto curve = window->Plots[static_cast<std::size_t>(c)]->curve(section);
        return {curve.begin(), curve.end()};
    }
    static bool flat(const std::vector<double>& curve)
    {
        return std::all_of(curve.begin(), curve.end(), [](double v) { return std::abs(v) < 1e-9; });
    }
    double sectionDb(int c, int section, double hz)
    {
        const Plot& plot = *window->Plots[static_cast<std::size_t>(c)];
        const auto curve = plot.curve(section);
        const double x = 4096.0 * std::log10(hz) / std::log10(24000.0);
        return curve[static_cast<std::size_t>(std::lround(x))];
    }

    std::unique_ptr<RecordingWindow> window;
};

} // namespace eqtest
