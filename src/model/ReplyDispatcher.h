#pragma once
// Turns each received frame into a reply and hands it to its handler: the
// acknowledgement steps that chain multi-command exchanges, the ends of the
// bulk transfers, the handshake and state load, the meters, the preset
// operations and files and the unit transfers. It owns those operations; the
// main window reaches them through the accessors below.
//
// Replies from another device id only report the links' state. A reply
// shorter than what its handler reads is dropped, as is one that does not
// answer the request in flight (ExchangeCodes.h decides); the link then goes
// on waiting for the answer, so an exchange ends by its answer or by the
// link's failure. The acknowledgement step and the transfer
// state are cleared before each connection and when the link is lost, so a
// step left by an unanswered exchange cannot fire on a later one.

#include <cstdint>
#include <span>

#include "model/ExchangeState.h"
#include "model/FirImage.h"
#include "model/MeterMonitor.h"
#include "model/PresetCommands.h"
#include "model/PresetFileTransfer.h"
#include "model/StateLoad.h"
#include "model/UnitDownload.h"
#include "model/UnitUpload.h"

class LCmd;
class LUnitControl;

namespace qx {

class ExchangeHost;

// What a received frame does to the wait for the request in flight.
enum class ReplyVerdict
{
    Answer,      // the wait ends (also for a reply the system ignores)
    NotAnAnswer, // dropped: the request in flight goes on waiting
};

class ReplyDispatcher
{
public:
    ReplyDispatcher(ExchangeHost& host, LUnitControl& unit, FirBuffers& firBuffers);

    // One complete received frame (the link keeps it), and the frame in
    // flight on the link (empty when none is known: the reply is then judged
    // by its device id and length alone).
    ReplyVerdict OnDeviceReply(std::span<const std::uint8_t> frame, std::span<const std::uint8_t> inFlight = {});

    // Before 0x10 is sent on a new link: clears the exchanges; connecting.
    void BeginConnect();
    // The link was closed or lost: clears the exchanges; offline.
    void LinkClosed();
    // The state load from its first request (an accepted unlock password).
    void StartStateLoad(bool urgent);
    // Whether the progress window's pending show is still wanted: a state
    // load, an acknowledged exchange or a bulk transfer is under way.
    bool ProgressWanted() const;

    ExchangeState& state() { return state_; }
    const ExchangeState& state() const { return state_; }
    MeterMonitor& meters() { return meters_; }
    PresetCommands& presets() { return presets_; }
    PresetFileTransfer& presetFile() { return presetFile_; }
    UnitUpload& upload() { return upload_; }
    UnitDownload& download() { return download_; }

private:
    void dispatch(const LCmd& reply);
    void onAcknowledge();
    void onDeviceInfo();
    void onMeters(std::span<const std::uint8_t> payload);
    void onTransferEnd(std::span<const std::uint8_t> payload);
    void endTransfer();
    void progressToMax();
    void resetExchanges();
    void send(const LCmd& command, bool urgent);

    ExchangeHost& host_;
    ExchangeState state_;
    StateLoad stateLoad_;
    MeterMonitor meters_;
    PresetCommands presets_;
    PresetFileTransfer presetFile_;
    UnitUpload upload_;
    UnitDownload download_;
};

} // namespace qx
