#include "CommaLocale.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {

constexpr const char* kInstalledNames[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE"};

bool SwitchTo(const char* name)
{
    return std::setlocale(LC_ALL, name) != nullptr && std::string_view(std::localeconv()->decimal_point) == ",";
}

}  // namespace

CommaLocale::CommaLocale()
{
    for (const char* name : kInstalledNames)
        if (SwitchTo(name))
            return;

    try {
        folder_ = std::make_unique<qx::test::TempDir>();
    } catch (const std::exception&) {
        failure_ = "cannot make a temporary folder for a locale";
        return;
    }
    const std::string folder = folder_->path().string();
    const std::string command = "localedef -i de_DE -f UTF-8 '" + folder + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        failure_ = "no locale with a comma decimal point is installed and localedef could not make one";
        return;
    }
    ::setenv("LOCPATH", folder.c_str(), 1);
    if (!SwitchTo("de_DE.UTF-8"))
        failure_ = "the locale made by localedef does not load";
}

CommaLocale::~CommaLocale()
{
    std::setlocale(LC_ALL, "C");
    if (folder_)
        ::unsetenv("LOCPATH");
}
