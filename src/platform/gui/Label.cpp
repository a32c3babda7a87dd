#include "platform/gui/Label.h"

#include "platform/gui/PaintHelpers.h"
#include "platform/gui/canvas/Canvas.h"

#include <QImage>

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

unsigned TLabel::textFlags() const
{
    unsigned flags = alignment_ == taRightJustify ? DT_RIGHT : alignment_ == taCenter ? DT_CENTER : DT_LEFT;
    flags |= wordWrap_ ? DT_WORDBREAK : 0;
    flags |= showAccelChar_ ? 0 : DT_NOPREFIX;
    return flags | DT_EXPANDTABS;
}

void TLabel::adjustBounds()
{
    if (!autoSize_ || Loading())
        return;
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font() = Font();
    TRect r{0, 0, wordWrap_ ? Width() : 0, 0};
    const std::string text = Caption().empty() ? std::string(" ") : Caption();
    canvas.DrawText(text, r, textFlags() | DT_CALCRECT);
    const int left = alignment_ == taRightJustify && !wordWrap_ ? Left() + Width() - r.Right : Left();
    SetBounds(left, Top(), r.Right, r.Bottom);
}

void TLabel::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    TRect area = ClientRect();
    if (!transparent_)
        qx::fillThenClearBrush(*canvas, area, Color());
    canvas->Brush().Style = bsClear;
    canvas->Font() = Font();
    if (!Enabled())
        canvas->Font().Color = clGrayText;
    unsigned flags = textFlags();
    if (layout_ != tlTop) {
        // Place the measured text block at the centre or the bottom.
        TRect measured = area;
        canvas->DrawText(Caption(), measured, flags | DT_CALCRECT);
        const int offset = area.Height() - measured.Height();
        area.Top += layout_ == tlCenter ? offset / 2 : offset;
    }
    canvas->DrawText(Caption(), area, flags);
}
