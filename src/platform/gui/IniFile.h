#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qx {

/// Text encodings a settings file can be written in. Reading recognises a
/// UTF-8 or UTF-16 byte-order mark whatever the setting.
enum class IniEncoding { Utf8, Utf8WithMark, Utf16 };

} // namespace qx

/// A settings file held in memory: sections of "key=value" lines. Sections
/// and keys are matched without regard to case and keep the order in which
/// they were first written. The file is read when the object is made and
/// written only by UpdateFile.
class TMemIniFile
{
public:
    explicit TMemIniFile(std::string fileName, qx::IniEncoding encoding = qx::IniEncoding::Utf8);
    virtual ~TMemIniFile() = default;

    const std::string& FileName() const { return fileName_; }
    qx::IniEncoding Encoding() const { return encoding_; }
    void SetEncoding(qx::IniEncoding encoding) { encoding_ = encoding; }

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) const;
    /// Decimal or hexadecimal ("$1F", "0x1F"); anything else reads as def.
    int ReadInteger(const std::string& section, const std::string& ident, int def) const;
    /// The value as a whole number: 0 is false, any other number true.
    bool ReadBool(const std::string& section, const std::string& ident, bool def) const;
    /// A number written the C way ("." as the decimal point); anything else reads as def.
    double ReadFloat(const std::string& section, const std::string& ident, double def) const;

    virtual void WriteString(const std::string& section, const std::string& ident, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& ident, int value);
    void WriteBool(const std::string& section, const std::string& ident, bool value);
    void WriteFloat(const std::string& section, const std::string& ident, double value);

    /// The keys of a section, in order.
    std::vector<std::string> ReadSection(const std::string& section) const;
    std::vector<std::string> ReadSections() const;
    /// The "key=value" lines of a section.
    std::vector<std::string> ReadSectionValues(const std::string& section) const;
    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& ident) const;
    virtual void EraseSection(const std::string& section);
    virtual void DeleteKey(const std::string& section, const std::string& ident);
    void Clear();

    /// Writes the whole file; throws std::runtime_error naming the file when it cannot.
    void UpdateFile() const;

private:
    struct Entry
    {
        std::string key;
        std::string value;
    };
    struct Section
    {
        std::string name;
        std::vector<Entry> entries;
    };

    void load();
    void parse(const std::string& text);
    const Section* findSection(const std::string& name) const;
    Section* findSection(const std::string& name);
    const Entry* findEntry(const std::string& section, const std::string& ident) const;

    std::string fileName_;
    qx::IniEncoding encoding_;
    std::vector<Section> sections_;
};

/// A settings file that is written back after every change, as the
/// platform's profile functions do.
class TIniFile : public TMemIniFile
{
public:
    explicit TIniFile(std::string fileName, qx::IniEncoding encoding = qx::IniEncoding::Utf8)
        : TMemIniFile(std::move(fileName), encoding)
    {}

    void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
    void EraseSection(const std::string& section) override;
    void DeleteKey(const std::string& section, const std::string& ident) override;
};
