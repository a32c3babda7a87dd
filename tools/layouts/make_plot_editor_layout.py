#!/usr/bin/env python3
"""Writes the layout of the plot library's run-time editor. Run it after changing
an arrangement and commit its output:

    tools/layouts/make_plot_editor_layout.py > resources/layouts/TIPLOTEDITORFORM.layout

Each object page is told as a list of sub-pages, each a list of items; the items
flow down columns of label and control, a group box being one block of rows. The
script stops with an error when a sub-page does not fit its page.
"""

import sys

FORM_W, FORM_H = 680, 400
LIST = (4, 8, 123, 201)
ROW = 23
LABEL_W = 110
CTRL_W = 108
COL_W = LABEL_W + CTRL_W + 8
# The object pages' own page control, right of the list.
OBJ_LEFT, OBJ_TOP = 134, 4
TAB_H = 24

# The classes of the kinds of control.
CLASSES = {
    "edit": "TiComponentEditorEdit", "combo": "TiComponentEditorComboBox",
    "check": "TiComponentEditorCheckBox", "radio": "TiComponentEditorRadioGroup",
    "list": "TiComponentEditorListBox", "pages": "TiComponentEditorPageControl",
    "button": "TiComponentEditorButton", "group": "TiComponentEditorGroupBox",
    "updown": "TiUpDown", "color": "TiComponentEditorColorPicker",
    "font": "TiComponentEditorFontPicker", "open": "TiComponentEditorOpenPicker",
    "save": "TiComponentEditorSavePicker", "label": "TLabel", "sheet": "TTabSheet",
    "value": "TiComponentEditorEdit", "converter": "TiComponentEditorValueConverterPicker",
}
out = []


def q(text):
    return '"%s"' % text.replace('"', '\\"')


def emit(indent, text):
    out.append("  " * indent + text)


class Layout:
    def __init__(self):
        self.classes = CLASSES

    def cls(self, kind):
        return self.classes[kind]


# Item makers: each returns a tuple the flow places.
def edit(name, caption, handler_kind="text"):
    return ("edit", name, caption, None)


def num(name, caption, lo=None, hi=None, step=None):
    return ("edit", name, caption, (lo, hi, step) if lo is not None else None)


def value(name, caption, picker, page="ivcptInterval"):
    """A number with the value converter's "..." button docked at its right edge."""
    return ("value", name, caption, (picker, page))


def combo(name, caption, items, editable=False, drop=None):
    return ("combo", name, caption, (items, editable, drop))


def names(name, caption):
    return ("combo", name, caption, ([], False, None))


def check(name, caption):
    return ("check", name, caption, None)


def radio(name, caption, items, columns=1):
    return ("radio", name, caption, (items, columns))


def color(name, caption):
    return ("color", name, caption, None)


def font(name, caption="Font"):
    return ("font", name, caption, None)


def button(name, caption):
    return ("button", name, caption, None)


def group(caption, items, name=None):
    return ("group", name, caption, items)


