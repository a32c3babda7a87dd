#pragma once
// The unit upload: reads the memory header and every stored preset the
// processor reports as used (its 26 parameter pieces, then its coefficients
// block by block) and, once all are read, writes them into a unit file.
//
// The coefficients are read into buffers of the upload's own, so the main
// window's buffers (and a later preset-file save) keep the current settings'
// coefficients. Each reply is taken only when it answers what was asked last.

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "model/FirImage.h"
#include "model/FirReadback.h"
#include "model/UnitFile.h"

class LCmd;
class LUnitControl;

namespace qx {

class ExchangeHost;
class MeterMonitor;
struct ExchangeState;

// Progress bar units of one used preset.
inline constexpr int kUploadProgressPerPreset = 1916;

class UnitUpload
{
public:
    UnitUpload(ExchangeHost& host, ExchangeState& state, LUnitControl& unit, MeterMonitor& meters);
    ~UnitUpload();
    UnitUpload(const UnitUpload&) = delete;
    UnitUpload& operator=(const UnitUpload&) = delete;

    // File > Upload.
    void UploadUnit();
    // Opens stored preset n (1-20) for reading.
    void UploadPreset(int preset);

    // Reply 25: the memory header.
    void OnMemoryReply(std::span<const std::uint8_t> payload);
    // Acknowledgement step 4: the preset is open; its first piece is asked.
    void OnPresetSelected();
    // Reply 40: a parameter piece of the preset being read.
    void OnPresetPieceReply(std::span<const std::uint8_t> payload);
    // Reply 86 while a stored preset's coefficients are read.
    void OnPresetFirBlockReply(std::span<const std::uint8_t> payload);
    // The upload timer: the file dialog and the file, then the processor's
    // preset reading closed and the meters on again.
    void OnUploadTimer();

    // Forgets the upload (the link is gone).
    void Abandon();
    // From the header request to the last coefficient block.
    bool Active() const { return awaiting_ != Awaiting::Nothing && awaiting_ != Awaiting::FileWrite; }

private:
    enum class Awaiting
    {
        Nothing,
        Header,
        Selection,
        Piece,
        FirBlock,
        FileWrite,
    };

    void ask(Awaiting what, int index, const LCmd& command);
    bool awaits(Awaiting what, int index) const;
    void requestFirBlock(int block);
    void presetRead();
    void finish();

    ExchangeHost& host_;
    ExchangeState& state_;
    LUnitControl& unit_;
    MeterMonitor& meters_;
    Awaiting awaiting_ = Awaiting::Nothing;
    int awaitedIndex_ = 0;
    FirReadback readback_;
    std::unique_ptr<FirBuffers> scratch_;
    std::array<Bytes, kStoredPresetCount> firImages_;
};

} // namespace qx
