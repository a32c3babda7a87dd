#pragma once

#include "platform/gui/DialogService.h"

namespace qx {

/// The dialog service of a running program: Qt's file, colour and font
/// dialogs and message boxes, parented to the active window.
class QtDialogService final : public DialogService
{
public:
    std::optional<FileDialogResult> runFileDialog(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    bool runPrintDialog(QPrinter& printer) override;
};

} // namespace qx
