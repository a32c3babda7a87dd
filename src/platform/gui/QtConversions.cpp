#include "platform/gui/QtConversions.h"

namespace qx {

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
