#include "QtTestEnvironment.h"
#include "platform/gui/CoreClasses.h"

namespace {

const auto* const kEnvironment = qx::test::QtTestEnvironment::add("qx_platform_gui_tests", {qx::registerCoreClasses});

} // namespace
