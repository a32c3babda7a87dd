#include "editors/channel/TransferPlot.h"

#include "controls/plot/objects/iXYPlotChannel.h"
#include "controls/plot/plot/iXYPlot.h"
#include "editors/channel/DynamicsCurve.h"

#include <vector>

namespace qx {

namespace {

void replacePoints(TiXYPlotChannel& channel, const std::vector<CurvePoint>& points)
{
    channel.DeletePoints(channel.Count());
    for (const CurvePoint& p : points)
        channel.AddXY(p.x, p.y);
}

} // namespace

void showTransferCurve(TControl* plot, const TransferCurve& curve)
{
    auto* xy = dynamic_cast<TiXYPlot*>(plot);
    if (!xy || xy->ChannelCount() < 2)
        return;
    replacePoints(xy->GetChannel(0), curve.points);
    replacePoints(xy->GetChannel(1), {curve.marker});
}

} // namespace qx
