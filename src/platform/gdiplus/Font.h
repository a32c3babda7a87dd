#pragma once
// Fonts and string formats of the anti-aliased layer: alignment, wrapping, trimming, and
// the padding of one sixth of the em size that measuring and drawing add on each side.

#include "platform/gdiplus/Types.h"

#include <QFont>
#include <QString>

#include <string>
#include <vector>

namespace qx::gdiplus {

enum FontStyle
{
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleUnderline = 4,
    FontStyleStrikeout = 8,
};

class Font
{
public:
    // The family name maps to the installed free fonts as the canvas's fonts do.
    Font(const std::string& family, float emSize, int style = FontStyleRegular, Unit unit = Unit::Point);

    float GetSize() const { return m_size; }
    Unit GetUnit() const { return m_unit; }
    float emPixels() const; // the em size in pixels at 96 dpi
    const QFont& qFont() const { return m_font; }

private:
    float m_size;
    Unit m_unit;
    QFont m_font;
};

enum class StringAlignment
{
    Near,
    Center,
    Far,
};

enum class StringTrimming
{
    None,
    Character,
    Word,
    EllipsisCharacter,
    EllipsisWord,
    EllipsisPath,
};

enum StringFormatFlags
{
    StringFormatFlagsNoFitBlackBox = 0x4,
    StringFormatFlagsMeasureTrailingSpaces = 0x800,
    StringFormatFlagsNoWrap = 0x1000,
    StringFormatFlagsLineLimit = 0x2000,
    StringFormatFlagsNoClip = 0x4000,
};

enum class HotkeyPrefix
{
    None,
    Show,
    Hide,
};

class StringFormat
{
public:
    StringFormat() = default;
    static StringFormat GenericDefault() { return {}; }
    // No padding, no trimming, no clipping: exact text extents.
    static StringFormat GenericTypographic();

    StringAlignment Alignment = StringAlignment::Near;
    StringAlignment LineAlignment = StringAlignment::Near;
    int FormatFlags = 0;
    StringTrimming Trimming = StringTrimming::Character;
    HotkeyPrefix Prefix = HotkeyPrefix::None;
    bool Typographic = false;
};

// Lines of a text laid out in a rectangle; shared by measuring and drawing.
struct TextLayout
{
    std::vector<QString> lines;
    std::vector<double> widths;
    std::vector<double> lefts; // where each line starts
    double top = 0;
    double lineHeight = 0;
    double ascent = 0;
    RectF bounds; // the measured rectangle, padding included
};

TextLayout layoutText(const std::string& text, const Font& font, const RectF& layout, const StringFormat& format);

} // namespace qx::gdiplus
