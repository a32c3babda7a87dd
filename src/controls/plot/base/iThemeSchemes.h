#pragma once
// TiThemeSchemes: the named property presets of a control class, grouped in categories and
// read from two scheme files, the library's ("<class>.xml") and the user's
// ("<class>User.xml"). The two folders come from the settings section that stands for the
// themes' registry key: the machine's settings file first, then the user's, whose values
// replace the machine's when not blank. A folder left empty is not searched (never the
// working directory).

#include "platform/gui/Strings.h"

#include <memory>
#include <string>
#include <vector>

class TiXMLMemoryStream;

namespace iThemeSchemesText {
inline constexpr const char* Malformed = "Error Loading Scheme. XML File Malformed";
inline constexpr const char* SettingsSection = "SOFTWARE\\Sorvik\\Themes";
inline constexpr const char* LibraryPathValue = "Sorvik Defined Theme Path";
inline constexpr const char* UserPathValue = "User Defined Theme Path";
} // namespace iThemeSchemesText

struct TiThemeFolders
{
    std::string Library;
    std::string User;
};

class TiThemeSchemes
{
public:
    /// The settings files that hold the themes' section: the machine's and the user's. By
    /// default the program's own settings file beside it and the one of its name in the
    /// user's configuration folder.
    static void SetSettingsFiles(std::string MachineFile, std::string UserFile);
    static TiThemeFolders GetThemePaths();

    void Clear() { FCategories.clear(); }
    /// Rebuilds the categories from both scheme files of the class; a missing file is no
    /// error. A malformed file raises Malformed (or "EOF" when it ends early); what was read
    /// before stays.
    void Load(const std::string& ClassName);
    /// Reads one scheme file's categories; User marks the schemes as the user's.
    void Parse(TiXMLMemoryStream& Stream, bool User);

    // Indexes outside the lists raise the list-index error.
    int CategoryCount() const { return static_cast<int>(FCategories.size()); }
    const std::string& CategoryName(int CategoryIndex) const;
    int SchemeCount(int CategoryIndex) const;
    const std::string& SchemeName(int CategoryIndex, int SchemeIndex) const;
    bool SchemeIsUser(int CategoryIndex, int SchemeIndex) const;
    /// The scheme's lines, "path = value".
    const TStringList& SchemeLines(int CategoryIndex, int SchemeIndex) const;

private:
    struct Scheme
    {
        std::string Name;
        std::unique_ptr<TStringList> Lines; // a TiUserSchemeList or a TiSorvikSchemeList
    };
    struct Category
    {
        std::string Name;
        std::vector<Scheme> Schemes;
    };
    const Category& CategoryAt(int Index) const;
    const Scheme& SchemeAt(int CategoryIndex, int SchemeIndex) const;
    /// The category of that name, made when there is none.
    Category& GetThemeCategory(const std::string& Name);

    std::vector<Category> FCategories;
};
