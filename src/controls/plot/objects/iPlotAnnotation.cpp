#include "controls/plot/objects/iPlotAnnotation.h"

#include "controls/plot/base/iMath.h"
#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotManagers.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotChannelCustom.h"
#include "controls/plot/objects/iPlotDataView.h"

#include "platform/gui/ImageList.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/canvas/Bitmap.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

TRect normalised(TPoint a, TPoint b)
{
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

bool intersects(const TRect& a, const TRect& b)
{
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}

TRect intersection(const TRect& a, const TRect& b)
{
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (r.Right < r.Left || r.Bottom < r.Top)
        return {};
    return r;
}

TRect handleAt(TPoint Corner, const TRect& View)
{
    return intersection({Corner.X - 3, Corner.Y - 3, Corner.X + 3, Corner.Y + 3}, View);
}

int roundHalfEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

} // namespace

TiPlotAnnotation::TiPlotAnnotation(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    FFont.Name = "Arial";
    FFont.Color = clWhite;
}

TiPlotAnnotation::~TiPlotAnnotation() = default;

TiPlotHost* TiPlotAnnotation::Host() const { return PlotHostOf(*this); }

void TiPlotAnnotation::Notify(TiPlotAnnotationNotice Notice)
{
    if (TiPlotHost* host = Host())
        host->DoAnnotationNotice(*this, static_cast<int>(Notice));
}

void TiPlotAnnotation::SetCoordinate(double Value, double& Field)
{
    if (Value == Field)
        return;
    Field = Value;
    DoChange();
    Notify(TiPlotAnnotationNotice::CoordinatesChange);
}

void TiPlotAnnotation::SetFont(const TFont& Value)
{
    if (Value == FFont)
        return;
    FFont = Value;
    DoChange();
}

void TiPlotAnnotation::SetChannelName(const std::string& Value)
{
    if (Value == FChannelName)
        return;
    FChannelName = Value;
    FChannel = nullptr;
    DoChange();
}

int TiPlotAnnotation::PolyPointAdd(double X, double Y)
{
    FPolyPoints.push_back({X, Y});
    DoChange();
    return PolyPointCount() - 1;
}

void TiPlotAnnotation::PolyPointsClear()
{
    FPolyPoints.clear();
    DoChange();
}

const TiPlotAnnotationPoint& TiPlotAnnotation::PolyPoint(int Index) const
{
    if (Index < 0 || Index >= PolyPointCount())
        throw EiPlotError("Index out of Bounds");
    return FPolyPoints[static_cast<std::size_t>(Index)];
}

void TiPlotAnnotation::ImageLoadFromFile(const std::string& FileName)
{
    TBitmap bitmap;
    LoadBitmapFile(FileName, bitmap);
    SetImage(&bitmap);
}

void TiPlotAnnotation::ImageClear()
{
    FImage.reset();
    DoChange();
}

void TiPlotAnnotation::SetImage(const TBitmap* Value)
{
    if (Value)
        FImage = std::make_unique<TBitmap>(*Value);
    else
        FImage.reset();
    DoChange();
}

bool TiPlotAnnotation::Resizable() const
{
    switch (FStyle) {
    case ipasRectangle:
    case ipasTextRectangle:
    case ipasEllipse:
    case ipasEllipse2:
    case ipasRectangle2: return FUserCanSize;
    default: return false;
    }
}

// ---- Frames ----

bool TiPlotAnnotation::PositionXInChannel() const
{
    return FReferencePositionX == ipriChannel ||
           (FReferencePositionX == ipriAuto && (FReference == iprtChannel || FReference == iprtXChannelYDataView));
}

bool TiPlotAnnotation::PositionYInChannel() const
{
    return FReferencePositionY == ipriChannel ||
           (FReferencePositionY == ipriAuto && (FReference == iprtChannel || FReference == iprtXDataViewYChannel));
}

bool TiPlotAnnotation::SizeXInChannel() const
{
    return FReferenceSizeX == ipriChannel ||
           (FReferenceSizeX == ipriAuto && (FReference == iprtChannel || FReference == iprtXChannelYDataView));
}

bool TiPlotAnnotation::SizeYInChannel() const
{
    return FReferenceSizeY == ipriChannel ||
           (FReferenceSizeY == ipriAuto && (FReference == iprtChannel || FReference == iprtXDataViewYChannel));
}

