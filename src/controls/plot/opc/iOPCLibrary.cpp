#include "controls/plot/opc/iOPCLibrary.h"

#include "controls/plot/base/iComponent.h"

namespace iOPC {
namespace {

TiOPCLibrary* gLibrary = nullptr;

/// Checks the library and the entry point, runs the call, then raises the library's error.
template <class F>
auto call(const char* entry, F&& f) -> decltype(f(*gLibrary))
{
    CheckOPCLibrary();
    if (!gLibrary->HasEntryPoint(entry))
        throw EiPlotError(std::string("Function \"") + entry + "\" not found in \"" + kLibraryName + "\".");
    if constexpr (std::is_void_v<decltype(f(*gLibrary))>) {
        f(*gLibrary);
        if (const std::string error = GetLastCallErrorString(); !error.empty())
            throw EiPlotError(error);
    } else {
        auto result = f(*gLibrary);
        if (const std::string error = GetLastCallErrorString(); !error.empty())
            throw EiPlotError(error);
        return result;
    }
}

bool present(const char* entry) { return gLibrary && gLibrary->HasEntryPoint(entry); }

} // namespace

void setOPCLibrary(TiOPCLibrary* Library) { gLibrary = Library; }
TiOPCLibrary* OPCLibrary() { return gLibrary; }
bool OPCLibraryMissing() { return gLibrary == nullptr; }

void CheckOPCLibrary()
{
    if (!gLibrary)
        throw EiPlotError("Sorvik OPC DLL Not Found.");
}

int SignalAdd(const std::string& ComputerName, const std::string& ServerName, const std::string& ItemName,
              const std::string& GroupName, int UpdateRate, bool Suspended, int RequestedType, IOPCSignalSink* Sink)
{
    return call("SignalAdd", [&](TiOPCLibrary& l) {
        return l.SignalAdd(ComputerName, ServerName, ItemName, GroupName, UpdateRate, Suspended, RequestedType, Sink);
    });
}
void SignalRemove(int Handle) { call("SignalRemove", [&](TiOPCLibrary& l) { l.SignalRemove(Handle); }); }
void SignalSuspend(int Handle) { call("SignalSuspend", [&](TiOPCLibrary& l) { l.SignalSuspend(Handle); }); }
void SignalResume(int Handle) { call("SignalResume", [&](TiOPCLibrary& l) { l.SignalResume(Handle); }); }
bool SignalGetActive(int Handle)
{
    return call("SignalGetActive", [&](TiOPCLibrary& l) { return l.SignalGetActive(Handle); });
}
bool SignalGetUpdateSuspended(int Handle)
{
    return call("SignalGetUpdateSuspended", [&](TiOPCLibrary& l) { return l.SignalGetUpdateSuspended(Handle); });
}
void SignalSendData(int Handle, const TiVariant& Value)
{
    call("SignalSendData", [&](TiOPCLibrary& l) { l.SignalSendData(Handle, Value); });
}
void SignalGetDataNow(int Handle) { call("SignalGetDataNow", [&](TiOPCLibrary& l) { l.SignalGetDataNow(Handle); }); }
TiVariant SignalGetData(int Handle)
{
    return call("SignalGetData", [&](TiOPCLibrary& l) { return l.SignalGetData(Handle); });
}
double SignalGetTimeStamp(int Handle)
{
    return call("SignalGetTimeStamp", [&](TiOPCLibrary& l) { return l.SignalGetTimeStamp(Handle); });
}
int SignalGetQuality(int Handle)
{
    return call("SignalGetQuality", [&](TiOPCLibrary& l) { return l.SignalGetQuality(Handle); });
}
int GroupAdd(const std::string& GroupName, const std::string& ComputerName, const std::string& ServerName,
             int UpdateRate, IOPCGroupSink* Sink)
{
    return call("GroupAdd",
                [&](TiOPCLibrary& l) { return l.GroupAdd(GroupName, ComputerName, ServerName, UpdateRate, Sink); });
}
void GroupDelete(int Handle) { call("GroupDelete", [&](TiOPCLibrary& l) { l.GroupDelete(Handle); }); }
void GroupResume(int Handle) { call("GroupResume", [&](TiOPCLibrary& l) { l.GroupResume(Handle); }); }
void GroupSuspend(int Handle) { call("GroupSuspend", [&](TiOPCLibrary& l) { l.GroupSuspend(Handle); }); }
void GroupSetUpdateRate(int Handle, int UpdateRate)
{
    call("GroupSetUpdateRate", [&](TiOPCLibrary& l) { l.GroupSetUpdateRate(Handle, UpdateRate); });
}
void CloseAllServerConnections()
{
    call("CloseAllServerConnections", [&](TiOPCLibrary& l) { l.CloseAllServerConnections(); });
}
int ServerConnectionGetCount()
{
    return call("ServerConnectionGetCount", [&](TiOPCLibrary& l) { return l.ServerConnectionGetCount(); });
}
std::string ServerConnectionGetName(int Index)
{
    return call("ServerConnectionGetName", [&](TiOPCLibrary& l) { return l.ServerConnectionGetName(Index); });
}

int ManagerCreated() { return present("ManagerCreated") ? gLibrary->ManagerCreated() : 0; }
void ManagerDestroyed()
{
    if (present("ManagerDestroyed"))
        gLibrary->ManagerDestroyed();
}
std::string GetLastCallErrorString()
{
    return present("GetLastCallErrorString") ? gLibrary->GetLastCallErrorString() : std::string();
}

} // namespace iOPC
