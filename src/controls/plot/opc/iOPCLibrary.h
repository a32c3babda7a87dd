#pragma once
// The binding to the optional OPC client library. On this system no such library exists:
// the binding has no library unless one is installed through setOPCLibrary (tests install a
// fake), and nothing is ever loaded by name from a search path. Each wrapper checks that the
// library and its entry point exist, calls it, and turns the library's last error into an
// exception.

#include "controls/plot/base/iVariant.h"

#include <string>

/// Called by the library when a signal has new data.
class IOPCSignalSink
{
public:
    virtual void NewData(int Reserved) = 0;

protected:
    ~IOPCSignalSink() = default;
};

/// Called by the library around each update of a group.
class IOPCGroupSink
{
public:
    virtual void BeforeGroupUpdate(int GroupHandle) = 0;
    virtual void AfterGroupUpdate(int GroupHandle) = 0;

protected:
    ~IOPCGroupSink() = default;
};

/// The entry points of the client library the plot library calls. A library reports errors
/// only through GetLastCallErrorString.
class TiOPCLibrary
{
public:
    virtual ~TiOPCLibrary() = default;
    /// Whether the library exports the entry point of that name.
    virtual bool HasEntryPoint(const std::string& Name) const = 0;

    virtual int SignalAdd(const std::string& ComputerName, const std::string& ServerName, const std::string& ItemName,
                          const std::string& GroupName, int UpdateRate, bool Suspended, int RequestedType,
                          IOPCSignalSink* Sink) = 0;
    virtual void SignalRemove(int Handle) = 0;
    virtual void SignalSuspend(int Handle) = 0;
    virtual void SignalResume(int Handle) = 0;
    virtual bool SignalGetActive(int Handle) = 0;
    virtual bool SignalGetUpdateSuspended(int Handle) = 0;
    virtual void SignalSendData(int Handle, const TiVariant& Value) = 0;
    virtual void SignalGetDataNow(int Handle) = 0;
    virtual TiVariant SignalGetData(int Handle) = 0;
    virtual double SignalGetTimeStamp(int Handle) = 0;
    virtual int SignalGetQuality(int Handle) = 0;
    virtual int GroupAdd(const std::string& GroupName, const std::string& ComputerName, const std::string& ServerName,
                         int UpdateRate, IOPCGroupSink* Sink) = 0;
    virtual void GroupDelete(int Handle) = 0;
    virtual void GroupResume(int Handle) = 0;
    virtual void GroupSuspend(int Handle) = 0;
    virtual void GroupSetUpdateRate(int Handle, int UpdateRate) = 0;
    virtual void CloseAllServerConnections() = 0;
    virtual int ServerConnectionGetCount() = 0;
    virtual std::string ServerConnectionGetName(int Index) = 0;
    virtual int ManagerCreated() = 0;
    virtual void ManagerDestroyed() = 0;
    virtual std::string GetLastCallErrorString() = 0;
};

namespace iOPC {

/// The name the library goes by in error texts.
inline constexpr const char* kLibraryName = "iOPC2.dll";

/// Installs the library (nullptr: none, the state on this system). The caller keeps it
/// alive while installed.
void setOPCLibrary(TiOPCLibrary* Library);
TiOPCLibrary* OPCLibrary();
bool OPCLibraryMissing();
/// Raises "Sorvik OPC DLL Not Found." when no library is installed (every wrapper's first test).
void CheckOPCLibrary();

// Wrappers: raise "Sorvik OPC DLL Not Found." without the library, the not-found text
// without the entry point, and the library's own text after a failed call.
int SignalAdd(const std::string& ComputerName, const std::string& ServerName, const std::string& ItemName,
              const std::string& GroupName, int UpdateRate, bool Suspended, int RequestedType, IOPCSignalSink* Sink);
void SignalRemove(int Handle);
void SignalSuspend(int Handle);
void SignalResume(int Handle);
bool SignalGetActive(int Handle);
bool SignalGetUpdateSuspended(int Handle);
void SignalSendData(int Handle, const TiVariant& Value);
void SignalGetDataNow(int Handle);
TiVariant SignalGetData(int Handle);
double SignalGetTimeStamp(int Handle);
int SignalGetQuality(int Handle);
int GroupAdd(const std::string& GroupName, const std::string& ComputerName, const std::string& ServerName,
             int UpdateRate, IOPCGroupSink* Sink);
void GroupDelete(int Handle);
void GroupResume(int Handle);
void GroupSuspend(int Handle);
void GroupSetUpdateRate(int Handle, int UpdateRate);
void CloseAllServerConnections();
int ServerConnectionGetCount();
std::string ServerConnectionGetName(int Index);

/// 0 without the library or the entry point.
int ManagerCreated();
/// Nothing without the library or the entry point.
void ManagerDestroyed();
/// Empty without the library or the entry point.
std::string GetLastCallErrorString();

} // namespace iOPC
