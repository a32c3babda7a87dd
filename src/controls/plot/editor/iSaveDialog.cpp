#include "controls/plot/editor/iSaveDialog.h"

#include "controls/plot/base/iDrawing.h"
#include "platform/gui/OpenDialog.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

bool SameText(const std::string& A, const std::string& B)
{
    return std::equal(A.begin(), A.end(), B.begin(), B.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

std::vector<std::string> TiSaveDialog::FilterPatterns(const std::string& Filter)
{
    std::vector<std::string> patterns;
    std::size_t start = 0;
    while (start <= Filter.size()) {
        const std::size_t bar = std::min(Filter.find('|', start), Filter.size());
        const std::string part = Filter.substr(start, bar - start);
        if (!part.empty() && part.front() == '*')
            patterns.push_back(part);
        start = bar + 1;
    }
    return patterns;
}

std::string TiSaveDialog::NameWithFilterExt(const std::string& Name, const std::string& Filter, int FilterIndex,
                                            std::string& Ext)
{
    const std::vector<std::string> patterns = FilterPatterns(Filter);
    Ext.clear();
    if (FilterIndex < 1 || static_cast<std::size_t>(FilterIndex) > patterns.size())
        return Name;
    Ext = patterns[static_cast<std::size_t>(FilterIndex) - 1].substr(1);
    if (Ext.empty() || Ext == ".*")
        return Name;
    const std::string typed = std::filesystem::path(Name).extension().string();
    if (!typed.empty() && SameText("*" + typed, patterns[static_cast<std::size_t>(FilterIndex) - 1]))
        return Name;
    return Name + Ext;
}

bool TiSaveDialog::Execute()
{
    if (!OwnerForm(this))
        return false;
    TSaveDialog dialog(nullptr);
    dialog.SetFileName(FileName.substr(0, 260));
    dialog.SetFilter(Filter);
    dialog.SetFilterIndex(FilterIndex);
    dialog.SetInitialDir(DefaultDir);
    dialog.SetDefaultExt(DefaultExt);
    dialog.SetOptions({ofOverwritePrompt, ofHideReadOnly, ofPathMustExist});
    if (!dialog.Execute())
        return false;
    FilterIndex = dialog.FilterIndex();
    FileName = NameWithFilterExt(dialog.FileName(), Filter, FilterIndex, FReturnExt);
    return true;
}
