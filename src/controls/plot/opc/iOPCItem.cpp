#include "controls/plot/opc/iOPCItem.h"

#include "platform/gui/PropertyRegistry.h"

#include <cmath>
#include <mutex>
#include <stdexcept>

namespace {

std::string trimmed(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

/// Scales a good value: integers stay whole (as 32-bit integers), floats become doubles.
TiVariant scaled(const TiVariant& value, double factor, bool multiply)
{
    if (value.IsInteger()) {
        const double v = static_cast<double>(value.AsInteger());
        return TiVariant(static_cast<std::int32_t>(std::nearbyint(multiply ? v * factor : v + factor)));
    }
    if (value.IsFloat())
        return TiVariant(multiply ? value.AsFloat() * factor : value.AsFloat() + factor);
    return value;
}

} // namespace

TiOPCItem::TiOPCItem(TiOPCItemManager* AOwner) : FOwner(AOwner) {}

TiOPCItem::~TiOPCItem()
{
    try {
        Deactivate();
    } catch (const std::exception&) {
    }
}

bool TiOPCItem::designing() const { return FOwner && FOwner->IsDesigning(); }

void TiOPCItem::updateErrorState()
{
    if (!Active() || !FOwner)
        return;
    if (auto* control = dynamic_cast<TiComponent*>(FOwner->Owner()))
        control->SetErrorActive(!QualityGood());
}

void TiOPCItem::reactivateWhenActive()
{
    if (!iOPC::OPCLibraryMissing() && Active())
        Activate();
}

void TiOPCItem::SetPropertyName(const std::string& Value)
{
    FPropertyName = Value;
    if (FOwner && FOwner->OnGetType)
        FOwner->OnGetType(Value, FPropertyType);
}

void TiOPCItem::SetGroupName(const std::string& Value)
{
    FGroupName = Value;
    reactivateWhenActive();
}

void TiOPCItem::SetComputerName(const std::string& Value)
{
    FComputerName = Value;
    reactivateWhenActive();
}

void TiOPCItem::SetServerName(const std::string& Value)
{
    FServerName = Value;
    reactivateWhenActive();
}

void TiOPCItem::SetItemName(const std::string& Value)
{
    FItemName = Value;
    reactivateWhenActive();
}

void TiOPCItem::SetUpdateRate(int Value)
{
    FUpdateRate = Value;
    reactivateWhenActive();
}

void TiOPCItem::SetAutoConnect(bool Value)
{
    FAutoConnect = Value;
    if (iOPC::OPCLibraryMissing() || !FOwner || !FOwner->Owner() || !Value)
        return;
    const auto* control = dynamic_cast<const TiComponent*>(FOwner->Owner());
    if (control && !control->IsLoading())
        Activate();
}

void TiOPCItem::SetAutoError(bool Value)
{
    FAutoError = Value;
    if (Value)
        updateErrorState();
}

bool TiOPCItem::UpdateSuspended() const
{
    return FSignalHandle != 0 && !iOPC::OPCLibraryMissing() && iOPC::SignalGetUpdateSuspended(FSignalHandle);
}

bool TiOPCItem::Active() const
{
    if (!FOwner || designing() || iOPC::OPCLibraryMissing())
        return false;
    return iOPC::SignalGetActive(FSignalHandle);
}

void TiOPCItem::SetData(const TiVariant& Value)
{
    if (iOPC::OPCLibraryMissing())
        return;
    iOPC::SignalSendData(FSignalHandle, Value);
}

void TiOPCItem::Loaded()
{
    try {
        if (FAutoError)
            updateErrorState();
        if (FAutoConnect && FOwner && !designing())
            Activate();
    } catch (const std::exception&) {
    }
}

void TiOPCItem::activate(bool Suspended)
{
    if (iOPC::OPCLibraryMissing() || !FOwner || designing())
        return;
    if (FAutoError)
        updateErrorState();
    if (FSignalHandle != 0)
        Deactivate();
    const bool hasSource = !trimmed(FGroupName).empty() || !trimmed(FServerName).empty();
    if (trimmed(FPropertyName).empty() || !hasSource || trimmed(FItemName).empty())
        return;
    if (FSignalHandle != 0 && iOPC::SignalGetActive(FSignalHandle))
        Deactivate();
    const int requestedType = FPropertyType == tkString || FPropertyType == tkUString ? 8 : 0;
    FSignalHandle = iOPC::SignalAdd(FComputerName, FServerName, FItemName, FGroupName, FUpdateRate, Suspended,
                                    requestedType, this);
}

void TiOPCItem::Deactivate()
{
    if (iOPC::OPCLibraryMissing() || !FOwner || designing() || FSignalHandle == 0)
        return;
    const int handle = FSignalHandle;
    FSignalHandle = 0;
    iOPC::SignalRemove(handle);
}

void TiOPCItem::UpdateSuspend()
{
    if (!iOPC::OPCLibraryMissing())
        iOPC::SignalSuspend(FSignalHandle);
}

void TiOPCItem::UpdateResume()
{
    if (!iOPC::OPCLibraryMissing())
        iOPC::SignalResume(FSignalHandle);
}

TiVariant TiOPCItem::GetDataNow(int& Quality)
{
    if (iOPC::OPCLibraryMissing())
        return {};
    iOPC::SignalGetDataNow(FSignalHandle);
    FData = iOPC::SignalGetData(FSignalHandle);
    FTimeStamp = iOPC::SignalGetTimeStamp(FSignalHandle);
    FQuality = iOPC::SignalGetQuality(FSignalHandle);
    Quality = FQuality;
    return FData;
}

void TiOPCItem::NewData(int)
{
    // The library's call must not see an exception: whatever goes wrong here is kept as
    // the item's error state.
    try {
        handleNewData();
        FSinkError.clear();
        return;
    } catch (const std::exception& error) {
        FSinkError = error.what();
    } catch (...) {
        FSinkError = "Unknown error";
    }
    try {
        if (auto* control = FOwner ? dynamic_cast<TiComponent*>(FOwner->Owner()) : nullptr)
            control->SetErrorActive(true);
    } catch (...) {
    }
}

void TiOPCItem::handleNewData()
{
    FData = iOPC::SignalGetData(FSignalHandle);
    FTimeStamp = iOPC::SignalGetTimeStamp(FSignalHandle);
    FQuality = iOPC::SignalGetQuality(FSignalHandle);
    if (QualityGood()) {
        if (FScalar != 0)
            FData = scaled(FData, FScalar, true);
        if (FOffset != 0)
            FData = scaled(FData, FOffset, false);
    }
    if (FAutoError)
        updateErrorState();
    if (FOwner)
        qx::fire(FOwner->OnNewData, this);
}

// ---- TiOPCItemManager ----

TiOPCItemManager::TiOPCItemManager()
    : FItems([this] { Clear(); }, [this] { return std::make_unique<TiOPCItem>(this); },
             [this](std::unique_ptr<TiOPCItem> item) {
                 TiOPCItem* loaded = item.get();
                 Append(std::move(item));
                 loaded->Loaded();
             },
             [this](const TiOPCItemList::VisitFunction& Visit) {
                 for (TiOPCItem* item : FList)
                     Visit(*item);
             })
{
}

TiOPCItemManager::~TiOPCItemManager() { Clear(); }

TiOPCItem& TiOPCItemManager::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    return *FList[static_cast<std::size_t>(Index)];
}

