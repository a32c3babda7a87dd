#include "controls/skinned/HtmlText.h"

#include "controls/skinned/AdvGDIP.h"
#include "controls/skinned/GDIPPictureContainer.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/canvas/Canvas.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string_view>
#include <utility>

namespace qx {

using gdiplus::Graphics;
using gdiplus::RectF;

// --- the text routines --------------------------------------------------------------------

namespace gptext {

namespace {

float pointSize(const TFont& font)
{
    if (font.Height() < 0)
        return static_cast<float>(-font.Height()) * 72.0f / static_cast<float>(kPixelsPerInch);
    return static_cast<float>(font.Size());
}

} // namespace

gdiplus::Font MakeFont(const TFont& font)
{
    int style = gdiplus::FontStyleRegular;
    if (font.Style & fsBold)
        style |= gdiplus::FontStyleBold;
    if (font.Style & fsItalic)
        style |= gdiplus::FontStyleItalic;
    if (font.Style & fsUnderline)
        style |= gdiplus::FontStyleUnderline;
    return gdiplus::Font(font.Name.empty() ? std::string("Arial") : font.Name, pointSize(font), style,
                         gdiplus::Unit::Point);
}

int DrawText(Graphics& graphics, const std::string& text, TRect& r, const TFont& font, unsigned flags,
             TColor background)
{
    const gdiplus::Font gpFont = MakeFont(font);
    const bool measure = (flags & kMeasure) != 0;
    if (measure || background != clNone) {
        std::string measured = text;
        if (measured.size() > 1 && measured.back() == ' ')
            measured.back() = 'i'; // trailing spaces count
        const RectF box = graphics.MeasureString(
            measured, gpFont,
            RectF{static_cast<float>(r.Left), static_cast<float>(r.Top), static_cast<float>(r.Right - r.Left + 1000),
                  static_cast<float>(r.Bottom - r.Top)});
        const float size = gpFont.GetSize();
        int correction = 2;
        if (size > 8)
            correction += static_cast<int>(std::lround((size - 8) / 1.5));
        if (background != clNone)
            graphics.FillRectangle(gdiplus::SolidBrush(ArgbFromColor(background)),
                                   RectF{static_cast<float>(r.Left + 1), static_cast<float>(r.Top),
                                         box.Width - static_cast<float>(correction) + 1, box.Height});
        r.Right = r.Left + static_cast<int>(std::lround(box.Width - static_cast<float>(correction)));
        r.Bottom = r.Top + static_cast<int>(std::lround(box.Height));
    }
    if (!measure)
        graphics.DrawString(text, gpFont, RectF{static_cast<float>(r.Left), static_cast<float>(r.Top), 0, 0},
                            gdiplus::StringFormat(), gdiplus::SolidBrush(ArgbFromColor(font.Color)));
    return r.Bottom - r.Top;
}

int TextHeight(Graphics& graphics, const std::string& text, const TFont& font)
{
    return static_cast<int>(
        std::lround(graphics.MeasureString(text, MakeFont(font), RectF{0, 0, 10000, 10000}).Height));
}

int TextWidth(Graphics& graphics, const std::string& text, const TFont& font)
{
    return static_cast<int>(
        std::lround(graphics.MeasureString(text, MakeFont(font), RectF{0, 0, 10000, 10000}).Width));
}

} // namespace gptext

// --- markup values ------------------------------------------------------------------------

namespace {

std::string upper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

struct NamedColor
{
    const char* name;
    TColor color;
};

constexpr std::array<NamedColor, 16> kBasicColors = {{
    {"clred", 0x0000FF},     {"clblack", 0x000000}, {"clblue", 0xFF0000},   {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},    {"clyellow", 0x00FFFF}, {"clfuchsia", 0xFF00FF}, {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},    {"clsilver", 0xC0C0C0}, {"clgray", 0x808080},   {"clolive", 0x008080},
    {"clnavy", 0x800000},    {"clpurple", 0x800080}, {"clteal", 0x808000},   {"clmaroon", 0x000080},
}};

// The system colours 1 to 24 in the platform's order.
constexpr std::array<const char*, 24> kSystemColorNames = {
    "clbackground",      "clactivecaption", "clinactivecaption", "clmenu",
    "clwindow",          "clwindowframe",   "clmenutext",        "clwindowtext",
    "clcaptiontext",     "clactiveborder",  "clinactiveborder",  "clappworkspace",
    "clhighlight",       "clhighlighttext", "clbtnface",         "clbtnshadow",
    "clgraytext",        "clbtntext",       "clinactivecaptiontext", "clbtnhighlight",
    "cl3ddkshadow",      "cl3dlight",       "clinfotext",        "clinfobk",
};

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A hexadecimal pair at s[i]; a missing or bad pair reads 0.
int hexPair(std::string_view s, std::size_t i)
{
    if (i + 1 >= s.size())
        return 0;
    const int hi = hexDigit(s[i]), lo = hexDigit(s[i + 1]);
    return hi < 0 || lo < 0 ? 0 : hi * 16 + lo;
}

// The leading digits of a value (an optional minus sign); an empty value reads 0.
int leadingNumber(std::string_view s)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i)
        n = std::min<long long>(n * 10 + (s[i] - '0'), 1'000'000);
    return static_cast<int>(negative ? -n : n);
}

