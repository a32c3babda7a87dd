// The layout parser and loader over arbitrary text: a layout is applied to a
// form or refused with a LayoutError, never anything else.

#include "FuzzInput.h"
#include "GuiSession.h"

#include "platform/gui/Form.h"
#include "platform/gui/LayoutLoader.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::ensureGui();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        qx::parseLayout(text, "fuzz.layout");
    } catch (const qx::LayoutError& e) {
        qxfuzz::check(e.line() >= 0, "a layout error names a line");
        return 0;
    }
    const auto form = std::make_unique<TForm>(nullptr);
    try {
        qx::loadLayoutText(*form, text, "fuzz.layout");
    } catch (const qx::LayoutError&) {
        // refused; the form is freed with what was made of it
    }
    return 0;
}
