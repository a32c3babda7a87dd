#pragma once
// TiPlotChannelOPC: the two OPC items a plot channel is fed by, with the published accessors
// the Y-T and the X-Y channel share (item 0 names the server and the first value, item 1 the
// second value) and their registration. Each channel registers them at its own place in its
// stream order.

#include "controls/plot/opc/iOPCItem.h"

#include <memory>
#include <string>

class TiOPCManager;

namespace qx {
template <class C>
class ClassBuilder;
}

class TiPlotChannelOPC
{
public:
    const std::string& OPCComputerName() const { return Item(0).ComputerName(); }
    void SetOPCComputerName(const std::string& Value) { Item(0).SetComputerName(Value); }
    const std::string& OPCServerName() const { return Item(0).ServerName(); }
    void SetOPCServerName(const std::string& Value) { Item(0).SetServerName(Value); }
    const std::string& OPCItemName() const { return Item(0).ItemName(); }
    void SetOPCItemName(const std::string& Value) { Item(0).SetItemName(Value); }
    const std::string& OPCItem2Name() const { return Item(1).ItemName(); }
    void SetOPCItem2Name(const std::string& Value) { Item(1).SetItemName(Value); }
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

    bool OPCActive() const { return Item(0).Active(); }
    bool OPCQualityGood() const { return Item(0).QualityGood(); }

protected:
    /// Two items reading the property "Data", owned by the channel's control when it has one.
    explicit TiPlotChannelOPC(TObject* AOwner);
    ~TiPlotChannelOPC();

    TiOPCItem& Item(int Index) const { return FOPCItemManager.Item(Index); }

    /// The channel's private group, made when it first needs one.
    std::unique_ptr<TiOPCManager> FOPCManager;
    mutable TiOPCItemManager FOPCItemManager;
};

namespace qx::plot {

/// Publishes item 0's server and item: OPCComputerName, OPCServerName, OPCItemName.
template <class C>
void registerOPCServerProperties(ClassBuilder<C>& Builder)
{
    Builder.property("OPCComputerName", &C::OPCComputerName, &C::SetOPCComputerName)
        .property("OPCServerName", &C::OPCServerName, &C::SetOPCServerName)
        .property("OPCItemName", &C::OPCItemName, &C::SetOPCItemName);
}

/// Publishes the update rate and the values' scaling: OPCUpdateRate (500) to OPCAutoConnect (true).
template <class C>
void registerOPCValueProperties(ClassBuilder<C>& Builder)
{
    Builder.property("OPCUpdateRate", &C::OPCUpdateRate, &C::SetOPCUpdateRate)
        .defaultValue(500)
        .property("OPCScalar", &C::OPCScalar, &C::SetOPCScalar)
        .property("OPCOffset", &C::OPCOffset, &C::SetOPCOffset)
        .property("OPCScalar2", &C::OPCScalar2, &C::SetOPCScalar2)
        .property("OPCOffset2", &C::OPCOffset2, &C::SetOPCOffset2)
        .property("OPCAutoConnect", &C::OPCAutoConnect, &C::SetOPCAutoConnect)
        .defaultValue(true);
}

} // namespace qx::plot
