#pragma once

#include "platform/gui/Control.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

/// A rectangle, square, rounded one, ellipse or circle drawn with a pen and
/// a brush (published as Pen.Color, Pen.Width, Pen.Style, Brush.Color,
/// Brush.Style).
class TShape : public TGraphicControl
{
public:
    explicit TShape(TComponent* AOwner);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType Value);
    const TPen& Pen() const { return pen_; }
    void SetPen(const TPen& Value);
    const TBrush& Brush() const { return brush_; }
    void SetBrush(const TBrush& Value);

protected:
    void Paint() override;

private:
    TShapeType shape_ = stRectangle;
    TPen pen_;
    TBrush brush_;
};
