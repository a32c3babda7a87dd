#pragma once
// A shown form holding one fader set up as the main window's gain faders: vertical, 26 x 155,
// slider offset 10 and size 3, no ticks, the 16 x 29 thumb picture; the timers on a manual clock.

#include "controls/skinned/AdvTrackBar.h"
#include "platform/gui/Form.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class FaderFixture : public ::testing::Test
{
protected:
    FaderFixture()
    {
        qx::setTimerClock(clock);
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 200, 200);
        fader = new TAdvTrackBar(form.get());
        fader->SetParent(form.get());
        fader->SetOrientation(trVertical);
        fader->SetBounds(10, 10, 26, 155);
        fader->Slider().SetOffset(10);
        fader->Slider().SetSize(3);
        fader->TickMark().SetStyle(tsNone);
        fader->Thumb().Picture().LoadFromResourceName("fader-thumb-v.png");
        fader->SetMin(-600);
        fader->SetMax(120);
        fader->SetPageSize(10);
        fader->OnChange = [this](TObject*) { changes.push_back(fader->Position()); };
        form->AfterConstruction();
        form->Show();
    }
    ~FaderFixture() override { qx::setTimerClock(qx::Clock::system()); }

    static std::intptr_t xy(int x, int y) { return (x & 0xFFFF) | (y & 0xFFFF) << 16; }
    void press(int x, int y, unsigned msg = WM_LBUTTONDOWN) { fader->Perform(msg, MK_LBUTTON, xy(x, y)); }
    void move(int x, int y) { fader->Perform(WM_MOUSEMOVE, MK_LBUTTON, xy(x, y)); }
    void release(int x, int y) { fader->Perform(WM_LBUTTONUP, 0, xy(x, y)); }
    void key(Word vk, TShiftState shift = {})
    {
        fader->Perform(WM_KEYDOWN, vk, static_cast<std::intptr_t>(shift.bits()));
    }
    void wheel(int delta)
    {
        fader->Perform(WM_MOUSEWHEEL, static_cast<std::uintptr_t>(delta & 0xFFFF) << 16, 0);
    }
    void advance(int ms)
    {
        clock.advance(ms);
        qx::fireDueTimers();
    }

    qx::ManualClock clock{1000};
    std::unique_ptr<TForm> form;
    TAdvTrackBar* fader = nullptr;
    std::vector<int> changes;
};