TiPlotChannelCustom* TiPlotAnnotation::Channel()
{
    if (!FChannel)
        if (TiPlotHost* host = Host()) {
            TiPlotObjectManagerCustom& channels = *host->MasterManager().ChannelManager();
            for (int i = 0; i < channels.Count() && !FChannel; ++i)
                if (qx::sameText(channels.GetItem(i)->Name(), FChannelName))
                    FChannel = dynamic_cast<TiPlotChannelCustom*>(channels.GetItem(i));
        }
    return FChannel;
}

int TiPlotAnnotation::ToPixels(bool XCoordinate, bool InChannel, double Value)
{
    if (InChannel) {
        TiPlotChannelCustom* channel = Channel();
        if (!channel || !channel->XAxis() || !channel->YAxis())
            return 0;
        return (XCoordinate ? channel->XAxis() : channel->YAxis())->PositionToPixels(Value);
    }
    if (!FDataView)
        return 0;
    // X runs along the data view's horizontal, Y along its vertical (exchanged when reversed).
    const bool horizontal = XCoordinate != XYAxesReversed();
    return horizontal ? FDataView->PositionPercentToPixelsX(Value) : FDataView->PositionPercentToPixelsY(Value);
}

double TiPlotAnnotation::ToValue(bool XCoordinate, bool InChannel, int Pixel)
{
    if (InChannel) {
        TiPlotChannelCustom* channel = Channel();
        if (!channel || !channel->XAxis() || !channel->YAxis())
            return 0;
        return (XCoordinate ? channel->XAxis() : channel->YAxis())->PixelsToPosition(Pixel);
    }
    if (!FDataView)
        return 0;
    const bool horizontal = XCoordinate != XYAxesReversed();
    return horizontal ? FDataView->PixelsXToPositionPercent(Pixel) : FDataView->PixelsYToPositionPercent(Pixel);
}

int TiPlotAnnotation::SizeToPixels(bool XCoordinate, double Value)
{
    const bool inChannel = XCoordinate ? SizeXInChannel() : SizeYInChannel();
    double origin = 0;
    if (inChannel) {
        TiPlotChannelCustom* channel = Channel();
        if (!channel || !channel->XAxis() || !channel->YAxis())
            return 0;
        origin = (XCoordinate ? channel->XAxis() : channel->YAxis())->Min();
    }
    return std::abs(ToPixels(XCoordinate, inChannel, Value + origin) - ToPixels(XCoordinate, inChannel, origin));
}

int TiPlotAnnotation::PositionXToPixels(double Value) { return ToPixels(true, PositionXInChannel(), Value); }
int TiPlotAnnotation::PositionYToPixels(double Value) { return ToPixels(false, PositionYInChannel(), Value); }
double TiPlotAnnotation::PixelsXToPosition(int Value) { return ToValue(true, PositionXInChannel(), Value); }
double TiPlotAnnotation::PixelsYToPosition(int Value) { return ToValue(false, PositionYInChannel(), Value); }

TPoint TiPlotAnnotation::Screen(int X, int Y) const { return XYAxesReversed() ? TPoint{Y, X} : TPoint{X, Y}; }

TRect TiPlotAnnotation::ScreenRect(int X1, int Y1, int X2, int Y2) const
{
    return normalised(Screen(X1, Y1), Screen(X2, Y2));
}

bool TiPlotAnnotation::HasWhatFramesNeed()
{
    const bool channelFrame = PositionXInChannel() || PositionYInChannel() || SizeXInChannel() || SizeYInChannel();
    const bool viewFrame = !PositionXInChannel() || !PositionYInChannel() || !SizeXInChannel() || !SizeYInChannel();
    if (viewFrame && !FDataView)
        return false;
    if (channelFrame) {
        TiPlotChannelCustom* channel = Channel();
        if (!channel || !channel->XAxis() || !channel->YAxis())
            return false;
    }
    return true;
}

// ---- Drawing ----

void TiPlotAnnotation::DrawText(TCanvas& Canvas, const TRect& Box)
{
    Canvas.Brush().Style = bsClear;
    TRect textRect{};
    DrawTurnedText(Canvas, FText, Box, FTextRotation, static_cast<int>(FTextLineAlignment), Enabled(), clBtnFace,
                   textRect);
}

