#include "platform/gdiplus/Font.h"

#include "platform/gui/canvas/GraphicsObjects.h"
#include "platform/gui/canvas/TextWrap.h"

#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

namespace qx::gdiplus {

Font::Font(const std::string& family, float emSize, int style, Unit unit) : m_size(emSize), m_unit(unit)
{
    m_font = QFont(QString::fromStdString(qx::mappedFontFamily(family)));
    m_font.setKerning(false);
    m_font.setBold(style & FontStyleBold);
    m_font.setItalic(style & FontStyleItalic);
    m_font.setUnderline(style & FontStyleUnderline);
    m_font.setStrikeOut(style & FontStyleStrikeout);
    m_font.setPixelSize(std::max(1, static_cast<int>(std::lround(emPixels()))));
}

float Font::emPixels() const
{
    constexpr float dpi = kPixelsPerInch;
    switch (m_unit) {
    case Unit::Point:
        return m_size * dpi / 72.0f;
    case Unit::Inch:
        return m_size * dpi;
    case Unit::Document:
        return m_size * dpi / 300.0f;
    case Unit::Millimeter:
        return m_size * dpi / 25.4f;
    default:
        return m_size;
    }
}

StringFormat StringFormat::GenericTypographic()
{
    StringFormat f;
    f.Typographic = true;
    f.Trimming = StringTrimming::None;
    f.FormatFlags = StringFormatFlagsNoClip | StringFormatFlagsLineLimit;
    return f;
}

namespace {

QString withoutPrefix(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        else if (text[i] == '&')
            continue;
        out += text[i];
    }
    return out;
}

// Cuts a line to the width by the trimming; cut forces the ellipsis of text left out below it.
QString trim(QString line, double width, StringTrimming trimming, const QFontMetricsF& m, bool cut = false)
{
    if (trimming == StringTrimming::None || (!cut && m.horizontalAdvance(line) <= width))
        return line;
    const bool ellipsis = trimming == StringTrimming::EllipsisCharacter || trimming == StringTrimming::EllipsisWord ||
                          trimming == StringTrimming::EllipsisPath;
    const bool byWord = trimming == StringTrimming::Word || trimming == StringTrimming::EllipsisWord;
    const QString tail = ellipsis ? QString("...") : QString();
    while (!line.isEmpty() && m.horizontalAdvance(line + tail) > width) {
        const qsizetype space = line.lastIndexOf(' ');
        if (byWord && space > 0)
            line.truncate(space);
        else
            line.chop(1);
    }
    return line + tail;
}

} // namespace

TextLayout layoutText(const std::string& text, const Font& font, const RectF& layout, const StringFormat& format)
{
    const QFontMetricsF m(font.qFont());
    TextLayout out;
    out.lineHeight = m.lineSpacing();
    out.ascent = m.ascent();
    const double pad = format.Typographic ? 0.0 : font.emPixels() / 6.0;
    const double width = layout.Width > 0 ? layout.Width - 2 * pad : 0.0;
    QString all = QString::fromStdString(text);
    if (format.Prefix != HotkeyPrefix::None)
        all = withoutPrefix(all);
    all.replace("\r\n", "\n");
    const bool wraps = width > 0 && !(format.FormatFlags & StringFormatFlagsNoWrap);
    for (const QString& line : all.split('\n')) {
        const QStringList parts =
            wraps ? qx::wrapWords(line, width, [&](const QString& t) { return m.horizontalAdvance(t); }) : QStringList{line};
        out.lines.insert(out.lines.end(), parts.begin(), parts.end());
    }
    if (layout.Height > 0) {
        const auto fit = static_cast<std::size_t>(std::max(1.0, std::floor(layout.Height / out.lineHeight + 1e-6)));
        if (out.lines.size() > fit) {
            out.lines.resize(fit);
            if (width > 0)
                out.lines.back() = trim(out.lines.back(), width, format.Trimming, m, true);
        }
    }
    double widest = 0;
    for (QString& line : out.lines) {
        if (width > 0)
            line = trim(line, width, format.Trimming, m);
        const double w = m.horizontalAdvance(line);
        out.widths.push_back(w);
        widest = std::max(widest, w);
    }
    const double total = out.lineHeight * static_cast<double>(out.lines.size());
    out.top = layout.Y;
    if (layout.Height > 0 && format.LineAlignment == StringAlignment::Center)
        out.top = layout.Y + (layout.Height - total) / 2;
    else if (layout.Height > 0 && format.LineAlignment == StringAlignment::Far)
        out.top = layout.Y + layout.Height - total;
    for (const double w : out.widths) {
        double left = layout.X + pad;
        if (format.Alignment == StringAlignment::Center)
            left = layout.Width > 0 ? layout.X + (layout.Width - w) / 2 : layout.X - w / 2;
        else if (format.Alignment == StringAlignment::Far)
            left = layout.Width > 0 ? layout.X + layout.Width - pad - w : layout.X - pad - w;
        out.lefts.push_back(left);
    }
    out.bounds = {layout.X, static_cast<float>(out.top), static_cast<float>(widest + 2 * pad), static_cast<float>(total)};
    return out;
}

} // namespace qx::gdiplus
