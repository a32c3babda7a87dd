#include "platform/gui/SpeedButton.h"

#include "platform/gui/PictureResources.h"
#include "platform/gui/PaintHelpers.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/Edges.h"
#include "platform/gui/canvas/Picture.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), glyph_(std::make_unique<TPicture>())
{
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetFlat(bool Value) { flat_ = Value; Invalidate(); }

void TSpeedButton::SetGlyphName(const std::string& Value)
{
    qx::loadPictureResource(*glyph_, Value);
    glyphName_ = Value;
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && Enabled()) {
        pressed_ = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
        hot_ = Message.Msg == CM_MOUSEENTER;
        if (flat_)
            Invalidate();
    }
    TGraphicControl::Dispatch(Message);
}

void TSpeedButton::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    TRect r = ClientRect();
    qx::fillThenClearBrush(*canvas, r, Color());
    if (pressed_)
        DrawEdge(*canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    else if (!flat_ || hot_)
        DrawEdge(*canvas, r, flat_ ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT | BF_ADJUST);
    const int shift = pressed_ ? 1 : 0;
    int textLeft = r.Left;
    if (!glyph_->Empty()) {
        const int gw = glyph_->Width(), gh = glyph_->Height();
        const int tw = Caption().empty() ? 0 : canvas->TextWidth(Caption()) + 4;
        const int x = r.Left + (r.Width() - gw - tw) / 2 + shift;
        canvas->Draw(x, r.Top + (r.Height() - gh) / 2 + shift, *glyph_->Graphic());
        textLeft = x + gw + 4;
    }
    if (Caption().empty())
        return;
    canvas->Brush().Style = bsClear;
    canvas->Font() = Font();
    if (!Enabled())
        canvas->Font().Color = clGrayText;
    TRect text{glyph_->Empty() ? r.Left + shift : textLeft, r.Top + shift, r.Right + shift, r.Bottom + shift};
    canvas->DrawText(Caption(), text, (glyph_->Empty() ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_SINGLELINE);
}