TRect TiPlotAnnotation::TextBoxAt(TCanvas& Canvas, TPoint Anchor, int Width, int Height, const std::string& MetricText)
{
    TRect box{Anchor.X - Width / 2, Anchor.Y - Height / 2, Anchor.X - Width / 2 + Width,
              Anchor.Y - Height / 2 + Height};
    const int dx = roundHalfEven(Canvas.TextWidth(MetricText) * FTextHorzMargin) + Width / 2;
    const int dy = roundHalfEven(Canvas.TextHeight(MetricText) * FTextVertMargin) + Height / 2;
    const int moveX = FTextHorzAlignment == iahLeft ? dx : FTextHorzAlignment == iahRight ? -dx : 0;
    const int moveY = FTextVertAlignment == iavTop ? dy : FTextVertAlignment == iavBottom ? -dy : 0;
    return {box.Left + moveX, box.Top + moveY, box.Right + moveX, box.Bottom + moveY};
}

void TiPlotAnnotation::DrawHandles(TCanvas& Canvas)
{
    const TRect view = FDataView ? FDataView->DrawRect() : TRect{};
    const TRect& r = FDrawRect;
    FSizeTopLeftRect = handleAt({r.Left, r.Top}, view);
    FSizeTopRightRect = handleAt({r.Right, r.Top}, view);
    FSizeBottomLeftRect = handleAt({r.Left, r.Bottom}, view);
    FSizeBottomRightRect = handleAt({r.Right, r.Bottom}, view);
    if (!UserSelected() || !FShowFocusRect || !Canvas.Image())
        return;
    const TCopyMode mode = Canvas.CopyMode;
    Canvas.CopyMode = cmDstInvert;
    for (const TRect& h : {FSizeTopLeftRect, FSizeTopRightRect, FSizeBottomLeftRect, FSizeBottomRightRect})
        if (h.Right > h.Left && h.Bottom > h.Top)
            Canvas.CopyRect(h, Canvas, h);
    Canvas.CopyMode = mode;
}

