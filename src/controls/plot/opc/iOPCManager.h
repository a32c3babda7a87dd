#pragma once
// TiOPCManager: a small hidden control that owns a list of OPC groups (named sets of items on
// one server with one update rate) registered with the client library, and relays the
// library's group updates as events. Without the library the groups are kept but nothing is
// registered.

#include "controls/plot/opc/iOPCLibrary.h"
#include "controls/plot/base/iItemReader.h"
#include "platform/gui/Control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TImageList;

using TGroupUpdateEvent = std::function<void(TObject* Sender, const std::string& GroupName)>;

class TiOPCGroupObject : public TPersistent
{
public:
    TiOPCGroupObject(std::string Name, std::string ComputerName, std::string OPCServerName, int UpdateRate)
        : FName(std::move(Name)), FComputerName(std::move(ComputerName)), FOPCServerName(std::move(OPCServerName)),
          FUpdateRate(UpdateRate)
    {
    }
    const std::string& Name() const { return FName; }
    const std::string& ComputerName() const { return FComputerName; }
    const std::string& OPCServerName() const { return FOPCServerName; }
    int UpdateRate() const { return FUpdateRate; }
    /// Stores a new rate and tells the library (its errors included).
    void SetUpdateRate(int Value);
    int DLLGroupHandle() const { return FDLLGroupHandle; }
    void SetDLLGroupHandle(int Value) { FDLLGroupHandle = Value; }
    void Resume() { iOPC::GroupResume(FDLLGroupHandle); }
    void Suspend() { iOPC::GroupSuspend(FDLLGroupHandle); }

private:
    std::string FName, FComputerName, FOPCServerName;
    int FUpdateRate;
    int FDLLGroupHandle = 0;
};

/// A group as a layout stores it: its four values, handed to GroupAdd once read.
class TiOPCGroupStream : public TPersistent
{
public:
    std::string Name, ComputerName, OPCServerName;
    int UpdateRate = 0;
};

/// The groups as a layout collection ("Groups"): each group read is added with GroupAdd.
using TiOPCGroupList = TiItemReader<TiOPCGroupStream>;

class TiOPCManager : public TCustomControl, public IOPCGroupSink
{
public:
    explicit TiOPCManager(TComponent* AOwner);
    ~TiOPCManager() override;

    /// The manager keeps its 28 x 28 size; only the position changes.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    int GroupAdd(const std::string& Name, const std::string& ComputerName, int UpdateRate,
                 const std::string& OPCServerName);
    void GroupDelete(int Index);
    void GroupClear();
    int GroupCount() const { return static_cast<int>(FGroupList.size()); }
    TiOPCGroupObject& Group(int Index) const;
    int GetGroupIndex(const std::string& Name) const;
    void CloseAllServerConnections() { iOPC::CloseAllServerConnections(); }
    /// Shows the process-wide explorer window, made when there is none.
    void ExplorerShow();
    bool FirstInstance() const { return FFirstInstance; }
    TiOPCGroupList* Groups() { return &FGroups; }

    void BeforeGroupUpdate(int GroupHandle) override;
    void AfterGroupUpdate(int GroupHandle) override;
    /// The text of the last exception raised while a group update was handled; it never
    /// reaches the library.
    const std::string& SinkError() const { return FSinkError; }

    TGroupUpdateEvent OnBeforeGroupUpdate;
    TGroupUpdateEvent OnAfterGroupUpdate;

protected:
    void Paint() override;

private:
    std::string groupName(int Handle) const;
    void raiseGroupEvent(const TGroupUpdateEvent& Event, int Handle);

    bool FFirstInstance = false;
    std::vector<std::unique_ptr<TiOPCGroupObject>> FGroupList;
    std::string FSinkError;
    TiOPCGroupList FGroups;
};

namespace qx {
void registerOPCManagerClasses();
}
