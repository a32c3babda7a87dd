#include "controls/plot/base/iMemoryStream.h"

#include "controls/plot/base/iComponent.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/text/Unicode.h"

#include <algorithm>

void TiMemoryStream::SetPosition(std::int64_t Value) { FPosition = std::clamp<std::int64_t>(Value, 0, Size()); }

void TiMemoryStream::SetBytes(std::vector<std::uint8_t> Value)
{
    FBytes = std::move(Value);
    FPosition = 0;
}

void TiMemoryStream::write(const std::string& bytes)
{
    const auto at = static_cast<std::size_t>(FPosition);
    if (FBytes.size() < at + bytes.size())
        FBytes.resize(at + bytes.size());
    std::copy(bytes.begin(), bytes.end(), FBytes.begin() + static_cast<std::ptrdiff_t>(at));
    FPosition += static_cast<std::int64_t>(bytes.size());
}

void TiMemoryStream::WriteString(const std::string& Value)
{
    if (qx::Utf8ToUtf16(Value).size() > 255)
        throw EiPlotError("String Exceeds 255 Characters");
    write(qx::Utf8ToAnsi(Value));
}

void TiMemoryStream::WriteCRLF() { write("\r\n"); }

void TiMemoryStream::WriteStringCRLF(const std::string& Value)
{
    WriteString(Value);
    WriteCRLF();
}

std::string TiMemoryStream::ReadChar()
{
    if (FPosition >= Size())
        throw EiPlotError("EOF");
    const auto byte = FBytes[static_cast<std::size_t>(FPosition++)];
    std::string c;
    qx::AppendUtf8(c, byte);
    return c;
}

std::string TiXMLMemoryStream::GetNameElementStart()
{
    while (ReadChar() != "<") {
    }
    std::string name;
    for (;;) {
        const std::string c = ReadChar();
        if (c == "/") {
            // A closing tag: go on at the next tag.
            while (ReadChar() != "<") {
            }
            name.clear();
        } else if (c == " ") {
            while (ReadChar() != ">") {
            }
            return name;
        } else if (c == ">")
            return name;
        else
            name += c;
    }
}

void TiXMLMemoryStream::GotoElementStart(const std::string& Value)
{
    while (GetNameElementStart() != Value) {
    }
}

std::string TiXMLMemoryStream::GetElementValue()
{
    std::string value;
    for (std::string c = ReadChar(); c != "<"; c = ReadChar())
        value += c;
    SetPosition(Position() - 1);
    return value;
}

std::string TiXMLMemoryStream::GetNameElementStop()
{
    if (ReadChar() != "<")
        throw EiPlotError("XML Parsing Error - \"<\" not Found");
    if (ReadChar() != "/")
        throw EiPlotError("XML Parsing Error - \"/\" not Found");
    std::string name;
    for (std::string c = ReadChar(); c != ">"; c = ReadChar()) {
        if (c == " ") {
            while (ReadChar() != ">") {
            }
            break;
        }
        name += c;
    }
    return name;
}

std::string TiXMLMemoryStream::GetElement(const std::string& Name)
{
    GotoElementStart(Name);
    const std::string value = GetElementValue();
    while (GetNameElementStop() != Name) {
    }
    return value;
}

std::string TiXMLMemoryStream::GetNextPiece()
{
    std::string c = ReadChar();
    while (c == "\r" || c == "\n")
        c = ReadChar();
    std::string piece;
    if (c == "<") {
        for (c = ReadChar(); c != ">"; c = ReadChar())
            piece += c;
        return piece;
    }
    while (c != "<") {
        piece += c;
        if (Position() >= Size())
            return piece;
        c = ReadChar();
    }
    SetPosition(Position() - 1);
    return piece;
}

std::string TiXMLMemoryStream::PeekNextPiece()
{
    const std::int64_t at = Position();
    std::string piece;
    try {
        piece = GetNextPiece();
    } catch (...) {
        SetPosition(at);
        throw;
    }
    SetPosition(at);
    return piece;
}