void TiPlotAnnotation::Draw(TCanvas& Canvas, TColor BackGroundColor)
{
    FShowing = false;
    FSizeTopLeftRect = FSizeTopRightRect = FSizeBottomLeftRect = FSizeBottomRightRect = TRect{};
    if (!Visible() || !HasWhatFramesNeed())
        return;
    const TRect view = FDataView ? FDataView->DrawRect() : TRect{};
    const int x = PositionXToPixels(FX), y = PositionYToPixels(FY);
    const int x2 = PositionXToPixels(FX2), y2 = PositionYToPixels(FY2);
    const int hw = SizeToPixels(true, FWidth) / 2, hh = SizeToPixels(false, FHeight) / 2;
    const TRect centred = ScreenRect(x - hw, y - hh, x + hw, y + hh);
    const TRect twoPoint = ScreenRect(x, y, x2, y2);
    const TPoint anchor = Screen(x, y);

    const bool clip = FClipToAxes || (FReference == iprtChannel && Host() && Host()->AnnotationsClipToAxes());
    if (clip)
        if (TiPlotChannelCustom* channel = Channel(); channel && channel->XAxis() && channel->YAxis()) {
            TiPlotAxis& ax = *channel->XAxis();
            TiPlotAxis& ay = *channel->YAxis();
            Canvas.IntersectClipRect(ScreenRect(std::min(ax.MinPixels(), ax.MaxPixels()),
                                                std::min(ay.MinPixels(), ay.MaxPixels()),
                                                std::max(ax.MinPixels(), ax.MaxPixels()),
                                                std::max(ay.MinPixels(), ay.MaxPixels())));
        }

    auto shapePen = [&] {
        Canvas.Pen().Color = FPenColor;
        Canvas.Pen().Width = FPenWidth;
        Canvas.Pen().Style = FPenStyle;
        Canvas.Brush().Color = FBrushColor;
        Canvas.Brush().Style = FBrushStyle;
    };
    auto linePen = [&] {
        shapePen();
        Canvas.Brush().Color = BackGroundColor;
    };
    auto shape = [&](const TRect& r, bool Ellipse) {
        if (!intersects(r, view))
            return;
        shapePen();
        if (Ellipse)
            Canvas.Ellipse(r);
        else
            Canvas.Rectangle(r);
        FDrawRect = r;
        FClickRect = intersection(r, view);
        FShowing = true;
        DrawHandles(Canvas);
    };
    Canvas.Font() = FFont;
    const bool turned = FTextRotation == ira090 || FTextRotation == ira270;
    switch (FStyle) {
    case ipasText:
    case ipasTextBox: {
        int tw = TextWidthML(Canvas, FText), th = TextHeightML(Canvas, FText);
        if (turned)
            std::swap(tw, th);
        if (FStyle == ipasTextBox) {
            tw += 2 * FOuterMargin;
            th += 2 * FOuterMargin;
        }
        const TRect box = TextBoxAt(Canvas, anchor, tw, th, "A");
        if (!intersects(box, view))
            return;
        if (FStyle == ipasTextBox) {
            shapePen();
            Canvas.Rectangle(box);
            Canvas.Font() = FFont;
            DrawText(Canvas, {box.Left + FOuterMargin, box.Top + FOuterMargin, box.Right - FOuterMargin,
                              box.Bottom - FOuterMargin});
        } else
            DrawText(Canvas, box);
        FDrawRect = box;
        FClickRect = box;
        FShowing = true;
        break;
    }
    case ipasLine: {
        const TPoint a = anchor, b = Screen(x2, y2);
        if (!SegmentIntersectsRect(a, b, view) && !view.Contains(a))
            return;
        linePen();
        Canvas.MoveTo(a.X, a.Y);
        Canvas.LineTo(b.X, b.Y);
        FDrawRect = twoPoint;
        FClickRect = TRect{};
        break;
    }
    case ipasLineX:
    case ipasLineY: {
        // LineX stands across the X coordinate's direction, LineY across Y's.
        const bool vertical = (FStyle == ipasLineX) != XYAxesReversed();
        const int at = FStyle == ipasLineX ? x : y;
        if (vertical ? (at < view.Left || at > view.Right) : (at < view.Top || at > view.Bottom))
            return;
        linePen();
        if (vertical) {
            Canvas.MoveTo(at, view.Top);
            Canvas.LineTo(at, view.Bottom);
            FClickRect = {at - 5, view.Top, at + 5, view.Bottom};
        } else {
            Canvas.MoveTo(view.Right, at);
            Canvas.LineTo(view.Left, at);
            FClickRect = {view.Left, at - 5, view.Right, at + 5};
        }
        FDrawRect = FClickRect;
        FShowing = true;
        break;
    }
    case ipasImage: {
        TRect r{};
        if (FImage && !FImage->Empty()) {
            const int w = FImage->Width(), h = FImage->Height();
            r = {anchor.X - w / 2, anchor.Y - h / 2, anchor.X - w / 2 + w, anchor.Y - h / 2 + h};
            Canvas.BlitTransparent(r, *FImage, {0, 0, w, h}, FImage->Canvas().Pixel(0, h - 1));
        } else if (auto* source = dynamic_cast<TiPlotImageListSource*>(Owner())) {
            const int listIndex = FImageListIndex == 0 || FImageListIndex == 1 ? FImageListIndex : 2;
            TImageList* list = source->PlotImageList(listIndex);
            if (!list || FImageIndex < 0 || FImageIndex >= list->Count())
                return;
            const int w = list->Width(), h = list->Height();
            r = {anchor.X - w / 2, anchor.Y - h / 2, anchor.X - w / 2 + w, anchor.Y - h / 2 + h};
            list->Draw(Canvas, r.Left, r.Top, FImageIndex, Enabled());
        } else
            return;
        FDrawRect = r;
        FClickRect = r;
        FShowing = true;
        break;
    }
    case ipasRectangle: shape(centred, false); break;
    case ipasEllipse: shape(twoPoint, true); break;
    case ipasEllipse2: shape(centred, true); break;
    case ipasRectangle2: shape(twoPoint, false); break;
    case ipasTextRectangle: {
        shape(centred, false);
        if (!FShowing)
            return;
        int tw = TextWidthML(Canvas, FText), th = TextHeightML(Canvas, FText);
        if (turned)
            std::swap(tw, th);
        const int mx = roundHalfEven(Canvas.TextWidth("0") * FTextHorzMargin);
        const int my = roundHalfEven(Canvas.TextHeight("A") * FTextVertMargin);
        TRect text = centred;
        if (FTextHorzAlignment == iahLeft)
            text.Right = (text.Left += mx) + tw;
        else if (FTextHorzAlignment == iahRight)
            text.Left = (text.Right -= mx) - tw;
        if (FTextVertAlignment == iavTop)
            text.Bottom = (text.Top += my) + th;
        else if (FTextVertAlignment == iavBottom)
            text.Top = (text.Bottom -= my) - th;
        Canvas.Font() = FFont;
        DrawText(Canvas, text);
        break;
    }
    case ipasPolygon: {
        if (FPolyPoints.size() < 2)
            return;
        std::vector<TPoint> corners;
        for (const TiPlotAnnotationPoint& p : FPolyPoints)
            corners.push_back(Screen(PositionXToPixels(p.X), PositionYToPixels(p.Y)));
        TRect bounds{corners[0].X, corners[0].Y, corners[0].X, corners[0].Y};
        for (const TPoint& p : corners)
            bounds = {std::min(bounds.Left, p.X), std::min(bounds.Top, p.Y), std::max(bounds.Right, p.X),
                      std::max(bounds.Bottom, p.Y)};
        if (!intersects(bounds, view))
            return;
        shapePen();
        Canvas.Polygon(corners);
        FDrawRect = bounds;
        FClickRect = intersection(bounds, view);
        FShowing = true;
        DrawHandles(Canvas);
        break;
    }
    }
}

