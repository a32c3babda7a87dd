#include "platform/gui/canvas/GraphicsObjects.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cctype>
#include <cmath>

int TFont::Size() const
{
    const double points = -m_height * 72.0 / kPixelsPerInch;
    return static_cast<int>(std::lround(points));
}

void TFont::SetSize(int points)
{
    m_height = -static_cast<int>(std::lround(points * static_cast<double>(kPixelsPerInch) / 72.0));
}

namespace qx {

std::string mappedFontFamily(const std::string& name)
{
    std::string key;
    for (char c : name)
        key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (key == "verdana" || key == "dejavu sans")
        return "DejaVu Sans";
    if (key == "times new roman" || key == "liberation serif")
        return "Liberation Serif";
    return "Liberation Sans";
}

QFont toQFont(const TFont& font)
{
    QFont q(QString::fromStdString(mappedFontFamily(font.Name)));
    q.setHintingPreference(QFont::PreferFullHinting);
    q.setBold(font.Style & fsBold);
    q.setItalic(font.Style & fsItalic);
    q.setUnderline(font.Style & fsUnderline);
    q.setStrikeOut(font.Style & fsStrikeOut);
    q.setKerning(false);
    const int height = font.Height();
    if (height < 0) {
        q.setPixelSize(-height);
    } else if (height > 0) {
        // A positive height is the cell: scale the character size so ascent + descent fit it.
        q.setPixelSize(height);
        const QFontMetricsF metrics(q);
        const double cell = metrics.ascent() + metrics.descent();
        q.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / std::max(cell, 1.0)))));
    } else {
        q.setPixelSize(11);
    }
    return q;
}

} // namespace qx
