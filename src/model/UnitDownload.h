#pragma once
// The unit download: takes a unit file and writes it into the processor. The
// processor's current settings go back to the factory default, the memory
// header is written, every stored preset image of the file goes out in 26
// pieces, and then the coefficients of all 20 presets in one burst ended by
// 0x10; its answer (or a transfer-end reply) restarts the processor and
// drops the link.
//
// Every piece of a preset goes to the slot being written. The coefficients
// pass through a buffer of the download's own, so the main window's buffers
// keep the current settings' coefficients. The main window, disabled while
// the download runs, takes input again when it ends and when the link is
// lost on the way.

#include <memory>
#include <span>

#include "model/FirImage.h"
#include "model/UnitFile.h"

namespace qx {

class ExchangeHost;
class MeterMonitor;
struct ExchangeState;

inline constexpr int kDownloadProgressReadFile = 600;
inline constexpr int kDownloadProgressPresets = 38280;

class UnitDownload
{
public:
    UnitDownload(ExchangeHost& host, ExchangeState& state, MeterMonitor& meters);
    ~UnitDownload();
    UnitDownload(const UnitDownload&) = delete;
    UnitDownload& operator=(const UnitDownload&) = delete;

    // File > Download.
    void DownloadUnitFile();
    // Sends the first piece of the next stored preset image from `slot`
    // (1-20) on; past slot 20 the coefficient burst.
    void DownloadNextPreset(int slot);
    // Reply 37: piece k arrived; the next piece, or the next preset.
    void OnDownloadPieceReply(std::span<const std::uint8_t> payload);
    // The coefficients of block k (preset k + 1): erased channels and
    // coefficient blocks.
    void DownloadPresetFir(int k, std::span<const std::uint8_t, kPresetBlockSize> block);
    // The end of the burst (reply 16 or a transfer-end reply).
    void OnBurstEnd();
    // The end timer: the processor restarts and the link is dropped.
    void OnDownloadEndTimer();

    // The link is gone: forgets the download and gives the window back.
    void Abandon();
    bool Active() const { return active_; }

private:
    void sendPiece(int piece);
    bool end();

    ExchangeHost& host_;
    ExchangeState& state_;
    MeterMonitor& meters_;
    bool active_ = false;
    int awaitedPiece_ = -1;
    std::unique_ptr<UnitFileContents> file_;
    std::unique_ptr<FirChannelBuffer> scratch_;
};

} // namespace qx