// ---- Mouse ----

bool TiPlotAnnotation::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    if (FSelectModeOnlyInteraction) {
        TiPlotHost* host = Host();
        if (!host || !host->ToolBarSelectMode())
            return false;
    }
    if (!FShowing)
        return false;
    const TPoint p{MouseData.X, MouseData.Y};
    for (const TRect& r : {FClickRect, FSizeTopLeftRect, FSizeTopRightRect, FSizeBottomLeftRect, FSizeBottomRightRect})
        if (r.Contains(p))
            return true;
    return false;
}

TCursor TiPlotAnnotation::iGetMouseCursor(TPoint Point)
{
    TCursor cursor = crHandPoint;
    if (UserSelected() && Resizable()) {
        if (FSizeTopLeftRect.Contains(Point) || FSizeBottomRightRect.Contains(Point))
            cursor = crSizeNWSE;
        else if (FSizeTopRightRect.Contains(Point) || FSizeBottomLeftRect.Contains(Point))
            cursor = crSizeNESW;
    }
    if (TiPlotHost* host = Host())
        host->DoObjectMouseCursor(*this, cursor);
    return cursor;
}

void TiPlotAnnotation::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    if (!FShowing)
        return;
    const TPoint p{MouseData.X, MouseData.Y};
    FSelectStyle = ipassNone;
    if (Resizable()) {
        if (FSizeTopLeftRect.Contains(p))
            FSelectStyle = ipassSizeTopLeft;
        else if (FSizeBottomRightRect.Contains(p))
            FSelectStyle = ipassSizeBottomRight;
        else if (FSizeTopRightRect.Contains(p))
            FSelectStyle = ipassSizeTopRight;
        else if (FSizeBottomLeftRect.Contains(p))
            FSelectStyle = ipassSizeBottomLeft;
    }
    if (FSelectStyle == ipassNone && FUserCanMove)
        FSelectStyle = ipassMove;
    FPressed = true;
    FMouseDownPoint = p;
    FMouseDownRect = FDrawRect;
    FMouseDownXValue = FX;
    FMouseDownYValue = FY;
    FMouseDownX2Value = FX2;
    FMouseDownY2Value = FY2;
    FMouseDownPositionPixels = {PositionXToPixels(FX), PositionYToPixels(FY)};
    FRectChange = false;
}

void TiPlotAnnotation::SetResizedRect(const TRect& R)
{
    // Screen corners back into the X and Y pixels of the frames.
    const TPoint topLeft = Screen(R.Left, R.Top);
    const TPoint bottomRight = Screen(R.Right, R.Bottom);
    if (FStyle == ipasEllipse || FStyle == ipasRectangle2) {
        FX = PixelsXToPosition(topLeft.X);
        FY = PixelsYToPosition(topLeft.Y);
        FX2 = PixelsXToPosition(bottomRight.X);
        FY2 = PixelsYToPosition(bottomRight.Y);
        return;
    }
    FX = (PixelsXToPosition(topLeft.X) + PixelsXToPosition(bottomRight.X)) / 2;
    FY = (PixelsYToPosition(topLeft.Y) + PixelsYToPosition(bottomRight.Y)) / 2;
    FWidth = std::abs(ToValue(true, SizeXInChannel(), bottomRight.X) - ToValue(true, SizeXInChannel(), topLeft.X));
    FHeight = std::abs(ToValue(false, SizeYInChannel(), bottomRight.Y) - ToValue(false, SizeYInChannel(), topLeft.Y));
}

