// The rich edit's formatted-text reader over arbitrary bytes.

#include "GuiSession.h"

#include "platform/gui/RtfReader.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::ensureGui();
    QTextDocument document;
    qx::RtfReader::read({reinterpret_cast<const char*>(data), size}, document);
    (void)document.toPlainText();
    return 0;
}
