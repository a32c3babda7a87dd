#include "QtTestEnvironment.h"
#include "platform/gui/CoreClasses.h"
#include "platform/gui/StandardClasses.h"
#include "response/ResponseControls.h"

namespace {

// The controls published.
const auto* const kEnvironment = qx::test::QtTestEnvironment::add(
    "qx_response_controls_tests", {qx::registerCoreClasses, qx::registerStandardClasses, qx::registerResponseControls});

} // namespace
