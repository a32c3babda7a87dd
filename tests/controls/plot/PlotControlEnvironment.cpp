#include "QtTestEnvironment.h"

#include "controls/plot/plot/iPlotComponent.h"

namespace {

const auto* const kEnvironment = qx::test::QtTestEnvironment::add("qx_plot_control_tests", {qx::registerPlotClasses});

} // namespace
