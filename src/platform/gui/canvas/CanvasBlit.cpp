// Pictures and block copies of TCanvas.
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/QtBridge.h"

#include <QImage>
#include <QPainter>

namespace {

struct RasterOp
{
    enum Kind
    {
        Source, // draw the source through the composition mode
        Fill,   // fill with a colour through the composition mode
        Brush,  // fill with the canvas brush
    } kind;
    QPainter::CompositionMode mode;
    QColor fill;
};

RasterOp rasterOp(TCopyMode copyMode)
{
    switch (copyMode) {
    case cmSrcAnd:
        return {RasterOp::Source, QPainter::RasterOp_SourceAndDestination, {}};
    case cmSrcPaint:
        return {RasterOp::Source, QPainter::RasterOp_SourceOrDestination, {}};
    case cmSrcInvert:
        return {RasterOp::Source, QPainter::RasterOp_SourceXorDestination, {}};
    case cmSrcErase:
        return {RasterOp::Source, QPainter::RasterOp_SourceAndNotDestination, {}};
    case cmNotSrcCopy:
        return {RasterOp::Source, QPainter::RasterOp_NotSource, {}};
    case cmNotSrcErase:
        return {RasterOp::Source, QPainter::RasterOp_NotSourceAndNotDestination, {}};
    case cmMergePaint:
        return {RasterOp::Source, QPainter::RasterOp_NotSourceOrDestination, {}};
    case cmDstInvert:
        return {RasterOp::Fill, QPainter::RasterOp_NotDestination, Qt::black};
    case cmBlackness:
        return {RasterOp::Fill, QPainter::CompositionMode_Source, Qt::black};
    case cmWhiteness:
        return {RasterOp::Fill, QPainter::CompositionMode_Source, Qt::white};
    case cmPatCopy:
        return {RasterOp::Brush, QPainter::CompositionMode_SourceOver, {}};
    default:
        return {RasterOp::Source, QPainter::CompositionMode_Source, {}};
    }
}

// The whole of an image, neither mirrored nor the target itself: it can be
// drawn from as it is. (Taking it by value would copy every pixel while a
// painter is drawing on it, as on a bitmap whose canvas has drawn.)
bool wholeAsIs(const QImage& image, const TRect& dest, const TRect& src, const QImage* target)
{
    const bool mirrored = (dest.Width() < 0) != (src.Width() < 0) || (dest.Height() < 0) != (src.Height() < 0);
    const bool self = target && target->constBits() == image.constBits();
    return !mirrored && !self && qx::toQRect(src) == image.rect();
}

// The source part, mirrored where a rectangle's width or height is negative;
// copied, so a canvas can copy from itself.
QImage sourcePart(const QImage& image, const TRect& dest, const TRect& src, const QImage* target = nullptr)
{
    if (wholeAsIs(image, dest, src, target))
        return image;
    const bool mirrorX = (dest.Width() < 0) != (src.Width() < 0);
    const bool mirrorY = (dest.Height() < 0) != (src.Height() < 0);
    QImage part = image.copy(qx::toQRect(src));
    return mirrorX || mirrorY ? part.mirrored(mirrorX, mirrorY) : part;
}

} // namespace

void TCanvas::BlitImage(const TRect& dest, const QImage& image, const TRect& src)
{
    const QRect target = qx::toQRect(dest);
    if (target.isEmpty() || !Painter())
        return;
    const RasterOp op = rasterOp(CopyMode);
    if (op.kind == RasterOp::Brush) {
        FillRect(qx::fromQRect(target));
        return;
    }
    m_active->setCompositionMode(op.mode);
    if (op.kind == RasterOp::Fill) {
        m_active->fillRect(target, op.fill);
    } else {
        // Raster operations combine colour bits only; an opaque source keeps the alpha intact.
        if (op.mode != QPainter::CompositionMode_Source)
            m_active->drawImage(target, sourcePart(image, dest, src, Image()).convertToFormat(QImage::Format_RGB32));
        else if (wholeAsIs(image, dest, src, Image()))
            m_active->drawImage(target, image);
        else
            m_active->drawImage(target, sourcePart(image, dest, src, Image()));
    }
    resetComposition();
}

void TCanvas::BlitImage(const TRect& dest, const TBitmap& image, const TRect& src)
{
    BlitImage(dest, image.Image(), src);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& srcRect)
{
    const QImage* image = source.Image();
    if (!image)
        return;
    TRect deviceSrc = srcRect;
    const TPoint offset = source.deviceOffset();
    OffsetRect(deviceSrc, offset.X, offset.Y);
    BlitImage(dest, *image, deviceSrc);
}

void TCanvas::BlitMasked(const TRect& dest, const TBitmap& image, const TRect& src, const TBitmap& mask)
{
    if (image.Empty() || mask.Empty() || !Painter())
        return;
    const QImage picture = qx::withMask(sourcePart(image.Image(), dest, src), sourcePart(mask.Image(), dest, src));
    m_active->drawImage(qx::toQRect(dest), picture);
}

void TCanvas::BlitTransparent(const TRect& dest, const TBitmap& image, const TRect& src, TColor key)
{
    if (image.Empty() || !Painter())
        return;
    m_active->drawImage(qx::toQRect(dest), qx::withColorKey(sourcePart(image.Image(), dest, src), key));
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic) { graphic.Draw(*this, r); }
