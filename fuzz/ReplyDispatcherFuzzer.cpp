// The reply dispatcher fed arbitrary frames in every connection state, with
// the connection events between them: whatever the processor sends, the
// commands the model answers with are whole frames, and a closed or new link
// leaves no exchange behind.

#include "DispatcherSession.h"

#include "model/ExchangeCodes.h"

#include <array>
#include <memory>
#include <tuple>
#include <string_view>

namespace {

using namespace qx::reply;

// The codes a handler exists for, and one without a handler.
constexpr std::array<std::uint8_t, 17> kCodes = {
    kAck,         kDeviceInfo,  kModel,         kCurrentPreset, kMemoryData,      kPresetFlags,
    kParameterPiece, kPresetPieceAck, kPresetPiece, kPresetName, kLockStatus, kPasswordResult,
    kMeters,      kFirBlock,    kTransferEnd,   0,              0x7F};

constexpr std::array<int, 3> kTransferKinds = {qx::kTransferNone, qx::kTransferPresetFile,
                                               qx::kTransferUnitDownloadFir};

// Offline, connecting, closed, online, or online with the state load running.
void enterConnectionState(qxfuzz::Session& s, qxfuzz::InputReader& in)
{
    switch (in.byte() % 5) {
    case 1:
        s.dispatcher.BeginConnect();
        break;
    case 2:
        s.dispatcher.BeginConnect();
        s.dispatcher.LinkClosed();
        break;
    case 3:
        s.goOnline();
        break;
    case 4:
        s.goOnline();
        s.dispatcher.StartStateLoad(in.flag());
        break;
    default:
        break;
    }
}

// The exchange the main window may have started: values it sets itself.
void enterExchange(qxfuzz::Session& s, qxfuzz::InputReader& in)
{
    qx::ExchangeState& state = s.dispatcher.state();
    state.ackStep = in.byte() % 11;
    state.transferKind = kTransferKinds[in.byte() % kTransferKinds.size()];
    state.presetFirSlot = in.byte() % 21;
    state.currentPreset = in.byte() % 21;
    state.downloadSlot = in.byte() % 21;
    state.uploadSlot = in.byte() % 21;
    s.host.maximum = in.word();
    s.host.SetProgressPosition(in.word());
}

bool sameState(const qx::ExchangeState& a, const qx::ExchangeState& b)
{
    const auto fields = [](const qx::ExchangeState& x) {
        return std::tie(x.connecting, x.connected, x.online, x.ackStep, x.transferKind, x.presetFirSlot,
                        x.currentPreset, x.downloadSlot, x.uploadSlot, x.unitFileHeader);
    };
    return fields(a) == fields(b);
}

// A frame from another device, without its markers, or shorter than its
// handler reads changes nothing and sends nothing.
void deliverFrame(qxfuzz::Session& s, const qxfuzz::Bytes& frame)
{
    const LCmd parsed(frame, 1);
    const bool ignored = !qx::frame::HasMarkers(frame) || parsed.DeviceId() != s.host.deviceId ||
                         parsed.Payload().size() < minimumPayload(parsed.Code());
    const qx::ExchangeState before = s.dispatcher.state();
    const qx::UnitRecord record = s.unit.record();
    s.dispatcher.OnDeviceReply(frame);
    if (ignored) {
        qxfuzz::check(sameState(before, s.dispatcher.state()), "an ignored frame leaves the exchanges");
        qxfuzz::check(record == s.unit.record(), "an ignored frame leaves the record");
        qxfuzz::check(s.host.sent.empty() && s.unitHost.sent.empty(), "an ignored frame is not answered");
    }
}

// What the main window starts itself: preset operations, the unit upload,
// and the ticks of the timers that drive the exchanges.
void startOperation(qxfuzz::Session& s, qxfuzz::InputReader& in)
{
    switch (in.byte() % 6) {
    case 0: {
        qx::PresetName name{};
        const auto typed = in.take(name.size());
        std::copy(typed.begin(), typed.end(), name.begin());
        s.dispatcher.presets().StorePreset(in.byte() % qx::kStoredPresetCount, name);
        break;
    }
    case 1:
        s.dispatcher.presets().RecallPreset(in.byte() % (qx::kStoredPresetCount + 1));
        break;
    case 2:
        s.dispatcher.presets().LoadFactoryDefault();
        break;
    case 3:
        s.dispatcher.upload().UploadUnit();
        break;
    case 4:
        s.dispatcher.upload().UploadPreset(in.byte() % qx::kStoredPresetCount + 1);
        break;
    default:
        if (s.host.timer(qx::ExchangeTimer::Upload))
            s.dispatcher.upload().OnUploadTimer();
        if (s.host.timer(qx::ExchangeTimer::DownloadEnd))
            s.dispatcher.download().OnDownloadEndTimer();
        if (s.host.timer(qx::ExchangeTimer::PresetLoadCount))
            s.dispatcher.presets().OnPresetLoadCountTimer();
        if (s.host.timer(qx::ExchangeTimer::InLevelDet))
            s.dispatcher.meters().OnMeterPollTimer();
        if (s.host.timer(qx::ExchangeTimer::MipsFlash))
            s.dispatcher.meters().OnMipsFlashTimer();
        break;
    }
}

void runEvents(qxfuzz::Session& s, qxfuzz::InputReader& in)
{
    s.takeSent();
    while (!in.empty()) {
        switch (in.byte() % 9) {
        case 0: {
            const auto piece = in.piece();
            deliverFrame(s, {piece.begin(), piece.end()});
            break;
        }
        case 5:
            s.dispatcher.BeginConnect();
            qxfuzz::check(!s.dispatcher.ProgressWanted(), "a new connection starts with no exchange");
            break;
        case 6:
            s.dispatcher.LinkClosed();
            qxfuzz::check(!s.dispatcher.ProgressWanted(), "a closed link leaves no exchange");
            qxfuzz::check(!s.dispatcher.upload().Active() && !s.dispatcher.download().Active(),
                          "a closed link ends the unit transfers");
            qxfuzz::check(s.host.mainWindowEnabled, "a closed link gives the window back");
            break;
        case 7:
            s.dispatcher.StartStateLoad(in.flag());
            break;
        case 8:
            startOperation(s, in);
            break;
        default: {
            const std::uint8_t code = kCodes[in.byte() % kCodes.size()];
            const std::uint8_t id = in.flag() ? s.host.deviceId : in.byte();
            deliverFrame(s, qx::frame::Build(id, 0, code, in.piece()));
            break;
        }
        }
        s.takeSent();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::InputReader in(data, size);
    qxfuzz::Session s;
    s.host.deviceId = in.byte() % 4;
    s.host.usb = in.flag();
    enterConnectionState(s, in);
    enterExchange(s, in);
    runEvents(s, in);
    return 0;
}
