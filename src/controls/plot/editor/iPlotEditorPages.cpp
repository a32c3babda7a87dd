#include "controls/plot/editor/iPlotEditorPages.h"

#include "controls/plot/base/iPlotMasterManager.h"

#include <deque>
#include <stdexcept>

namespace qx::plot::editor {

namespace {

using K = TiEditorValueKind;
constexpr int kNoMax = INT_MAX;
/// Precisions of label texts are held within 0..30 (the label formatting's own bound).
constexpr int kPrecisionMax = 30;

std::vector<TiEditorBinding> axisRows(const std::string& a, bool x)
{
    // The names live as long as the program (the tables are built once); a deque keeps
    // them where they are as it grows.
    static std::deque<std::string> names;
    const auto n = [&](const char* suffix) {
        names.push_back(a + suffix);
        return names.back().c_str();
    };
    const int precisionMax = x ? kPrecisionMax : 20;
    std::vector<TiEditorBinding> rows = {
        {n("NameEdit"), "Name", K::Text},
        {n("VisibleCheckBox"), "Visible", K::Check},
        {n("GridLinesVisibleCheckBox"), "GridLinesVisible", K::Check},
        {n("EnabledCheckBox"), "Enabled", K::Check},
        {n("PopupEnabledCheckBox"), "PopupEnabled", K::Check},
        {n("LayerEdit"), "Layer", K::Integer},
        {n("StartPercentEdit"), "StartPercent", K::Float},
        {n("StopPercentEdit"), "StopPercent", K::Float},
        {n("MinEdit"), "Min", K::Float},
        {n("SpanEdit"), "Span", K::Float},
    };
    // The Y page writes the increment before the start.
    if (x) {
        rows.push_back({n("DesiredStartEdit"), "DesiredStart", K::Float});
        rows.push_back({n("DesiredIncrementEdit"), "DesiredIncrement", K::Float});
    } else {
        rows.push_back({n("DesiredIncrementEdit"), "DesiredIncrement", K::Float});
        rows.push_back({n("DesiredStartEdit"), "DesiredStart", K::Float});
    }
    const std::vector<TiEditorBinding> middle = {
        {n("ReverseScaleCheckBox"), "ReverseScale", K::Check},
        {n("RestoreValuesOnResumeCheckBox"), "RestoreValuesOnResume", K::Check},
        {n("MasterUIInputCheckBox"), "MasterUIInput", K::Check},
        {n("InnerMarginEdit"), "InnerMargin", K::Integer, -1000, 1000},
        {n("OuterMarginEdit"), "OuterMargin", K::Integer, -1000, 1000},
        {n("TitleTextEdit"), "Title", K::Text},
        {n("TitleMarginEdit"), "TitleMargin", K::Float},
        {n("TitleShowCheckBox"), "TitleShow", K::Check},
        {n("TitleRotatedCheckBox"), "TitleRotated", K::Check},
        {n("ScaleLinesShowCheckBox"), "ScaleLinesShow", K::Check},
        {n("ScaleLinesColorPicker"), "ScaleLinesColor", K::Color},
        {n("MajorLengthEdit"), "MajorLength", K::Integer, 0, 1000},
        {n("MinorLengthEdit"), "MinorLength", K::Integer, 0, 1000},
        {n("MinorCountEdit"), "MinorCount", K::Integer, 0, 100},
        {n("LabelVisibleCheckBox"), "LabelsVisible", K::Check},
        {n("LabelMarginEdit"), "LabelsMargin", K::Float},
    };
    rows.insert(rows.end(), middle.begin(), middle.end());
    if (x) {
        rows.push_back({n("LabelFormatStyleComboBox"), "LabelsFormatStyle", K::Ordinal});
        rows.push_back({n("LabelRotationComboBox"), "LabelsRotation", K::Ordinal});
    } else {
        rows.push_back({n("LabelRotationComboBox"), "LabelsRotation", K::Ordinal});
        rows.push_back({n("LabelFormatStyleComboBox"), "LabelsFormatStyle", K::Ordinal});
    }
    const std::vector<TiEditorBinding> rest = {
        {n("DateTimeFormatComboBox"), "DateTimeFormat", K::Text},
        {n("LabelPrecisionStyleComboBox"), "LabelsPrecisionStyle", K::Ordinal},
        {n("LabelPrecisionEdit"), "LabelsPrecision", K::Integer, 0, precisionMax},
        {n("LabelMinLengthEdit"), "LabelsMinLength", K::Float},
        {n("LabelMinLengthAutoAdjustCheckBox"), "LabelsMinLengthAutoAdjust", K::Check},
        {n("CursorUseDefaultFormatCheckBox"), "CursorUseDefaultFormat", K::Check},
        {n("CursorFormatStyleComboBox"), "CursorFormatStyle", K::Ordinal},
        {n("CursorDateTimeFormatComboBox"), "CursorDateTimeFormat", K::Text},
        {n("CursorPrecisionStyleComboBox"), "CursorPrecisionStyle", K::Ordinal},
        {n("CursorPrecisionEdit"), "CursorPrecision", K::Integer, 0, 20},
        {n("CursorMinLengthEdit"), "CursorMinLength", K::Float},
        {n("CursorMinLengthAutoAdjustCheckBox"), "CursorMinLengthAutoAdjust", K::Check},
        {n("LegendUseDefaultFormatCheckBox"), "LegendUseDefaultFormat", K::Check},
        {n("LegendFormatStyleComboBox"), "LegendFormatStyle", K::Ordinal},
        {n("LegendDateTimeFormatComboBox"), "LegendDateTimeFormat", K::Text},
        {n("LegendPrecisionStyleComboBox"), "LegendPrecisionStyle", K::Ordinal},
        {n("LegendPrecisionEdit"), "LegendPrecision", K::Integer, 0, precisionMax},
        {n("LegendMinLengthEdit"), "LegendMinLength", K::Float},
        {n("LegendMinLengthAutoAdjustCheckBox"), "LegendMinLengthAutoAdjust", K::Check},
        {n("TrackingEnabledCheckBox"), "TrackingEnabled", K::Check},
        {n("TrackingStyleComboBox"), "TrackingStyle", K::Ordinal},
        {n("TrackingIncrementStyleComboBox"), "TrackingIncrementStyle", K::Ordinal},
        {n("TrackingAlignFirstStyleComboBox"), "TrackingAlignFirstStyle", K::Ordinal},
        {n("TrackingScrollCompressMaxEdit"), "TrackingScrollCompressMax", K::Float},
        {n("TrackingSpanMinimumEdit"), "TrackingSpanMinimum", K::Float},
        {n("TrackingMaxMarginEdit"), "TrackingMaxMargin", K::Float},
        {n("TrackingMinMarginEdit"), "TrackingMinMargin", K::Float},
        {n("StackingEndsMarginEdit"), "StackingEndsMargin", K::Float},
        {n("ForceStackingCheckBox"), "ForceStacking", K::Check},
        {n("LabelSeparationEdit"), "LabelSeparation", K::Float},
        {n("ScaleTypeRadioGroup"), "ScaleType", K::Ordinal},
        {n("CursorScalerEdit"), "CursorScaler", K::Float},
        {n("ScrollMinMaxEnabledCheckBox"), "ScrollMinMaxEnabled", K::Check},
        {n("ScrollMinEdit"), "ScrollMin", K::Float},
        {n("ScrollMaxEdit"), "ScrollMax", K::Float},
        {n("CartesianStyleComboBox"), "CartesianStyle", K::Ordinal},
        {n("CartesianChildRefAxisNameComboBox"), "CartesianChildRefAxisName", K::Name},
        {n("CartesianChildRefValueEdit"), "CartesianChildRefValue", K::Float},
        {n("AlignRefAxisNameComboBox"), "AlignRefAxisName", K::Name},
        {n("TitleFontPicker"), "TitleFont", K::Font},
        {n("LabelFontPicker"), "LabelsFont", K::Font},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

std::vector<TiEditorPage> makePages()
{
    std::vector<TiEditorPage> pages;
    pages.push_back({TiEditorKind::ToolBar, "ToolBar", "ToolBarListBox", "ToolBarTabSheet",
                     [](const TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.ToolBarManager(); },
                     {
                         {"ToolBarNameEdit", "Name", K::Text},
                         {"ToolBarVisibleCheckBox", "Visible", K::Check},
                         {"ToolBarEnabledCheckBox", "Enabled", K::Check},
                         {"ToolBarPopupEnabledCheckBox", "PopupEnabled", K::Check},
                         {"ToolBarFlatBorderCheckBox", "FlatBorder", K::Check},
                         {"ToolBarFlatButtonsCheckBox", "FlatButtons", K::Check},
                         {"ToolBarSmallButtonsCheckBox", "SmallButtons", K::Check},
                         {"ToolBarShowResumeButtonCheckBox", "ShowResumeButton", K::Check},
                         {"ToolBarShowPauseButtonCheckBox", "ShowPauseButton", K::Check},
                         {"ToolBarShowAxesModeButtonsCheckBox", "ShowAxesModeButtons", K::Check},
                         {"ToolBarShowZoomInOutButtonsCheckBox", "ShowZoomInOutButtons", K::Check},
                         {"ToolBarShowSelectButtonCheckBox", "ShowSelectButton", K::Check},
                         {"ToolBarShowZoomBoxButtonCheckBox", "ShowZoomBoxButton", K::Check},
                         {"ToolBarShowCursorButtonCheckBox", "ShowCursorButton", K::Check},
                         {"ToolBarShowEditButtonCheckBox", "ShowEditButton", K::Check},
                         {"ToolBarShowCopyButtonCheckBox", "ShowCopyButton", K::Check},
                         {"ToolBarShowSaveButtonCheckBox", "ShowSaveButton", K::Check},
                         {"ToolBarShowPrintButtonCheckBox", "ShowPrintButton", K::Check},
                         {"ToolBarShowPreviewButtonCheckBox", "ShowPreviewButton", K::Check},
                         {"ToolBarZoomInOutFactorEdit", "ZoomInOutFactor", K::Float},
                     }});
    pages.push_back({TiEditorKind::Legend, "Legend", "LegendListBox", "LegendTabSheet",
                     [](const TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.LegendManager(); },
                     {
                         {"LegendNameEdit", "Name", K::Text},
                         {"LegendVisibleCheckbox", "Visible", K::Check},
                         {"LegendEnabledCheckbox", "Enabled", K::Check},
                         {"LegendPopupEnabledCheckbox", "PopupEnabled", K::Check},
                         {"LegendTopMarginEdit", "MarginTop", K::Float},
                         {"LegendBottomMarginEdit", "MarginBottom", K::Float},
                         {"LegendLeftMarginEdit", "MarginLeft", K::Float},
                         {"LegendRightMarginEdit", "MarginRight", K::Float},
                         {"LegendChannelNameMaxWidthEdit", "ChannelNameMaxWidth", K::Float},
                         {"LegendChannelNameColorStyleComboBox", "ChannelNameColorStyle", K::Ordinal},
                         {"LegendLineColumnWidthEdit", "LineColumnWidth", K::Integer, 0, kNoMax},
                         {"LegendLineColumnHeightEdit", "LineColumnHeight", K::Integer, 0, kNoMax},
                         {"LegendColumnSpacingEdit", "ColumnSpacing", K::Float},
                         {"LegendBackGroundTransparentCheckBox", "BackGroundTransparent", K::Check},
                         {"LegendBackgroundColorPicker", "BackGroundColor", K::Color},
                         {"LegendSelectedItemColorPicker", "SelectedItemBackGroundColor", K::Color},
                         {"LegendShowLineCheckbox", "ShowColumnLine", K::Check},
                         {"LegendShowMarkerCheckbox", "ShowColumnMarker", K::Check},
                         {"LegendShowXAxisTitleCheckbox", "ShowColumnXAxisTitle", K::Check},
                         {"LegendShowYAxisTitleCheckbox", "ShowColumnYAxisTitle", K::Check},
                         {"LegendShowXValueCheckbox", "ShowColumnXValue", K::Check},
                         {"LegendShowYValueCheckbox", "ShowColumnYValue", K::Check},
                         {"LegendShowYMaxCheckbox", "ShowColumnYMax", K::Check},
                         {"LegendShowYMinCheckbox", "ShowColumnYMin", K::Check},
                         {"LegendShowYMeanCheckbox", "ShowColumnYMean", K::Check},
                         {"LegendWrapColDesiredCountEdit", "WrapColDesiredCount", K::Integer, 1, 1000},
                         {"LegendWrapColAutoCountEnabledCheckBox", "WrapColAutoCountEnabled", K::Check},
                         {"LegendWrapColAutoCountMaxEdit", "WrapColAutoCountMax", K::Integer, 1, 1000},
                         {"LegendWrapColSpacingMinEdit", "WrapColSpacingMin", K::Float},
                         {"LegendWrapColSpacingAutoCheckBox", "WrapColSpacingAuto", K::Check},
                         {"LegendWrapRowDesiredCountEdit", "WrapRowDesiredCount", K::Integer, 1, 1000},
                         {"LegendWrapRowAutoCountEnabledCheckBox", "WrapRowAutoCountEnabled", K::Check},
                         {"LegendWrapRowAutoCountMaxEdit", "WrapRowAutoCountMax", K::Integer, 1, 1000},
                         {"LegendWrapRowSpacingMinEdit", "WrapRowSpacingMin", K::Float},
                         {"LegendWrapRowSpacingAutoCheckBox", "WrapRowSpacingAuto", K::Check},
                         {"LegendColumnTitlesVisibleCheckbox", "ColumnTitlesVisible", K::Check},
                         {"LegendFontPicker", "Font", K::Font},
                         {"LegendSelectedItemFontPicker", "SelectedItemFont", K::Font},
                         {"LegendColumnTitlesFontPicker", "ColumnTitlesFont", K::Font},
                     }});
    pages.push_back({TiEditorKind::XAxis, "XAxis", "XAxisListBox", "XAxesTabSheet",
                     [](const TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.XAxisManager(); },
                     axisRows("XAxis", true)});
    pages.push_back({TiEditorKind::YAxis, "YAxis", "YAxisListBox", "YAxesTabSheet",
                     [](const TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.YAxisManager(); },
                     axisRows("YAxis", false)});
    pages.push_back({TiEditorKind::Channel, "Channel", "ChannelListBox", "ChannelsTabSheet",
                     [](const TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.ChannelManager(); },
                     {
                         {"ChannelNameEdit", "Name", K::Text},
                         {"ChannelVisibleCheckBox", "Visible", K::Check},
                         {"ChannelPopupEnabledCheckBox", "PopupEnabled", K::Check},
                         {"ChannelLayerEdit", "Layer", K::Integer},
                         {"ChannelTitleEdit", "TitleText", K::Text},
                         {"ChannelVisibleInLegendCheckBox", "VisibleInLegend", K::Check},
                         {"ChannelUserCanMoveDataPointsCheckBox", "UserCanMoveDataPoints", K::Check},
                         {"ChannelUserCanMoveDataPointsStyleComboBox", "UserCanMoveDataPointsStyle", K::Ordinal},
                         {"ChannelRingBufferSizeEdit", "RingBufferSize", K::Integer, 0, kNoMax},
                         {"ChannelColorPicker", "Color", K::Color},
                         {"ChannelXAxisNameComboBox", "XAxisName", K::Name},
                         {"ChannelYAxisNameComboBox", "YAxisName", K::Name},
                         {"ChannelXAxisTrackingEnabled", "XAxisTrackingEnabled", K::Check},
                         {"ChannelYAxisTrackingEnabled", "YAxisTrackingEnabled", K::Check},
                         {"ChannelDataStyleComboBox", "DataStyle", K::Ordinal},
                         {"ChannelTraceVisibleCheckBox", "TraceVisible", K::Check},
                         {"ChannelTraceLineStyleComboBox", "TraceLineStyle", K::Ordinal},
                         {"ChannelTraceLineWidthEdit", "TraceLineWidth", K::Integer, 0, 100},
                         {"ChannelMarkersVisible", "MarkersVisible", K::Check},
                         {"ChannelMarkersAllowIndividual", "MarkersAllowIndividual", K::Check},
                         {"ChannelMarkersSizeEdit", "MarkersSize", K::Integer, 0, 100},
                         {"ChannelMarkersStyleComboBox", "MarkersStyle", K::Ordinal},
                         {"ChannelMarkersPenColorPicker", "MarkersPenColor", K::Color},
                         {"ChannelMarkersPenUseChannelColorCheckBox", "MarkersPenUseChannelColor", K::Check},
                         {"ChannelMarkersPenStyleComboBox", "MarkersPenStyle", K::Ordinal},
                         {"ChannelMarkersPenWidthEdit", "MarkersPenWidth", K::Integer, 0, 100},
                         {"ChannelMarkersBrushColorPicker", "MarkersBrushColor", K::Color},
                         {"ChannelMarkersBrushUseChannelColorCheckBox", "MarkersBrushUseChannelColor", K::Check},
                         {"ChannelMarkersBrushStyleComboBox", "MarkersBrushStyle", K::Ordinal},
                         {"ChannelMarkersTurnOffLimitEdit", "MarkersTurnOffLimit", K::Integer, 0, kNoMax},
                         {"ChannelLogFileNameEdit", "LogFileName", K::Text},
                         {"ChannelLogBufferSizeEdit", "LogBufferSize", K::Integer, 0, 32767},
                         {"ChannelMarkersFontPicker", "MarkersFont", K::Font},
                         // Y-T channels only; an X-Y channel has none of these properties.
                         {"ChannelFillEnabledCheckBox", "FillEnabled", K::Check},
                         {"ChannelFillReferenceEdit", "FillReference", K::Float},
                         {"ChannelFillStyleComboBox", "FillStyle", K::Ordinal},
                         {"ChannelFillColorPicker", "FillColor", K::Color},
                         {"ChannelFillUseChannelColorCheckBox", "FillUseChannelColor", K::Check},
                         {"ChannelBarEnabledCheckBox", "BarEnabled", K::Check},
                         {"ChannelBarWidthEdit", "BarWidth", K::Float},
                         {"ChannelBarReferenceEdit", "BarReference", K::Float},
                         {"ChannelBarPenUseChannelColorCheckBox", "BarPenUseChannelColor", K::Check},
                         {"ChannelBarPenStyleComboBox", "BarPenStyle", K::Ordinal},
                         {"ChannelBarPenColorPicker", "BarPenColor", K::Color},
                         {"ChannelBarPenWidthEdit", "BarPenWidth", K::Integer, 0, 100},
                         {"ChannelBarBrushUseChannelColorCheckBox", "BarBrushUseChannelColor", K::Check},
                         {"ChannelBarBrushStyleComboBox", "BarBrushStyle", K::Ordinal},
                         {"ChannelBarBrushColorPicker", "BarBrushColor", K::Color},
                         {"ChannelHighLowStyleComboBox", "HighLowStyle", K::Ordinal},
                         {"ChannelHighLowEnabledCheckBox", "HighLowEnabled", K::Check},
                         {"ChannelHighLowBarColorPicker", "HighLowBarColor", K::Color},
                         {"ChannelHighLowBarWidthEdit", "HighLowBarWidth", K::Float},
                         {"ChannelHighLowOpenShowCheckBox", "HighLowOpenShow", K::Check},
                         {"ChannelHighLowOpenColorPicker", "HighLowOpenColor", K::Color},
                         {"ChannelHighLowOpenWidthEdit", "HighLowOpenWidth", K::Float},
                         {"ChannelHighLowOpenHeightEdit", "HighLowOpenHeight", K::Float},
                         {"ChannelHighLowCloseShowCheckBox", "HighLowCloseShow", K::Check},
                         {"ChannelHighLowCloseColorPicker", "HighLowCloseColor", K::Color},
                         {"ChannelHighLowCloseWidthEdit", "HighLowCloseWidth", K::Float},
                         {"ChannelHighLowCloseHeightEdit", "HighLowCloseHeight", K::Float},
                         {"ChannelHighLowShadowColorPicker", "HighLowShadowColor", K::Color},
                         {"ChannelHighLowBullishColorPicker", "HighLowBullishColor", K::Color},
                         {"ChannelHighLowBearishColorPicker", "HighLowBearishColor", K::Color},
                         {"ChannelDigitalEnabledCheckBox", "DigitalEnabled", K::Check},
                         {"ChannelDigitalReferenceHighEdit", "DigitalReferenceHigh", K::Float},
                         {"ChannelDigitalReferenceLowEdit", "DigitalReferenceLow", K::Float},
                         {"ChannelDigitalReferenceStyleComboBox", "DigitalReferenceStyle", K::Ordinal},
                         {"ChannelFastDrawCheckBox", "FastDrawEnabled", K::Check},
                         {"ChannelClipToAxesCheckBox", "ClipToAxes", K::Check},
                         {"ChannelInterpolationStyleComboBox", "InterpolationStyle", K::Ordinal},
                     }});
    pages.push_back({TiEditorKind::DataView, "DataView", "DataViewListBox", "DataViewTabSheet",
                     [](const TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.DataViewManager(); },
                     {
                         {"DataViewNameEdit", "Name", K::Text},
                         {"DataViewEnabledCheckBox", "Enabled", K::Check},
                         {"DataViewPopupEnabledCheckBox", "PopupEnabled", K::Check},
                         {"DataViewLayerEdit", "Layer", K::Integer},
                         {"DataViewBackGroundTransparentCheckBox", "BackgroundTransparent", K::Check},
                         {"DataViewBackgroundColorPicker", "BackgroundColor", K::Color},
                         {"DataViewGridShow", "GridShow", K::Check},
                         {"DataViewGridXAxisNameComboBox", "GridXAxisName", K::Name},
                         {"DataViewGridYAxisNameComboBox", "GridYAxisName", K::Name},
                         {"DataViewAxesControlEnabledCheckBox", "AxesControlEnabled", K::Check},
                         {"DataViewAxesControlAllowInSelectModeCheckBox", "AxesControlAllowInSelectMode", K::Check},
                         {"DataViewAxesControlMouseStyleComboBox", "AxesControlMouseStyle", K::Ordinal},
                         {"DataViewAxesControlWheelStyleComboBox", "AxesControlWheelStyle", K::Ordinal},
                         {"DataViewGridLineColorPicker", "GridLineColor", K::Color},
                         {"DataViewGridLineShowLeft", "GridLineShowLeft", K::Check},
                         {"DataViewGridLineShowRight", "GridLineShowRight", K::Check},
                         {"DataViewGridLineShowTop", "GridLineShowTop", K::Check},
                         {"DataViewGridLineShowBottom", "GridLineShowBottom", K::Check},
                         {"DataViewGridLineShowXMajorsCheckBox", "GridLineShowXMajors", K::Check},
                         {"DataViewGridLineShowXMinorsCheckBox", "GridLineShowXMinors", K::Check},
                         {"DataViewGridLineShowYMajorsCheckBox", "GridLineShowYMajors", K::Check},
                         {"DataViewGridLineShowYMinorsCheckBox", "GridLineShowYMinors", K::Check},
                         {"DataViewGridLineMajorStyleComboBox", "GridLineMajorStyle", K::Ordinal},
                         {"DataViewGridLineMinorStyleComboBox", "GridLineMinorStyle", K::Ordinal},
                         {"DataViewGridLineXMajorCustomCheckBox", "GridLineXMajorCustom", K::Check},
                         {"DataViewGridLineXMajorColorColorPicker", "GridLineXMajorColor", K::Color},
                         {"DataViewGridLineXMajorWidthEdit", "GridLineXMajorWidth", K::Integer, 0, 100},
                         {"DataViewGridLineXMajorStyleComboBox", "GridLineXMajorStyle", K::Ordinal},
                         {"DataViewGridLineXMinorCustomCheckBox", "GridLineXMinorCustom", K::Check},
                         {"DataViewGridLineXMinorColorColorPicker", "GridLineXMinorColor", K::Color},
                         {"DataViewGridLineXMinorWidthEdit", "GridLineXMinorWidth", K::Integer, 0, 100},
                         {"DataViewGridLineXMinorStyleComboBox", "GridLineXMinorStyle", K::Ordinal},
                         {"DataViewGridLineYMajorCustomCheckBox", "GridLineYMajorCustom", K::Check},
                         {"DataViewGridLineYMajorColorColorPicker", "GridLineYMajorColor", K::Color},
                         {"DataViewGridLineYMajorWidthEdit", "GridLineYMajorWidth", K::Integer, 0, 100},
                         {"DataViewGridLineYMajorStyleComboBox", "GridLineYMajorStyle", K::Ordinal},
                         {"DataViewGridLineYMinorCustomCheckBox", "GridLineYMinorCustom", K::Check},
                         {"DataViewGridLineYMinorColorColorPicker", "GridLineYMinorColor", K::Color},
                         {"DataViewGridLineYMinorWidthEdit", "GridLineYMinorWidth", K::Integer, 0, 100},
                         {"DataViewGridLineYMinorStyleComboBox", "GridLineYMinorStyle", K::Ordinal},
                     }});
    pages.push_back({TiEditorKind::DataCursor, "DataCursor", "DataCursorListBox", "DataCursorTabSheet",
                     [](const TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.DataCursorManager(); },
                     {
                         {"DataCursorNameEdit", "Name", K::Text},
                         {"DataCursorPopupEnabledCheckBox", "PopupEnabled", K::Check},
                         {"DataCursorSnapToDataPointCheckBox", "SnapToDataPoint", K::Check},
                         {"DataCursorStyleComboBox", "Style", K::Ordinal},
                         {"DataCursorColorPicker", "Color", K::Color},
                         {"DataCursorUseChannelColorCheckBox", "UseChannelColor", K::Check},
                         {"DataCursorHintPositionEdit", "HintPosition", K::Float},
                         {"DataCursorHintShowCheckBox", "HintShow", K::Check},
                         {"DataCursorHintHideOnReleaseCheckBox", "HintHideOnRelease", K::Check},
                         {"DataCursorOrientationSideRadioGroup", "HintOrientationSide", K::Ordinal},
                         {"DataCursorPointer1PositionEdit", "Pointer1Position", K::Float},
                         {"DataCursorPointer2PositionEdit", "Pointer2Position", K::Float},
                         {"DataCursorPointerPenWidthEdit", "PointerPenWidth", K::Integer, 1, 50},
                         {"DataCursorChannelNameComboBox", "ChannelName", K::Name},
                         {"DataCursorChannelAllowAllCheckBox", "ChannelAllowAll", K::Check},
                         {"DataCursorChannelShowAllInLegendCheckBox", "ChannelShowAllInLegend", K::Check},
                         {"DataCursorFontPicker", "Font", K::Font},
                     }});
    pages.push_back({TiEditorKind::Limit, "Limit", "LimitListBox", "LimitTabSheet",
                     [](const TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.LimitManager(); },
                     {
                         {"LimitNameEdit", "Name", K::Text},
                         {"LimitVisibleCheckBox", "Visible", K::Check},
                         {"LimitUserCanMoveCheckBox", "UserCanMove", K::Check},
                         {"LimitPopUpEnabledCheckBox", "PopupEnabled", K::Check},
                         {"LimitClipToAxesCheckBox", "ClipToAxes", K::Check},
                         {"LimitLayerEdit", "Layer", K::Integer},
                         {"LimitStyleComboBox", "Style", K::Ordinal},
                         {"LimitLine1PositionEdit", "Line1Position", K::Float},
                         {"LimitLine2PositionEdit", "Line2Position", K::Float},
                         {"LimitFillStyleCombobox", "FillStyle", K::Ordinal},
                         {"LimitLineStyleComboBox", "LineStyle", K::Ordinal},
                         {"LimitLineWidthEdit", "LineWidth", K::Integer, 0, 100},
                         {"LimitColorPicker", "Color", K::Color},
                         {"LimitXAxisNameComboBox", "XAxisName", K::Name},
                         {"LimitYAxisNameComboBox", "YAxisName", K::Name},
                     }});
    pages.push_back({TiEditorKind::Label, "Label", "LabelListBox", "LabelsTabSheet",
                     [](const TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.LabelManager(); },
                     {
                         {"LabelNameEdit", "Name", K::Text},
                         {"LabelVisibleCheckBox", "Visible", K::Check},
                         {"LabelCaptionMemo", "Caption", K::Text},
                         {"LabelMarginLeftEdit", "MarginLeft", K::Float},
                         {"LabelMarginTopEdit", "MarginTop", K::Float},
                         {"LabelMarginRightEdit", "MarginRight", K::Float},
                         {"LabelMarginBottomEdit", "MarginBottom", K::Float},
                         {"LabelAlignmentComboBox", "Alignment", K::Ordinal},
                         {"LabelImageListIndexEdit", "ImageListIndex", K::Integer, -1, 2},
                         {"LabelImageIndexEdit", "ImageIndex", K::Integer, -1, 255},
                         {"LabelFontPicker", "Font", K::Font},
                     }});
    pages.push_back({TiEditorKind::Table, "Table", "TableListBox", "TablesTabSheet",
                     [](const TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.TableManager(); },
                     {
                         {"TableNameEdit", "Name", K::Text},
                         {"TableVisibleCheckbox", "Visible", K::Check},
                         {"TableEnabledCheckbox", "Enabled", K::Check},
                         {"TablePopupEnabledCheckbox", "PopupEnabled", K::Check},
                         {"TableTopMarginEdit", "MarginTop", K::Float},
                         {"TableLeftMarginEdit", "MarginLeft", K::Float},
                         {"TableRightMarginEdit", "MarginRight", K::Float},
                         {"TableBottomMarginEdit", "MarginBottom", K::Float},
                         {"TableColumnSpacingEdit", "ColumnSpacing", K::Float},
                         {"TableRowSpacingEdit", "RowSpacing", K::Float},
                         {"TableRowsMaxEdit", "RowsMax", K::Integer, 0, kNoMax},
                         {"TableColumnTitlesVisibleCheckBox", "ColumnTitlesVisible", K::Check},
                         {"TableGridLinesShowCheckBox", "GridLinesShow", K::Check},
                         {"TableGridLinesColorPicker", "GridLinesColor", K::Color},
                         {"TableStartPercentEdit", "StartPercent", K::Float},
                         {"TableStopPercentEdit", "StopPercent", K::Float},
                         {"TableGridBackGroundTransparentCheckBox", "GridBackGroundTransparent", K::Check},
                         {"TableGridBackgroundColorPicker", "GridBackGroundColor", K::Color},
                         {"TableDataFontPicker", "DataFont", K::Font},
                         {"TableColumnTitlesFontPicker", "ColumnTitlesFont", K::Font},
                     }});
    return pages;
}

} // namespace

const std::vector<TiEditorPage>& EditorPages()
{
    static const std::vector<TiEditorPage> pages = makePages();
    return pages;
}

const TiEditorPage& EditorPage(TiEditorKind Kind)
{
    for (const TiEditorPage& page : EditorPages())
        if (page.Kind == Kind)
            return page;
    throw std::logic_error("no editor page of that kind");
}

const std::vector<TiEditorBinding>& ControlPageRows()
{
    static const std::vector<TiEditorBinding> rows = {
        {"AutoFrameRateCheckBox", "AutoFrameRate", K::Check},
        {"UpdateFrameRateEdit", "UpdateFrameRate", K::Integer, 0, 100},
        {"ClipAnnotationsToAxesCheckBox", "ClipAnnotationsToAxes", K::Check},
        {"BorderStyleRadioGroup", "BorderStyle", K::Ordinal},
        {"CopyToClipBoardFormatComboBox", "CopyToClipBoardFormat", K::Ordinal},
        {"FileColumnSeparatorComboBox", "DataFileColumnSeparator", K::Ordinal},
        {"BackGroundColorPicker", "BackGroundColor", K::Color},
        {"BackGroundGradientDirectionComboBox", "BackGroundGradientDirection", K::Ordinal},
        {"BackGroundGradientEnabledCheckBox", "BackGroundGradientEnabled", K::Check},
        {"BackGroundGradientStartColorPicker", "BackGroundGradientStartColor", K::Color},
        {"BackGroundGradientStopColorPicker", "BackGroundGradientStopColor", K::Color},
        {"OuterMarginLeftEdit", "OuterMarginLeft", K::Integer, 0, kNoMax},
        {"OuterMarginTopEdit", "OuterMarginTop", K::Integer, 0, kNoMax},
        {"OuterMarginRightEdit", "OuterMarginRight", K::Integer, 0, kNoMax},
        {"OuterMarginBottomEdit", "OuterMarginBottom", K::Integer, 0, kNoMax},
        {"TitleVisibleCheckBox", "TitleVisible", K::Check},
        {"TitleMarginEdit", "TitleMargin", K::Float},
        {"TitleTextEdit", "TitleText", K::Text},
        {"TitleFontPicker", "TitleFont", K::Font},
        {"ControlLogFileNameEdit", "LogFileName", K::Text},
        {"ControlLogBufferSizeEdit", "LogBufferSize", K::Integer, 0, kNoMax},
        {"HintsShowCheckBox", "HintsShow", K::Check},
        {"HintsPauseEdit", "HintsPause", K::Integer, 0, kNoMax},
        {"HintsHidePauseEdit", "HintsHidePause", K::Integer, 0, kNoMax},
        {"HintsFontPicker", "HintsFont", K::Font},
        {"AnnotationDefaultPenColorPicker", "AnnotationDefaultPenColor", K::Color},
        {"AnnotationDefaultPenStyleComboBox", "AnnotationDefaultPenStlye", K::Ordinal},
        {"AnnotationDefaultPenWidthEdit", "AnnotationDefaultPenWidth", K::Integer, 0, 100},
        {"AnnotationDefaultBrushColorPicker", "AnnotationDefaultBrushColor", K::Color},
        {"AnnotationDefaultBrushStyleComboBox", "AnnotationDefaultBrushStlye", K::Ordinal},
        {"AnnotationDefaultReferenceComboBox", "AnnotationDefaultReference", K::Ordinal},
        {"AnnotationDefaultReferencePositionXComboBox", "AnnotationDefaultReferencePositionX", K::Ordinal},
        {"AnnotationDefaultReferencePositionYComboBox", "AnnotationDefaultReferencePositionY", K::Ordinal},
        {"AnnotationDefaultReferenceSizeXComboBox", "AnnotationDefaultReferenceSizeX", K::Ordinal},
        {"AnnotationDefaultReferenceSizeYComboBox", "AnnotationDefaultReferenceSizeY", K::Ordinal},
        {"AnnotationDefaultFontPicker", "AnnotationDefaultFont", K::Font},
        {"PrintShowDialogCheckBox", "PrintShowDialog", K::Check},
        {"PrintOrientationRadioGroup", "PrintOrientation", K::Ordinal},
        {"PrintMarginLeftEdit", "PrintMarginLeft", K::Float},
        {"PrintMarginTopEdit", "PrintMarginTop", K::Float},
        {"PrintMarginRightEdit", "PrintMarginRight", K::Float},
        {"PrintMarginBottomEdit", "PrintMarginBottom", K::Float},
        {"PrintDocumentNameEdit", "PrintDocumentName", K::Text},
    };
    return rows;
}

const std::vector<TiEditorBinding>& TitleRows()
{
    static const std::vector<TiEditorBinding> rows = {
        {"TitleVisibleCheckBox", "Visible", K::Check},
        {"TitleTextEdit", "Caption", K::Text},
        {"TitleMarginEdit", "MarginBottom", K::Float},
        {"TitleFontPicker", "Font", K::Font},
    };
    return rows;
}

} // namespace qx::plot::editor
