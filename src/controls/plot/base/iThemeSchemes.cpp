#include "controls/plot/base/iThemeSchemes.h"

#include "controls/plot/base/iClasses.h"
#include "controls/plot/base/iMemoryStream.h"
#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iPropertyText.h"

#include "platform/gui/Component.h"
#include "platform/gui/IniFile.h"
#include "platform/gui/SpecialFolders.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

struct SettingsFiles
{
    std::optional<std::string> machine, user;
};

SettingsFiles& settingsFiles()
{
    static SettingsFiles files;
    return files;
}

std::string machineSettingsFile()
{
    if (settingsFiles().machine)
        return *settingsFiles().machine;
    const fs::path program = qx::executablePath();
    return program.empty() ? std::string()
                           : (program.parent_path() / (program.stem().string() + ".ini")).string();
}

std::string userSettingsFile()
{
    if (settingsFiles().user)
        return *settingsFiles().user;
    const std::string folder = qx::specialFolderPath(CSIDL_APPDATA);
    const fs::path program = qx::executablePath();
    if (folder.empty() || program.empty())
        return {};
    return (fs::path(folder) / (program.stem().string() + ".ini")).string();
}

/// Both values of the themes' section of one settings file; empty when it has none.
TiThemeFolders readFolders(const std::string& File)
{
    if (File.empty() || !fs::is_regular_file(File))
        return {};
    const TMemIniFile ini(File);
    using namespace iThemeSchemesText;
    return {qx::plot::Trim(ini.ReadString(SettingsSection, LibraryPathValue, "")),
            qx::plot::Trim(ini.ReadString(SettingsSection, UserPathValue, ""))};
}

void expect(bool Condition)
{
    if (!Condition)
        throw EiPlotError(iThemeSchemesText::Malformed);
}

[[noreturn]] void listIndexError(int Index)
{
    throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}

} // namespace

void TiThemeSchemes::SetSettingsFiles(std::string MachineFile, std::string UserFile)
{
    settingsFiles() = {std::move(MachineFile), std::move(UserFile)};
}

TiThemeFolders TiThemeSchemes::GetThemePaths()
{
    TiThemeFolders folders = readFolders(machineSettingsFile());
    const TiThemeFolders user = readFolders(userSettingsFile());
    if (!user.Library.empty())
        folders.Library = user.Library;
    if (!user.User.empty())
        folders.User = user.User;
    return folders;
}

void TiThemeSchemes::Load(const std::string& ClassName)
{
    Clear();
    const TiThemeFolders folders = GetThemePaths();
    const std::pair<std::string, bool> files[] = {
        {folders.Library.empty() ? std::string()
                                 : (fs::path(folders.Library) / (ClassName + ".xml")).string(),
         false},
        {folders.User.empty() ? std::string() : (fs::path(folders.User) / (ClassName + "User.xml")).string(),
         true},
    };
    for (const auto& [file, user] : files) {
        if (file.empty() || !fs::is_regular_file(file))
            continue;
        std::ifstream in(file, std::ios::binary);
        TiXMLMemoryStream stream;
        stream.SetBytes({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
        Parse(stream, user);
    }
}

void TiThemeSchemes::Parse(TiXMLMemoryStream& Stream, bool User)
{
    Stream.GotoElementStart("SchemeTypes");
    while (Stream.PeekNextPiece() == "SchemeType") {
        Stream.GotoElementStart("SchemeType");
        Category& category = GetThemeCategory(Stream.GetElement("Name"));
        while (Stream.PeekNextPiece() == "Scheme") {
            Stream.GotoElementStart("Scheme");
            Scheme scheme{Stream.GetElement("Name"), nullptr};
            if (User)
                scheme.Lines = std::make_unique<TiUserSchemeList>();
            else
                scheme.Lines = std::make_unique<TiSorvikSchemeList>();
            TStringList& lines = *scheme.Lines;
            category.Schemes.push_back(std::move(scheme));
            Stream.GotoElementStart("Properties");
            for (std::string property = Stream.PeekNextPiece(); property != "/Properties";
                 property = Stream.PeekNextPiece()) {
                const std::string value = Stream.GetElement(property);
                if (!property.empty())
                    lines.Add(property + " = " + value);
            }
            expect(Stream.GetNextPiece() == "/Properties");
            expect(Stream.GetNextPiece() == "/Scheme");
        }
        expect(Stream.GetNextPiece() == "/SchemeType");
    }
    expect(Stream.GetNextPiece() == "/SchemeTypes");
}

const TiThemeSchemes::Category& TiThemeSchemes::CategoryAt(int Index) const
{
    if (Index < 0 || Index >= CategoryCount())
        listIndexError(Index);
    return FCategories[static_cast<std::size_t>(Index)];
}

const TiThemeSchemes::Scheme& TiThemeSchemes::SchemeAt(int CategoryIndex, int SchemeIndex) const
{
    const Category& category = CategoryAt(CategoryIndex);
    if (SchemeIndex < 0 || SchemeIndex >= static_cast<int>(category.Schemes.size()))
        listIndexError(SchemeIndex);
    return category.Schemes[static_cast<std::size_t>(SchemeIndex)];
}

const std::string& TiThemeSchemes::CategoryName(int CategoryIndex) const
{
    return CategoryAt(CategoryIndex).Name;
}

int TiThemeSchemes::SchemeCount(int CategoryIndex) const
{
    return static_cast<int>(CategoryAt(CategoryIndex).Schemes.size());
}

const std::string& TiThemeSchemes::SchemeName(int CategoryIndex, int SchemeIndex) const
{
    return SchemeAt(CategoryIndex, SchemeIndex).Name;
}

bool TiThemeSchemes::SchemeIsUser(int CategoryIndex, int SchemeIndex) const
{
    return dynamic_cast<const TiUserSchemeList*>(SchemeAt(CategoryIndex, SchemeIndex).Lines.get()) != nullptr;
}

const TStringList& TiThemeSchemes::SchemeLines(int CategoryIndex, int SchemeIndex) const
{
    return *SchemeAt(CategoryIndex, SchemeIndex).Lines;
}

TiThemeSchemes::Category& TiThemeSchemes::GetThemeCategory(const std::string& Name)
{
    for (Category& category : FCategories)
        if (qx::sameText(category.Name, Name))
            return category;
    FCategories.push_back({Name, {}});
    return FCategories.back();
}
