#pragma once
// A stand-in for the OPC client library: signalTable and groups held in memory, every call
// recorded, entry points that can be taken away, errors reported the library's way, and
// deliveries that call the sinks as the library would.

#include "controls/plot/opc/iOPCLibrary.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class FakeOPCLibrary : public TiOPCLibrary
{
public:
    struct Signal
    {
        std::string computer, server, item, group;
        int rate = 0;
        bool suspended = false;
        int requestedType = 0;
        IOPCSignalSink* sink = nullptr;
        TiVariant value;
        int quality = 0;
        double timeStamp = 0;
        TiVariant sent;
    };
    struct Group
    {
        std::string name, computer, server;
        int rate = 0;
        IOPCGroupSink* sink = nullptr;
    };

    FakeOPCLibrary() { iOPC::setOPCLibrary(this); }
    ~FakeOPCLibrary() override { iOPC::setOPCLibrary(nullptr); }

    bool HasEntryPoint(const std::string& Name) const override { return !missing.count(Name); }

    int SignalAdd(const std::string& c, const std::string& s, const std::string& i, const std::string& g, int rate,
                  bool suspended, int type, IOPCSignalSink* sink) override
    {
        calls.push_back("SignalAdd");
        if (fail("SignalAdd"))
            return 0;
        signalTable[++lastHandle] = {c, s, i, g, rate, suspended, type, sink, {}, 0, 0, {}};
        return lastHandle;
    }
    void SignalRemove(int h) override { calls.push_back("SignalRemove"); signalTable.erase(h); }
    void SignalSuspend(int h) override { calls.push_back("SignalSuspend"); signalTable[h].suspended = true; }
    void SignalResume(int h) override { calls.push_back("SignalResume"); signalTable[h].suspended = false; }
    bool SignalGetActive(int h) override { return signalTable.count(h) > 0; }
    bool SignalGetUpdateSuspended(int h) override { return signalTable.count(h) && signalTable[h].suspended; }
    void SignalSendData(int h, const TiVariant& v) override { calls.push_back("SignalSendData"); signalTable[h].sent = v; }
    void SignalGetDataNow(int) override { calls.push_back("SignalGetDataNow"); }
    TiVariant SignalGetData(int h) override
    {
        fail("SignalGetData");
        return signalTable[h].value;
    }
    double SignalGetTimeStamp(int h) override { return signalTable[h].timeStamp; }
    int SignalGetQuality(int h) override { return signalTable[h].quality; }
    int GroupAdd(const std::string& n, const std::string& c, const std::string& s, int rate, IOPCGroupSink* sink) override
    {
        calls.push_back("GroupAdd");
        groups[++lastHandle] = {n, c, s, rate, sink};
        return lastHandle;
    }
    void GroupDelete(int h) override
    {
        calls.push_back("GroupDelete");
        if (!fail("GroupDelete"))
            groups.erase(h);
    }
    void GroupResume(int) override { calls.push_back("GroupResume"); }
    void GroupSuspend(int) override { calls.push_back("GroupSuspend"); }
    void GroupSetUpdateRate(int h, int rate) override { groups[h].rate = rate; }
    void CloseAllServerConnections() override { calls.push_back("CloseAllServerConnections"); }
    int ServerConnectionGetCount() override { return static_cast<int>(servers.size()); }
    std::string ServerConnectionGetName(int i) override { return servers.at(static_cast<std::size_t>(i)); }
    int ManagerCreated() override { return managersCreated++ == 0 ? 1 : 0; }
    void ManagerDestroyed() override { calls.push_back("ManagerDestroyed"); }
    std::string GetLastCallErrorString() override { return std::exchange(error, {}); }

    /// New data on a signal, announced to its sink as the library does.
    void Deliver(int handle, TiVariant value, int quality)
    {
        signalTable[handle].value = std::move(value);
        signalTable[handle].quality = quality;
        signalTable[handle].sink->NewData(0);
    }
    void UpdateGroup(int handle, IOPCGroupSink& sink)
    {
        sink.BeforeGroupUpdate(handle);
        sink.AfterGroupUpdate(handle);
    }

    std::set<std::string> missing;
    std::set<std::string> failing;
    std::vector<std::string> calls;
    std::vector<std::string> servers;
    std::map<int, Signal> signalTable;
    std::map<int, Group> groups;
    int managersCreated = 0;

private:
    bool fail(const std::string& entry)
    {
        if (!failing.count(entry))
            return false;
        error = "Server refused " + entry;
        return true;
    }

    int lastHandle = 0;
    std::string error;
};
