#pragma once
// TRzRegIniFile: named values in a settings file, behind one interface. There is no
// registry here: the registry path type keeps its key as a file below the user's
// configuration folder, and the special folders are the XDG folders.

#include "platform/gui/Component.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class TMemIniFile;

enum TRzPathType { ptIniFile, ptRegistry };
enum TRzRegKey {
    hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData, hkeyCurrentConfig, hkeyDynData
};
enum TRzRegAccessKey {
    keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify, keyCreateLink, keyRead, keyWrite,
    keyExecute, keyAllAccess
};
using TRzRegAccess = qx::EnumSet<TRzRegAccessKey>;
enum TRzSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };
enum TRzIniFileEncoding { feDefault, feUTF8, feUnicode };

/// Raised when a frame controller is asked to save or load without a settings component.
class ENoRegIniFile : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class TRzRegIniFile : public TComponent
{
public:
    explicit TRzRegIniFile(TComponent* AOwner);
    ~TRzRegIniFile() override;

    TRzIniFileEncoding FileEncoding() const { return fileEncoding_; }
    void SetFileEncoding(TRzIniFileEncoding Value) { refreshOnChange(fileEncoding_, Value); }
    /// The path as set, or, once the storage is open, as resolved.
    const std::string& Path() const { return path_; }
    void SetPath(const std::string& Value) { refreshOnChange(path_, Value); }
    TRzPathType PathType() const { return pathType_; }
    void SetPathType(TRzPathType Value) { refreshOnChange(pathType_, Value); }
    TRzRegKey RegKey() const { return regKey_; }
    void SetRegKey(TRzRegKey Value) { refreshOnChange(regKey_, Value); }
    TRzRegAccess RegAccess() const { return regAccess_; }
    void SetRegAccess(TRzRegAccess Value) { refreshOnChange(regAccess_, Value); }
    TRzSpecialFolder SpecialFolder() const { return specialFolder_; }
    void SetSpecialFolder(TRzSpecialFolder Value) { refreshOnChange(specialFolder_, Value); }

    bool SectionExists(const std::string& Section);
    bool ValueExists(const std::string& Section, const std::string& Name);
    bool ReadBool(const std::string& Section, const std::string& Name, bool Default);
    void WriteBool(const std::string& Section, const std::string& Name, bool Value);
    int ReadInteger(const std::string& Section, const std::string& Name, int Default);
    void WriteInteger(const std::string& Section, const std::string& Name, int Value);
    std::string ReadString(const std::string& Section, const std::string& Name, const std::string& Default);
    void WriteString(const std::string& Section, const std::string& Name, const std::string& Value);
    double ReadFloat(const std::string& Section, const std::string& Name, double Default);
    void WriteFloat(const std::string& Section, const std::string& Name, double Value);
    std::vector<std::string> ReadSection(const std::string& Section);
    std::vector<std::string> ReadSections();
    std::vector<std::string> ReadSectionValues(const std::string& Section);
    void EraseSection(const std::string& Section);
    void DeleteKey(const std::string& Section, const std::string& Name);

private:
    template <class T>
    void refreshOnChange(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        refreshStorage_ = true;
    }
    TMemIniFile& storage();
    std::string resolvePath() const;
    void written();

    std::string path_;
    TRzPathType pathType_ = ptIniFile;
    TRzRegKey regKey_ = hkeyCurrentUser;
    TRzRegAccess regAccess_{keyAllAccess};
    TRzSpecialFolder specialFolder_ = sfNone;
    TRzIniFileEncoding fileEncoding_ = feDefault;
    bool refreshStorage_ = true;
    std::unique_ptr<TMemIniFile> ini_;
};
