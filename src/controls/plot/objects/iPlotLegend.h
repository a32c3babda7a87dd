#pragma once
// TiPlotLegend: the list of a plot's channels placed by the layout along an edge. Each
// channel shown in the legend gets one item (line and marker samples, the name, optional
// axis titles, last values and running Y statistics); items run down columns and wrap, with
// two scroll buttons when not all fit. With a data cursor on all channels the value columns
// show the cursor's readings.

#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotObjects.h"

#include "platform/gui/canvas/GraphicsObjects.h"

#include <memory>
#include <string>
#include <vector>

class TiPlotChannelCustom;
class TiPlotHost;

enum TiPlotLegendChannelNameColorStyle {
    iplcncsFont, iplcncsChannelColor, iplcncsXAxisFontColor, iplcncsYAxisFontColor
};

struct TiPlotLegendItem
{
    TiPlotChannelCustom* Channel = nullptr;
    int MaxHeight = 0;
    int ALeft = 0;
    int ATop = 0;
    int ARow = 0;
    int ACol = 0;
};

class TiPlotLegendButton : public TiPlotButton
{
public:
    using TiPlotButton::TiPlotButton;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    /// The button with its scroll triangle: black when enabled, grey when not.
    void DrawWithArrow(TCanvas& Canvas, TColor BackGroundColor, bool Up);
};

