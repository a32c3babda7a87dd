#pragma once
// The main window with its send router replaced by a record of the frames,
// and the helpers the equaliser and crossover editor tests share.

#include "FaderDrag.h"
#include "FakeHosts.h"
#include "PumpUntil.h"
#include "WindowSystemInput.h"
#include "app/FMain.h"
#include "model/LUnitControl.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/CurvyControls.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Timer.h"
#include "platform/gui/UpDown.h"
#include "response/Plot.h"

#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWheelEvent>

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
    // The window shown and made the active one by the window system, as a user finds it.
    bool shown()
    {
        if (window->Widget()->isVisible())
            return true;
        window->Show();
        return qx::test::pumpUntil([&] { return qx::test::readyForTheUser(*window); }, "the main window active");
    }
    // The page that holds `control` brought to the front as a user brings it:
    // its page button clicked through the window. (A page left visible
    // behind the page in front, as In A's behind the Gain page at start,
    // counts as out of sight.) The Gate page's button lies beneath the Comp
    // page's, where no click reaches it: that page opens by its click handler.
    void showPageOf(TControl& control)
    {
        if (!shown() || qx::test::inSightAtItsCentre(control))
            return;
        for (const TControl* at = &control; at != nullptr; at = at->Parent())
            for (const std::string side : {"rzgParam", "rzgFft"})
                if (auto* page = at->Name().starts_with(side) ? qx::findComponent<TRzBmpButton>(
                                                                     *window, "rzbMenu" + at->Name().substr(side.size()))
                                                               : nullptr) {
                    if (qx::test::inSightAtItsCentre(*page))
                        qx::test::clickThroughWindow(*page);
                    else
                        page->Click();
                    return;
                }
    }
    // A value typed into a box as a user types it, taken by Enter or by Tab out of the box.
    void type(const std::string& box, const std::string& text, bool enter)
    {
        auto* b = find<TCurvyEdit>(box);
        showPageOf(*b);
        EXPECT_TRUE(qx::test::enterThroughWindow(*b, text, enter ? Qt::Key_Return : Qt::Key_Tab))
            << box << " took the focus";
        afterTheDelayGuard();
    }
    // Tab may give a delay fader the focus, and for 100 ms its guard turns back
    // any delay change: a user's next step comes after the guard's one tick.
    void afterTheDelayGuard()
    {
        auto* guard = find<TTimer>("tmSlider");
        EXPECT_TRUE(qx::test::pumpUntil([guard] { return !guard->Enabled(); }, "the delay guard's tick"));
    }
    // A fader set as a user sets it on its page: the thumb dragged to the
    // position (past the fader's end for an end), then stepped there with
    // Page Up/Down and the arrow keys where the fader is too short for every
    // step of its range to lie under a pixel.
    void slide(const std::string& name, int position)
    {
        auto* fader = find<TAdvTrackBar>(name);
        showPageOf(*fader);
        EXPECT_TRUE(qx::test::inSightAtItsCentre(*fader)) << name;
        const int span = fader->Max() - fader->Min();
        qx::test::dragFaderThroughWindow(*fader, position == fader->Min()   ? position - span
                                                 : position == fader->Max() ? position + span
                                                                            : position);
        for (int key = 0; key < 200 && fader->Position() != position; ++key) {
            const int gap = position - fader->Position();
            const bool page = std::abs(gap) >= fader->PageSize();
            qx::test::pressThroughWindow(*fader, gap > 0 ? (page ? Qt::Key_PageUp : Qt::Key_Up)
                                                         : (page ? Qt::Key_PageDown : Qt::Key_Down));
        }
        EXPECT_EQ(fader->Position(), position) << name;
    }
    // An up-down's arrow clicked on its page, `clicks` times.
    void arrow(const std::string& name, TUDBtnType which, int clicks = 1)
    {
        auto* upDown = find<TUpDown>(name);
        showPageOf(*upDown);
        EXPECT_TRUE(qx::test::inSightAtItsCentre(*upDown)) << name;
        auto* button = upDown->Widget()->findChild<QWidget*>(which == btNext ? "next" : "prev");
        ASSERT_NE(button, nullptr) << name;
        for (int c = 0; c < clicks; ++c)
            qx::test::clickThroughWindow(button);
    }
    // A click on a control of a page, as a user clicks it: on a fader, on its
    // thumb, so that the fader does not move; on a radio button, on its dot
    // and caption, the only part of it that takes a click (a radio may be
    // laid out wider than its caption).
    void clickOn(const std::string& name)
    {
        TControl* control = find(name);
        showPageOf(*control);
        EXPECT_TRUE(qx::test::inSightAtItsCentre(*control)) << name;
        if (auto* fader = dynamic_cast<TAdvTrackBar*>(control)) {
            const TRect thumb = fader->GetThumbRect();
            qx::test::clickThroughWindow(fader->Widget(), QPoint(thumb.Left + thumb.Width() / 2, thumb.Top + thumb.Height() / 2));
        } else if (auto* radio = qobject_cast<QRadioButton*>(control->Widget())) {
            QStyleOptionButton option;
            option.initFrom(radio);
            option.text = radio->text();
            qx::test::clickThroughWindow(
                radio, radio->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, radio).center());
        } else {
            qx::test::clickThroughWindow(*control);
        }
    }
    // A wheel turned `notches` notches over the centre of a control on its
    // page, through its window.
    void wheel(TControl& over, int notches)
    {
        showPageOf(over);
        EXPECT_TRUE(qx::test::inSightAtItsCentre(over)) << over.Name();
        QWidget* top = over.Widget()->window();
        const QPointF at = over.Widget()->mapTo(top, over.Widget()->rect().center());
        QWheelEvent turn(at, top->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        // The window hands the turn to the widget under the mouse.
        QCoreApplication::sendEvent(top->windowHandle(), &turn);
        QCoreApplication::processEvents();
    }
    // A list's choice as the user makes it on the list's page, from the
    // keyboard. (The program may turn a choice back; the tests look at what
    // the list shows after it.)
    void pick(const std::string& list, int item)
    {
        auto* combo = find<TComboBox>(list);
        showPageOf(*combo);
        EXPECT_TRUE(qx::test::inSightAtItsCentre(*combo)) << list;
        qx::test::chooseThroughWindow(*combo, item);
    }
    // A latching button clicked on its page. (The program may put it back.)
    void toggle(const std::string& button)
    {
        auto* b = find<TRzBmpButton>(button);
        showPageOf(*b);
        EXPECT_TRUE(qx::test::inSightAtItsCentre(*b)) << button;
        qx::test::clickThroughWindow(*b);
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
