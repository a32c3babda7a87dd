#pragma once
// TiPlotAnnotation: a free drawing over the data view (text, line, rectangle, ellipse,
// picture, text box or polygon). Each coordinate lives in percent of the data view or in
// the units of a channel's axes; in the plot's select mode the user moves annotations and
// resizes them by their corner handles.

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotObjects.h"
#include "controls/plot/objects/iPlotLabel.h"

#include "platform/gui/canvas/GraphicsObjects.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TiPlotAxis;
class TiPlotChannelCustom;
class TiPlotDataView;
class TiPlotHost;

enum TiPlotAnnotationStyle {
    ipasText, ipasLine, ipasRectangle, ipasLineX, ipasLineY, ipasImage, ipasTextRectangle, ipasEllipse, ipasTextBox,
    ipasEllipse2, ipasPolygon, ipasRectangle2
};
enum TiPlotReferenceType { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
enum TiPlotReferenceIndividual { ipriDataView, ipriChannel, ipriAuto };
enum TiPlotAnnotationSelectStyle {
    ipassNone, ipassMove, ipassSizeTopLeft, ipassSizeTopRight, ipassSizeBottomLeft, ipassSizeBottomRight
};
enum TiAlignmentVertical { iavCenter, iavTop, iavBottom };

/// What an annotation tells its plot after the user or code moved it.
enum class TiPlotAnnotationNotice { CoordinatesChange, MoveUser, ResizeUser, CoordinatesChangeFinished };

/// One polygon corner in the annotation's position frames.
struct TiPlotAnnotationPoint
{
    double X = 0;
    double Y = 0;
};

class TiPlotAnnotation : public TiPlotObject
{
public:
    TiPlotAnnotation(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                     TNotifyEvent AOnRename);
    ~TiPlotAnnotation() override;

