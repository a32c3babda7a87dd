#pragma once
// The connection handshake and the state load: device information, the
// model check, the lock status, then the preset flags, the current preset,
// the 20 preset names, the coefficient readback and the 26 parameter pieces,
// each asked for when the previous answer arrived. A reply is taken only
// when it answers what was asked last; anything else (late, repeated or
// unasked) is dropped, so a stray answer cannot start a second load.

#include <cstdint>
#include <span>

#include "model/ExchangeState.h"
#include "model/FirImage.h"
#include "model/FirReadback.h"

class LCmd;
class LUnitControl;

namespace qx {

class ExchangeHost;

class StateLoad
{
public:
    StateLoad(ExchangeHost& host, ExchangeState& state, LUnitControl& unit, FirBuffers& firBuffers);

    // Reply handlers, given the reply's payload.
    void OnDeviceInfoReply();
    void OnModelReply(std::span<const std::uint8_t> payload);
    void OnLockStatusReply(std::span<const std::uint8_t> payload);
    void OnPresetFlagsReply(std::span<const std::uint8_t> payload);
    void OnCurrentPresetReply(std::span<const std::uint8_t> payload);
    void OnPresetNameReply(std::span<const std::uint8_t> payload);
    void OnFirBlockReply(std::span<const std::uint8_t> payload);
    void OnParameterPieceReply(std::span<const std::uint8_t> payload);

    // Sends 0x22, the first request of the state load.
    void StartStateLoad(bool urgent);
    // Reads the current settings' coefficients and then the parameter pieces.
    void StartFirReadback();
    // Forgets what was asked (the link is gone).
    void Abandon();
    // From the preset flags request to the last parameter piece.
    bool Loading() const;

private:
    enum class Awaiting
    {
        Nothing,
        LockStatus,
        PresetFlags,
        CurrentPreset,
        Name,
        FirBlock,
        ParameterPiece,
    };

    void ask(Awaiting what, int index, const LCmd& command, bool urgent);
    bool awaits(Awaiting what, int index = 0) const;
    void requestFirBlock(int block);
    void requestParameterPiece(int piece);
    void failModelCheck(const char* stringId);
    void finish();

    ExchangeHost& host_;
    ExchangeState& state_;
    LUnitControl& unit_;
    FirBuffers& firBuffers_;
    FirReadback readback_;
    Awaiting awaiting_ = Awaiting::Nothing;
    int awaitedIndex_ = 0;
};

} // namespace qx
