#include "controls/buttons/rz/RzRegIniFile.h"

#include "platform/gui/Application.h"
#include "platform/gui/IniFile.h"
#include "platform/gui/SpecialFolders.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using qx::executablePath;

// Empty for a folder this system does not offer: the file then lies beside the executable.
std::string specialFolderPath(TRzSpecialFolder folder)
{
    switch (folder) {
    case sfUserAppDataRoaming: return qx::specialFolderPath(CSIDL_APPDATA);
    case sfUserAppDataLocal: return qx::specialFolderPath(CSIDL_LOCAL_APPDATA);
    case sfUserDocuments: return qx::specialFolderPath(CSIDL_PERSONAL);
    case sfProgramData: return qx::specialFolderPath(CSIDL_COMMON_APPDATA);
    case sfNone: break;
    }
    return {};
}

qx::IniEncoding encodingOf(TRzIniFileEncoding e)
{
    switch (e) {
    case feUTF8: return qx::IniEncoding::Utf8WithMark;
    case feUnicode: return qx::IniEncoding::Utf16;
    case feDefault: break;
    }
    return qx::IniEncoding::Utf8;
}

std::string withIniExtension(fs::path p) { return p.replace_extension(".ini").string(); }

} // namespace

TRzRegIniFile::TRzRegIniFile(TComponent* AOwner) : TComponent(AOwner) {}

TRzRegIniFile::~TRzRegIniFile() = default;

std::string TRzRegIniFile::resolvePath() const
{
    std::string p = path_;
    if (pathType_ == ptRegistry) {
        // The key path names a file below the user's configuration folder.
        if (p.empty()) {
            const std::string title = Application ? Application->Title() : std::string();
            p = "\\Software\\Temp\\" + (title.empty() ? fs::path(executablePath()).stem().string() : title);
        }
        std::string relative = p;
        for (char& c : relative)
            if (c == '\\')
                c = '/';
        while (!relative.empty() && relative.front() == '/')
            relative.erase(relative.begin());
        const fs::path base = specialFolderPath(sfUserAppDataRoaming);
        return (base / (relative + ".ini")).string();
    }
    if (specialFolder_ != sfNone) {
        const std::string folder = specialFolderPath(specialFolder_);
        if (!folder.empty()) {
            const fs::path dir = fs::path(folder) / fs::path(p).parent_path();
            std::error_code ignored;
            fs::create_directories(dir, ignored);
            const fs::path name = p.empty() ? fs::path(executablePath()).filename() : fs::path(p).filename();
            p = withIniExtension(dir / name);
        }
    }
    if (p.empty())
        return withIniExtension(executablePath());
    if (!fs::path(p).has_parent_path())
        return withIniExtension(fs::path(executablePath()).parent_path() / p);
    return p;
}

TMemIniFile& TRzRegIniFile::storage()
{
    if (refreshStorage_ || !ini_) {
        ini_.reset();
        const std::string p = resolvePath();
        ini_ = std::make_unique<TMemIniFile>(p, encodingOf(fileEncoding_));
        path_ = p;
        refreshStorage_ = false;
    }
    return *ini_;
}

void TRzRegIniFile::written()
{
    ini_->SetEncoding(encodingOf(fileEncoding_));
    ini_->UpdateFile();
}

bool TRzRegIniFile::SectionExists(const std::string& Section) { return storage().SectionExists(Section); }

bool TRzRegIniFile::ValueExists(const std::string& Section, const std::string& Name)
{
    return storage().ValueExists(Section, Name);
}

bool TRzRegIniFile::ReadBool(const std::string& Section, const std::string& Name, bool Default)
{
    return storage().ReadBool(Section, Name, Default);
}

void TRzRegIniFile::WriteBool(const std::string& Section, const std::string& Name, bool Value)
{
    storage().WriteBool(Section, Name, Value);
    written();
}

int TRzRegIniFile::ReadInteger(const std::string& Section, const std::string& Name, int Default)
{
    return storage().ReadInteger(Section, Name, Default);
}

void TRzRegIniFile::WriteInteger(const std::string& Section, const std::string& Name, int Value)
{
    storage().WriteInteger(Section, Name, Value);
    written();
}

std::string TRzRegIniFile::ReadString(const std::string& Section, const std::string& Name, const std::string& Default)
{
    return storage().ReadString(Section, Name, Default);
}

void TRzRegIniFile::WriteString(const std::string& Section, const std::string& Name, const std::string& Value)
{
    storage().WriteString(Section, Name, Value);
    written();
}

double TRzRegIniFile::ReadFloat(const std::string& Section, const std::string& Name, double Default)
{
    return storage().ReadFloat(Section, Name, Default);
}

void TRzRegIniFile::WriteFloat(const std::string& Section, const std::string& Name, double Value)
{
    storage().WriteFloat(Section, Name, Value);
    written();
}

std::vector<std::string> TRzRegIniFile::ReadSection(const std::string& Section) { return storage().ReadSection(Section); }
std::vector<std::string> TRzRegIniFile::ReadSections() { return storage().ReadSections(); }

std::vector<std::string> TRzRegIniFile::ReadSectionValues(const std::string& Section)
{
    return storage().ReadSectionValues(Section);
}

void TRzRegIniFile::EraseSection(const std::string& Section)
{
    storage().EraseSection(Section);
    written();
}

void TRzRegIniFile::DeleteKey(const std::string& Section, const std::string& Name)
{
    storage().DeleteKey(Section, Name);
    written();
}
