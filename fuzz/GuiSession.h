#pragma once
// The application object the GUI readers need, made once per process on
// Qt's offscreen platform, with the standard classes registered.

#include "platform/gui/Application.h"
#include "platform/gui/StandardClasses.h"

#include <cstdlib>

namespace qxfuzz {

inline void ensureGui()
{
    static const bool ready = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "qx-fuzz";
        static char* argv[] = {name, nullptr};
        qx::initApplication(argc, argv);
        // Torn down before the static objects that the application still uses.
        std::atexit([] { qx::doneApplication(); });
        qx::registerStandardClasses();
        return true;
    }();
    (void)ready;
}

} // namespace qxfuzz