// A whole number, nothing else: the value of IND.
bool validInteger(std::string_view s, int& out)
{
    if (s.empty())
        return false;
    std::size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size())
        return false;
    for (std::size_t k = i; k < s.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(s[k])))
            return false;
    out = leadingNumber(s);
    return true;
}

} // namespace

TColor HtmlColor(const std::string& value)
{
    if (!value.empty() && value[0] == '#') {
        const std::string v = upper(value);
        const int red = hexPair(v, 1), green = hexPair(v, 3), blue = hexPair(v, 5);
        return static_cast<TColor>(blue << 16 | green << 8 | red);
    }
    const std::string name = lower(value);
    for (const NamedColor& c : kBasicColors)
        if (name == c.name)
            return c.color;
    for (std::size_t i = 0; i < kSystemColorNames.size(); ++i)
        if (name == kSystemColorNames[i])
            return kSystemColorBase | static_cast<TColor>(i + 1);
    return 0x000000;
}

std::string DecodeHtmlEntities(std::string text)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kEntities = {{
        {"&amp;", "&"},
        {"&quot;", "\""},
        {"&sect;", "\u00A7"},
        {"&permil;", "\u2030"},
        {"&reg;", "\u00AE"},
        {"&copy;", "\u00A9"},
        {"&para;", "\u00B6"},
        {"&trade;", "\u2122"},
        {"&euro;", "\u20AC"},
    }};
    // Every replacement shortens the text, so the passes end.
    for (bool found = true; found;) {
        found = false;
        for (const auto& [entity, character] : kEntities) {
            const std::string lowered = lower(text);
            const std::size_t at = lowered.find(entity);
            if (at == std::string::npos)
                continue;
            text.replace(at, entity.size(), character);
            found = true;
        }
    }
    return text;
}

// --- the layout ---------------------------------------------------------------------------

