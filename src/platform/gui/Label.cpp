#include "platform/gui/Label.h"

#include "platform/gui/ControlWidget.h"
#include "platform/gui/QtConversions.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment Value)
{
    alignment_ = Value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout Value)
{
    layout_ = Value;
    Invalidate();
}

void TLabel::SetAutoSize(bool Value)
{
    autoSize_ = Value;
    adjustBounds();
}

void TLabel::SetWordWrap(bool Value)
{
    wordWrap_ = Value;
    adjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool Value)
{
    transparent_ = Value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool Value)
{
    showAccelChar_ = Value;
    adjustBounds();
    Invalidate();
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    adjustBounds();
}

void TLabel::TextChanged()
{
    adjustBounds();
    Invalidate();
}

void TLabel::FontChanged() { adjustBounds(); }

int TLabel::textFlags() const
{
    int flags = static_cast<int>(qx::qtAlignment(alignment_, layout_));
    if (wordWrap_)
        flags |= Qt::TextWordWrap;
    flags |= showAccelChar_ ? Qt::TextShowMnemonic : 0;
    return flags;
}

void TLabel::adjustBounds()
{
    if (!autoSize_ || Loading())
        return;
    const QFontMetrics metrics(Widget()->font());
    const QString text = Caption().empty() ? QStringLiteral(" ") : qx::toQt(Caption());
    const int wrapWidth = wordWrap_ ? Width() : 100000;
    const QRect needed = metrics.boundingRect(QRect(0, 0, wrapWidth, 100000), textFlags() & ~Qt::AlignBottom & ~Qt::AlignVCenter, text);
    const int w = wordWrap_ ? Width() : needed.width();
    const int left = alignment_ == taRightJustify && !wordWrap_ ? Left() + Width() - w : Left();
    SetBounds(left, Top(), w, needed.height());
}

void TLabel::Paint()
{
    QPainter* painter = qx::activePainter(this);
    if (!painter)
        return;
    const QRect area(0, 0, Width(), Height());
    if (!transparent_)
        painter->fillRect(area, qx::qtColorOf(Color()));
    painter->setFont(Widget()->font());
    painter->setPen(qx::qtColorOf(Enabled() ? Font().Color : TColor(0xFF000010)));
    painter->drawText(area, textFlags(), qx::toQt(Caption()));
}
