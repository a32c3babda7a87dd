#pragma once
// A memory stream with single-byte text writers, and a minimal element writer and reader
// for the theme scheme files: one element per line, no attributes kept, no escaping.

#include <cstdint>
#include <string>
#include <vector>

class TiMemoryStream
{
public:
    std::int64_t Size() const { return static_cast<std::int64_t>(FBytes.size()); }
    std::int64_t Position() const { return FPosition; }
    void SetPosition(std::int64_t Value);
    const std::vector<std::uint8_t>& Bytes() const { return FBytes; }
    void SetBytes(std::vector<std::uint8_t> Value);

    /// Writes the text in the single-byte code page (no length, no terminator); more than
    /// 255 characters throws "String Exceeds 255 Characters".
    void WriteString(const std::string& Value);
    void WriteCRLF();
    void WriteStringCRLF(const std::string& Value);
    /// The next byte as the character of that code (UTF-8 here); throws "EOF" at the end.
    std::string ReadChar();

private:
    void write(const std::string& bytes);

    std::vector<std::uint8_t> FBytes;
    std::int64_t FPosition = 0;
};

class TiXMLMemoryStream : public TiMemoryStream
{
public:
    void StartElement(const std::string& Name) { WriteStringCRLF("<" + Name + ">"); }
    void EndElement(const std::string& Name) { WriteStringCRLF("</" + Name + ">"); }
    void WriteElement(const std::string& Name, const std::string& Value)
    {
        WriteStringCRLF("<" + Name + ">" + Value + "</" + Name + ">");
    }

    /// The name of the next start tag; closing tags are passed over.
    std::string GetNameElementStart();
    /// Reads start tags until one named Value (letter case counts).
    void GotoElementStart(const std::string& Value);
    /// The text up to the next "<", which is left unread.
    std::string GetElementValue();
    /// The name of the end tag that must come next.
    std::string GetNameElementStop();
    /// The text of the element Name.
    std::string GetElement(const std::string& Name);
    /// The next tag without brackets, or the text up to the next tag.
    std::string GetNextPiece();
    std::string PeekNextPiece();

    const std::string& CurrentElementStart() const { return FCurrentElementStart; }

private:
    std::string FCurrentElementStart;
};
