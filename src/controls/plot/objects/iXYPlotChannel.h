#pragma once
// TiXYPlotChannel: the channel of an X-Y plot. Its points keep the order they were added in
// with free X values; it draws the whole store with the base channel's trace and markers,
// fits its axes over all points, answers data cursors the X-Y way and can be fed by two OPC
// items (X and Y).

#include "controls/plot/objects/iPlotChannelCustom.h"
#include "controls/plot/objects/iPlotChannelOPC.h"

class TiXYPlotChannel : public TiPlotChannelCustom, public TiPlotChannelOPC
{
public:
    TiXYPlotChannel(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                    TNotifyEvent AOnRename);
    ~TiXYPlotChannel() override;

    /// A null (or empty) point at 0, 0 straight into the store: no statistics, tracking or log.
    int AddNull();
    int AddEmpty();
    /// A data array's markers: the X-Y channel's null and empty points ignore X.
    void AddNullAt(double) override { AddNull(); }
    void AddEmptyAt(double) override { AddEmpty(); }

    void PrepareDraw() override;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    void DoInsert() override;
    void CalcStartIndex() override;
    void CalcStopIndex() override;
    double GetFitXMax() override { return FitExtent(true, true); }
    double GetFitXMin() override { return FitExtent(true, false); }
    double GetFitYMax() override { return FitExtent(false, true); }
    double GetFitYMin() override { return FitExtent(false, false); }
    void UpdateDataCursor(TiPlotDataCursor& Cursor) override;

    // OPC (the accessors are the shared ones): item 0 supplies X, item 1 Y.
    /// Puts both items into a group of their own on item 0's server and activates them.
    void OPCActivate();
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();

private:
    double FitExtent(bool XAxisSide, bool Max);
    /// The private group was updated: one point from the X and the Y item.
    void OPCGroupUpdated();
};

namespace qx {
/// Publishes the X-Y channel and registers its creator with the managers.
void registerXYPlotChannelClasses();
} // namespace qx