void TiPlotAnnotation::DoMouseMove(const TiPlotMouseData& MouseData)
{
    if (!FPressed || !UserSelected())
        return;
    const int dx = MouseData.X - FMouseDownPoint.X;
    const int dy = MouseData.Y - FMouseDownPoint.Y;
    const bool reversed = XYAxesReversed();
    const double newX = PixelsXToPosition(FMouseDownPositionPixels.X + (reversed ? dy : dx));
    const double newY = PixelsYToPosition(FMouseDownPositionPixels.Y + (reversed ? dx : dy));
    switch (FSelectStyle) {
    case ipassNone: break;
    case ipassMove:
        SetX(newX);
        SetY(newY);
        if (FStyle == ipasEllipse || FStyle == ipasRectangle2) {
            SetX2(FMouseDownX2Value - FMouseDownXValue + newX);
            SetY2(FMouseDownY2Value - FMouseDownYValue + newY);
        }
        FRectChange = true;
        DoChange();
        Notify(TiPlotAnnotationNotice::MoveUser);
        Notify(TiPlotAnnotationNotice::CoordinatesChange);
        break;
    default: {
        TRect r = FMouseDownRect;
        if (FSelectStyle == ipassSizeTopLeft || FSelectStyle == ipassSizeBottomLeft)
            r.Left += dx;
        else
            r.Right += dx;
        if (FSelectStyle == ipassSizeTopLeft || FSelectStyle == ipassSizeTopRight)
            r.Top += dy;
        else
            r.Bottom += dy;
        SetResizedRect(r);
        FRectChange = true;
        DoChange();
        Notify(TiPlotAnnotationNotice::CoordinatesChange);
        Notify(TiPlotAnnotationNotice::ResizeUser);
        break;
    }
    }
    DoChange();
}

void TiPlotAnnotation::DoMouseUp(const TiPlotMouseData& MouseData)
{
    // The plot hands a pressed annotation its release and then forwards it to the
    // selected objects, this one among them: only the first counts.
    if (!FPressed)
        return;
    FPressed = false;
    if (iMouseHitTest(MouseData))
        if (TiPlotHost* host = Host())
            host->DoObjectClick(*this);
    if (FRectChange)
        Notify(TiPlotAnnotationNotice::CoordinatesChangeFinished);
    FSelectStyle = ipassNone;
}

// ---- Notifications ----

void TiPlotAnnotation::NotificationRemove(TObject* Sender)
{
    if (Sender && Sender == FDataView)
        FDataView = nullptr;
    if (Sender && Sender == FChannel)
        FChannel = nullptr;
}

void TiPlotAnnotation::NotificationRename(TObject* Sender)
{
    if (Sender && Sender == FChannel)
        FChannelName = FChannel->Name();
}

void TiPlotAnnotation::NotificationSetFocus(TObject* Sender)
{
    YieldSelectionTo(Sender);
}