class TiPlotLegend : public TiPlotLayoutObject
{
public:
    TiPlotLegend(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                 TNotifyEvent AOnRename);
    ~TiPlotLegend() override;

#define QX_LEGEND_DOUBLE(Name)                                                                                       \
    double Name() const { return F##Name; }                                                                          \
    void Set##Name(double Value) { SetDoubleField(Value, F##Name, &TiPlotObject::DoChange); }
#define QX_LEGEND_BOOL(Name)                                                                                         \
    bool Name() const { return F##Name; }                                                                            \
    void Set##Name(bool Value) { SetBooleanField(Value, F##Name, &TiPlotObject::DoChange); }
#define QX_LEGEND_INT(Name)                                                                                          \
    int Name() const { return F##Name; }                                                                             \
    void Set##Name(int Value) { SetIntegerField(Value, F##Name, &TiPlotObject::DoChange); }
#define QX_LEGEND_STRING(Name)                                                                                       \
    const std::string& Name() const { return F##Name; }                                                             \
    void Set##Name(const std::string& Value) { SetStringField(Value, F##Name, &TiPlotObject::DoChange); }
#define QX_LEGEND_COLOR(Name)                                                                                        \
    TColor Name() const { return F##Name; }                                                                          \
    void Set##Name(TColor Value) { SetColorField(Value, F##Name, &TiPlotObject::DoChange); }
#define QX_LEGEND_FONT(Name)                                                                                         \
    const TFont& Name() const { return F##Name; }                                                                    \
    void Set##Name(const TFont& Value)                                                                               \
    {                                                                                                                \
        if (Value == F##Name)                                                                                        \
            return;                                                                                                  \
        F##Name = Value;                                                                                             \
        DoChange();                                                                                                  \
    }

    QX_LEGEND_DOUBLE(MarginLeft)
    QX_LEGEND_DOUBLE(MarginRight)
    QX_LEGEND_DOUBLE(MarginTop)
    QX_LEGEND_DOUBLE(MarginBottom)
    QX_LEGEND_COLOR(BackGroundColor)
    QX_LEGEND_BOOL(BackGroundTransparent)
    QX_LEGEND_COLOR(SelectedItemBackGroundColor)
    QX_LEGEND_FONT(SelectedItemFont)
    QX_LEGEND_FONT(Font)
    QX_LEGEND_BOOL(ColumnTitlesVisible)
    QX_LEGEND_FONT(ColumnTitlesFont)
    QX_LEGEND_DOUBLE(ChannelNameMaxWidth)
    QX_LEGEND_INT(LineColumnWidth)
    QX_LEGEND_INT(LineColumnHeight)
    QX_LEGEND_STRING(CaptionColumnTitle)
    QX_LEGEND_BOOL(ShowColumnLine)
    QX_LEGEND_BOOL(ShowColumnMarker)
    QX_LEGEND_BOOL(ShowColumnXAxisTitle)
    QX_LEGEND_STRING(CaptionColumnXAxisTitle)
    QX_LEGEND_BOOL(ShowColumnYAxisTitle)
    QX_LEGEND_STRING(CaptionColumnYAxisTitle)
    QX_LEGEND_BOOL(ShowColumnXValue)
    QX_LEGEND_STRING(CaptionColumnXValue)
    QX_LEGEND_BOOL(ShowColumnYValue)
    QX_LEGEND_STRING(CaptionColumnYValue)
    QX_LEGEND_BOOL(ShowColumnYMax)
    QX_LEGEND_STRING(CaptionColumnYMax)
    QX_LEGEND_BOOL(ShowColumnYMin)
    QX_LEGEND_STRING(CaptionColumnYMin)
    QX_LEGEND_BOOL(ShowColumnYMean)
    QX_LEGEND_STRING(CaptionColumnYMean)
    QX_LEGEND_DOUBLE(ColumnSpacing)
    QX_LEGEND_DOUBLE(WrapColSpacingMin)
    QX_LEGEND_BOOL(WrapColSpacingAuto)
    QX_LEGEND_BOOL(WrapRowSpacingAuto)
    QX_LEGEND_BOOL(WrapColAutoCountEnabled)
    QX_LEGEND_INT(WrapColAutoCountMax)
    QX_LEGEND_BOOL(WrapRowAutoCountEnabled)
    QX_LEGEND_INT(WrapRowAutoCountMax)
#undef QX_LEGEND_DOUBLE
#undef QX_LEGEND_BOOL
#undef QX_LEGEND_INT
#undef QX_LEGEND_STRING
#undef QX_LEGEND_COLOR
#undef QX_LEGEND_FONT

    TiPlotLegendChannelNameColorStyle ChannelNameColorStyle() const { return FChannelNameColorStyle; }
    void SetChannelNameColorStyle(TiPlotLegendChannelNameColorStyle Value) { SetEnumField(Value, FChannelNameColorStyle); }
    /// RowSpacing and WrapRowSpacingMin are two names of one value.
    double RowSpacing() const { return FWrapRowSpacingMin; }
    void SetRowSpacing(double Value) { SetDoubleField(Value, FWrapRowSpacingMin, &TiPlotObject::DoChange); }
    int WrapColDesiredCount() const { return FWrapColDesiredCount; }
    /// Values below 1 are stored as 1.
    void SetWrapColDesiredCount(int Value);
    int WrapRowDesiredCount() const { return FWrapRowDesiredCount; }
    void SetWrapRowDesiredCount(int Value);

    /// Set by the plot before each paint when a data cursor shows every channel here.
    void SetCursorAllChannels(bool Value) { FCursorAllChannels = Value; }
    bool CursorAllChannels() const { return FCursorAllChannels; }
    int ItemViewStartIndex() const { return FItemViewStartIndex; }
    void SetItemViewStartIndex(int Value) { SetIntegerField(Value, FItemViewStartIndex, &TiPlotObject::DoChange); }
    int ItemViewStopIndex() const { return FItemViewStopIndex; }
    void ScrollUp();
    void ScrollDown();
    const std::vector<TiPlotLegendItem>& Items() const { return FItemList; }
    int ActualWrapColCount() const { return FActualWrapColCount; }
    int ActualWrapRowCount() const { return FActualWrapRowCount; }
    TiPlotLegendButton& UpButton() const { return *FUpButton; }
    TiPlotLegendButton& DownButton() const { return *FDownButton; }

    void CalculateLayout(TCanvas& Canvas);
    int GetRequiredThickness(TCanvas& Canvas) override;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    TiPlotObject* iGetMouseObject(int X, int Y) override;
    TCursor iGetMouseCursor(TPoint Point) override;
    void BuildPopupMenu(TPopupMenu& PopupMenu) override;
    void NotificationSetFocus(TObject* Sender) override;
    void NotificationRemove(TObject* Sender) override;

protected:
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

private:
    TiPlotHost* Host() const { return PlotHostOf(*this); }
    std::string Translate(const std::string& Text) const;
    std::string ChannelTitle(TiPlotChannelCustom& Channel) const;
    std::string AxisTitle(TiPlotChannelCustom& Channel, bool XAxis) const;
    std::string ValueText(TiPlotChannelCustom& Channel, int Column) const;
    void DrawLineSample(TCanvas& Canvas, int X, int CentreY, TColor Color, int LineStyle);

    std::unique_ptr<TiPlotLegendButton> FUpButton, FDownButton;
    int FRequiredWidth = 0, FRequiredHeight = 0;
    TRect FInnerRect{};
    std::vector<TiPlotLegendItem> FItemList;
    std::vector<int> FColumnList;
    int FItemWidth = 0;
    int FActualWrapColCount = 1;
    int FActualWrapRowCount = 1;
    int FColumnSpacingPixels = 0, FRowSpacingPixels = 0, FWrapSpacingPixels = 0;
    // Column starts and widths, in the order line, marker, channel name, X-axis title,
    // Y-axis title, X value, Y value, Y max, Y min, Y mean.
    int FColumnStart[10] = {};
    int FMaxWidth[10] = {};
    int FItemViewStartIndex = 0, FItemViewStopIndex = 0;
    int FItemHeight = 0, FMaxItemHeight = 0;
    int FColumnTitlesHeightPixels = 0, FColumnTitlesMarginPixels = 0;
    TRect FColumnTitlesRect{}, FItemsRect{};
    bool FShowColumnXValue2 = false, FShowColumnYValue2 = false;
    bool FCursorAllChannels = false;

    double FMarginLeft = 1, FMarginRight = 1, FMarginTop = 1, FMarginBottom = 1;
    TColor FBackGroundColor = 0x808080;
    bool FBackGroundTransparent = true;
    TColor FSelectedItemBackGroundColor = 0x00FFFF;
    TFont FSelectedItemFont;
    TFont FFont;
    bool FColumnTitlesVisible = false;
    TFont FColumnTitlesFont;
    TiPlotLegendChannelNameColorStyle FChannelNameColorStyle = iplcncsFont;
    double FChannelNameMaxWidth = 0;
    int FLineColumnWidth = 13;
    int FLineColumnHeight = 3;
    std::string FCaptionColumnTitle = "Title";
    bool FShowColumnLine = true;
    bool FShowColumnMarker = false;
    bool FShowColumnXAxisTitle = false;
    std::string FCaptionColumnXAxisTitle = "X-Axis";
    bool FShowColumnYAxisTitle = false;
    std::string FCaptionColumnYAxisTitle = "Y-Axis";
    bool FShowColumnXValue = false;
    std::string FCaptionColumnXValue = "X";
    bool FShowColumnYValue = false;
    std::string FCaptionColumnYValue = "Y";
    bool FShowColumnYMax = false;
    std::string FCaptionColumnYMax = "Y-Max";
    bool FShowColumnYMin = false;
    std::string FCaptionColumnYMin = "Y-Min";
    bool FShowColumnYMean = false;
    std::string FCaptionColumnYMean = "Y-Mean";
    double FColumnSpacing = 0.5;
    double FWrapRowSpacingMin = 0.25;
    double FWrapColSpacingMin = 2.0;
    bool FWrapColSpacingAuto = true;
    bool FWrapRowSpacingAuto = false;
    int FWrapColDesiredCount = 1;
    bool FWrapColAutoCountEnabled = false;
    int FWrapColAutoCountMax = 100;
    int FWrapRowDesiredCount = 5;
    bool FWrapRowAutoCountEnabled = true;
    int FWrapRowAutoCountMax = 100;
};

namespace qx {
/// Publishes the legend and registers its creator with the managers.
void registerPlotLegendClasses();
} // namespace qx
