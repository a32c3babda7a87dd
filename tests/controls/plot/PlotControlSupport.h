#pragma once
// Helpers of the plot control tests: an X-Y plot made in code or configured as the main
// window's transfer-curve plots, and its picture.

#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotDataCursor.h"
#include "controls/plot/objects/iPlotDataView.h"
#include "controls/plot/objects/iPlotLegend.h"
#include "controls/plot/objects/iPlotToolBar.h"
#include "controls/plot/plot/iXYPlot.h"

#include "platform/gui/canvas/Bitmap.h"

#include <memory>
#include <utility>
#include <vector>

namespace qx::test {

/// The picture of a plot as its paint draws it.
inline TBitmap plotPicture(TiPlotComponent& plot)
{
    TBitmap bitmap(plot.Width(), plot.Height());
    plot.PaintTo(bitmap.Canvas());
    return bitmap;
}

/// An X-Y plot configured as the main window's transfer-curve plots: both axes -100..20 dB,
/// no tracking, channel 0 the white curve, channel 1 the threshold marker, the toolbar,
/// legend, cursor and title hidden, no border.
inline std::unique_ptr<TiXYPlot> makeTransferPlot(int Width = 380, int Height = 230)
{
    auto plot = std::make_unique<TiXYPlot>(nullptr);
    plot->SetBounds(0, 0, Width, Height);
    plot->SetBorderStyle(ibsNone);
    plot->SetUserCanEditObjects(false);
    plot->SetTitleVisible(false);
    plot->ToolBar(0).SetVisible(false);
    plot->Legend(0).SetVisible(false);
    for (const bool x : {true, false}) {
        TiPlotAxis& axis = x ? plot->XAxis(0) : plot->YAxis(0);
        axis.SetTrackingEnabled(false);
        axis.SetMinSpan(-100, 120);
        axis.SetDesiredStart(20);
        axis.SetDesiredIncrement(x ? 20 : 10);
        axis.SetEnabled(false);
    }
    TiXYPlotChannel& curve = plot->GetChannel(0);
    curve.SetColor(clWhite);
    curve.SetTraceLineWidth(2);
    plot->AddChannel();
    TiXYPlotChannel& marker = plot->GetChannel(1);
    marker.SetColor(8421631);
    marker.SetTraceLineStyle(iplsDot);
    marker.SetTraceLineWidth(5);
    marker.SetMarkersAllowIndividual(true);
    marker.SetMarkersVisible(true);
    marker.SetMarkersSize(5);
    marker.SetMarkersPenWidth(3);
    return plot;
}

/// Replaces a channel's points the way the editor does.
inline void replacePoints(TiXYPlotChannel& channel, const std::vector<std::pair<double, double>>& points)
{
    channel.DeletePoints(channel.Count());
    for (const auto& [x, y] : points)
        channel.AddXY(x, y);
}

} // namespace qx::test
