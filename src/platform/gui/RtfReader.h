#pragma once

#include <string_view>

class QTextDocument;

namespace qx {

/// Reads a formatted-text (RTF) document into a Qt text document: paragraphs
/// and line breaks, alignment, bold, italic, underline, strike-out, font
/// face and size, text and background colours, "\'hh" bytes in the
/// document's code page and "\uN" characters. Pictures, tables, headers and
/// other destinations it does not know are skipped. Malformed input (an
/// unbalanced brace, a cut-off control word) ends the text where it breaks.
class RtfReader
{
public:
    static void read(std::string_view rtf, QTextDocument& document);
};

} // namespace qx