namespace qx {

void registerPlotAnnotationClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotObjectClasses();
        registerEnum<TiPlotAnnotationStyle>(
            "TiPlotAnnotationStyle",
            {{"ipasText", ipasText}, {"ipasLine", ipasLine}, {"ipasRectangle", ipasRectangle},
             {"ipasLineX", ipasLineX}, {"ipasLineY", ipasLineY}, {"ipasImage", ipasImage},
             {"ipasTextRectangle", ipasTextRectangle}, {"ipasEllipse", ipasEllipse}, {"ipasTextBox", ipasTextBox},
             {"ipasEllipse2", ipasEllipse2}, {"ipasPolygon", ipasPolygon}, {"ipasRectangle2", ipasRectangle2}});
        registerEnum<TiPlotReferenceType>("TiPlotReferenceType", {{"iprtDataView", iprtDataView},
                                                                  {"iprtChannel", iprtChannel},
                                                                  {"iprtXChannelYDataView", iprtXChannelYDataView},
                                                                  {"iprtXDataViewYChannel", iprtXDataViewYChannel}});
        registerEnum<TiPlotReferenceIndividual>(
            "TiPlotReferenceIndividual",
            {{"ipriDataView", ipriDataView}, {"ipriChannel", ipriChannel}, {"ipriAuto", ipriAuto}});
        registerEnum<TiAlignmentVertical>("TiAlignmentVertical",
                                          {{"iavCenter", iavCenter}, {"iavTop", iavTop}, {"iavBottom", iavBottom}});
        using A = TiPlotAnnotation;
        registerClass<A, TiPlotObject>("TiPlotAnnotation")
            .property("Style", &A::Style, &A::SetStyle)
            .defaultValue(ipasText)
            .property("Reference", &A::Reference, &A::SetReference)
            .defaultValue(iprtDataView)
            .property("ReferencePositionX", &A::ReferencePositionX, &A::SetReferencePositionX)
            .defaultValue(ipriAuto)
            .property("ReferencePositionY", &A::ReferencePositionY, &A::SetReferencePositionY)
            .defaultValue(ipriAuto)
            .property("ReferenceSizeX", &A::ReferenceSizeX, &A::SetReferenceSizeX)
            .defaultValue(ipriAuto)
            .property("ReferenceSizeY", &A::ReferenceSizeY, &A::SetReferenceSizeY)
            .defaultValue(ipriAuto)
            .property("X", &A::X, &A::SetX)
            .property("Y", &A::Y, &A::SetY)
            .property("X2", &A::X2, &A::SetX2)
            .property("Y2", &A::Y2, &A::SetY2)
            .property("Width", &A::Width, &A::SetWidth)
            .property("Height", &A::Height, &A::SetHeight)
            .color("PenColor", &A::PenColor, &A::SetPenColor)
            .colorDefault(clWhite)
            .property("PenStyle", &A::PenStyle, &A::SetPenStyle)
            .defaultValue(psSolid)
            .property("PenWidth", &A::PenWidth, &A::SetPenWidth)
            .defaultValue(0)
            .color("BrushColor", &A::BrushColor, &A::SetBrushColor)
            .colorDefault(clWhite)
            .property("BrushStyle", &A::BrushStyle, &A::SetBrushStyle)
            .defaultValue(bsSolid)
            .property("Text", &A::Text, &A::SetText)
            .property("TextRotation", &A::TextRotation, &A::SetTextRotation)
            .defaultValue(ira000)
            .property("TextHorzAlignment", &A::TextHorzAlignment, &A::SetTextHorzAlignment)
            .defaultValue(iahCenter)
            .property("TextVertAlignment", &A::TextVertAlignment, &A::SetTextVertAlignment)
            .defaultValue(iavCenter)
            .property("TextLineAlignment", &A::TextLineAlignment, &A::SetTextLineAlignment)
            .defaultValue(iahCenter)
            .property("TextHorzMargin", &A::TextHorzMargin, &A::SetTextHorzMargin)
            .property("TextVertMargin", &A::TextVertMargin, &A::SetTextVertMargin)
            .font("Font", &A::Font, &A::SetFont)
            .property("OuterMargin", &A::OuterMargin, &A::SetOuterMargin)
            .defaultValue(0)
            .property("ImageListIndex", &A::ImageListIndex, &A::SetImageListIndex)
            .defaultValue(0)
            .property("ImageIndex", &A::ImageIndex, &A::SetImageIndex)
            .defaultValue(0)
            .property("ChannelName", &A::ChannelName, &A::SetChannelName)
            .property("UserCanMove", &A::UserCanMove, &A::SetUserCanMove)
            .defaultValue(false)
            .property("UserCanSize", &A::UserCanSize, &A::SetUserCanSize)
            .defaultValue(false)
            .property("SelectModeOnlyInteraction", &A::SelectModeOnlyInteraction, &A::SetSelectModeOnlyInteraction)
            .defaultValue(true)
            .property("ClipToAxes", &A::ClipToAxes, &A::SetClipToAxes)
            .defaultValue(false)
            .property("ShowFocusRect", &A::ShowFocusRect, &A::SetShowFocusRect)
            .defaultValue(true);
        plot::registerPlotObjectCreator("TiPlotAnnotation", [](TObject* o, TNotifyEvent c, TNotifyEvent i,
                                                               TNotifyEvent r, TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotAnnotation(o, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
