#include "platform/gui/Panel.h"

#include "platform/gui/PaintHelpers.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/Edges.h"

#include <algorithm>

namespace {

void bevel(TCanvas& canvas, TRect& r, TBevelCut cut, int width)
{
    if (cut == bvNone)
        return;
    const TColor top = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    const TColor bottom = cut == bvLowered ? clBtnHighlight : clBtnShadow;
    if (cut == bvSpace)
        Frame3D(canvas, r, clBtnFace, clBtnFace, width);
    else
        Frame3D(canvas, r, top, bottom, width);
}

} // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() << csAcceptsControls << csOpaque);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut Value) { bevelOuter_ = Value; Invalidate(); }
void TPanel::SetBevelInner(TBevelCut Value) { bevelInner_ = Value; Invalidate(); }
void TPanel::SetBevelWidth(int Value) { bevelWidth_ = std::max(Value, 1); Invalidate(); }
void TPanel::SetBorderWidth(int Value) { borderWidth_ = std::max(Value, 0); Invalidate(); }
void TPanel::SetAlignment(TAlignment Value) { alignment_ = Value; Invalidate(); }
void TPanel::SetVerticalAlignment(TTextLayout Value) { verticalAlignment_ = Value; Invalidate(); }

void TPanel::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    TRect r = ClientRect();
    bevel(*canvas, r, bevelOuter_, bevelWidth_);
    Frame3D(*canvas, r, Color(), Color(), borderWidth_);
    bevel(*canvas, r, bevelInner_, bevelWidth_);
    qx::fillThenClearBrush(*canvas, r, Color());
    if (Caption().empty())
        return;
    canvas->Brush().Style = bsClear;
    canvas->Font() = Font();
    unsigned flags = DT_SINGLELINE | DT_EXPANDTABS;
    flags |= alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
    flags |= verticalAlignment_ == tlTop ? DT_TOP : verticalAlignment_ == tlBottom ? DT_BOTTOM : DT_VCENTER;
    canvas->DrawText(Caption(), r, flags);
}
