#include "platform/gui/OpenDialog.h"

#include "platform/gui/DialogService.h"
#include "platform/gui/MessageBox.h"

#include <filesystem>

namespace {

std::string withDefaultExtension(const std::string& name, const std::string& ext)
{
    if (ext.empty() || std::filesystem::path(name).has_extension())
        return name;
    return name + "." + ext;
}

} // namespace

bool TOpenDialog::Execute() { return run(false); }

bool TSaveDialog::Execute() { return run(true); }

bool TOpenDialog::run(bool save)
{
    qx::FileDialogRequest request;
    request.save = save;
    request.title = title_.empty() ? (save ? "Save As" : "Open") : title_;
    request.filters = qx::parseFilter(filter_);
    request.filterIndex = filterIndex_;
    request.fileName = fileName_;
    request.initialDir = initialDir_;
    request.fileMustExist = !save && options_.Contains(ofFileMustExist);
    request.allowMultiSelect = !save && options_.Contains(ofAllowMultiSelect);
    const auto result = qx::dialogs().runFileDialog(request);
    if (!result || result->files.empty())
        return false;
    std::vector<std::string> files;
    for (const std::string& f : result->files)
        files.push_back(withDefaultExtension(f, defaultExt_));
    if (save && options_.Contains(ofOverwritePrompt) && std::filesystem::exists(files.front())) {
        const std::string question = files.front() + " already exists.\nDo you want to replace it?";
        if (qx::messageBox(question, request.title, MB_YESNO | MB_ICONWARNING) != IDYES)
            return false;
    }
    files_ = std::move(files);
    fileName_ = files_.front();
    filterIndex_ = result->filterIndex;
    return true;
}
