#include "AxisTestPlot.h"
#include "QtTestEnvironment.h"

#include "controls/plot/base/iVCLComponent.h"

namespace {

const auto* const kEnvironment =
    qx::test::QtTestEnvironment::add("qx_plot_axis_tests", {qx::registerVCLComponentClasses, registerAxisTestClasses});

} // namespace
