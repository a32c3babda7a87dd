#include "Artwork.h"
#include "ToolBarArt.h"

#include "ProtocolPages.h"

#include "platform/gdiplus/Graphics.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/image/PngCodec.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <array>
#include <cmath>

namespace qx::art {

namespace {

using namespace qx::gdiplus;

enum class State
{
    Normal,
    Hot,
    Down,
    StayDown,
    Disabled,
};

struct ThumbColours
{
    Argb top, middle, bottom, border, indicator;
};

ThumbColours thumbColours(State state)
{
    switch (state) {
    case State::Hot:
        return {0xFFEEF2F6u, 0xFF9AA3ACu, 0xFF5C6670u, 0xFF2A3A4Au, 0xFF5CC8FFu};
    case State::Down:
    case State::StayDown:
        return {0xFFB8BCC0u, 0xFF6C7278u, 0xFF3A3F44u, 0xFF1A1D20u, 0xFFFFA040u};
    case State::Disabled:
        return {0xFFD0D0D0u, 0xFFB4B4B4u, 0xFF9C9C9Cu, 0xFF808080u, 0xFFC8C8C8u};
    case State::Normal:
        break;
    }
    return {0xFFE2E4E6u, 0xFF8E9296u, 0xFF50555Au, 0xFF25282Bu, 0xFFFFFFFFu};
}

// A fader cap 16 wide and 29 tall: a glossy body with grip lines and a centre indicator.
QImage verticalThumb(State state)
{
    const ThumbColours c = thumbColours(state);
    TBitmap bitmap(16, 29);
    bitmap.SetPixelFormat(pf32bit);
    bitmap.Image().fill(Qt::transparent);
    {
        Graphics g(bitmap);
        g.SetSmoothingMode(SmoothingMode::AntiAlias);
        g.SetPixelOffsetMode(PixelOffsetMode::Half);
        GraphicsPath body;
        body.AddArc(0.5f, 0.5f, 5, 5, 180, 90);
        body.AddArc(10.5f, 0.5f, 5, 5, 270, 90);
        body.AddArc(10.5f, 23.5f, 5, 5, 0, 90);
        body.AddArc(0.5f, 23.5f, 5, 5, 90, 90);
        body.CloseFigure();
        LinearGradientBrush fill(RectF{0, 0, 16, 29}, c.top, c.bottom, LinearGradientMode::Vertical);
        const Argb colours[] = {c.top, c.middle, c.bottom, c.middle, c.top};
        const float positions[] = {0.0f, 0.45f, 0.5f, 0.55f, 1.0f};
        fill.SetInterpolationColors(colours, positions);
        g.FillPath(fill, body);
        g.DrawPath(Pen(c.border), body);
        const Pen light(0x70FFFFFFu), dark(0x60000000u);
        for (const float y : {5.0f, 8.0f, 20.0f, 23.0f}) {
            g.DrawLine(dark, 3, y, 13, y);
            g.DrawLine(light, 3, y + 1, 13, y + 1);
        }
        g.FillRectangle(SolidBrush(c.indicator), RectF{2, 13.5f, 12, 2});
    }
    return bitmap.Image().convertToFormat(QImage::Format_ARGB32);
}

QImage horizontalThumb(State state)
{
    return verticalThumb(state).transformed(QTransform().rotate(-90));
}

struct FaceColours
{
    Argb top, bottom, border, highlight;
};

FaceColours faceColours(State state)
{
    switch (state) {
    case State::Hot:
        return {0xFF6E7A88u, 0xFF3A424Cu, 0xFF4FA3E0u, 0xFF9AA8B8u};
    case State::Down:
        return {0xFF262B31u, 0xFF3E464Fu, 0xFF14181Cu, 0xFF262B31u};
    case State::StayDown:
        return {0xFF2F6E9Eu, 0xFF1C4567u, 0xFF66B8F0u, 0xFF4F8EBEu};
    case State::Disabled:
        return {0xFF5E5E5Eu, 0xFF565656u, 0xFF444444u, 0xFF5E5E5Eu};
    case State::Normal:
        break;
    }
    return {0xFF5A6470u, 0xFF2E343Cu, 0xFF1A1E22u, 0xFF7E8894u};
}

// A button face 80 x 30 on the key colour, drawn without smoothing so the key stays exact.
QImage buttonFace(State state)
{
    const FaceColours c = faceColours(state);
    TBitmap bitmap(80, 30);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().Color = clTeal;
    canvas.FillRect(Rect(0, 0, 80, 30));
    {
        Graphics g(bitmap);
        g.SetPixelOffsetMode(PixelOffsetMode::Half);
        GraphicsPath face;
        face.AddArc(0, 0, 8, 8, 180, 90);
        face.AddArc(71, 0, 8, 8, 270, 90);
        face.AddArc(71, 21, 8, 8, 0, 90);
        face.AddArc(0, 21, 8, 8, 90, 90);
        face.CloseFigure();
        g.FillPath(LinearGradientBrush(RectF{0, 0, 80, 30}, c.top, c.bottom, LinearGradientMode::Vertical), face);
        g.DrawPath(Pen(c.border), face);
        g.DrawLine(Pen(c.highlight), 4, 1, 75, 1);
    }
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

// The delay marker of the delay page: an orange pointer 12 x 14, pointing down at its line.
QImage delayMarker(State)
{
    TBitmap bitmap(12, 14);
    bitmap.SetPixelFormat(pf32bit);
    bitmap.Image().fill(Qt::transparent);
    {
        Graphics g(bitmap);
        g.SetSmoothingMode(SmoothingMode::AntiAlias);
        const PointF pointer[] = {{1, 1}, {11, 1}, {11, 7}, {6, 13}, {1, 7}};
        g.FillPolygon(LinearGradientBrush(RectF{0, 0, 12, 14}, 0xFFFFC060u, 0xFFE07000u,
                                          LinearGradientMode::Vertical),
                      pointer);
        GraphicsPath outline;
        outline.AddPolygon(pointer);
        g.DrawPath(Pen(0xFF603000u), outline);
    }
    return bitmap.Image().convertToFormat(QImage::Format_ARGB32);
}

// The round sign of the information and quit dialogs, 40 x 40: a white "i" on blue.
QImage informationSign(State)
{
    TBitmap bitmap(40, 40);
    bitmap.SetPixelFormat(pf32bit);
    bitmap.Image().fill(Qt::transparent);
    {
        Graphics g(bitmap);
        g.SetSmoothingMode(SmoothingMode::AntiAlias);
        g.FillEllipse(LinearGradientBrush(RectF{0, 0, 40, 40}, 0xFF5CA8F0u, 0xFF1A4E90u,
                                          LinearGradientMode::Vertical),
                      RectF{1, 1, 38, 38});
        g.DrawEllipse(Pen(0xFFE0F0FFu, 2), RectF{2, 2, 36, 36});
        const SolidBrush white(0xFFFFFFFFu);
        g.FillEllipse(white, RectF{17, 8, 6, 6});
        g.FillRectangle(white, RectF{17, 17, 6, 15});
    }
    return bitmap.Image().convertToFormat(QImage::Format_ARGB32);
}

// The pointing hand of the button library's cursor 99, 32 x 32: a white hand
// with a black outline, the index finger up; its tip at (9, 1) is the hot spot.
QImage handPointCursor(State)
{
    TBitmap bitmap(32, 32);
    bitmap.SetPixelFormat(pf32bit);
    bitmap.Image().fill(Qt::transparent);
    {
        Graphics g(bitmap);
        const PointF hand[] = {{8, 1},   {11, 1},  {12, 3},  {12, 11}, {15, 10}, {17, 11}, {18, 12},
                               {21, 12}, {22, 13}, {24, 14}, {25, 16}, {25, 23}, {23, 27}, {22, 30},
                               {11, 30}, {10, 27}, {4, 20},  {3, 17},  {4, 16},  {6, 16},  {7, 18},
                               {7, 3}};
        g.FillPolygon(SolidBrush(0xFFFFFFFFu), hand);
        GraphicsPath outline;
        outline.AddPolygon(hand);
        g.DrawPath(Pen(0xFF000000u), outline);
        const Pen crease(0xFF000000u);
        g.DrawLine(crease, 12, 11, 12, 16);
        g.DrawLine(crease, 17, 11, 17, 16);
        g.DrawLine(crease, 21, 12, 21, 17);
    }
    return bitmap.Image().convertToFormat(QImage::Format_ARGB32);
}

// The splash screen's emblem, 160 x 171 with alpha: a processor's front seen at a slant, its
// level meters lit, above a sine wave passing through a filter curve.
QImage splashLogo(State)
{
    TBitmap bitmap(160, 171);
    bitmap.SetPixelFormat(pf32bit);
    bitmap.Image().fill(Qt::transparent);
    {
        Graphics g(bitmap);
        g.SetSmoothingMode(SmoothingMode::AntiAlias);
        GraphicsPath body;
        body.AddArc(8, 20, 16, 16, 180, 90);
        body.AddArc(136, 20, 16, 16, 270, 90);
        body.AddArc(136, 84, 16, 16, 0, 90);
        body.AddArc(8, 84, 16, 16, 90, 90);
        body.CloseFigure();
        g.FillPath(LinearGradientBrush(RectF{8, 20, 144, 80}, 0xFF5A6470u, 0xFF1E2328u, LinearGradientMode::Vertical),
                   body);
        g.DrawPath(Pen(0xFF9AA8B8u, 2), body);
        // Twelve level meters: four inputs, eight outputs.
        for (int i = 0; i < 12; ++i) {
            const float x = 20 + static_cast<float>(i) * 10.5f;
            const int lit = 3 + (i * 7) % 5;
            for (int k = 0; k < 6; ++k) {
                const Argb colour = k >= lit ? 0xFF303840u : k >= 5 ? 0xFFFF5040u : k >= 4 ? 0xFFFFC040u : 0xFF50D070u;
                g.FillRectangle(SolidBrush(colour), RectF{x, 86 - static_cast<float>(k) * 9, 7, 6});
            }
        }
        // A sine wave and the filter curve it passes.
        std::array<PointF, 61> wave{};
        std::array<PointF, 61> curve{};
        for (std::size_t i = 0; i < wave.size(); ++i) {
            const float x = 10 + static_cast<float>(i) * 140.0f / 60.0f;
            wave[i] = {x, 135 + 18 * std::sin(static_cast<float>(i) * 0.42f)};
            const float t = static_cast<float>(i) / 60.0f;
            curve[i] = {x, 150 - 30 * std::exp(-std::pow((t - 0.5f) * 4.0f, 2.0f))};
        }
        g.DrawLines(Pen(0xFF5CC8FFu, 3), wave);
        g.DrawLines(Pen(0xFFFFA040u, 2), curve);
    }
    return bitmap.Image().convertToFormat(QImage::Format_ARGB32);
}

template <int Page, bool Chinese, int Height> QImage protocolPage(State)
{
    return paintProtocolPage(Page, Chinese, 630, Height);
}

QLinearGradient verticalGradient(double top, double bottom, QColor from, QColor to)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

// The program's icon for the desktop, drawn on a 256-unit square at any size:
// a dark processor face with a lit display that shows a response curve, and a
// row of level lights below it.
QImage programIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    p.setPen(QPen(QColor(0x10, 0x13, 0x16), 6));
    p.setBrush(verticalGradient(8, 248, QColor(0x4A, 0x55, 0x62), QColor(0x1C, 0x21, 0x27)));
    p.drawRoundedRect(QRectF(10, 10, 236, 236), 40, 40);
    p.setPen(QPen(QColor(0x6F, 0xB8, 0xEE), 4));
    p.setBrush(verticalGradient(40, 170, QColor(0x12, 0x3A, 0x5C), QColor(0x08, 0x1C, 0x2E)));
    p.drawRoundedRect(QRectF(34, 38, 188, 134), 14, 14);
    QPainterPath curve;
    curve.moveTo(46, 140);
    curve.cubicTo(80, 140, 92, 66, 124, 70);
    curve.cubicTo(150, 74, 150, 118, 176, 112);
    curve.cubicTo(196, 108, 200, 74, 210, 64);
    p.setPen(QPen(QColor(0xFF, 0xA8, 0x30), size < 32 ? 22 : 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    const QColor lights[] = {QColor(0x4C, 0xE0, 0x6A), QColor(0x4C, 0xE0, 0x6A), QColor(0xF0, 0xD0, 0x40),
                             QColor(0xF0, 0x50, 0x40)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(lights[i]);
        p.drawEllipse(QRectF(52 + i * 44, 192, 28, 28));
    }
    p.end();
    return image;
}

template <int Size>
QImage programIconAt(State)
{
    return programIcon(Size);
}

template <ToolIcon Icon, int Size>
QImage toolIcon(State)
{
    return paintToolIcon(Icon, Size);
}

// A toolbar picture with its key colour made transparent, for buttons that draw their
// picture as it is (the print preview's print button).
template <ToolIcon Icon, int Size>
QImage clearToolIcon(State)
{
    QImage image = paintToolIcon(Icon, Size);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == key)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

struct Entry
{
    Artwork artwork;
    QImage (*paint)(State);
    State state;
};

const std::array<Entry, 64> kEntries = {{
    {{"fader-thumb-v.png", 16, 29, true}, verticalThumb, State::Normal},
    {{"fader-thumb-v-hot.png", 16, 29, true}, verticalThumb, State::Hot},
    {{"fader-thumb-v-down.png", 16, 29, true}, verticalThumb, State::Down},
    {{"fader-thumb-v-disabled.png", 16, 29, true}, verticalThumb, State::Disabled},
    {{"fader-thumb-h.png", 29, 16, true}, horizontalThumb, State::Normal},
    {{"fader-thumb-h-hot.png", 29, 16, true}, horizontalThumb, State::Hot},
    {{"fader-thumb-h-down.png", 29, 16, true}, horizontalThumb, State::Down},
    {{"fader-thumb-h-disabled.png", 29, 16, true}, horizontalThumb, State::Disabled},
    {{"button-up.png", 80, 30, false}, buttonFace, State::Normal},
    {{"button-hot.png", 80, 30, false}, buttonFace, State::Hot},
    {{"button-down.png", 80, 30, false}, buttonFace, State::Down},
    {{"button-staydown.png", 80, 30, false}, buttonFace, State::StayDown},
    {{"button-disabled.png", 80, 30, false}, buttonFace, State::Disabled},
    {{"delay-marker.png", 12, 14, true}, delayMarker, State::Normal},
    {{"information-sign.png", 40, 40, true}, informationSign, State::Normal},
    {{"VRCURSORHANDPOINT.png", 32, 32, true}, handPointCursor, State::Normal},
    {{"splash-logo.png", 160, 171, true}, splashLogo, State::Normal},
    {{"rs232-page-1.png", 630, 113, false}, protocolPage<1, false, 113>, State::Normal},
    {{"rs232-page-2.png", 630, 81, false}, protocolPage<2, false, 81>, State::Normal},
    {{"rs232-page-3.png", 630, 70, false}, protocolPage<3, false, 70>, State::Normal},
    {{"rs232-page-4.png", 630, 68, false}, protocolPage<4, false, 68>, State::Normal},
    {{"rs232-page-5.png", 630, 99, false}, protocolPage<5, false, 99>, State::Normal},
    {{"rs232-page-6.png", 630, 99, false}, protocolPage<6, false, 99>, State::Normal},
    {{"rs232-page-7.png", 630, 99, false}, protocolPage<7, false, 99>, State::Normal},
    {{"rs232-page-8.png", 630, 80, false}, protocolPage<8, false, 80>, State::Normal},
    {{"rs232-page-9.png", 630, 98, false}, protocolPage<9, false, 98>, State::Normal},
    {{"rs232-page-10-en.png", 630, 93, false}, protocolPage<10, false, 93>, State::Normal},
    {{"rs232-page-10-zh.png", 630, 93, false}, protocolPage<10, true, 93>, State::Normal},
    {{"program-icon-16.png", 16, 16, true}, programIconAt<16>, State::Normal},
    {{"program-icon-24.png", 24, 24, true}, programIconAt<24>, State::Normal},
    {{"program-icon-32.png", 32, 32, true}, programIconAt<32>, State::Normal},
    {{"program-icon-48.png", 48, 48, true}, programIconAt<48>, State::Normal},
    {{"program-icon-64.png", 64, 64, true}, programIconAt<64>, State::Normal},
    {{"program-icon-128.png", 128, 128, true}, programIconAt<128>, State::Normal},
    {{"program-icon-256.png", 256, 256, true}, programIconAt<256>, State::Normal},
    // The plot toolbar's buttons, large and small.
    {{"AUTO.png", 24, 24, false}, toolIcon<ToolIcon::Resume, 24>, State::Normal},
    {{"SMALLAUTO.png", 16, 16, false}, toolIcon<ToolIcon::Resume, 16>, State::Normal},
    {{"PAUSE.png", 24, 24, false}, toolIcon<ToolIcon::Pause, 24>, State::Normal},
    {{"SMALLPAUSE.png", 16, 16, false}, toolIcon<ToolIcon::Pause, 16>, State::Normal},
    {{"SCROLL.png", 24, 24, false}, toolIcon<ToolIcon::Scroll, 24>, State::Normal},
    {{"SMALLSCROLL.png", 16, 16, false}, toolIcon<ToolIcon::Scroll, 16>, State::Normal},
    {{"ZOOM.png", 24, 24, false}, toolIcon<ToolIcon::Zoom, 24>, State::Normal},
    {{"SMALLZOOM.png", 16, 16, false}, toolIcon<ToolIcon::Zoom, 16>, State::Normal},
    {{"ZOOMOUT.png", 24, 24, false}, toolIcon<ToolIcon::ZoomOut, 24>, State::Normal},
    {{"SMALLZOOMOUT.png", 16, 16, false}, toolIcon<ToolIcon::ZoomOut, 16>, State::Normal},
    {{"ZOOMIN.png", 24, 24, false}, toolIcon<ToolIcon::ZoomIn, 24>, State::Normal},
    {{"SMALLZOOMIN.png", 16, 16, false}, toolIcon<ToolIcon::ZoomIn, 16>, State::Normal},
    {{"SELECT.png", 24, 24, false}, toolIcon<ToolIcon::Select, 24>, State::Normal},
    {{"SMALLSELECT.png", 16, 16, false}, toolIcon<ToolIcon::Select, 16>, State::Normal},
    {{"SCROLLBOX.png", 24, 24, false}, toolIcon<ToolIcon::ZoomBox, 24>, State::Normal},
    {{"SMALLSCROLLBOX.png", 16, 16, false}, toolIcon<ToolIcon::ZoomBox, 16>, State::Normal},
    {{"CURSOR.png", 24, 24, false}, toolIcon<ToolIcon::Cursor, 24>, State::Normal},
    {{"SMALLCURSOR.png", 16, 16, false}, toolIcon<ToolIcon::Cursor, 16>, State::Normal},
    {{"PROPERTIES.png", 24, 24, false}, toolIcon<ToolIcon::Properties, 24>, State::Normal},
    {{"SMALLPROPERTIES.png", 16, 16, false}, toolIcon<ToolIcon::Properties, 16>, State::Normal},
    {{"COPY.png", 24, 24, false}, toolIcon<ToolIcon::Copy, 24>, State::Normal},
    {{"SMALLCOPY.png", 16, 16, false}, toolIcon<ToolIcon::Copy, 16>, State::Normal},
    {{"SAVE.png", 24, 24, false}, toolIcon<ToolIcon::Save, 24>, State::Normal},
    {{"SMALLSAVE.png", 16, 16, false}, toolIcon<ToolIcon::Save, 16>, State::Normal},
    {{"PRINTER.png", 24, 24, false}, toolIcon<ToolIcon::Printer, 24>, State::Normal},
    {{"SMALLPRINTER.png", 16, 16, false}, toolIcon<ToolIcon::Printer, 16>, State::Normal},
    {{"PREVIEW.png", 24, 24, false}, toolIcon<ToolIcon::Preview, 24>, State::Normal},
    {{"SMALLPREVIEW.png", 16, 16, false}, toolIcon<ToolIcon::Preview, 16>, State::Normal},
    {{"PREVIEWPRINTER.png", 24, 24, true}, clearToolIcon<ToolIcon::Printer, 24>, State::Normal},
}};

std::array<Artwork, kEntries.size()> artworkList()
{
    std::array<Artwork, kEntries.size()> list{};
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        list[i] = kEntries[i].artwork;
    return list;
}

} // namespace

std::span<const Artwork> artworks()
{
    static const auto list = artworkList();
    return list;
}

const Artwork* findArtwork(const std::string& name)
{
    for (const Artwork& a : artworks())
        if (name == a.name)
            return &a;
    return nullptr;
}

QImage paintArtwork(const Artwork& artwork)
{
    for (const Entry& e : kEntries)
        if (std::string(e.artwork.name) == artwork.name)
            return e.paint(e.state);
    return {};
}

std::vector<std::uint8_t> encodeArtwork(const Artwork& artwork)
{
    const QImage image = paintArtwork(artwork).convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    qx::Image pixels(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.setPixel(x, y, image.pixel(x, y));
    pixels.hasAlpha = artwork.alpha;
    return qx::encodePng(pixels, 9).bytes;
}

} // namespace qx::art
