#pragma once

#include "app/FMain.h"
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

    std::unique_ptr<TfmMain> window;
};
