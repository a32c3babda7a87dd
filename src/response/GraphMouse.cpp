// The response graph's own mouse handling: panning, stretching and zooming
// the axis ranges, and the coordinate readout. No window binds it (the main
// window takes the graphs' mouse events itself); it works on any graph whose
// owner calls it.

#include <cmath>

#include "response/LMyFFTDrawHpLp6dB.h"

namespace {
TRect spanned(TPoint a, TPoint b)
{
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}
} // namespace

void LMyFFTDrawHpLp6dB::MouseDown1(TMouseButton button, TShiftState shift, int x, int y)
{
    TPaintBox::MouseDown(button, shift, x, y);
    if (button == mbLeft) {
        const bool stretch = shift == TShiftState{ssAlt, ssLeft} || shift == TShiftState{ssAlt, ssRight};
        const bool zoom = shift == TShiftState{ssCtrl, ssLeft};
        drag_.mode = stretch ? DragMode::Stretch : zoom ? DragMode::Zoom : DragMode::Pan;
        if (zoom && mouseControl_) {
            drag_.anchor = {x, y};
            drag_.rect = TRect{x, y, x + 2, y + 2};
            showZoomRect();
        }
    }
    drag_.last = {x, y};
}

void LMyFFTDrawHpLp6dB::MouseMove1(TShiftState shift, int x, int y)
{
    TPaintBox::MouseMove(shift, x, y);
    const double w = std::max(GetPlotWidth(), 1);
    const double h = std::max(GetPlotHeight(), 1);
    const bool logX = scale_.xFormat == TMyAxisFormat::Log;
    const bool logY = scale_.yFormat == TMyAxisFormat::Log;
    const double xSpan = logX ? scale_.logXMax - scale_.logXMin : scale_.xMax - scale_.xMin;
    const double ySpan = logY ? scale_.logYMax - scale_.logYMin : scale_.yMax - scale_.yMin;
    const double dx = (x - drag_.last.X) * xSpan / w;
    const double dy = (y - drag_.last.Y) * ySpan / h;
    drag_.last = {x, y};
    const bool panOrStretch = drag_.mode == DragMode::Pan || drag_.mode == DragMode::Stretch;
    if (mouseControl_ && panOrStretch) {
        moveLimits(dx, dy);
    } else if (drag_.mode == DragMode::Zoom && drag_.rect) {
        drag_.rect = spanned(drag_.anchor, {x, y});
        showZoomRect();
    }
    mouseX_ = PlotX(x);
    mouseY_ = PlotY(y);
    if (!panOrStretch) {
        DrawMouseCoord();
    }
}

void LMyFFTDrawHpLp6dB::moveLimits(double dx, double dy)
{
    // Pan moves both limits of an axis the same way, stretch moves them apart
    // (or together); a Log axis moves by factors of 10 to the amount.
    const bool pan = drag_.mode == DragMode::Pan;
    auto shift = [](double& limit, double amount, bool log) {
        limit = log ? limit * std::pow(10.0, amount) : limit + amount;
    };
    const bool logX = scale_.xFormat == TMyAxisFormat::Log;
    const bool logY = scale_.yFormat == TMyAxisFormat::Log;
    double xMin = scale_.xMin, xMax = scale_.xMax, yMin = scale_.yMin, yMax = scale_.yMax;
    shift(yMin, pan ? dy : -dy, logY);
    shift(yMax, dy, logY);
    shift(xMin, pan ? -dx : dx, logX);
    shift(xMax, -dx, logX);
    SetXYMinMax(xMin, xMax, yMin, yMax);
    if (!autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void LMyFFTDrawHpLp6dB::MouseUp1(TMouseButton button, TShiftState shift, int x, int y)
{
    TPaintBox::MouseUp(button, shift, x, y);
    if (drag_.mode == DragMode::Zoom && mouseControl_ && drag_.rect) {
        const TRect r = *drag_.rect;
        drag_.rect.reset();
        showZoomRect();
        SetXYMinMax(PlotX(r.Left), PlotX(r.Right), PlotY(r.Bottom), PlotY(r.Top));
    }
    drag_.rect.reset();
    drag_.mode = DragMode::None;
}

void LMyFFTDrawHpLp6dB::DblClick1()
{
    TPaintBox::DblClick();
    if (mouseControl_) {
        FindYMaxMin();
        FindXMaxMin();
        DrawPlotsAndLabels();
    }
}

void LMyFFTDrawHpLp6dB::showZoomRect()
{
    // The rectangle is inverted onto what the control shows at every paint,
    // so moving it needs no saved background: the shown pages are blitted
    // again, with the rectangle where it is now.
    blitPending_ = true;
    Invalidate();
}

void LMyFFTDrawHpLp6dB::paintZoomRect(TCanvas& canvas) const
{
    if (!drag_.rect) {
        return;
    }
    canvas.Brush().Style = bsClear;
    canvas.Pen().Color = clBlack;
    canvas.Pen().Width = 1;
    canvas.Pen().Style = psDot;
    canvas.Pen().Mode = pmNot;
    const TRect& r = *drag_.rect;
    canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    canvas.Pen().Mode = pmCopy;
    canvas.Pen().Style = psSolid;
}

void LMyFFTDrawHpLp6dB::DrawMouseCoord()
{
    TPaintPage& page = pages_[CoordinatePage];
    if (!showCoordinates_ || !InSight() || page.Bitmap().Empty()) {
        return;
    }
    page.Fill(Color());
    TCanvas& c = page.Canvas();
    c.Font() = mouseCoordFont_;
    c.Brush().Style = bsClear;
    const std::string xText = "x = " + qx::FormatAxisValue(mouseX_, xLabelFormat_, xLabelPrecision_, xLabelDigits_);
    const std::string yText = "y = " + qx::FormatAxisValue(mouseY_, yLabelFormat_, yLabelPrecision_, yLabelDigits_);
    c.TextOut(0, 0, xText);
    c.TextOut(0, c.TextHeight(xText) + 3, yText);
    UpdatePaintPage(page);
}
