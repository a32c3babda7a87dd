#pragma once
// OPC items: one control property fed by one item of an OPC server through the client
// library, with a scale and an offset; and the owned list of a control's items. Without the
// library every item stays inert.

#include "controls/plot/base/iComponent.h"
#include "controls/plot/opc/iOPCLibrary.h"
#include "controls/plot/base/iItemReader.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TiOPCItemManager;

using TOPCItemGetDataTypeEvent = std::function<void(const std::string& PropertyName, TTypeKind& AVarType)>;

class TiOPCItem : public TPersistent, public IOPCSignalSink
{
public:
    explicit TiOPCItem(TiOPCItemManager* AOwner);
    ~TiOPCItem() override;

    const std::string& PropertyName() const { return FPropertyName; }
    void SetPropertyName(const std::string& Value);
    const std::string& GroupName() const { return FGroupName; }
    void SetGroupName(const std::string& Value);
    const std::string& ComputerName() const { return FComputerName; }
    void SetComputerName(const std::string& Value);
    const std::string& ServerName() const { return FServerName; }
    void SetServerName(const std::string& Value);
    const std::string& ItemName() const { return FItemName; }
    void SetItemName(const std::string& Value);
    double Scalar() const { return FScalar; }
    void SetScalar(double Value) { FScalar = Value; }
    double Offset() const { return FOffset; }
    void SetOffset(double Value) { FOffset = Value; }
    int UpdateRate() const { return FUpdateRate; }
    void SetUpdateRate(int Value);
    bool AutoConnect() const { return FAutoConnect; }
    void SetAutoConnect(bool Value);
    bool AutoError() const { return FAutoError; }
    void SetAutoError(bool Value);
    bool UpdateSuspended() const;

    const TiVariant& Data() const { return FData; }
    /// Sends the value to the server.
    void SetData(const TiVariant& Value);
    double TimeStamp() const { return FTimeStamp; }
    int Quality() const { return FQuality; }
    bool QualityGood() const { return (FQuality & 0xC0) == 0xC0; }
    bool Active() const;
    TiOPCItemManager* Owner() const { return FOwner; }
    int SignalHandle() const { return FSignalHandle; }
    /// The text of the last exception raised while the library's notification was handled;
    /// it never reaches the library.
    const std::string& SinkError() const { return FSinkError; }

    void Loaded();
    void Activate() { activate(false); }
    void ActivateSuspend() { activate(true); }
    void Deactivate();
    void UpdateSuspend();
    void UpdateResume();
    TiVariant GetDataNow(int& Quality);

    void NewData(int Reserved) override;

private:
    void activate(bool Suspended);
    bool designing() const;
    void updateErrorState();
    void reactivateWhenActive();
    void handleNewData();

    std::string FPropertyName;
    TTypeKind FPropertyType = tkUnknown;
    std::string FGroupName, FServerName, FComputerName = "Local", FItemName;
    bool FAutoConnect = true;
    int FUpdateRate = 500;
    double FScalar = 0, FOffset = 0;
    int FSignalHandle = 0;
    TiVariant FData;
    double FTimeStamp = 0;
    int FQuality = 0;
    TiOPCItemManager* FOwner;
    bool FAutoError = false;
    std::string FSinkError;
};

/// The items as a layout collection ("OPCItems"): each item read is appended, then loaded.
using TiOPCItemList = TiItemReader<TiOPCItem>;

class TiOPCItemManager
{
public:
    TiOPCItemManager();
    ~TiOPCItemManager();
    TiOPCItemManager(const TiOPCItemManager&) = delete;
    TiOPCItemManager& operator=(const TiOPCItemManager&) = delete;

    int Count() const { return static_cast<int>(FList.size()); }
    TiOPCItem& Item(int Index) const;
    int Add();
    void Clear();
    void Delete(int Index);
    int FindIndex(const TiOPCItem* Item) const;
    bool IsDesigning() const;
    bool DoWriteToStream() const { return Count() > 0; }
    TiOPCItemList* Items() { return &FItems; }
    /// Appends an item read elsewhere; the manager owns it.
    void Append(std::unique_ptr<TiOPCItem> Item) { FList.push_back(Item.release()); }

    /// The control the items belong to.
    TComponent* Owner() const { return FOwner; }
    void SetOwner(TComponent* Value) { FOwner = Value; }

    TGetDesigningEvent OnGetDesigning;
    TNotifyEvent OnNewData;
    TOPCItemGetDataTypeEvent OnGetType;

private:
    std::vector<TiOPCItem*> FList;
    TComponent* FOwner = nullptr;
    TiOPCItemList FItems;
};

namespace qx {
void registerOPCItemClasses();
}
