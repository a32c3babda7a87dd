#include "platform/gui/canvas/Edges.h"

#include "platform/gui/canvas/Canvas.h"

namespace {

// One ring: left and top lines in tl, then right and bottom in br; lines leave out their end.
void ring(TCanvas& c, const TRect& r, TColor tl, TColor br, unsigned sides)
{
    TPen& pen = c.Pen();
    pen.Width = 1;
    pen.Style = psSolid;
    pen.Mode = pmCopy;
    if (tl != clNone) {
        pen.Color = tl;
        if (sides & BF_LEFT) {
            c.MoveTo(r.Left, r.Top);
            c.LineTo(r.Left, r.Bottom);
        }
        if (sides & BF_TOP) {
            c.MoveTo(r.Left, r.Top);
            c.LineTo(r.Right, r.Top);
        }
    }
    if (br != clNone) {
        pen.Color = br;
        if (sides & BF_RIGHT) {
            c.MoveTo(r.Right - 1, r.Top);
            c.LineTo(r.Right - 1, r.Bottom);
        }
        if (sides & BF_BOTTOM) {
            c.MoveTo(r.Left, r.Bottom - 1);
            c.LineTo(r.Right, r.Bottom - 1);
        }
    }
}

TRect shrink(TRect r, unsigned sides)
{
    r.Left += (sides & BF_LEFT) ? 1 : 0;
    r.Top += (sides & BF_TOP) ? 1 : 0;
    r.Right -= (sides & BF_RIGHT) ? 1 : 0;
    r.Bottom -= (sides & BF_BOTTOM) ? 1 : 0;
    return r;
}

} // namespace

void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width)
{
    TPen& pen = canvas.Pen();
    pen.Width = 1;
    r.Right -= 1;
    r.Bottom -= 1;
    for (; width > 0; --width) {
        pen.Color = topColor;
        const TPoint upper[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
        canvas.Polyline(upper);
        pen.Color = bottomColor;
        const TPoint lower[] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}};
        canvas.Polyline(lower);
        InflateRect(r, -1, -1);
    }
    r.Right += 1;
    r.Bottom += 1;
}

void DrawEdge(TCanvas& canvas, TRect& r, unsigned edge, unsigned flags)
{
    const unsigned sides = flags & BF_RECT;
    TColor outerTl = clNone, outerBr = clNone, innerTl = clNone, innerBr = clNone;
    if (edge & BDR_RAISEDOUTER) {
        outerTl = cl3DLight;
        outerBr = cl3DDkShadow;
    } else if (edge & BDR_SUNKENOUTER) {
        outerTl = clBtnShadow;
        outerBr = clBtnHighlight;
    }
    if (edge & BDR_RAISEDINNER) {
        innerTl = clBtnHighlight;
        innerBr = clBtnShadow;
    } else if (edge & BDR_SUNKENINNER) {
        innerTl = cl3DDkShadow;
        innerBr = cl3DLight;
    }
    if (flags & (BF_FLAT | BF_MONO)) {
        const TColor flat = (flags & BF_MONO) ? clWindowFrame : clBtnShadow;
        outerTl = outerBr = (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) ? flat : clNone;
        innerTl = innerBr = (flags & BF_MONO) ? clNone : ((edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) ? clBtnFace : clNone);
    }
    TRect inner = r;
    if (outerTl != clNone) {
        ring(canvas, inner, outerTl, outerBr, sides);
        inner = shrink(inner, sides);
    }
    if (innerTl != clNone) {
        ring(canvas, inner, innerTl, innerBr, sides);
        inner = shrink(inner, sides);
    }
    if (flags & BF_MIDDLE) {
        TBrush saved = canvas.Brush();
        canvas.Brush().Color = clBtnFace;
        canvas.Brush().Style = bsSolid;
        canvas.Brush().Bitmap = nullptr;
        canvas.FillRect(inner);
        canvas.Brush() = saved;
    }
    if (flags & BF_ADJUST)
        r = inner;
}
