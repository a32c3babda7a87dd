#include "controls/plot/plot/iPlotDefaults.h"

#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/objects/iPlotLegend.h"
#include "controls/plot/objects/iPlotToolBar.h"
#include "controls/plot/plot/iPlotComponent.h"

void AddDefaultObjects(TiPlotComponent& Plot)
{
    Plot.DisableLayoutManager();
    try {
        Plot.ToolBar(Plot.AddToolBar()).SetZOrder(3);
        Plot.Legend(Plot.AddLegend()).SetZOrder(2);
        Plot.AddXAxis();
        Plot.AddYAxis();
        Plot.AddChannel();
        Plot.AddDataView();
        Plot.AddDataCursor();
        TiPlotLabel& title = Plot.Label(Plot.AddLabel());
        title.SetZOrder(2);
        title.SetName("Title");
        title.SetCaption("Untitled");
        title.SetMarginBottom(0);
    } catch (...) {
        Plot.EnableLayoutManager();
        throw;
    }
    Plot.EnableLayoutManager();
    Plot.NoteDefaultObjects();
}
