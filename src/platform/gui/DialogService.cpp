#include "platform/gui/DialogService.h"

#include "platform/gui/QtDialogService.h"

namespace qx {

namespace {
DialogService* replacement = nullptr;
}

DialogService& dialogs()
{
    if (replacement)
        return *replacement;
    static QtDialogService qtDialogs;
    return qtDialogs;
}

std::vector<FileFilter> parseFilter(const std::string& filter)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= filter.size() && !filter.empty()) {
        const auto bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        filters.push_back({parts[i], parts[i + 1]});
    return filters;
}

void setDialogService(DialogService* service)
{
    replacement = service;
}

} // namespace qx
