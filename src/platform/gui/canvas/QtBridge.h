#pragma once
// Conversions between the canvas types and Qt's, for the drawing layers' sources only.

#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/Geometry.h"

#include <QColor>
#include <QPainter>
#include <QRect>

namespace qx {

inline QColor toQColor(TColor color, int alpha = 255)
{
    const TColor c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c), alpha);
}

inline TColor fromQRgb(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

// A normalised rectangle (right and bottom excluded, as TRect has them).
inline QRect toQRect(const TRect& r)
{
    return QRect(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::abs(r.Width()), std::abs(r.Height()));
}

inline TRect fromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }

} // namespace qx
