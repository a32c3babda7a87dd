#include "controls/plot/base/iPlotHost.h"

#include "controls/plot/base/iPlotObjects.h"

TiPlotHost* PlotHostOf(const TiPlotObject& Object) { return dynamic_cast<TiPlotHost*>(Object.Owner()); }
