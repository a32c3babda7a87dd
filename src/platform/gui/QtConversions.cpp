#include "platform/gui/QtConversions.h"

#include <QAbstractScrollArea>

namespace qx {

void applyScrollBars(QAbstractScrollArea* area, TScrollStyle style)
{
    const bool vertical = style == ssVertical || style == ssBoth;
    const bool horizontal = style == ssHorizontal || style == ssBoth;
    area->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
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
