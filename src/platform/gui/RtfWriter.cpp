#include "platform/gui/RtfWriter.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace qx {

namespace {

/// The font and colour tables, filled as the body is written.
class Tables
{
public:
    int font(const QString& family) { return indexOf(fonts_, family); }
    // Colour 0 of the table stands for "automatic", so the first colour is 1.
    int colour(const QColor& c) { return indexOf(colours_, c.rgb()) + 1; }

    std::string header() const
    {
        std::string out = "{\\fonttbl";
        for (std::size_t i = 0; i < fonts_.size(); ++i)
            out += "{\\f" + std::to_string(i) + "\\fnil " + escaped(fonts_[i]) + ";}";
        out += "}{\\colortbl;";
        for (const QRgb c : colours_)
            out += "\\red" + std::to_string(qRed(c)) + "\\green" + std::to_string(qGreen(c)) + "\\blue" +
                   std::to_string(qBlue(c)) + ";";
        return out + "}";
    }

    static std::string escaped(const QString& text)
    {
        std::string out;
        for (const QChar ch : text) {
            const char16_t c = ch.unicode();
            if (c == u'\\' || c == u'{' || c == u'}')
                out += {'\\', static_cast<char>(c)};
            else if (c == QChar::LineSeparator)
                out += "\\line ";
            else if (c == u'\t')
                out += "\\tab ";
            else if (c >= 0x20 && c < 0x80)
                out += static_cast<char>(c);
            else if (c >= 0x20)
                out += "\\u" + std::to_string(static_cast<std::int16_t>(c)) + "?";
        }
        return out;
    }

private:
    template <class T> static int indexOf(std::vector<T>& list, const T& value)
    {
        const auto it = std::find(list.begin(), list.end(), value);
        if (it != list.end())
            return static_cast<int>(it - list.begin());
        list.push_back(value);
        return static_cast<int>(list.size()) - 1;
    }

    std::vector<QString> fonts_;
    std::vector<QRgb> colours_;
};

std::string alignmentWord(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return "\\qc";
    if (a & Qt::AlignRight)
        return "\\qr";
    if (a & Qt::AlignJustify)
        return "\\qj";
    return "\\ql";
}

std::string fragmentText(const QTextFragment& fragment, Tables& tables)
{
    const QTextCharFormat f = fragment.charFormat();
    std::string out = "{";
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty())
        out += "\\f" + std::to_string(tables.font(families.front()));
    if (f.fontPointSize() > 0)
        out += "\\fs" + std::to_string(std::lround(f.fontPointSize() * 2));
    if (f.fontWeight() >= QFont::Bold)
        out += "\\b";
    if (f.fontItalic())
        out += "\\i";
    if (f.fontUnderline())
        out += "\\ul";
    if (f.fontStrikeOut())
        out += "\\strike";
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        out += "\\cf" + std::to_string(tables.colour(f.foreground().color()));
    if (f.hasProperty(QTextFormat::BackgroundBrush))
        out += "\\highlight" + std::to_string(tables.colour(f.background().color()));
    // A space ends the last control word; without one it would be text.
    return out + (out.size() > 1 ? " " : "") + Tables::escaped(fragment.text()) + "}";
}

} // namespace

std::string RtfWriter::write(const QTextDocument& document)
{
    Tables tables;
    std::string body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            body += "\\par\n";
        body += "\\pard" + alignmentWord(block.blockFormat().alignment());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().isValid())
                body += fragmentText(it.fragment(), tables);
    }
    return "{\\rtf1\\ansi\\deff0" + tables.header() + "\n" + body + "}";
}

} // namespace qx