int TiOPCItemManager::Add()
{
    FList.push_back(new TiOPCItem(this));
    return Count() - 1;
}

void TiOPCItemManager::Clear()
{
    while (!FList.empty())
        Delete(0);
}

void TiOPCItemManager::Delete(int Index)
{
    TiOPCItem* item = &Item(Index);
    FList.erase(FList.begin() + Index);
    delete item;
}

int TiOPCItemManager::FindIndex(const TiOPCItem* Item) const
{
    for (std::size_t i = 0; i < FList.size(); ++i)
        if (FList[i] == Item)
            return static_cast<int>(i);
    return -1;
}

bool TiOPCItemManager::IsDesigning() const
{
    bool designing = false;
    if (OnGetDesigning)
        OnGetDesigning(nullptr, designing);
    return designing;
}

namespace qx {

void registerOPCItemClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerClass<TiOPCItem>("TiOPCItem")
            .property("PropertyName", &TiOPCItem::PropertyName, &TiOPCItem::SetPropertyName)
            .property("GroupName", &TiOPCItem::GroupName, &TiOPCItem::SetGroupName)
            .property("ComputerName", &TiOPCItem::ComputerName, &TiOPCItem::SetComputerName)
            .property("ServerName", &TiOPCItem::ServerName, &TiOPCItem::SetServerName)
            .property("ItemName", &TiOPCItem::ItemName, &TiOPCItem::SetItemName)
            .property("Scalar", &TiOPCItem::Scalar, &TiOPCItem::SetScalar)
            .property("Offset", &TiOPCItem::Offset, &TiOPCItem::SetOffset)
            .property("UpdateRate", &TiOPCItem::UpdateRate, &TiOPCItem::SetUpdateRate)
            .property("AutoConnect", &TiOPCItem::AutoConnect, &TiOPCItem::SetAutoConnect)
            .property("AutoError", &TiOPCItem::AutoError, &TiOPCItem::SetAutoError);
    });
}

} // namespace qx
