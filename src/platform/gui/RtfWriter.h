#pragma once

#include <string>

class QTextDocument;

namespace qx {

/// Writes a Qt text document as a formatted-text (RTF) document with what
/// RtfReader reads back: paragraphs and line breaks, alignment, bold, italic,
/// underline, strike-out, font face and size, text and background colours.
/// Characters beyond ASCII go out as "\uN?", so the bytes are plain ASCII.
class RtfWriter
{
public:
    static std::string write(const QTextDocument& document);
};

} // namespace qx