namespace {

enum class Align
{
    Left,
    Right,
    Center,
};

// The formatting state one pass carries from line to line.
struct FormatState
{
    TFont font;
    TColor background = clNone;
    TColor savedBackground = clNone;
    TColor savedColor = clNone;
    int listLevel = 0;
    Align align = Align::Left;
    int indent = 0;
    int offset = 0; // from OF, for the following lines
    bool link = false, shadow = false, subscript = false, superscript = false, error = false,
         hidden = false;
};

// What the measuring pass finds out about one line.
struct LineMetrics
{
    int width = 0;
    int height = 0;
    int r = 0; // superscript extra
    int s = 0; // subscript extra
    int q = 0; // picture offset
};

// The value of an attribute: searched in the upper-cased tag, written between double quotes.
// Values are cut from the tag itself, so SRC and FACE keep their case.
std::string attribute(const std::string& tag, const std::string& upperTag, std::string_view name)
{
    const std::size_t at = upperTag.find(name);
    if (at == std::string::npos)
        return {};
    const std::size_t open = tag.find('"', at + name.size());
    if (open == std::string::npos)
        return {};
    const std::size_t close = tag.find('"', open + 1);
    if (close == std::string::npos)
        return tag.substr(open + 1);
    return tag.substr(open + 1, close - open - 1);
}

bool hasAttribute(const std::string& upperTag, std::string_view name)
{
    return upperTag.find(name) != std::string::npos;
}

std::string decodeRun(std::string run)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kRunEntities = {
        {{"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}}};
    for (const auto& [entity, character] : kRunEntities)
        for (std::size_t at = run.find(entity); at != std::string::npos; at = run.find(entity, at + 1))
            run.replace(at, entity.size(), character);
    return run;
}

class HtmlLayout
{
public:
    HtmlLayout(Graphics& graphics, const TFont& baseFont, const HtmlTextOptions& options)
        : g_(graphics), base_(baseFont), options_(options)
    {
        measureState_.font = baseFont;
        drawState_.font = baseFont;
    }

    HtmlTextExtent run(std::string text, const TRect& layout);

private:
    // One pass over one line. The measuring pass takes the line off the front of text and
    // returns its markup in markup; the drawing pass draws that markup.
    void renderLine(bool drawing, FormatState& st, std::string& text, TRect rect, LineMetrics& m,
                    std::string* markup);
    // Handles the tag at the front of text. False when the tag has to start the next line.
    // mayBreak: the line holds something already, so a tag may move to the next line.
    bool tag(bool drawing, FormatState& st, const std::string& tag, const TRect& rect, int& x, LineMetrics& m,
             bool& lineEnded, int& liCount, bool mayBreak);
    void drawRun(FormatState& st, const std::string& run, int& x, int top, int bottom, const LineMetrics& m,
                 bool appendUnderscore);
    int ghHeight(const TFont& font) { return gptext::TextHeight(g_, "gh", font); }

    Graphics& g_;
    const TFont& base_;
    const HtmlTextOptions& options_;
    FormatState measureState_;
    FormatState drawState_;
    int width_ = 0;
};

HtmlTextExtent HtmlLayout::run(std::string text, const TRect& layout)
{
    text = DecodeHtmlEntities(std::move(text));
    // A marker written "<#name>" shows as "#name".
    if (const std::size_t at = text.find("<#"); at != std::string::npos) {
        text.erase(at, 1);
        if (const std::size_t gt = text.find('>', at); gt != std::string::npos)
            text.erase(gt, 1);
    }
    std::string flat;
    flat.reserve(text.size());
    for (const char c : text) {
        if (c == '\r')
            flat += "<BR>";
        else if (c != '\n')
            flat += c;
    }
    text = std::move(flat);

    TRect current = layout;
    current.Left += 1;
    int height = 0;
    bool anyLine = false;
    while (!text.empty()) {
        anyLine = true;
        LineMetrics m;
        m.height = ghHeight(measureState_.font);
        std::string markup;
        renderLine(false, measureState_, text, current, m, &markup);
        if (!text.empty())
            m.height += options_.lineSpacing;

        TRect line = current;
        if (measureState_.align == Align::Right) {
            if (line.Right - m.width > line.Left)
                line.Left = line.Right - m.width;
        } else if (measureState_.align == Align::Center) {
            if (line.Right - line.Left - m.width > 0)
                line.Left += (line.Right - line.Left - m.width) / 2;
        }
        line.Left += measureState_.indent;
        line.Bottom = line.Top + m.height + m.s + m.r;

        if (!options_.measureOnly)
            renderLine(true, drawState_, markup, line, m, nullptr);

        const int advance = m.height + m.s + m.r;
        current.Top += advance;
        height += advance;
        if (!options_.measureOnly && current.Top + ghHeight(measureState_.font) > current.Bottom)
            break;
    }
    if (!anyLine)
        height = ghHeight(base_);
    return {width_, height + 2};
}

void HtmlLayout::renderLine(bool drawing, FormatState& st, std::string& text, TRect rect, LineMetrics& m,
                            std::string* markup)
{
    rect.Bottom -= m.s;
    int x = rect.Left + st.offset;
    const int available = rect.Right - x;
    int lineWidth = 0;
    std::string lineText; // the visible text of the line so far
    bool lineEnded = false;
    bool consumed = false; // every line takes at least one token, so the layout always ends
    int liCount = 0;
    while (!text.empty() && !lineEnded) {
        if (text[0] != '<') {
            std::size_t end = text.find('<');
            if (options_.wordWrap) {
                const std::size_t space = text.find(' ');
                if (space != std::string::npos && (end == std::string::npos || space < end))
                    end = space + 1;
            }
            const std::string raw = end == std::string::npos ? text : text.substr(0, end);
            const std::string runText = decodeRun(raw);
            int w = 0;
            if (!st.hidden && runText != " ") {
                TRect box{0, 0, available, 0};
                gptext::DrawText(g_, runText, box, st.font, gptext::kMeasure);
                w = box.Right;
            }
            text.erase(0, raw.size());
            if (!drawing) {
                if (consumed && lineWidth + w > available && w < available &&
                    (lineText.empty() || lineText.back() == ' ')) {
                    text.insert(0, raw); // the run starts the next line
                    break;
                }
                if (!st.hidden) {
                    const int h = gptext::TextHeight(g_, runText, st.font);
                    if (st.subscript && m.s < h / 4)
                        m.s = h / 2;
                    if (st.superscript && m.r < h / 4)
                        m.r = h / 2;
                    m.height = std::max(m.height, h);
                }
                lineWidth += w;
                if (markup)
                    *markup += raw;
            } else if (!st.hidden) {
                const bool underscore = (st.font.Style & fsUnderline) && runText.size() > 1 &&
                                        runText.back() == ' ' && !text.empty() && text[0] != '<' &&
                                        upper(text).find("</A") != std::string::npos;
                drawRun(st, runText, x, rect.Top, rect.Bottom, m, underscore);
            }
            lineText += runText;
            consumed = true;
            continue;
        }
        if (text.size() < 3) {
            text.clear(); // a "<" with at most one character after it at the end
            break;
        }
        const std::size_t gt = text.find('>');
        if (gt == std::string::npos) {
            text.clear(); // a tag without ">" drops the rest
            break;
        }
        const std::string tagText = text.substr(0, gt + 1);
        m.width = lineWidth;
        if (!tag(drawing, st, tagText, rect, x, m, lineEnded, liCount, consumed))
            break; // the tag starts the next line and stays in the text
        if (!drawing)
            lineWidth = m.width;
        if (markup)
            *markup += tagText;
        text.erase(0, gt + 1);
        consumed = true;
    }
    if (!drawing) {
        m.width = lineWidth;
        if (lineWidth > width_)
            width_ = lineWidth + 2;
    }
}

bool HtmlLayout::tag(bool drawing, FormatState& st, const std::string& tagText, const TRect& rect, int& x,
                     LineMetrics& m, bool& lineEnded, int& liCount, bool mayBreak)
{
    const std::string u = upper(tagText);
    const auto at = [&u](std::size_t i) { return i < u.size() ? u[i] : '\0'; };
    const auto value = [&](std::string_view name) { return attribute(tagText, u, name); };
    const int gh = ghHeight(st.font);

    if (at(1) == '/') {
        if (u.size() < 4)
            return true; // a closing tag needs a character after its letter
        const char c = at(2), next = at(3);
        switch (c) {
        case 'A':
            if (drawing)
                st.font.Style &= static_cast<TFontStyles>(~fsUnderline);
            st.font.Color = base_.Color;
            st.link = false;
            break;
        case 'B':
            if (next == '>')
                st.font.Style &= static_cast<TFontStyles>(~fsBold);
            else
                st.font.Color = base_.Color;
            break;
        case 'E':
            st.error = false;
            break;
        case 'F':
            st.font.Name = base_.Name;
            st.font.SetHeight(base_.Height());
            if (drawing) {
                st.font.Color = base_.Color;
                st.background = st.savedBackground;
            }
            break;
        case 'H':
            if (drawing) {
                st.font.Color = st.savedColor;
                st.background = st.savedBackground;
            }
            break;
        case 'I':
            st.font.Style &= static_cast<TFontStyles>(~fsItalic);
            break;
        case 'L':
            lineEnded = true;
            break;
        case 'O':
            st.offset = 0;
            break;
        case 'P':
            lineEnded = true;
            if (drawing)
                st.background = clNone;
            break;
        case 'S':
            if (next == 'U') {
                st.subscript = false;
                st.superscript = false;
            } else if (next == 'H') {
                st.shadow = false;
            } else {
                st.font.Style &= static_cast<TFontStyles>(~fsStrikeOut);
            }
            break;
        case 'U':
            if (next == '>') {
                st.font.Style &= static_cast<TFontStyles>(~fsUnderline);
            } else if (st.listLevel > 0) {
                --st.listLevel;
            } else {
                st.font.Style &= static_cast<TFontStyles>(~fsUnderline);
            }
            break;
        case 'Z':
            st.hidden = false;
            break;
        default:
            break;
        }
        return true;
    }

    const char c = at(1), next = at(2);
    switch (c) {
    case 'A':
        if (drawing)
            st.font.Style |= fsUnderline;
        st.font.Color = options_.urlColor;
        st.link = true;
        break;
    case 'B':
        if (next == '>') {
            st.font.Style |= fsBold;
        } else if (next == 'R') {
            lineEnded = true;
        } else if (next == 'O') {
            if (drawing) {
                if (hasAttribute(u, "BGCOLORTO")) {
                    st.background = clNone;
                } else if (hasAttribute(u, "BGCOLOR")) {
                    st.savedBackground = st.background;
                    st.background = HtmlColor(value("BGCOLOR"));
                }
            }
        } else if (next == 'L') {
            st.font.Color = clWhite;
        }
        break;
    case 'E':
        st.error = true;
        break;
    case 'F':
        if (hasAttribute(u, "FACE"))
            st.font.Name = value("FACE");
        if (hasAttribute(u, " COLOR"))
            st.font.Color = HtmlColor(value(" COLOR"));
        if (hasAttribute(u, "BGCOLOR") && drawing) {
            st.savedBackground = st.background;
            st.background = HtmlColor(value("BGCOLOR"));
        }
        if (hasAttribute(u, "SIZE")) {
            const int size = leadingNumber(value("SIZE"));
            static constexpr int kSizes[] = {8, 10, 12, 14, 16};
            // A size below 1 point would make no font: it is ignored.
            if (size >= 1 && size <= 5)
                st.font.SetSize(kSizes[size - 1]);
            else if (size >= 1)
                st.font.SetSize(std::min(size, 500));
        }
        break;
    case 'H':
        if (next == 'I') {
            if (drawing) {
                st.savedColor = st.font.Color;
                st.savedBackground = st.background;
                st.font.Color = clHighlightText;
                st.background = clHighlight;
            }
        } else if (next == 'R') {
            lineEnded = true;
            if (drawing)
                g_.DrawLine(gdiplus::Pen(0xFF000000u), static_cast<float>(rect.Left),
                            static_cast<float>(rect.Bottom + 1), static_cast<float>(rect.Right),
                            static_cast<float>(rect.Bottom + 1));
        }
        break;
    case 'I':
        if (next == '>') {
            st.font.Style |= fsItalic;
        } else if (next == 'N') {
            int indent = 0;
            if (validInteger(value("X"), indent) && indent > m.width) {
                m.width = indent;
                x = rect.Left + indent;
            }
        } else if (next == 'M') {
            int w = 0, h = 0;
            const std::string src = value("SRC");
            const std::string usrc = upper(src);
            const TAdvGDIPPicture* picture = nullptr;
            int imageIndex = -1;
            if (usrc.rfind("IDX:", 0) == 0) {
                const int n = leadingNumber(src.substr(4));
                if (options_.images && n >= 0 && options_.images->Count() > n) {
                    imageIndex = n;
                    w = options_.images->Width();
                    h = options_.images->Height();
                }
            } else if (usrc.rfind("SSYS:", 0) == 0 || usrc.rfind("LSYS:", 0) == 0) {
                // No shell icons here: the icon's room is kept.
                w = h = usrc[0] == 'S' ? 16 : 32;
            } else if (src.find(':') == std::string::npos && options_.pictures) {
                picture = options_.pictures->FindPicture(src);
                if (picture && !picture->Empty()) {
                    const int ww = leadingNumber(value("WIDTH")), hh = leadingNumber(value("HEIGHT"));
                    w = ww >= 1 && hh >= 1 ? ww : picture->Width();
                    h = ww >= 1 && hh >= 1 ? hh : picture->Height();
                } else {
                    picture = nullptr;
                }
            }
            if (!drawing && mayBreak && w > rect.Right - rect.Left - m.width && w < rect.Right - rect.Left)
                return false;
            if (drawing) {
                if (imageIndex >= 0 && options_.canvas)
                    options_.images->Draw(*options_.canvas, x, rect.Top, imageIndex);
                if (picture)
                    const_cast<TAdvGDIPPicture*>(picture)->GDIPDraw(
                        g_, RectF{static_cast<float>(x), static_cast<float>(rect.Top), static_cast<float>(w),
                                  static_cast<float>(h)});
            } else {
                m.width += w;
                m.height = std::max(m.height, h);
            }
            x += w;
            const std::string align = upper(value("ALIGN"));
            if (align.rfind("TOP", 0) == 0)
                m.q = m.height - gh;
            else if (align.rfind("MIDDLE", 0) == 0)
                m.q = (m.height - gh) / 2;
            if (hasAttribute(u, "WRAP") && !drawing) {
                m.height = gh;
                m.q = 0;
            }
        }
        break;
    case 'L': {
        if (!drawing && mayBreak && liCount > 0)
            return false; // a second item starts the next line
        ++liCount;
        const std::string colour = value("COLOR");
        const TColor bullet = colour.empty() ? st.font.Color : HtmlColor(colour);
        if (!drawing)
            m.width += st.listLevel * 12;
        x += st.listLevel * 12 - 12;
        if (drawing && !st.hidden) {
            const std::string type = upper(value("TYPE"));
            const gdiplus::SolidBrush brush(ArgbFromColor(bullet));
            const RectF box{static_cast<float>(x), static_cast<float>(rect.Top + 2), 8, 8};
            if (type == "SQUARE") {
                g_.FillRectangle(brush, box);
            } else if (type == "CIRCLE") {
                g_.FillEllipse(brush, box);
            } else if (type == "IMAGE") {
                const TAdvGDIPPicture* picture =
                    options_.pictures ? options_.pictures->FindPicture(value("NAME")) : nullptr;
                if (picture && !picture->Empty()) {
                    const_cast<TAdvGDIPPicture*>(picture)->GDIPDraw(
                        g_, RectF{box.X, box.Y, static_cast<float>(picture->Width()),
                                  static_cast<float>(picture->Height())});
                    if (picture->Width() > 12)
                        x += picture->Width() - 12;
                }
            } else {
                TFont symbol = st.font;
                symbol.Color = bullet;
                TRect r{x, rect.Top, rect.Right, rect.Bottom};
                gptext::DrawText(g_, st.listLevel % 2 == 0 ? "o" : "\u2022", r, symbol, 0);
            }
        }
        x += 12;
        break;
    }
    case 'O':
        if (next == 'F') {
            const int offset = leadingNumber(value("X"));
            x = rect.Left + offset;
            m.width = offset;
            st.offset = offset;
        }
        break;
    case 'P':
        if (hasAttribute(u, "ALIGN")) {
            const std::string align = upper(value("ALIGN"));
            if (align.find("RIGHT") != std::string::npos)
                st.align = Align::Right;
            if (align.find("LEFT") != std::string::npos)
                st.align = Align::Left;
            if (align.find("CENTER") != std::string::npos)
                st.align = Align::Center;
        }
        if (hasAttribute(u, "INDENT"))
            st.indent = leadingNumber(value("INDENT"));
        if (drawing && hasAttribute(u, "BGCOLORTO"))
            st.background = clNone;
        break;
    case 'S':
        if (u.rfind("<SUB>", 0) == 0)
            st.subscript = true;
        else if (u.rfind("<SUP>", 0) == 0)
            st.superscript = true;
        else if (next == '>')
            st.font.Style |= fsStrikeOut;
        else if (next == 'H')
            st.shadow = true;
        break;
    case 'U':
        if (next == '>') {
            st.font.Style |= fsUnderline;
        } else {
            ++st.listLevel;
            lineEnded = true;
        }
        break;
    case 'Z':
        st.hidden = true;
        break;
    default:
        break;
    }
    return true;
}

void HtmlLayout::drawRun(FormatState& st, const std::string& run, int& x, int top, int bottom,
                         const LineMetrics& m, bool appendUnderscore)
{
    int y = top;
    if (st.superscript)
        y -= m.r / 2;
    if (st.subscript)
        y += m.s / 2;
    const int runBottom = bottom - m.q;
    const std::string shown = appendUnderscore ? run + "_" : run;
    if (st.shadow) {
        TFont shade = st.font;
        shade.Color = options_.shadowColor;
        TRect r{x + options_.shadowOffset, y + options_.shadowOffset, x + options_.shadowOffset + 1,
                y + options_.shadowOffset + 1};
        gptext::DrawText(g_, shown, r, shade, 0, st.background);
    }
    TRect r{x, y, x + 1, y + 1};
    gptext::DrawText(g_, shown, r, st.font, 0, st.background);
    TRect measured{x, y, x, y};
    gptext::DrawText(g_, run, measured, st.font, gptext::kMeasure);
    const int right = measured.Right;
    if (st.error) {
        const gdiplus::Pen red(0xFFFF0000u);
        int px = x & ~1;
        const auto segment = [&](int sx) {
            if (sx % 4 == 0)
                g_.DrawLine(red, static_cast<float>(sx), static_cast<float>(runBottom - 4),
                            static_cast<float>(sx + 2), static_cast<float>(runBottom - 2));
            else
                g_.DrawLine(red, static_cast<float>(sx), static_cast<float>(runBottom - 2),
                            static_cast<float>(sx + 2), static_cast<float>(runBottom - 4));
        };
        for (; px < right; px += 2)
            segment(px);
        segment(px);
    }
    x = right;
}

} // namespace

HtmlTextExtent PaintHtmlText(Graphics& graphics, const TFont& baseFont, const std::string& text, const TRect& r,
                             const HtmlTextOptions& options)
{
    HtmlLayout layout(graphics, baseFont, options);
    return layout.run(text, r);
}

} // namespace qx