    TiPlotAnnotationStyle Style() const { return FStyle; }
    void SetStyle(TiPlotAnnotationStyle Value) { SetEnumField(Value, FStyle); }
    TiPlotReferenceType Reference() const { return FReference; }
    void SetReference(TiPlotReferenceType Value) { SetEnumField(Value, FReference); }
    TiPlotReferenceIndividual ReferencePositionX() const { return FReferencePositionX; }
    void SetReferencePositionX(TiPlotReferenceIndividual Value) { SetEnumField(Value, FReferencePositionX); }
    TiPlotReferenceIndividual ReferencePositionY() const { return FReferencePositionY; }
    void SetReferencePositionY(TiPlotReferenceIndividual Value) { SetEnumField(Value, FReferencePositionY); }
    TiPlotReferenceIndividual ReferenceSizeX() const { return FReferenceSizeX; }
    void SetReferenceSizeX(TiPlotReferenceIndividual Value) { SetEnumField(Value, FReferenceSizeX); }
    TiPlotReferenceIndividual ReferenceSizeY() const { return FReferenceSizeY; }
    void SetReferenceSizeY(TiPlotReferenceIndividual Value) { SetEnumField(Value, FReferenceSizeY); }
    double X() const { return FX; }
    void SetX(double Value) { SetCoordinate(Value, FX); }
    double Y() const { return FY; }
    void SetY(double Value) { SetCoordinate(Value, FY); }
    double X2() const { return FX2; }
    void SetX2(double Value) { SetCoordinate(Value, FX2); }
    double Y2() const { return FY2; }
    void SetY2(double Value) { SetCoordinate(Value, FY2); }
    double Width() const { return FWidth; }
    void SetWidth(double Value) { SetCoordinate(Value, FWidth); }
    double Height() const { return FHeight; }
    void SetHeight(double Value) { SetCoordinate(Value, FHeight); }
    TColor PenColor() const { return FPenColor; }
    void SetPenColor(TColor Value) { SetColorField(Value, FPenColor, &TiPlotObject::DoChange); }
    TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(TPenStyle Value) { SetEnumField(Value, FPenStyle); }
    int PenWidth() const { return FPenWidth; }
    void SetPenWidth(int Value) { SetIntegerField(Value, FPenWidth, &TiPlotObject::DoChange); }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor Value) { SetColorField(Value, FBrushColor, &TiPlotObject::DoChange); }
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle Value) { SetEnumField(Value, FBrushStyle); }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value) { SetStringField(Value, FText, &TiPlotObject::DoChange); }
    TiRotationAngle TextRotation() const { return FTextRotation; }
    void SetTextRotation(TiRotationAngle Value) { SetEnumField(Value, FTextRotation); }
    TiAlignmentHorizontal TextHorzAlignment() const { return FTextHorzAlignment; }
    void SetTextHorzAlignment(TiAlignmentHorizontal Value) { SetEnumField(Value, FTextHorzAlignment); }
    TiAlignmentVertical TextVertAlignment() const { return FTextVertAlignment; }
    void SetTextVertAlignment(TiAlignmentVertical Value) { SetEnumField(Value, FTextVertAlignment); }
    TiAlignmentHorizontal TextLineAlignment() const { return FTextLineAlignment; }
    void SetTextLineAlignment(TiAlignmentHorizontal Value) { SetEnumField(Value, FTextLineAlignment); }
    double TextHorzMargin() const { return FTextHorzMargin; }
    void SetTextHorzMargin(double Value) { SetDoubleField(Value, FTextHorzMargin, &TiPlotObject::DoChange); }
    double TextVertMargin() const { return FTextVertMargin; }
    void SetTextVertMargin(double Value) { SetDoubleField(Value, FTextVertMargin, &TiPlotObject::DoChange); }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    int OuterMargin() const { return FOuterMargin; }
    void SetOuterMargin(int Value) { SetIntegerField(Value, FOuterMargin, &TiPlotObject::DoChange); }
    int ImageListIndex() const { return FImageListIndex; }
    void SetImageListIndex(int Value) { SetIntegerField(Value, FImageListIndex, &TiPlotObject::DoChange); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { SetIntegerField(Value, FImageIndex, &TiPlotObject::DoChange); }
    const std::string& ChannelName() const { return FChannelName; }
    void SetChannelName(const std::string& Value);
    bool UserCanMove() const { return FUserCanMove; }
    void SetUserCanMove(bool Value) { FUserCanMove = Value; }
    bool UserCanSize() const { return FUserCanSize; }
    void SetUserCanSize(bool Value) { FUserCanSize = Value; }
    bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
    void SetSelectModeOnlyInteraction(bool Value) { FSelectModeOnlyInteraction = Value; }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { SetBooleanField(Value, FClipToAxes, &TiPlotObject::DoChange); }
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool Value) { SetBooleanField(Value, FShowFocusRect, &TiPlotObject::DoChange); }

    // Polygon corners.
    int PolyPointAdd(double X, double Y);
    void PolyPointsClear();
    int PolyPointCount() const { return static_cast<int>(FPolyPoints.size()); }
    const TiPlotAnnotationPoint& PolyPoint(int Index) const;

    // The own picture (drawn instead of an image list's picture).
    void ImageLoadFromFile(const std::string& FileName);
    void ImageClear();
    /// A copy of the bitmap becomes the own picture; nullptr frees it.
    void SetImage(const TBitmap* Value);
    const TBitmap* Image() const { return FImage.get(); }

    // Conversions in the position frames.
    int PositionXToPixels(double Value);
    int PositionYToPixels(double Value);
    double PixelsXToPosition(int Value);
    double PixelsYToPosition(int Value);

    /// The plot gives the annotation its first data view before each paint.
    void SetDataView(TiPlotDataView* Value) { FDataView = Value; }
    bool Showing() const { return FShowing; }
    TRect DrawRect() const { return FDrawRect; }
    TRect ClickRect() const { return FClickRect; }
    TiPlotAnnotationSelectStyle SelectStyle() const { return FSelectStyle; }
    /// The styles the user may resize by the handles (with UserCanSize).
    bool Resizable() const;

    void NotificationRemove(TObject* Sender) override;
    void NotificationRename(TObject* Sender) override;
    void NotificationSetFocus(TObject* Sender) override;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    TCursor iGetMouseCursor(TPoint Point) override;

