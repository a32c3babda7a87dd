#pragma once
// TiXYPlotChannel: the channel of an X-Y plot. Its points keep the order they were added in
// with free X values; it draws the whole store with the base channel's trace and markers,
// fits its axes over all points, answers data cursors the X-Y way and can be fed by two OPC
// items (X and Y).

#include "controls/plot/objects/iPlotChannelCustom.h"
#include "controls/plot/opc/iOPCItem.h"
#include "controls/plot/opc/iOPCManager.h"

#include <memory>

class TiXYPlotChannel : public TiPlotChannelCustom
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

    // OPC: item 0 supplies X, item 1 Y.
    const std::string& OPCComputerName() const { return Item(0).ComputerName(); }
    void SetOPCComputerName(const std::string& Value) { Item(0).SetComputerName(Value); }
    const std::string& OPCServerName() const { return Item(0).ServerName(); }
    void SetOPCServerName(const std::string& Value) { Item(0).SetServerName(Value); }
    const std::string& OPCItemName() const { return Item(0).ItemName(); }
    void SetOPCItemName(const std::string& Value) { Item(0).SetItemName(Value); }
    int OPCUpdateRate() const { return Item(0).UpdateRate(); }
    void SetOPCUpdateRate(int Value) { Item(0).SetUpdateRate(Value); }
    double OPCScalar() const { return Item(0).Scalar(); }
    void SetOPCScalar(double Value) { Item(0).SetScalar(Value); }
    double OPCOffset() const { return Item(0).Offset(); }
    void SetOPCOffset(double Value) { Item(0).SetOffset(Value); }
    double OPCScalar2() const { return Item(1).Scalar(); }
    void SetOPCScalar2(double Value) { Item(1).SetScalar(Value); }
    double OPCOffset2() const { return Item(1).Offset(); }
    void SetOPCOffset2(double Value) { Item(1).SetOffset(Value); }
    bool OPCAutoConnect() const { return Item(0).AutoConnect(); }
    void SetOPCAutoConnect(bool Value) { Item(0).SetAutoConnect(Value); }
    const std::string& OPCItem2Name() const { return Item(1).ItemName(); }
    void SetOPCItem2Name(const std::string& Value) { Item(1).SetItemName(Value); }
    bool OPCActive() const { return Item(0).Active(); }
    bool OPCQualityGood() const { return Item(0).QualityGood(); }
    /// Puts both items into a group of their own on item 0's server and activates them.
    void OPCActivate();
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();

private:
    TiOPCItem& Item(int Index) const { return FOPCItemManager.Item(Index); }
    double FitExtent(bool XAxisSide, bool Max);
    /// The private group was updated: one point from the X and the Y item.
    void OPCGroupUpdated();

    /// Holds the channel's one group; made at the first activation.
    std::unique_ptr<TiOPCManager> FOPCManager;
    mutable TiOPCItemManager FOPCItemManager;
};

namespace qx {
/// Publishes the X-Y channel and registers its creator with the managers.
void registerXYPlotChannelClasses();
} // namespace qx
