#pragma once

#include "WindowSystemInput.h"
#include "app/FMain.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/Timer.h"

#include <gtest/gtest.h>

#include <memory>

// A main window made as the program makes it, with its start timer stopped
// before it can run: no test opens the connection dialog.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.reset(qx::newForm<TfmMain>(nullptr));
        auto* start = qx::findComponent<TTimer>(*window, "tmStartConnect");
        ASSERT_NE(start, nullptr);
        start->SetEnabled(false);
    }

    template <class T = TControl>
    T* find(const std::string& name) const
    {
        return qx::findComponent<T>(*window, name);
    }

    // A click on the control through the shown window, as a user gives it;
    // false when the control is not in sight at its centre.
    bool press(const std::string& name) const
    {
        window->Show();
        TControl* control = find(name);
        if (control == nullptr || !qx::test::inSightAtItsCentre(*control))
            return false;
        qx::test::clickThroughWindow(*control);
        return true;
    }
    // The menu entry chosen with the mouse through the shown window.
    bool choose(const std::string& name) const
    {
        window->Show();
        return qx::test::chooseMenuThroughWindow(*find<TMenuItem>(name));
    }

    std::unique_ptr<TfmMain> window;
};
