#include "platform/gui/Shape.h"

#include "platform/gui/canvas/Canvas.h"

#include <algorithm>

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(TShapeType Value) { shape_ = Value; Invalidate(); }
void TShape::SetPen(const TPen& Value) { pen_ = Value; Invalidate(); }
void TShape::SetBrush(const TBrush& Value) { brush_ = Value; Invalidate(); }

void TShape::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    canvas->Pen() = pen_;
    canvas->Brush() = brush_;
    // The outline lies inside the control, as the pen's width asks.
    const int inset = pen_.Width / 2;
    int x = inset, y = inset;
    int w = Width() - pen_.Width + 1, h = Height() - pen_.Width + 1;
    if (pen_.Width == 0) {
        --w;
        --h;
    }
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    switch (shape_) {
    case stRectangle:
    case stSquare: canvas->Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: {
        const int corner = std::min(w, h) / 4;
        canvas->RoundRect(x, y, x + w, y + h, corner, corner);
        break;
    }
    case stEllipse:
    case stCircle: canvas->Ellipse(x, y, x + w, y + h); break;
    }
}
