// The unit file reader: a file is accepted or refused with a reason; every
// preset block of an accepted one gives coefficient counts and coefficients
// within their limits, and writing the read parts gives the file back. Only
// an accepted file starts a download, which, acknowledged piece by piece,
// sends whole frames to its end.

#include "DispatcherSession.h"
#include "FuzzInput.h"
#include "MemoryFile.h"

#include "model/LUnitControl.h"
#include "model/UnitFile.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

struct Parts
{
    qx::MemoryHeader header{};
    std::array<qx::StoredPresetImage, qx::kStoredPresetCount> images{};
    std::array<bool, qx::kStoredPresetCount> used{};
    std::array<qx::Bytes, qx::kStoredPresetCount> fir;

    qx::Bytes encode() const { return qx::encodeUnitFile({header, images, used, fir}); }
};

// Presets 1, 2 and 20 used with the factory default, the others empty.
qxfuzz::Bytes validFile()
{
    LUnitControl unit;
    unit.LoadFactoryDefault();
    auto parts = std::make_unique<Parts>();
    for (int k : {0, 1, 19}) {
        auto& image = parts->images[static_cast<std::size_t>(k)];
        image[0] = static_cast<std::uint8_t>(k + 1);
        std::copy_n(unit.record().begin(), image.size() - 1, image.begin() + 1);
        parts->used[static_cast<std::size_t>(k)] = true;
        parts->fir[static_cast<std::size_t>(k)] = qx::encodeFirImage(qx::unitImpulseBuffers(), {});
    }
    return parts->encode();
}

bool isEmptySlot(std::span<const std::uint8_t> image)
{
    return std::all_of(image.begin(), image.end(), [](std::uint8_t b) { return b == qx::kEmptyPresetByte; });
}

void downloadWhileConnected(const qxfuzz::Bytes& file, bool accepted)
{
    static qxfuzz::MemoryFile memory;
    memory.fill(file);
    qxfuzz::Session s;
    s.goOnline();
    s.takeSent();
    qx::UnitDownload& download = s.dispatcher.download();
    s.host.files[qx::FileDialog::OpenUnit] = memory.path();
    download.DownloadUnitFile();
    s.takeSent();
    qxfuzz::check(download.Active() == accepted, "a download starts exactly for an accepted file");
    if (!accepted)
        return;
    download.DownloadNextPreset(1);
    // Each stored preset goes out in pieces 0-25, each acknowledged by its number.
    for (int slot = 0; slot < qx::kStoredPresetCount && s.dispatcher.state().downloadSlot <= qx::kStoredPresetCount;
         ++slot) {
        for (std::uint8_t piece = 0; piece < LUnitControl::kPieceCount; ++piece) {
            s.deliver(qx::reply::kPresetPieceAck, std::span(&piece, 1));
            s.takeSent();
        }
    }
    qxfuzz::check(s.dispatcher.state().downloadSlot == qx::kStoredPresetCount + 1,
                  "every stored preset is sent before the coefficients");
    download.OnBurstEnd();
    download.OnDownloadEndTimer();
    s.takeSent();
    qxfuzz::check(!download.Active(), "the download ends");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::InputReader in(data, size);
    static const qxfuzz::Bytes valid = validFile();
    const qxfuzz::Bytes file = qxfuzz::fileFromInput(in, valid);

    const qx::UnitFileDecode decode = qx::decodeUnitFile(file);
    downloadWhileConnected(file, decode.result.ok());
    if (!decode.result.ok()) {
        qxfuzz::check(!decode.result.textId.empty(), "a refused file says why");
        return 0;
    }
    auto parts = std::make_unique<Parts>();
    parts->header = decode.contents.header;
    auto buffers = std::make_unique<qx::FirBuffers>();
    for (int k = 0; k < qx::kStoredPresetCount; ++k) {
        const auto block = decode.contents.block(k);
        const auto image = block.first<qx::kStoredPresetImageSize>();
        for (int count : qx::firCountsOf(image.subspan(1)))
            qxfuzz::check(count >= 0 && count <= qx::kFirSlots, "coefficient counts are within the area");
        const auto fir = block.subspan<qx::kStoredPresetImageSize, qx::kFirImageSize>();
        qx::readFirImage(fir, *buffers);
        for (const auto& channel : *buffers)
            for (float v : channel)
                qxfuzz::check(std::isfinite(v) && v <= qx::kFirCoefficientLimit, "coefficients are within the limit");

        const auto slot = static_cast<std::size_t>(k);
        std::copy(image.begin(), image.end(), parts->images[slot].begin());
        parts->used[slot] = !isEmptySlot(image);
        parts->fir[slot].assign(fir.begin(), fir.end());
    }

    // Written again, the parts give the same file, up to the line ends the reader does not look at.
    qxfuzz::Bytes again = parts->encode();
    qxfuzz::check(again.size() == file.size(), "a unit file is written at its size");
    for (int k = 0; k < qx::kStoredPresetCount; ++k) {
        const std::size_t end = qx::kUnitFileHeaderEnd + qx::kPresetBlockSize * static_cast<std::size_t>(k + 1);
        again[end - 2] = file[end - 2];
        again[end - 1] = file[end - 1];
    }
    qxfuzz::check(again == file, "the parts read give the file back");
    return 0;
}
