// The unit file reader: a file is accepted or refused with a reason; every
// preset block of an accepted one gives coefficient counts and coefficients
// within their limits, and writing the read parts gives the file back. When
// the input asks for it, the file is also downloaded: only an accepted file
// starts a download, which, acknowledged piece by piece, sends whole frames
// to its end. The download reads the file again and costs as much as all the
// rest, so inputs that leave it out explore the reader twice as fast.

#include "DispatcherSession.h"
#include "FuzzInput.h"
#include "MemoryFile.h"

#include "model/LUnitControl.h"
#include "model/UnitFile.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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

// The file of one input, as fileFromInput makes it. A valid file is patched
// in place, in memory and in the memory file that the download opens, and
// put back when the run ends: a run copies no whole file of its own, so the
// readers' work is what it costs.
class InputFile
{
public:
    explicit InputFile(qxfuzz::Bytes valid) : valid_(std::move(valid)), patched_(valid_) { patchedMemory_.fill(valid_); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // The first byte chooses: bit 0 the rest as it stands, else patches on
    // the valid file; bit 1 a download of the file as well.
    void take(qxfuzz::InputReader& in)
    {
        const std::uint8_t mode = in.byte();
        download_ = (mode & 2) != 0;
        if ((mode & 1) != 0) {
            const auto raw = in.rest();
            raw_.assign(raw.begin(), raw.end());
            rawMemory_.fill(raw_);
            isRaw_ = true;
            return;
        }
        isRaw_ = false;
        qxfuzz::applyPatches(patched_, in, &patches_);
        for (const auto& p : patches_)
            patchedMemory_.write(p.offset, std::span(patched_).subspan(p.offset, p.size));
    }
    // Puts the valid file back where the last input patched it.
    void restore()
    {
        for (const auto& p : patches_) {
            const auto original = std::span(valid_).subspan(p.offset, p.size);
            std::copy(original.begin(), original.end(), patched_.begin() + static_cast<std::ptrdiff_t>(p.offset));
            patchedMemory_.write(p.offset, original);
        }
        patches_.clear();
    }

    const qxfuzz::Bytes& bytes() const { return isRaw_ ? raw_ : patched_; }
    bool download() const { return download_; }
    std::string path() const { return isRaw_ ? rawMemory_.path() : patchedMemory_.path(); }

private:
    const qxfuzz::Bytes valid_;
    qxfuzz::Bytes patched_;
    qxfuzz::Bytes raw_;
    bool isRaw_ = false;
    bool download_ = false;
    std::vector<qxfuzz::Span> patches_;
    qxfuzz::MemoryFile patchedMemory_;
    qxfuzz::MemoryFile rawMemory_;
};

void downloadWhileConnected(const std::string& path, bool accepted)
{
    qxfuzz::Session s;
    s.goOnline();
    s.takeSent();
    qx::UnitDownload& download = s.dispatcher.download();
    s.host.files[qx::FileDialog::OpenUnit] = path;
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
    static InputFile input(validFile());
    struct Restore
    {
        InputFile& input;
        ~Restore() { input.restore(); }
    } restore{input};
    input.take(in);
    const qxfuzz::Bytes& file = input.bytes();

    const qx::UnitFileDecode decode = qx::decodeUnitFile(file);
    if (input.download())
        downloadWhileConnected(input.path(), decode.result.ok());
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