protected:
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

private:
    TiPlotHost* Host() const;
    TiPlotChannelCustom* Channel();
    void SetCoordinate(double Value, double& Field);
    void Notify(TiPlotAnnotationNotice Notice);
    bool PositionXInChannel() const;
    bool PositionYInChannel() const;
    bool SizeXInChannel() const;
    bool SizeYInChannel() const;
    /// The pixel of a value along the X or the Y coordinate in the given frame (a vertical
    /// pixel for X when the axes are reversed), and back.
    int ToPixels(bool XCoordinate, bool InChannel, double Value);
    double ToValue(bool XCoordinate, bool InChannel, int Pixel);
    int SizeToPixels(bool XCoordinate, double Value);
    /// A screen point of the pixels along X and Y.
    TPoint Screen(int X, int Y) const;
    TRect ScreenRect(int X1, int Y1, int X2, int Y2) const;
    bool HasWhatFramesNeed();
    void DrawText(TCanvas& Canvas, const TRect& Box);
    TRect TextBoxAt(TCanvas& Canvas, TPoint Anchor, int Width, int Height, const std::string& MetricText);
    void DrawHandles(TCanvas& Canvas);
    void SetResizedRect(const TRect& R);

    TiPlotAnnotationStyle FStyle = ipasText;
    TiPlotReferenceType FReference = iprtDataView;
    TiPlotReferenceIndividual FReferencePositionX = ipriAuto, FReferencePositionY = ipriAuto;
    TiPlotReferenceIndividual FReferenceSizeX = ipriAuto, FReferenceSizeY = ipriAuto;
    TiPlotAnnotationSelectStyle FSelectStyle = ipassNone;
    TRect FSizeTopLeftRect{}, FSizeTopRightRect{}, FSizeBottomLeftRect{}, FSizeBottomRightRect{};
    std::vector<TiPlotAnnotationPoint> FPolyPoints;
    double FX = 0, FY = 0, FY2 = 0, FX2 = 0, FWidth = 0, FHeight = 0;
    TColor FPenColor = clWhite;
    int FPenWidth = 0;
    TPenStyle FPenStyle = psSolid;
    TColor FBrushColor = clWhite;
    TBrushStyle FBrushStyle = bsSolid;
    std::string FText;
    TFont FFont;
    std::string FChannelName;
    TiPlotDataView* FDataView = nullptr;
    TiPlotChannelCustom* FChannel = nullptr;
    TiRotationAngle FTextRotation = ira000;
    bool FShowing = false;
    TRect FDrawRect{}, FClickRect{};
    bool FRectChange = false;
    bool FUserCanMove = false, FUserCanSize = false;
    bool FSelectModeOnlyInteraction = true;
    bool FClipToAxes = false;
    bool FPressed = false;
    TPoint FMouseDownPoint{};
    TPoint FMouseDownPositionPixels{};
    TRect FMouseDownRect{};
    std::unique_ptr<TBitmap> FImage;
    int FImageListIndex = 0, FImageIndex = 0;
    TiAlignmentHorizontal FTextHorzAlignment = iahCenter;
    TiAlignmentVertical FTextVertAlignment = iavCenter;
    TiAlignmentHorizontal FTextLineAlignment = iahCenter;
    double FTextHorzMargin = 1.0, FTextVertMargin = 1.0;
    bool FShowFocusRect = true;
    double FMouseDownXValue = 0, FMouseDownYValue = 0, FMouseDownX2Value = 0, FMouseDownY2Value = 0;
    int FOuterMargin = 0;
};

namespace qx {
/// Publishes the annotation and registers its creator with the managers.
void registerPlotAnnotationClasses();
} // namespace qx
