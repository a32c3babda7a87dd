#include "platform/gui/QtConversions.h"

namespace qx {

QColor qtColorOf(TColor color)
{
#ifdef QX_HAVE_CANVAS
    return QColor::fromRgba(argbFromColor(color));
#else
    // The system colours the standard controls draw with, as the default
    // desktop scheme gives them.
    switch (color) {
    case 0xFF000005: return Qt::white;                // clWindow
    case 0xFF000008: return Qt::black;                // clWindowText
    case 0xFF00000F: return QColor(240, 240, 240);    // clBtnFace
    case 0xFF000010: return QColor(160, 160, 160);    // clBtnShadow
    case 0xFF000012: return Qt::black;                // clBtnText
    case 0xFF000014: return Qt::white;                // clBtnHighlight
    case 0xFF000015: return QColor(105, 105, 105);    // cl3DDkShadow
    case 0xFF000016: return QColor(227, 227, 227);    // cl3DLight
    case 0xFF000017: return Qt::black;                // clInfoText
    case 0xFF000018: return QColor(255, 255, 225);    // clInfoBk
    case 0xFF00001D: return QColor(51, 153, 255);     // clMenuHighlight
    default: return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
    }
#endif
}

Qt::Alignment qtAlignment(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

Qt::Alignment qtAlignment(TAlignment alignment, TTextLayout layout)
{
    const Qt::Alignment vertical = layout == tlCenter ? Qt::AlignVCenter : layout == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
    return qtAlignment(alignment) | vertical;
}

} // namespace qx
