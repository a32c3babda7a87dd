#include "QtTestEnvironment.h"

#include "controls/plot/editor/iEditorBasicComponents.h"

namespace {

const auto* const kEnvironment = qx::test::QtTestEnvironment::add("qx_plot_editor_tests", {qx::registerPlotEditorClasses});

} // namespace
