// The image list's stream reader over arbitrary bytes: a stream is refused with the list
// unchanged, or read, and then what the list writes reads back to the same stream.

#include "FuzzInput.h"
#include "GuiSession.h"

#include "platform/gui/ImageList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::ensureGui();
    TImageList list(nullptr);
    list.SetWidth(3);
    const std::vector<std::uint8_t> before = list.WriteStream();
    if (!list.ReadStream({data, size})) {
        qxfuzz::check(list.WriteStream() == before, "a refused stream leaves the list unchanged");
        return 0;
    }
    const std::vector<std::uint8_t> written = list.WriteStream();
    TImageList again(nullptr);
    qxfuzz::check(again.ReadStream(written), "a written stream reads back");
    qxfuzz::check(again.WriteStream() == written, "a written stream reads back the same");
    return 0;
}
