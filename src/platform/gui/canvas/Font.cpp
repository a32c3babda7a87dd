#include "platform/gui/canvas/GraphicsObjects.h"

#include <QCoreApplication>
#include <QFont>
#include <QThread>
#include <QFontMetricsF>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

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

namespace {

QFont makeQFont(const TFont& font)
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

} // namespace

QFont toQFont(const TFont& font)
{
    // Every text a canvas writes or measures asks for its font; the last few
    // are kept, and a kept font (shared, not copied) has found its glyphs.
    struct Kept
    {
        std::string name;
        TFontStyles style;
        int height;
        QFont font;
    };
    constexpr std::size_t kKept = 16;
    // Kept for the GUI thread only, and never destroyed: fonts must not
    // outlive the application's font cache at exit.
    static auto& kept = *new std::vector<Kept>;
    static std::size_t next = 0;
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return makeQFont(font);
    for (const Kept& k : kept) {
        if (k.height == font.Height() && k.style == font.Style && k.name == font.Name)
            return k.font;
    }
    Kept made{font.Name, font.Style, font.Height(), makeQFont(font)};
    if (kept.size() < kKept) {
        kept.push_back(std::move(made));
        return kept.back().font;
    }
    next = (next + 1) % kKept;
    kept[next] = std::move(made);
    return kept[next].font;
}

} // namespace qx