PEN = ["Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "Inside Frame"]
BRUSH = ["Solid", "Clear", "Horizontal", "Vertical", "FDiagonal", "BDiagonal", "Cross", "DiagCross"]
FORMATS = ["Value", "Exponent", "Prefix", "Date/Time", "Price 32nds", "Thousands"]
DATETIME = ["hh:nn:ss", "hh:nn:ss.zzz", "m/d hh:nn:ss", "d mmm h:nn:ss am/pm", "m/d/yy h:nn:ss am/pm",
            "m/d/yyyy h:nn:ss am/pm"]
PRECISION = ["Significant Digits", "Fixed Decimal Points"]


def control_page():
    return [
        ("General", [
            num("UpdateFrameRateEdit", "Update Frame Rate", 0, 100),
            check("AutoFrameRateCheckBox", "Auto Frame Rate"),
            combo("CopyToClipBoardFormatComboBox", "Clipboard Format", ["Meta File", "Bitmap", "JPEG"]),
            combo("FileColumnSeparatorComboBox", "File Column Separator", ["Tab", "Comma"]),
            check("ClipAnnotationsToAxesCheckBox", "Clip Annotations To Axes"),
            radio("BorderStyleRadioGroup", "Border Style", ["None", "Raised", "Lowered"]),
            group("Outer Margin", [num("OuterMarginLeftEdit", "Left", 0, 0), num("OuterMarginTopEdit", "Top", 0, 0),
                                   num("OuterMarginRightEdit", "Right", 0, 0),
                                   num("OuterMarginBottomEdit", "Bottom", 0, 0)]),
        ]),
        ("Title", [
            edit("TitleTextEdit", "Text"), num("TitleMarginEdit", "Margin"),
            check("TitleVisibleCheckBox", "Visible"), font("TitleFontPicker"),
        ]),
        ("Background", [
            color("BackGroundColorPicker", "Color"),
            group("Gradient", [
                check("BackGroundGradientEnabledCheckBox", "Enabled"),
                color("BackGroundGradientStartColorPicker", "Start Color"),
                color("BackGroundGradientStopColorPicker", "Stop Color"),
                combo("BackGroundGradientDirectionComboBox", "Direction",
                      ["Top/Bottom", "Bottom/Top", "Left/Right", "Right/Left", "Top Left/Bottom Right",
                       "Bottom Right/Top Left", "Bottom Left/Top Right", "Top Right/Bottom Left", "Rectangle Out",
                       "Rectangle In", "Circle Out", "Circle In"], drop=16),
            ]),
        ]),
        ("Print", [
            group("Margin", [num("PrintMarginLeftEdit", "Left"), num("PrintMarginTopEdit", "Top"),
                             num("PrintMarginRightEdit", "Right"), num("PrintMarginBottomEdit", "Bottom")]),
            radio("PrintOrientationRadioGroup", "Orientation", ["Portrait", "Landscape"]),
            check("PrintShowDialogCheckBox", "Show Dialog"),
            edit("PrintDocumentNameEdit", "Document Name"),
        ]),
        ("Hints", [
            check("HintsShowCheckBox", "Show"),
            num("HintsPauseEdit", "Pause", 0, 0), num("HintsHidePauseEdit", "Hide Pause", 0, 0),
            font("HintsFontPicker"),
        ]),
        ("File I/O", [
            group("Properties", [("open", "ControlPropertiesOpenPicker", "Load", None),
                                 ("save", "ControlPropertiesSavePicker", "Save", None)]),
            group("Data", [("save", "ControlDataSavePicker", "Save", None),
                           ("open", "ControlDataOpenPicker", "Load", None)]),
            group("Annotations", [("save", "ControlAnnotationSavePicker", "Save", None),
                                  ("open", "ControlAnnotationOpenPicker", "Load", None)]),
            group("Log", [edit("ControlLogFileNameEdit", "File Name"),
                          ("open", "ControlLogFileNamePicker", "...", None),
                          num("ControlLogBufferSizeEdit", "Buffer Size", 0, 0),
                          button("ControlLogActivateButton", "Activate"),
                          button("ControlLogDeactivateButton", "Deactivate")]),
        ]),
        ("Annotation Defaults", [
            font("AnnotationDefaultFontPicker"),
            group("Brush", [color("AnnotationDefaultBrushColorPicker", "Color"),
                            combo("AnnotationDefaultBrushStyleComboBox", "Style", BRUSH)]),
            group("Pen", [color("AnnotationDefaultPenColorPicker", "Color"),
                          combo("AnnotationDefaultPenStyleComboBox", "Style", PEN),
                          num("AnnotationDefaultPenWidthEdit", "Width", 0, 100)]),
            combo("AnnotationDefaultReferenceComboBox", "Reference",
                  ["DataView", "Channel", "X-Channel Y-DataView", "Y-Channel X-DataView "]),
            combo("AnnotationDefaultReferencePositionXComboBox", "Reference Position-X", ["DataView", "Channel", "Auto"]),
            combo("AnnotationDefaultReferencePositionYComboBox", "Reference Position-Y", ["DataView", "Channel", "Auto"]),
            combo("AnnotationDefaultReferenceSizeXComboBox", "Reference Size-X", ["DataView", "Channel", "Auto"]),
            combo("AnnotationDefaultReferenceSizeYComboBox", "Reference Size-Y", ["DataView", "Channel", "Auto"]),
        ]),
    ]


def channel_page():
    return [
        ("General", [
            edit("ChannelNameEdit", "Name"), edit("ChannelTitleEdit", "Title"), color("ChannelColorPicker", "Color"),
            names("ChannelXAxisNameComboBox", "X-Axis Name"),
            names("ChannelYAxisNameComboBox", "Y-Axis Name"),
            num("ChannelRingBufferSizeEdit", "Ring Buffer Size"),
            combo("ChannelDataStyleComboBox", "Data Style", ["Standard", "Compact", "Compact Interval", "Full Feature"]),
            num("ChannelLayerEdit", "Layer", 0, 0),
            combo("ChannelUserCanMoveDataPointsStyleComboBox", "Style", ["X and Y", "X Only", "Y Only"]),
            check("ChannelXAxisTrackingEnabled", "X-Axis Tracking Enabled"),
            check("ChannelYAxisTrackingEnabled", "Y-Axis Tracking Enabled"),
            check("ChannelVisibleCheckBox", "Visible"),
            check("ChannelVisibleInLegendCheckBox", "Visible in Legend"),
            check("ChannelPopupEnabledCheckBox", "Popup Enabled"),
            check("ChannelFastDrawCheckBox", "Fast Draw"),
            check("ChannelUserCanMoveDataPointsCheckBox", "User Can Move Data Points"),
            check("ChannelClipToAxesCheckBox", "Clip To Axes"),
        ]),
        ("Trace", [
            check("ChannelTraceVisibleCheckBox", "Visible"),
            combo("ChannelTraceLineStyleComboBox", "Line Style", PEN[:5]),
            num("ChannelTraceLineWidthEdit", "Line Width", 0, 100),
            combo("ChannelInterpolationStyleComboBox", "Interpolation Style",
                  ["Straight Line", "Cubic Spline", "Polynomial", "Rational", "Differential",
                   "Differential Terminated"]),
        ]),
        ("Marker", [
            check("ChannelMarkersVisible", "Visible"), check("ChannelMarkersAllowIndividual", "Allow Individual"),
            combo("ChannelMarkersStyleComboBox", "Style",
                  ["Circle", "Square", "Diamond", "Cross", "Plus", "Triangle Up", "Triangle Down", "Triangle Left",
                   "Triangle Right", "Vertical Line", "Horizontal Line", "Character"], drop=16),
            num("ChannelMarkersSizeEdit", "Size", 0, 100),
            num("ChannelMarkersTurnOffLimitEdit", "Turn Off Limit", 0, 20000, 100),
            font("ChannelMarkersFontPicker"),
            group("Pen", [combo("ChannelMarkersPenStyleComboBox", "Style", PEN[:6] + ["InsideFrame"]),
                          color("ChannelMarkersPenColorPicker", "Color"),
                          num("ChannelMarkersPenWidthEdit", "Width", 0, 100),
                          check("ChannelMarkersPenUseChannelColorCheckBox", "Use Channel Color")]),
            group("Brush", [combo("ChannelMarkersBrushStyleComboBox", "Style", BRUSH),
                            color("ChannelMarkersBrushColorPicker", "Color"),
                            check("ChannelMarkersBrushUseChannelColorCheckBox", "Use Channel Color")]),
        ]),
        ("Bar", [
            check("ChannelBarEnabledCheckBox", "Enabled"),
            num("ChannelBarReferenceEdit", "Reference"),
            value("ChannelBarWidthEdit", "Width", "iComponentEditorValueConverterPicker1"),
            group("Pen", [combo("ChannelBarPenStyleComboBox", "Style", PEN[:6] + ["InsideFrame"]),
                          color("ChannelBarPenColorPicker", "Color"),
                          num("ChannelBarPenWidthEdit", "Width", 0, 100),
                          check("ChannelBarPenUseChannelColorCheckBox", "Use Channel Color")]),
            group("Brush", [combo("ChannelBarBrushStyleComboBox", "Style", BRUSH),
                            color("ChannelBarBrushColorPicker", "Color"),
                            check("ChannelBarBrushUseChannelColorCheckBox", "Use Channel Color")]),
        ]),
        ("High/Low", [
            check("ChannelHighLowEnabledCheckBox", "Enabled"),
            combo("ChannelHighLowStyleComboBox", "Style", ["Open/Close", "Candlestick"]),
            group("Bar", [color("ChannelHighLowBarColorPicker", "Color"),
                          value("ChannelHighLowBarWidthEdit", "Width", "ChannelHighLowBarWidthPicker")]),
            ("pages", "iComponentEditorPageControl1", None, [
                ("Open/Close", [
                    group("Open", [check("ChannelHighLowOpenShowCheckBox", "Show"),
                                   color("ChannelHighLowOpenColorPicker", "Color"),
                                   value("ChannelHighLowOpenWidthEdit", "Width", "ChannelHighLowOpenWidthPicker"),
                                   value("ChannelHighLowOpenHeightEdit", "Height", "ChannelHighLowOpenHeightPicker")]),
                    group("Close", [check("ChannelHighLowCloseShowCheckBox", "Show"),
                                    color("ChannelHighLowCloseColorPicker", "Color"),
                                    value("ChannelHighLowCloseWidthEdit", "Width", "ChannelHighLowCloseWidthPicker"),
                                    value("ChannelHighLowCloseHeightEdit", "Height", "ChannelHighLowCloseHeightPicker")]),
                ]),
                ("Candlestick", [
                    color("ChannelHighLowShadowColorPicker", "Shadow Color"),
                    color("ChannelHighLowBullishColorPicker", "Bullish Color"),
                    color("ChannelHighLowBearishColorPicker", "Bearish Color"),
                ]),
            ]),
        ]),
        ("Fill", [
            check("ChannelFillEnabledCheckBox", "Enabled"), num("ChannelFillReferenceEdit", "Reference"),
            combo("ChannelFillStyleComboBox", "Style", BRUSH), color("ChannelFillColorPicker", "Color"),
            check("ChannelFillUseChannelColorCheckBox", "Use Channel Color"),
        ]),
        ("Digital", [
            check("ChannelDigitalEnabledCheckBox", "Enabled"),
            num("ChannelDigitalReferenceHighEdit", "Reference High"),
            num("ChannelDigitalReferenceLowEdit", "Reference Low"),
            combo("ChannelDigitalReferenceStyleComboBox", "Reference Style", ["Scale", "Percent"]),
        ]),
        ("File I/O", [
            group("Properties", [("open", "ChannelPropertiesOpenPicker", "Load", None),
                                 ("save", "ChannelPropertiesSavePicker", "Save", None)]),
            group("Data", [("open", "ChannelDataOpenPicker", "Load", None),
                           ("save", "ChannelDataSavePicker", "Save", None)]),
            group("Log", [edit("ChannelLogFileNameEdit", "File Name"),
                          ("open", "ChannelLogFileNamePicker", "...", None),
                          num("ChannelLogBufferSizeEdit", "Buffer Size", 0, 32767),
                          button("ChannelLogActivateButton", "Activate"),
                          button("ChannelLogDeactivateButton", "Deactivate")]),
        ]),
        ("Stats", [("stat", "ChannelStatsPointCountDisplay", "Point Count", None),
                   ("stat", "ChannelStatsPointCapacityDisplay", "Point Capacity", None),
                   ("stat", "ChannelStatsMemoryDisplay", "Memory Used", None),
                   ("stat", "ChannelStatsDataPointSizeDisplay", "Data Point Size", None),
                   ("stat", "ChannelStatsMaxDataPointsDisplay", "Max Data Points", None),
                   ("stat", "ChannelStatsXMinDisplay", "X-Min", None),
                   ("stat", "ChannelStatsXMaxDisplay", "X-Max", None),
                   ("stat", "ChannelStatsXMeanDisplay", "X-Mean", None),
                   ("stat", "ChannelStatsYMinDisplay", "Y-Min", None),
                   ("stat", "ChannelStatsYMaxDisplay", "Y-Max", None),
                   ("stat", "ChannelStatsYMeanDisplay", "Y-Mean", None),
                   button("ChannelStatsRefreshButton", "Refresh")]),
    ]


def axis_page(a, x_page):
    prec_hi = 1000 if x_page else 20
    other = "Y" if x_page else "X"
    return [
        ("General", [
            edit(a + "NameEdit", "Name"), value(a + "MinEdit", "Min", a + "MinTimePicker", "ivcptDateTime"),
            value(a + "SpanEdit", "Span", a + "SpanTimePicker"),
            value(a + "DesiredStartEdit", "Desired Start", a + "DesiredStartTimePicker"),
            value(a + "DesiredIncrementEdit", "Desired Increment", a + "DesiredIncrementTimePicker"),
            radio(a + "ScaleTypeRadioGroup", "Scale Type", ["Linear", "Log10"], 2),
            check(a + "VisibleCheckBox", "Visible"), check(a + "EnabledCheckBox", "Enabled"),
            check(a + "PopupEnabledCheckBox", "Popup Enabled"), check(a + "ReverseScaleCheckBox", "Reverse Scale"),
            check(a + "RestoreValuesOnResumeCheckBox", "Restore Values On Resume"),
            check(a + "MasterUIInputCheckBox", "Master UI Input"),
            check(a + "GridLinesVisibleCheckBox", "Grid Lines Visible"),
        ]),
        ("Title", [
            edit(a + "TitleTextEdit", "Text"), num(a + "TitleMarginEdit", "Margin"),
            check(a + "TitleShowCheckBox", "Show"), check(a + "TitleRotatedCheckBox", "Rotated"),
            font(a + "TitleFontPicker"),
        ]),
        ("Labels", [("pages", a + "LabelsPageControl", None, [
            ("(Default)", [
                check(a + "LabelVisibleCheckBox", "Visible"),
                combo(a + "LabelFormatStyleComboBox", "Format Style", FORMATS),
                combo(a + "DateTimeFormatComboBox", "Date Time Format", DATETIME, editable=True),
                combo(a + "LabelPrecisionStyleComboBox", "Precision Style", PRECISION),
                num(a + "LabelPrecisionEdit", "Precision", 0, prec_hi),
                num(a + "LabelMarginEdit", "Margin"), num(a + "LabelMinLengthEdit", "Min Length"),
                num(a + "LabelSeparationEdit", "Label Separation"),
                combo(a + "LabelRotationComboBox", "Rotation", ["0", "90", "180", "270"]),
                check(a + "LabelMinLengthAutoAdjustCheckBox", "Min Length Auto Adjust"),
                font(a + "LabelFontPicker"),
            ]),
            ("Cursor", [
                check(a + "CursorUseDefaultFormatCheckBox", "Use Default Format"),
                combo(a + "CursorFormatStyleComboBox", "Format Style", FORMATS),
                combo(a + "CursorDateTimeFormatComboBox", "Date Time Format", DATETIME, editable=True),
                combo(a + "CursorPrecisionStyleComboBox", "Precision Style", PRECISION),
                num(a + "CursorPrecisionEdit", "Precision", 0, 20),
                num(a + "CursorMinLengthEdit", "Min Length"),
                check(a + "CursorMinLengthAutoAdjustCheckBox", "Min Length Auto Adjust"),
                button(a + "CursorCopyDefaultButton", "Copy Default"),
            ]),
            ("Legend", [
                check(a + "LegendUseDefaultFormatCheckBox", "Use Default Format"),
                combo(a + "LegendFormatStyleComboBox", "Format Style", FORMATS),
                combo(a + "LegendDateTimeFormatComboBox", "Date Time Format", DATETIME, editable=True),
                combo(a + "LegendPrecisionStyleComboBox", "Precision Style", PRECISION),
                num(a + "LegendPrecisionEdit", "Precision", 0, prec_hi),
                num(a + "LegendMinLengthEdit", "Min Length"),
                check(a + "LegendMinLengthAutoAdjustCheckBox", "Min Length Auto Adjust"),
                button(a + "LegendCopyDefaultButton", "Copy Default"),
            ]),
        ])]),
        ("Tracking", [
            check(a + "TrackingEnabledCheckBox", "Enabled"),
            combo(a + "TrackingStyleComboBox", "Style",
                  ["Scale Min & Max", "Scale Max", "Scale Min", "Scroll Smooth", "Scroll Page", "Expand Collapse",
                   "Expand Collapse Fast", "Expand Min & Max"]),
            combo(a + "TrackingAlignFirstStyleComboBox", "Align First Style", ["Min", "Max", "Auto", "None"]),
            combo(a + "TrackingIncrementStyleComboBox", "Increment Style", ["Minimum", "Major", "Minor"]),
            num(a + "TrackingScrollCompressMaxEdit", "Scroll Compress Max"),
            num(a + "TrackingSpanMinimumEdit", "Span Minimum"),
            num(a + "TrackingMaxMarginEdit", "Max Margin"), num(a + "TrackingMinMarginEdit", "Min Margin"),
        ]),
        ("Cursor", [
            num(a + "CursorScalerEdit", "Scaler"),
            ("note", None, "Note: See %s-Axes/Labels/Cursor Page For Additional Settings" % ("X" if x_page else "Y"),
             None),
        ]),
        ("Scroll", [
            check(a + "ScrollMinMaxEnabledCheckBox", "Min/Max Enabled"),
            num(a + "ScrollMinEdit", "Min"), num(a + "ScrollMaxEdit", "Max"),
        ]),
        ("Scale", [
            num(a + "MajorLengthEdit", "Major Length", 0, 1000), num(a + "MinorLengthEdit", "Minor Length", 0, 1000),
            num(a + "MinorCountEdit", "Minor Count", 0, 100),
            num(a + "InnerMarginEdit", "Inner Margin", -1000, 1000),
            num(a + "OuterMarginEdit", "Outer Margin", -1000, 1000),
            color(a + "ScaleLinesColorPicker", "Lines Color"),
            num(a + "StartPercentEdit", "Start Percent"), num(a + "StopPercentEdit", "Stop Percent"),
            num(a + "StackingEndsMarginEdit", "Stacking Ends Margin"),
            names(a + "AlignRefAxisNameComboBox", "Align Ref Axis Name"),
            check(a + "ScaleLinesShowCheckBox", "Lines Show"),
            check(a + "ForceStackingCheckBox", "Force Stacking"),
        ]),
        ("Cartesian", [
            combo(a + "CartesianStyleComboBox", "Style", ["None", "Master", "Child"]),
            names(a + "CartesianChildRefAxisNameComboBox", "Child Ref Axis Name"),
            value(a + "CartesianChildRefValueEdit", "Child Ref Value", a + "CartesianChildRefValuePicker"),
            num(a + "LayerEdit", "Layer", 0, 0),
        ]),
    ]


def cursor_page():
    return [
        ("General", [
            edit("DataCursorNameEdit", "Name"),
            combo("DataCursorStyleComboBox", "Style",
                  ["Value XY", "Value X", "Value Y", "Delta X", "Delta Y", "Inverse Delta X"]),
            color("DataCursorColorPicker", "Color"),
            num("DataCursorPointer1PositionEdit", "Pointer 1 Position"),
            num("DataCursorPointer2PositionEdit", "Pointer 2 Position"),
            num("DataCursorPointerPenWidthEdit", "Pointer Pen Width", 1, 50),
            font("DataCursorFontPicker"),
            check("DataCursorUseChannelColorCheckBox", "Use Channel Color"),
            check("DataCursorPopupEnabledCheckBox", "Popup Enabled"),
            check("DataCursorSnapToDataPointCheckBox", "Snap To Data Point"),
        ]),
        ("Channel", [
            names("DataCursorChannelNameComboBox", "Name"),
            check("DataCursorChannelAllowAllCheckBox", "Allow All"),
            check("DataCursorChannelShowAllInLegendCheckBox", "Show All In Legend"),
        ]),
        ("Hint", [
            check("DataCursorHintShowCheckBox", "Show"), check("DataCursorHintHideOnReleaseCheckBox", "Hide On Release"),
            radio("DataCursorOrientationSideRadioGroup", "Orientation Side", ["Bottom-Right", "Top-Left"]),
            num("DataCursorHintPositionEdit", "Position"),
        ]),
    ]


def limit_page():
    return [("General", [
        edit("LimitNameEdit", "Name"),
        names("LimitXAxisNameComboBox", "X-Axis Name"), names("LimitYAxisNameComboBox", "Y-Axis Name"),
        combo("LimitStyleComboBox", "Style", ["Line X", "Line Y", "Band X", "Band Y", "Poly Band X", "Poly Band Y"]),
        num("LimitLine1PositionEdit", "Line 1 Position"), num("LimitLine2PositionEdit", "Line 2 Position"),
        color("LimitColorPicker", "Color"),
        combo("LimitLineStyleComboBox", "Line Style", PEN),
        num("LimitLineWidthEdit", "Line Width", 0, 100),
        combo("LimitFillStyleCombobox", "Fill Style", BRUSH),
        num("LimitLayerEdit", "Layer", 0, 0),
        check("LimitVisibleCheckBox", "Visible"), check("LimitUserCanMoveCheckBox", "User Can Move"),
        check("LimitPopUpEnabledCheckBox", "Popup Enabled"), check("LimitClipToAxesCheckBox", "Clip To Axes"),
    ])]


def label_page():
    return [("General", [
        edit("LabelNameEdit", "Name"), edit("LabelCaptionMemo", "Caption"),
        combo("LabelAlignmentComboBox", "Alignment", ["Center", "Left", "Right"]),
        num("LabelImageListIndexEdit", "Image List Index", -1, 2),
        num("LabelImageIndexEdit", "Image Index", -1, 255),
        font("LabelFontPicker"),
        check("LabelVisibleCheckBox", "Visible"),
        group("Margin", [num("LabelMarginLeftEdit", "Left"), num("LabelMarginTopEdit", "Top"),
                         num("LabelMarginRightEdit", "Right"), num("LabelMarginBottomEdit", "Bottom")]),
    ])]


def legend_page():
    def wrap(rc):
        p = "LegendWrap" + rc
        return group(rc, [num(p + "DesiredCountEdit", "Desired Count", 1, 1000),
                          check(p + "AutoCountEnabledCheckBox", "Auto Count Enabled"),
                          num(p + "AutoCountMaxEdit", "Auto Count Max", 1, 1000),
                          check(p + "SpacingAutoCheckBox", "Spacing Auto"),
                          num(p + "SpacingMinEdit", "Spacing Min")])
    return [
        ("General", [
            num("LegendColumnSpacingEdit", "Column Spacing"), font("LegendFontPicker"),
            group("Margin", [num("LegendLeftMarginEdit", "Left"), num("LegendTopMarginEdit", "Top"),
                             num("LegendRightMarginEdit", "Right"), num("LegendBottomMarginEdit", "Bottom")]),
            check("LegendVisibleCheckbox", "Visible"), check("LegendEnabledCheckbox", "Enabled"),
            check("LegendPopupEnabledCheckbox", "Popup Enabled"),
            group("Selected Item", [font("LegendSelectedItemFontPicker"),
                                    color("LegendSelectedItemColorPicker", "Background Color")]),
            group("Background", [check("LegendBackGroundTransparentCheckBox", "Transparent"),
                                 color("LegendBackgroundColorPicker", "Color")]),
            group("Channel Name", [num("LegendChannelNameMaxWidthEdit", "Max Width"),
                                   combo("LegendChannelNameColorStyleComboBox", "Color Style",
                                         ["Font", "ChannelColor", "XAxisFontColor ", "YAxisFontColor"])]),
            group("Line Column", [num("LegendLineColumnWidthEdit", "Width"),
                                  num("LegendLineColumnHeightEdit", "Height")]),
        ]),
        ("Columns", [
            group("Show", [check("LegendShowXAxisTitleCheckbox", "X-Axis Title"),
                           check("LegendShowYAxisTitleCheckbox", "Y-Axis Title"),
                           check("LegendShowMarkerCheckbox", "Marker"), check("LegendShowXValueCheckbox", "X-Value"),
                           check("LegendShowYValueCheckbox", "Y-Value"), check("LegendShowLineCheckbox", "Line"),
                           check("LegendShowYMaxCheckbox", "Y-Max"), check("LegendShowYMinCheckbox", "Y-Min"),
                           check("LegendShowYMeanCheckbox", "Y-Mean")]),
            group("Titles", [check("LegendColumnTitlesVisibleCheckbox", "Visible"),
                             font("LegendColumnTitlesFontPicker")]),
        ]),
        ("List", [("list", "LegendListBox", None, None), edit("LegendNameEdit", "Name")], False),
        ("Wrap", [wrap("Col"), wrap("Row")]),
    ]


def table_page():
    return [
        ("General", [
            edit("TableNameEdit", "Name"),
            check("TableVisibleCheckbox", "Visible"), check("TableEnabledCheckbox", "Enabled"),
            check("TablePopupEnabledCheckbox", "Popup Enabled"),
            group("Margin", [num("TableLeftMarginEdit", "Left"), num("TableTopMarginEdit", "Top"),
                             num("TableRightMarginEdit", "Right"), num("TableBottomMarginEdit", "Bottom")]),
            num("TableColumnSpacingEdit", "Column Spacing"), num("TableRowSpacingEdit", "Row Spacing"),
            num("TableRowsMaxEdit", "Rows Max"),
            group("Data", [font("TableDataFontPicker")]),
            group("Column Titles", [check("TableColumnTitlesVisibleCheckBox", "Visible"),
                                    font("TableColumnTitlesFontPicker")]),
        ]),
        ("Grid", [
            group("Background", [check("TableGridBackGroundTransparentCheckBox", "Transparent"),
                                 color("TableGridBackgroundColorPicker", "Color")]),
            group("Lines", [check("TableGridLinesShowCheckBox", "Show"),
                            color("TableGridLinesColorPicker", "Color")]),
        ]),
        ("Layout", [num("TableStartPercentEdit", "Start Percent"), num("TableStopPercentEdit", "Stop Percent")]),
    ]


def toolbar_page():
    return [("", [
        num("ToolBarZoomInOutFactorEdit", "Zoom In/Out Factor"),
        check("ToolBarVisibleCheckBox", "Visible"), check("ToolBarEnabledCheckBox", "Enabled"),
        check("ToolBarPopupEnabledCheckBox", "Popup Enabled"), check("ToolBarFlatButtonsCheckBox", "Flat Buttons"),
        check("ToolBarSmallButtonsCheckBox", "Small Buttons"), check("ToolBarFlatBorderCheckBox", "Flat Border"),
        group("Show Button", [check("ToolBarShowEditButtonCheckBox", "Edit"),
                              check("ToolBarShowCopyButtonCheckBox", "Copy"),
                              check("ToolBarShowSaveButtonCheckBox", "Save"),
                              check("ToolBarShowPrintButtonCheckBox", "Print"),
                              check("ToolBarShowResumeButtonCheckBox", "Resume"),
                              check("ToolBarShowPauseButtonCheckBox", "Pause"),
                              check("ToolBarShowAxesModeButtonsCheckBox", "Axes Mode"),
                              check("ToolBarShowZoomInOutButtonsCheckBox", "Zoom In/Out"),
                              check("ToolBarShowZoomBoxButtonCheckBox", "Zoom Box"),
                              check("ToolBarShowCursorButtonCheckBox", "Cursor"),
                              check("ToolBarShowSelectButtonCheckBox", "Select"),
                              check("ToolBarShowPreviewButtonCheckBox", "Preview")]),
        group("", [("list", "ToolBarListBox", None, None), edit("ToolBarNameEdit", "Name")],
              name="ToolBarListGroupBox"),
    ])]


def dataview_page():
    def custom(kind, show):
        p = "DataViewGridLine" + kind
        return (kind[0] + "-" + kind[1:] + "s", [
            check("DataViewGridLine" + show + "CheckBox", "Show"), check(p + "CustomCheckBox", "Custom"),
            group("Custom Properties", [color(p + "ColorColorPicker", "Color"),
                                        num(p + "WidthEdit", "Width", 0, 100),
                                        combo(p + "StyleComboBox", "Style", ["Solid", "Dash", "Dot"])]),
        ])
    return [
        ("General", [
            check("DataViewEnabledCheckBox", "Enabled"), check("DataViewPopupEnabledCheckBox", "Popup Enabled"),
            group("Background", [check("DataViewBackGroundTransparentCheckBox", "Transparent"),
                                 color("DataViewBackgroundColorPicker", "Color")]),
            group("Grid", [names("DataViewGridXAxisNameComboBox", "X-Axis Name"),
                           names("DataViewGridYAxisNameComboBox", "Y-Axis Name"),
                           check("DataViewGridShow", "Show")]),
            group("Axes Control", [check("DataViewAxesControlEnabledCheckBox", "Enabled"),
                                   check("DataViewAxesControlAllowInSelectModeCheckBox", "Allow In Select Mode"),
                                   combo("DataViewAxesControlWheelStyleComboBox", "Wheel Style",
                                         ["X-Axis", "Y-Axis", "Both", "None"]),
                                   combo("DataViewAxesControlMouseStyleComboBox", "Mouse Style",
                                         ["X-Axis", "Y-Axis", "Both", "None"])]),
        ]),
        ("Grid Lines", [
            color("DataViewGridLineColorPicker", "Color"),
            combo("DataViewGridLineMajorStyleComboBox", "Major Style", ["Solid", "Dash", "Dot"]),
            combo("DataViewGridLineMinorStyleComboBox", "Minor Style", ["Solid", "Dash", "Dot"]),
            num("DataViewLayerEdit", "Layer", 0, 0),
            group("Show", [check("DataViewGridLineShowLeft", "Left"), check("DataViewGridLineShowRight", "Right"),
                           check("DataViewGridLineShowTop", "Top"), check("DataViewGridLineShowBottom", "Bottom")]),
            ("pages", "DataViewGridLinesCustomPageControl", None, [
                custom("XMajor", "ShowXMajors"), custom("XMinor", "ShowXMinors"),
                custom("YMajor", "ShowYMajors"), custom("YMinor", "ShowYMinors")]),
        ]),
        ("List", [("list", "DataViewListBox", None, None), edit("DataViewNameEdit", "Name")], False),
    ]


# Object pages: tab caption, sheet, list, add and remove buttons, page control, sub-pages, handler.
OBJECT_PAGES = [
    ("Channels", "ChannelsTabSheet", "ChannelListBox", "iChannelAddButton", "ChannelRemoveButton",
     "ChannelPageControl", channel_page, "ChannelChange"),
    ("Cursors", "DataCursorTabSheet", "DataCursorListBox", "iDataCursorAddButton", "DataCursorRemoveButton",
     "DataCursorPageControl", cursor_page, "DataCursorChange"),
    ("Limits", "LimitTabSheet", "LimitListBox", "iLimitAddButton", "LimitRemoveButton",
     "LimitPageControl", limit_page, "LimitChange"),
    ("Labels", "LabelsTabSheet", "LabelListBox", "iLabelAddButton", "LabelRemoveButton",
     "LabelPageControl", label_page, "LabelChange"),
    ("X-Axes", "XAxesTabSheet", "XAxisListBox", "XAxesAddButton", "XAxisRemoveButton",
     "XAxisPageControl", lambda: axis_page("XAxis", True), "XAxisChange"),
    ("Y-Axes", "YAxesTabSheet", "YAxisListBox", "YAxesAddButton", "YAxisRemoveButton",
     "YAxisPageControl", lambda: axis_page("YAxis", False), "YAxisChange"),
    ("Legend", "LegendTabSheet", None, None, None, "LegendPageControl", legend_page, "LegendChange"),
    ("Tables", "TablesTabSheet", "TableListBox", "iTableAddButton", "TableRemoveButton",
     "TablePageControl", table_page, "TableChange"),
    ("ToolBar", "ToolBarTabSheet", None, None, None, None, toolbar_page, "ToolBarChange"),
    ("Data View", "DataViewTabSheet", None, None, None, "DataViewPageControl", dataview_page, "DataViewChange"),
]
# The layout viewer's popup menu: item and caption, in menu order.
LAYOUT_MENU = [("XYAxesReverseMenuItem", "XY-Axes Reverse"), ("LayoutMenuSeparator1", "-"),
               ("AddXAxisMenuItem", "Add X-Axis"), ("AddYAxisMenuItem", "Add Y-Axis"),
               ("AddLabelMenuItem", "Add Label"), ("LayoutMenuSeparator2", "-"),
               ("DeleteMenuItem", "Delete"), ("VisibleMenuItem", "Visible"), ("EditMenuItem", "Edit")]
# The handlers of the object lists, by list.
LIST_HANDLERS = {
    "ChannelListBox": "ChannelListBox", "LimitListBox": "LimitListBox", "DataCursorListBox": "DataCursorListBox", "LabelListBox": "LabelListBox",
    "XAxisListBox": "XAxisListBox", "YAxisListBox": "YAxisListBox", "LegendListBox": "LegendListBox",
    "ToolBarListBox": "ToolBarListBox", "DataViewListBox": "DataViewListBox", "TableListBox": "TableListBox",
}
ADD_HANDLERS = {"iLimitAddButton": "iLimitAddButtonClick", "iChannelAddButton": "iChannelAddButtonClick", "iDataCursorAddButton": "iDataCursorAddButtonClick",
                "iLabelAddButton": "iLabelAddButtonClick", "XAxesAddButton": "XAxesAddButtonClick",
                "YAxesAddButton": "YAxesAddButtonClick", "iTableAddButton": "iTableAddButtonClick"}
# Name combos and their drop-down handlers.
DROP_DOWNS = {
    "ChannelXAxisNameComboBox": "XAxisNameComboBoxDropDown", "XAxisAlignRefAxisNameComboBox": "XAxisNameComboBoxDropDown",
    "YAxisCartesianChildRefAxisNameComboBox": None,
    "ChannelYAxisNameComboBox": "YAxisNameComboBoxDropDown",
    "LimitXAxisNameComboBox": "XAxisNameComboBoxDropDown", "LimitYAxisNameComboBox": "YAxisNameComboBoxDropDown",
    "XAxisCartesianChildRefAxisNameComboBox": "YAxisNameComboBoxDropDown",
    "YAxisAlignRefAxisNameComboBox": "YAxisNameComboBoxDropDown",
    "DataViewGridXAxisNameComboBox": "DataViewGridXAxisNameComboBoxDropDown",
    "DataViewGridYAxisNameComboBox": "DataViewGridYAxisNameComboBoxDropDown",
    "DataCursorChannelNameComboBox": "DataCursorChannelNameComboBoxDropDown",
}

# Every file picker has a handler of its own name plus "Change".
# Filters and extensions of the file pickers.
CONFIG = ("Config (*.cfg)|*.cfg|All Files (*.*)|*.*", "cfg")
DATA = ("Data (*.dat)|*.dat|All Files (*.*)|*.*", "dat")
LOG = ("Log (*.log)|*.log|All Files (*.*)|*.*", "log")
PICKER_FILTERS = {
    "ControlPropertiesOpenPicker": CONFIG, "ControlPropertiesSavePicker": CONFIG,
    "ControlDataSavePicker": DATA, "ControlDataOpenPicker": ("Data (*.dat)|*.dat|Log (*.log)|*.log|All Files (*.*)|*.*", "dat"),
    "ControlAnnotationSavePicker": ("Annotations (*.ano)|*.ano|All Files (*.*)|*.*", "dat"),
    "ControlAnnotationOpenPicker": ("Annotations (*.ano)|*.ano|All Files (*.*)|*.*", "dat"),
    "ControlLogFileNamePicker": LOG, "ChannelPropertiesOpenPicker": CONFIG, "ChannelPropertiesSavePicker": CONFIG,
    "ChannelDataOpenPicker": DATA, "ChannelDataSavePicker": DATA, "ChannelLogFileNamePicker": LOG,
}

counter = [0]


def fresh(prefix):
    counter[0] += 1
    return "%s%d" % (prefix, counter[0])


class Flow:
    """Places blocks down columns of one page; each block has a height and a width."""

    def __init__(self, width, height, where):
        self.width, self.height, self.where = width, height, where
        self.x, self.y, self.col_w = 6, 6, 0

    def place(self, w, h):
        if self.y + h > self.height - 4 and self.y > 6:
            self.x += self.col_w + 8
            self.y, self.col_w = 6, 0
        if self.x + w > self.width - 2 or self.y + h > self.height - 2:
            sys.exit("%s does not fit: a block %dx%d at %d,%d in %dx%d" %
                     (self.where, w, h, self.x, self.y, self.width, self.height))
        at = (self.x, self.y)
        self.y += h
        self.col_w = max(self.col_w, w)
        return at


def item_size(item):
    kind = item[0]
    if kind == "group":
        rows = [item_size(i) for i in item[3]]
        return max(w for w, _ in rows) + 12, sum(h for _, h in rows) + 22
    if kind == "check":
        return COL_W, ROW
    if kind == "radio":
        items, columns = item[3]
        lines = (len(items) + columns - 1) // columns
        return COL_W, 20 + 18 * lines + 6
    if kind == "note":
        return COL_W * 2, ROW
    if kind == "list":
        return 124, 120
    return COL_W, ROW


def emit_item(L, indent, item, x, y, handler, sheet_w=None, sheet_h=None):
    kind, name, caption, extra = item
    if kind == "group":
        w, h = item_size(item)
        gname = name or fresh("GroupBox")
        emit(indent, "object %s: %s" % (gname, L.cls("group")))
        for k, v in [("Left", x), ("Top", y), ("Width", w), ("Height", h), ("Caption", q(caption))]:
            emit(indent + 1, "%s = %s" % (k, v))
        if name:
            # A named group holds a list the page edits without showing it.
            emit(indent + 1, "Visible = False")
        cy = 18
        for sub in extra:
            _, sh = item_size(sub)
            emit_item(L, indent + 1, sub, 6, cy, handler)
            cy += sh
        emit(indent, "end")
        return
    if kind == "note":
        emit(indent, "object %s: TLabel" % fresh("NoteLabel"))
        for k, v in [("Left", x), ("Top", y + 3), ("Caption", q(caption))]:
            emit(indent + 1, "%s = %s" % (k, v))
        emit(indent, "end")
        return
    if kind == "list":
        emit(indent, "object %s: %s" % (name, L.cls("list")))
        for k, v in [("Left", x), ("Top", y), ("Width", 120), ("Height", 112)]:
            emit(indent + 1, "%s = %s" % (k, v))
        emit(indent + 1, "OnClick = %sClick" % name)
        emit(indent + 1, "OnGetData = %sGetData" % name)
        emit(indent, "end")
        return
    if kind in ("check",):
        emit(indent, "object %s: %s" % (name, L.cls("check")))
        for k, v in [("Left", x), ("Top", y + 2), ("Width", COL_W - 4), ("Height", 19), ("Caption", q(caption))]:
            emit(indent + 1, "%s = %s" % (k, v))
        emit(indent + 1, "OnClick = %s" % handler)
        emit(indent, "end")
        return
    if kind == "radio":
        items, columns = extra
        w, h = item_size(item)
        emit(indent, "object %s: %s" % (name, L.cls("radio")))
        for k, v in [("Left", x), ("Top", y), ("Width", COL_W - 4), ("Height", h - 4), ("Caption", q(caption)),
                     ("Columns", columns), ("Items", "(%s)" % ", ".join(q(i) for i in items))]:
            emit(indent + 1, "%s = %s" % (k, v))
        emit(indent + 1, "OnChange = %s" % handler)
        emit(indent, "end")
        return
    if kind == "stat":
        emit(indent, "object %sLabel: TLabel" % name)
        for k, v in [("Left", x), ("Top", y + 3), ("Caption", q(caption))]:
            emit(indent + 1, "%s = %s" % (k, v))
        emit(indent, "end")
        emit(indent, "object %s: TLabel" % fresh("EqualsLabel"))
        for k, v in [("Left", x + LABEL_W - 10), ("Top", y + 3), ("Caption", q("="))]:
            emit(indent + 1, "%s = %s" % (k, v))
        emit(indent, "end")
        emit(indent, "object %s: TLabel" % name)
        for k, v in [("Left", x + LABEL_W), ("Top", y + 3), ("Caption", q("Click Refresh"))]:
            emit(indent + 1, "%s = %s" % (k, v))
        emit(indent, "end")
        return
    if kind in ("button", "open", "save", "font"):
        emit(indent, "object %s: %s" % (name, L.cls(kind)))
        for k, v in [("Left", x + (LABEL_W if kind != "font" else 0)), ("Top", y), ("Width", 75), ("Height", 21),
                     ("Caption", q(caption))]:
            emit(indent + 1, "%s = %s" % (k, v))
        if kind == "font":
            emit(indent + 1, "OnChange = %s" % handler)
        elif kind == "button":
            emit(indent + 1, "OnClick = %sClick" % name)
        else:
            filt, ext = PICKER_FILTERS[name]
            emit(indent + 1, "Filter = %s" % q(filt))
            emit(indent + 1, "DefaultExt = %s" % q(ext))
            if kind == "open" and name == "ControlPropertiesOpenPicker":
                emit(indent + 1, "FileMustExist = True")
            emit(indent + 1, "OnChange = %sChange" % name)
        emit(indent, "end")
        return
    emit_labelled(L, indent, kind, name, caption, extra, x, y, handler)


def emit_labelled(L, indent, kind, name, caption, extra, x, y, handler):
    emit(indent, "object %sLabel: TLabel" % name)
    for k, v in [("Left", x), ("Top", y + 3), ("Caption", q(caption))]:
        emit(indent + 1, "%s = %s" % (k, v))
    emit(indent, "end")
    cls = L.cls(kind)
    emit(indent, "object %s: %s" % (name, cls))
    width = CTRL_W
    updown = kind == "edit" and extra is not None
    if updown:
        width -= 15
    if kind == "value":
        width -= 21
    if kind == "color":
        width = 60
    for k, v in [("Left", x + LABEL_W), ("Top", y), ("Width", width), ("Height", 21)]:
        emit(indent + 1, "%s = %s" % (k, v))
    if kind in ("edit", "value"):
        emit(indent + 1, "OnUpdate = %s" % handler)
    elif kind == "combo":
        items, editable, drop = extra
        emit(indent + 1, "Style = %s" % ("csDropDown" if editable else "csDropDownList"))
        if items:
            emit(indent + 1, "Items = (%s)" % ", ".join(q(i) for i in items))
        if drop:
            emit(indent + 1, "DropDownCount = %d" % drop)
        emit(indent + 1, "OnChange = %s" % handler)
        if name in DROP_DOWNS and DROP_DOWNS[name]:
            emit(indent + 1, "OnDropDown = %s" % DROP_DOWNS[name])
    elif kind == "color":
        emit(indent + 1, "OnChange = %s" % handler)
    emit(indent, "end")
    if kind == "value":
        picker, page = extra
        emit(indent, "object %s: %s" % (picker, L.cls("converter")))
        props = [("Left", x + LABEL_W + width), ("Top", y), ("Width", 21), ("Height", 21), ("Caption", q("...")),
                 ("Hint", q("Date/Time Editor")), ("ShowHint", "True"), ("DefaultPage", page), ("Associate", name)]
        for k, v in props:
            emit(indent + 1, "%s = %s" % (k, v))
        emit(indent, "end")
    if updown:
        lo, hi, step = extra
        emit(indent, "object %s: %s" % (name[:-4] + "UpDown" if name.endswith("Edit") else name + "UpDown",
                                         L.cls("updown")))
        props = [("Left", x + LABEL_W + width), ("Top", y), ("Min", lo), ("Max", hi), ("Associate", name)]
        if step:
            props.append(("Increment", step))
        for k, v in props:
            emit(indent + 1, "%s = %s" % (k, v))
        emit(indent, "end")


def emit_items(L, indent, items, width, height, where, handler):
    flow = Flow(width, height, where)
    for item in items:
        if item[0] == "pages":
            # An inner page control takes the rest of the page, right of the columns so far.
            x = flow.x + flow.col_w + 8 if flow.col_w else 4
            emit_pages(L, indent, item[1], item[3], x, 4, width - x - 4, height - 8, handler)
            flow.y = height
            continue
        if item[0] == "group" and item[1]:
            emit_item(L, indent, item, 0, 0, handler)
            continue
        w, h = item_size(item)
        x, y = flow.place(w, h)
        emit_item(L, indent, item, x, y, handler)


def emit_pages(L, indent, name, pages, x, y, w, h, handler):
    emit(indent, "object %s: %s" % (name, L.cls("pages")))
    for k, v in [("Left", x), ("Top", y), ("Width", w), ("Height", h)]:
        emit(indent + 1, "%s = %s" % (k, v))
    for page in pages:
        caption, items = page[0], page[1]
        visible = page[2] if len(page) > 2 else True
        emit(indent + 1, "object %s: %s" % (fresh(name + "Sheet"), L.cls("sheet")))
        emit(indent + 2, "Caption = %s" % q(caption))
        if not visible:
            emit(indent + 2, "TabVisible = False")
        # The Title sub-page of the Control page writes the plot's first label.
        own = "TitleChange" if (name, caption) == ("ControlPageControl", "Title") else handler
        emit_items(L, indent + 2, items, w - 8, h - TAB_H - 6, "%s/%s" % (name, caption), own)
        emit(indent + 1, "end")
    emit(indent, "end")


def main():
    L = Layout()
    emit(0, "# The plot editor: one page per kind of plot object, each with its list at the left.")
    emit(0, "# Written by tools/layouts/make_plot_editor_layout.py; change that and run it again.")
    emit(0, "object PlotEditorForm: TiPlotEditorForm")
    for k, v in [("ClientWidth", FORM_W), ("ClientHeight", FORM_H), ("Caption", q("Plot")),
                 ("BorderStyle", "bsDialog"), ("Font.Name", q("MS Sans Serif")), ("Font.Height", -11),
                 ("OnClose", "iCustomEditorFormClose")]:
        emit(1, "%s = %s" % (k, v))
    # The layout viewer's menu comes first, so the viewer finds it by name.
    emit(1, "object LayoutPopupMenu: TPopupMenu")
    emit(2, "OnPopup = LayoutPopupMenuPopup")
    for name, caption in LAYOUT_MENU:
        emit(2, "object %s: TMenuItem" % name)
        emit(3, "Caption = %s" % q(caption))
        if caption != "-":
            emit(3, "OnClick = %sClick" % name)
        emit(2, "end")
    emit(1, "end")
    emit(1, "object PageControl: %s" % L.cls("pages"))
    emit(2, "Align = alClient")
    sheet_w, sheet_h = FORM_W - 8, FORM_H - TAB_H - 8
    emit(2, "object GeneralTabSheet: %s" % L.cls("sheet"))
    emit(3, 'Caption = "Control"')
    emit_pages(L, 3, "ControlPageControl", control_page(), 4, 4, sheet_w - 8, sheet_h - 8, "GeneralChanged")
    emit(2, "end")
    emit(2, "object LayoutTabSheet: %s" % L.cls("sheet"))
    emit(3, 'Caption = "Layout"')
    emit(3, "object iPlotLayoutViewer: TiPlotLayoutViewer")
    emit(4, "Align = alClient")
    emit(4, "PopupMenu = LayoutPopupMenu")
    emit(4, "OnMouseDown = iPlotLayoutViewerMouseDown")
    emit(4, "OnChange = iPlotLayoutViewerChange")
    emit(3, "end")
    emit(2, "end")
    for caption, sheet, lst, add, remove, pages, maker, handler in OBJECT_PAGES:
        emit(2, "object %s: %s" % (sheet, L.cls("sheet")))
        emit(3, "Caption = %s" % q(caption))
        left = OBJ_LEFT if lst else 4
        if lst:
            lx, ly, lw, lh = LIST
            emit(3, "object %s: %s" % (lst, L.cls("list")))
            for k, v in [("Left", lx), ("Top", ly), ("Width", lw), ("Height", sheet_h - 46)]:
                emit(4, "%s = %s" % (k, v))
            emit(4, "OnClick = %sClick" % lst)
            emit(4, "OnGetData = %sGetData" % lst)
            emit(3, "end")
            for i, (b, cap, h) in enumerate([(add, "Add", ADD_HANDLERS[add]), (remove, "Remove", remove + "Click")]):
                emit(3, "object %s: %s" % (b, L.cls("button")))
                for k, v in [("Left", lx + i * 64), ("Top", sheet_h - 32), ("Width", 59), ("Height", 23),
                             ("Caption", q(cap))] + ([("Enabled", "False")] if i else []):
                    emit(4, "%s = %s" % (k, v))
                emit(4, "OnClick = %s" % h)
                emit(3, "end")
        w, h = sheet_w - left - 4, sheet_h - 8
        if pages:
            emit_pages(L, 3, pages, maker(), left, OBJ_TOP, w, h, handler)
        else:
            emit_items(L, 3, maker()[0][1], w, h, caption, handler)
        emit(2, "end")
    emit(1, "end")
    emit(0, "end")
    print("\n".join(out))


main()
