#include "QtTestEnvironment.h"
#include "controls/buttons/rz/RzClasses.h"
#include "controls/buttons/vr/VrClasses.h"

namespace {

const auto* const kEnvironment =
    qx::test::QtTestEnvironment::add("qx_controls_buttons_tests", {qx::registerRzClasses, qx::registerVrClasses});

} // namespace
