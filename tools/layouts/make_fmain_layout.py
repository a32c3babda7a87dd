#!/usr/bin/env python3
"""Writes resources/layouts/FMain.layout, the main window's layout.

The main window holds about three thousand controls, most of them one per
channel; this script places them on a regular grid at the design size
1125 x 727. Run it after changing the arrangement and commit its output:

    tools/layouts/make_fmain_layout.py > resources/layouts/FMain.layout

Controls of a family not built yet are written with the standard class that
stands in for them (STAND_IN).
"""

INPUTS = ["InA", "InB", "InC", "InD"]
OUTPUTS = ["Out%d" % n for n in range(1, 9)]
CHANNELS = INPUTS + OUTPUTS

# The family class each role stands for, and the class written meanwhile.
STAND_IN = {}

GRAPH_COLOR = "clBlack"
# The chosen radio of a graph's view and content choice reads yellow, the others silver.
CHOSEN_FONT = "=$0000FFFF"
OTHER_FONT = "=clSilver"
PAGE_COLOR = "$00303030"
BOX_COLOR = "$00404040"

out = []


def q(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def value(v):
    if isinstance(v, bool):
        return "True" if v else "False"
    if isinstance(v, str) and v.startswith("="):
        return v[1:]
    if isinstance(v, str):
        return q(v)
    return str(v)


def items(*entries):
    """A collection value: one item per dict of properties."""
    lines = ["<"]
    for entry in entries:
        lines.append("    item")
        lines += ["      %s = %s" % (k.replace("__", "."), value(v)) for k, v in entry.items()]
        lines.append("    end")
    lines.append("  >")
    return "=" + "\n".join(lines)


class Obj:
    def __init__(self, name, cls, **props):
        self.name, self.cls, self.props, self.children = name, STAND_IN.get(cls, cls), props, []

    def add(self, child):
        self.children.append(child)
        return child

    def write(self, indent=0):
        pad = "  " * indent
        out.append("%sobject %s: %s" % (pad, self.name, self.cls))
        for k, v in self.props.items():
            if isinstance(v, list):
                write_collection(pad + "  ", k, v)
                continue
            out.append("%s  %s = %s" % (pad, k.replace("__", "."), value(v)))
        for c in self.children:
            c.write(indent + 1)
        out.append(pad + "end")


def write_collection(pad, name, items):
    """A collection property: its items, each a dict of properties."""
    out.append("%s%s = <" % (pad, name))
    for item in items:
        out.append(pad + "  item")
        for k, v in item.items():
            out.append("%s    %s = %s" % (pad, k.replace("__", "."), value(v)))
        out.append(pad + "  end")
    out.append(pad + ">")


def transfer_plot(name, width):
    """An X-Y plot of a dynamics transfer curve: input level across, output level up, both
    -100 to +20 dB on a grid; channel 0 the curve, channel 1 the threshold marker; toolbar,
    legend, data cursor and title stored but hidden."""
    def axis(axis_name, increment, **props):
        # Labels and grid lines only: no scale line or tick marks, no popup, no focus.
        a = dict(Name=axis_name, Min=-100.0, Span=120.0, DesiredStart=20.0, DesiredIncrement=float(increment),
                 LabelsPrecision=2, LabelsFont__Color="=clYellow", GridLinesVisible=True, Enabled=False,
                 PopupEnabled=False, CanFocus=False, ScaleLinesShow=False, TrackingEnabled=False, Title=axis_name)
        a.update(props)
        return a

    def channel(channel_name, **props):
        c = dict(Name=channel_name, TitleText=channel_name, XAxisName="X-Axis 1", YAxisName="Y-Axis 1",
                 MarkersTurnOffLimit=0, DataStyle="=ipdsStandard", OPCComputerName="Local",
                 MarkersFont__Height=-11, MarkersFont__Color="=clWhite", MarkersFont__Style="=[fsBold]")
        c.update(props)
        return c

    return Obj(name, "TiXYPlot", Left=10, Top=26, Width=width, Height=230,
               UserCanEditObjects=False, TitleVisible=False, BorderStyle="=ibsNone", DataViewZHorz=1,
               DataViewZVert=1, PrintMarginLeft=1.0, PrintMarginTop=1.0, PrintMarginRight=1.0,
               PrintMarginBottom=1.0,
               ToolBarManager=[dict(Name="Toolbar 1", Visible=False, ZOrder=3, Horizontal=True)],
               LegendManager=[dict(Name="Legend 1", Visible=False, ZOrder=2)],
               XAxisManager=[axis("X-Axis 1", 20, MajorLength=9, MinorLength=13, MinorCount=4,
                                  StackingEndsMargin=1.0, LabelSeparation=0.0)],
               YAxisManager=[axis("Y-Axis 1", 10, MinorLength=8, StackingEndsMargin=0.5)],
               ChannelManager=[
                   channel("Channel 1", Color="=clWhite", TraceLineWidth=2, MarkersFont__Name="MS Sans Serif"),
                   channel("Channel 2", Color=8421631, TraceLineStyle="=iplsDot", TraceLineWidth=5,
                           MarkersAllowIndividual=True, MarkersVisible=True, MarkersSize=5, MarkersPenWidth=3,
                           MarkersFont__Name="Tahoma")],
               DataViewManager=[dict(Name="Data View 1", GridXAxisName="X-Axis 1", GridYAxisName="Y-Axis 1",
                                     AxesControlEnabled=False)],
               DataCursorManager=[dict(Name="Cursor 1", ChannelName="Channel 1", Visible=False)],
               LabelManager=[dict(Name="Title", Caption="Untitled", Visible=False, ZOrder=2, Horizontal=True,
                                  MarginBottom=0.0, Font__Name="Arial", Font__Height=-19,
                                  Font__Color="=clWhite", Font__Style="=[fsBold]")])


def box(name, left, top, width, height, caption="", cls="TRzGroupBox", **props):
    p = dict(Left=left, Top=top, Width=width, Height=height)
    if STAND_IN.get(cls, cls) == "TPanel":
        p.update(BevelOuter="=bvNone", Caption=caption)
    else:
        p.update(Caption=caption)
    p.update(props)
    return Obj(name, cls, **p)


def label(name, left, top, caption, width=None, **props):
    p = dict(Left=left, Top=top, Caption=caption, Font__Color="=clWhite", Transparent=True)
    if width:
        p.update(AutoSize=False, Width=width, Height=props.pop("Height", 16))
    p.update(props)
    return Obj(name, "TLabel", **p)


# The bitmap buttons' faces, drawn by tools/art.
BUTTON_FACES = {
    "ShowFocus": False,
    "ButtonSize": "=bszStretchToButton",
    "Bitmaps.TransparentColor": "=clTeal",
    "Bitmaps.Up": "button-up.png",
    "Bitmaps.Down": "button-down.png",
    "Bitmaps.StayDown": "button-staydown.png",
    "Bitmaps.Hot": "button-hot.png",
    "Bitmaps.Disabled": "button-disabled.png",
    "Font.Color": "=clWhite",
}


def button(name, left, top, width, height, caption, cls="TRzBmpButton", **props):
    p = dict(Left=left, Top=top, Width=width, Height=height, Caption=caption)
    if cls == "TRzBmpButton":
        p.update(BUTTON_FACES)
    p.update(props)
    return Obj(name, cls, **p)


# Every fader: see-through, no ticks, a thin white-to-black track and a
# pictured thumb (16 x 29 upright, turned for the lying faders).
FADER_LOOK = {
    "Transparent": True, "Color": "=clNone", "ColorTo": "=clNone", "BorderColor": "=clNone", "ShowFocus": True,
    "TickMark.Style": "=tsNone", "Slider.Size": 3, "Slider.Color": "=clWhite", "Slider.ColorTo": "=clBlack",
    "Slider.Direction": "=gdHorizontal", "Slider.BorderColor": "=clMedGray", "Thumb.Shape": "=tsPointer",
}


def fader(name, left, top, width, height, lo=0, hi=10, position=None, disabled_picture=False):
    p = dict(Left=left, Top=top, Width=width, Height=height, Min=lo, Max=hi)
    if height > width:
        p["Orientation"] = "=trVertical"
    if position is not None:
        p["Position"] = position
    p.update(FADER_LOOK)
    thumb = "fader-thumb-v" if height > width else "fader-thumb-h"
    p["Thumb.Picture"] = thumb + ".png"
    p["Thumb.PictureHot"] = thumb + "-hot.png"
    p["Thumb.PictureDown"] = thumb + "-down.png"
    if disabled_picture:
        p["Thumb.PictureDisabled"] = thumb + "-disabled.png"
    return Obj(name, "TAdvTrackBar", **p)


def toggle(name, left, top, width, height, caption, group, **props):
    """A button that stays down: its own group among its siblings, released by a second press."""
    return button(name, left, top, width, height, caption, GroupIndex=group, AllowAllUp=True,
                  ButtonBorder="=bbButton", ParentFont=False, Font__Color="=clBlack", **props)


# The value boxes: Tahoma 11 px, centred, framed in the highlight-text colour.
# The cut-off boxes are read-only on a pale yellow ground and rounder.
CUT_OFF_BOXES = ("cvdLowCutFreq", "cvdLowCutBw", "cvdHighCutFreq", "cvdHighCutBw")


def edit(name, left, top, width, text):
    p = dict(Left=left, Top=top, Width=width, Height=24, Text=text, Rounding=4, BorderColor="=clHighlightText",
             Color="=clWhite", Alignment="=taCenter", AutoSelect=False, HideSelection=False, ParentFont=False,
             Font__Name="Tahoma", Font__Height=-11, Font__Color="=clBlack", ShowHint=True, TabStop=True)
    if name.startswith(CUT_OFF_BOXES):
        p.update(Color="=$00FFFFDF", ReadOnly=True, Rounding=6)
    if name.startswith("cvdGate"):
        p["Rounding"] = 6
    if name.startswith("cvdEqParam"):
        p["ReadOnly"] = True
    channel = [c for c in CHANNELS if name.endswith(c)]
    if channel:
        p["Tag"] = tag_of(channel[0])
    return Obj(name, "TCurvyEdit", **p)


def combo(name, left, top, width, items, index=0):
    return Obj(name, "TRzComboBox", Left=left, Top=top, Width=width, Style="=csDropDownList",
               Items="=(" + ", ".join(q(i) for i in items) + ")", ItemIndex=index)


def level(name, left, top, width, height, segments=8):
    """A level bar of 8 segments (red, three yellow, four green) or an indicator of one."""
    counts = dict(FirstNum=1, SecondNum=3, ThirdNum=4) if segments == 8 else dict(FirstNum=1)
    # Unlit segments are dark shades of the lit red, yellow and green.
    counts.update(FirstColor="=$00000050", SecondColor="=$00005050", ThirdColor="=$00003000")
    return Obj(name, "LProgressBar", Left=left, Top=top, Width=width, Height=height, Max=segments, **counts)


def tahoma(color):
    return {"Name": "Tahoma", "Height": -11, "Color": "=" + color}


def graph(name, left, top, width, height, tag, cls="LMyFFTDrawHpLp6dB", **props):
    """A response graph with fixed axes: 966..4096 on the frequency grid, -18..18 dB."""
    p = dict(Left=left, Top=top, Width=width, Height=height, Color="=clBlack", ParentColor=False, Tag=tag,
             AxisColor=35840, GridColor=18432, XAutoScale=False, YAutoScale=False, XMin=966, XMax=4096,
             YMin=-18, YMax=18, YLabelScale=1, YLabelPrecision=5, VertTickLength=0, HorzTickLength=0,
             NumVertGrid=10, NumHorzGrid=11, ShowXTitle=False, ShowYTitle=False, ShowPlotTitle=False,
             XTitle="Frequency ", YTitle="dB", YLabel="dB", PlotTitle="Frequency Response", FFTNuimber="=n4096")
    for font, color in (("PlotTitleFont", "clLime"), ("AxisTitleFont", "clLime"),
                        ("AxisLabelFont", "clActiveBorder"), ("MouseCoordFont", "clLime")):
        for k, v in tahoma(color).items():
            p[font + "__" + k] = v
    p.update(props)
    return Obj(name, cls, **p)


def tag_of(s):
    return CHANNELS.index(s)


SLOPES = ["BW -6", "BL -6", "BW -12", "BL -12", "LR -12", "BW -18", "BL -18", "BW -24", "BL -24", "LR -24",
          "BW -30", "BL -30", "BW -36", "BL -36", "LR -36", "BW -42", "BL -42", "BW -48", "BL -48", "LR -48"]
FIR_WINDOWS = ["  RECT  ", "BARTLETT", "HANNING ", "HAMMING ", "BLACKMAN", "  SINE  ", "  SINC  ", "NUTTALL ",
               " KAISER ", "BLACK-NU", " HARRIS "]


# --- the frame -------------------------------------------------------------

MENU = [
    ("File", "File", True, None, [
        ("Open", "Open", True, "OpenClick"), ("Save", "Save", True, "SaveClick"), ("N1", "-", True, None),
        ("Upload", "Upload", True, "UploadClick"), ("Download", "Download", True, "DownloadClick"),
        ("N2", "-", False, None), ("FactoryDefault", "Factory Default", False, "FactoryDefaultClick"),
        ("N3", "-", True, None),
        ("Exit", "Exit", True, "ExitClick")]),
    ("Link", "Link", True, None, []),
    ("Copy", "Copy", True, None, []),
    ("Lock", "Lock", True, None, [("Unit", "Unit", True, "UnitClick"), ("InFir", "Input FIR", True, "InFirClick")]),
    ("LockMode", "Lock Mode", False, "LockModeClick", []),
    ("SettingID", "Setting ID", False, "SettingIDClick", []),
    ("NetworkSetup", "Setting ID/IP", True, "NetworkSetupClick", []),
    ("InSelect", "In Select", True, None, [("InAnalog", "Analog", True, "InAnalogClick"),
                                           ("InDigital", "AES/EBU", True, "InDigitalClick")]),
    ("OutSelect", "Out Select", True, None, [("OutAnalog", "Analog", True, "OutAnalogClick"),
                                             ("OutDigital", "AES/EBU", True, "OutDigitalClick")]),
    ("TestTone", "Test Tone", True, None, []),
    ("ChNameList", "Channel Name", True, None, []),
    ("SourceSelect", "Source Select", True, None, []),
    ("LimitCalculate", "Limiter Calculate", True, None, []),
    ("LanguageSel", "Language", False, None, [
        ("ChineseSimplified", "Simplified Chinese", True, "ChineseSimplifiedClick"),
        ("ChineseTraditional", "Troditional Chinese", False, None),
        ("English", "English", True, "EnglishClick")]),
    ("Help", "Help", True, None, [
        ("Rs232Code", "RS232 Code Table", True, "Rs232CodeClick"), ("N4", "-", False, None),
        ("MemoShow", "Memo Show", False, "MemoShowClick"), ("HidData", "HidData", False, "HidDataClick"),
        ("LockSetup", "Lock", False, "LockSetupClick")]),
    ("BlockDiagram", "Diagram", False, "BlockDiagramClick", []),
    ("Connect", "Connect", False, None, [("Connected", "Connect", True, "ConnectedClick"),
                                         ("N6", "-", False, None),
                                         ("ConnectHelp", "Connect Help", False, "ConnectHelpClick")]),
    ("About", "About", True, "AboutClick", []),
]
LANGUAGE_TAGS = {"ChineseSimplified": 0, "ChineseTraditional": 1, "English": 2}


def menu_item(name, caption, shown, handler):
    p = dict(Caption=caption)
    if not shown:
        p["Visible"] = False
    if handler:
        p["OnClick"] = "=" + handler
    if name in LANGUAGE_TAGS:
        p["Tag"] = LANGUAGE_TAGS[name]
        p["RadioItem"] = True
        p["GroupIndex"] = 2
    if name in ("InAnalog", "OutAnalog"):
        p["Checked"] = True
    if name in ("InAnalog", "InDigital", "OutAnalog", "OutDigital"):
        p["RadioItem"] = True
        p["GroupIndex"] = 1 if name.startswith("In") else 3
    return Obj(name, "TMenuItem", **p)


def main_menu():
    m = Obj("MainMenu", "TMainMenu")
    for name, caption, shown, handler, items in MENU:
        top = m.add(menu_item(name, caption, shown, handler))
        for item in items:
            top.add(menu_item(*item))
    return m


PAGE_BUTTONS = [("Gain", 15, 14), ("Comp", 70, 12), ("Limit", 125, 17), ("Delay", 180, 13),
                ("Matrix", 235, 15)]


def function_bar():
    # The client area starts below the menu bar.
    bar = box("rzgFunction", 5, 2, 1115, 42, cls="TRzPanel", Color="=$00202020")
    # Gate lies beneath Comp: it is written first so Comp covers it.
    # The page buttons are one group: exactly one is down, Gain at start.
    page = dict(GroupIndex=1, OnClick="=rzbMenuInAClick")
    bar.add(button("rzbMenuGate", 70, 6, 50, 34, "Gate", Tag=16, **page))
    for name, left, tag in PAGE_BUTTONS:
        bar.add(button("rzbMenu" + name, left, 6, 50, 34, name, Tag=tag, **page,
                       **({"Down": True} if name == "Gain" else {})))
    for i, s in enumerate(CHANNELS):
        bar.add(button("rzbMenu" + s, 290 + 55 * i, 6, 50, 34, s, Tag=i, Hint=s, ShowHint=True, **page))
    bar.add(button("rzbMenuLink", 1040, 6, 70, 34, "OffLine", GroupIndex=10, AllowAllUp=True,
                   OnClick="=rzbMenuLinkClick"))
    return bar


def preset_bar():
    bar = box("rzgPreset", 10, 626, 1105, 46, cls="TRzPanel", Color="=$00202020")
    bar.add(label("lAddress", 12, 15, "Address"))
    bar.add(label("lbShowIdNumber", 80, 15, "ID : 1"))
    bar.add(label("lPreset", 160, 15, "Preset"))
    bar.add(label("lbPstNum", 220, 15, "F00"))
    bar.add(label("lbPstName", 270, 15, "Factory Default", width=200))
    bar.add(button("bStore", 500, 8, 80, 30, "Store", OnClick="=bStoreClick"))
    bar.add(button("bRecall", 590, 8, 80, 30, "Recall", OnClick="=bRecallClick"))
    bar.add(label("lbStatus", 690, 15, "OffLine", width=90))
    bar.add(label("lbShowIp", 780, 15, "", width=110))
    bar.add(label("lbDspMips", 900, 15, "DSP 0%", width=160))
    return bar


# --- the pages -------------------------------------------------------------

def page_pair(page, visible=False):
    graph_box = box("rzgFft" + page, 0, 0, 1112, 284, cls="TRzGroupBox", Color="=" + PAGE_COLOR,
                    Visible=visible, Font__Color="=clWhite")
    param_box = box("rzgParam" + page, 20, 292, 1072, 262, cls="TRzGroupBox", Color="=" + PAGE_COLOR,
                    Visible=visible, Font__Color="=clWhite")
    return graph_box, param_box


def channel_graph(g, s):
    i = tag_of(s)
    g.add(label("lbFftChannel" + s, 22, 6, s, Font__Height=-13, Font__Style="=[fsBold]"))
    g.add(label("lbFftParam" + s, 100, 8, "Param"))
    sel = g.add(box("rzgFftShowCh" + s, 560 if i < 4 else 362, 2, 210 if i < 4 else 410, 24, cls="TRzGroupBox",
                    Color="=" + PAGE_COLOR))
    sel.add(label("lbFftShowCh" + s, 6, 5, "Overlay"))
    # Captions in an 11-pixel font, so the translated texts fit the buttons.
    small = dict(FontEnter__Height=-11, FontLeave__Height=-11)
    g.add(button("vrbEqBypass" + s, 776, 2, 76, 22, "Bypass EQ", cls="TVrDemoButton", Tag=i, **small))
    g.add(button("vrbEqReset" + s, 857, 2, 74, 22, "Reset EQ", cls="TVrDemoButton", Tag=i, **small))
    g.add(button("vrbEqShowAll" + s, 934, 2, 100, 22, "Show All EQ", cls="TVrPowerButton", Tag=i,
                 ParentFont=False, Font__Height=-11, Font__Color="=clBlack"))
    # The first input's graph carries the degree title of the phase view.
    g.add(graph("fftDraw" + s, 20, 27, 1070, 255, i, **({"YTitle": "\u00b0"} if s == "InA" else {})))
    # The view choice sits in the plot's upper right corner, clear of the axis labels.
    # Inputs show the EQ only until the input-FIR access dialog shows their choice.
    curve = g.add(box("rzgFftShowCurve" + s, 920, 36, 160, 74, cls="TRzGroupBox",
                      Color="=" + BOX_COLOR, Visible=i >= 4))
    for k, (name, caption, context) in enumerate([("rbShowEq", "EQ", 2), ("rbShowFir", "FIR", 1),
                                                   ("rbShowEqFir", "EQ+FIR", 0)]):
        chosen = (k == 2) if i >= 4 else (k == 0)
        curve.add(Obj(name + s, "TRadioButton", Left=8, Top=6 + 22 * k, Width=140, Caption=caption,
                      Checked=chosen, Font__Color=CHOSEN_FONT if chosen else OTHER_FONT, Tag=i,
                      HelpContext=context))
    view = g.add(box("rzgFftShowView" + s, 836, 36, 80, 52, cls="TRzGroupBox", Color="=" + BOX_COLOR))
    for k, (name, caption) in enumerate([("rbShowGain", "Mag"), ("rbShowPhase", "Phase")]):
        view.add(Obj(name + s, "TRadioButton", Left=8, Top=6 + 22 * k, Width=66, Caption=caption, Checked=k == 0,
                     Font__Color=CHOSEN_FONT if k == 0 else OTHER_FONT, Tag=i))


def gain_group(p, s, backup, left, top):
    """The gain group of a channel page, or its mirror on the gain page (backup)."""
    i = tag_of(s)
    mirror = "Backup" if backup else ""
    g = p.add(box("rzgGain" + mirror + s, left, top, 84 if backup else 126, 234 if backup else 250,
                  cls="TRzGroupBox", Color="=" + BOX_COLOR))
    g.add(label(("lbGainBackupName" if backup else "lbGainName") + s, 6, 4, s))
    if not backup:
        g.add(label("lbGain" + s, 60, 4, "Gain"))
    fader_height = 150 if backup else 170
    g.add(fader("isGain" + mirror + s, 8, 24, 28, fader_height, -280, 120, 0))
    g.add(level("pbLevel" + mirror + s, 42, 24, 12, fader_height))
    if s.startswith("Out"):
        g.add(level("pbLimit" + mirror + s, 58, 24, 12, 12, segments=1))
    g.add(edit("cvdGain" + mirror + s, 4, 28 + fader_height, 76, "+0.0dB"))
    if backup:
        # A 9-pixel font lets "Normal" fit the narrow mirror buttons.
        g.add(toggle("rzbPhaseBackup" + s, 3, 204, 39, 24, "Normal", 3, Tag=i, Font__Height=-9))
        g.add(toggle("rzbMuteBackup" + s, 43, 204, 38, 24, "Mute", 4, Tag=i, Font__Height=-9))
    else:
        g.add(toggle("rzbPhase" + s, 73, 40, 50, 30, "Normal", 3, Tag=i))
        g.add(toggle("rzbMute" + s, 73, 80, 50, 30, "Mute", 4, Tag=i))
    return g


# The band grids: steppers hidden, grey-blue boxes, silver bypass buttons.
PEQ_GRID = dict(UpdownVisable=False, LabelColor="=clBackground", EditBackColor=14474460,
                BypassBackColor="=clSilver")


def channel_params(p, s):
    i = tag_of(s)
    out = s.startswith("Out")
    gain_group(p, s, False, 4, 6)
    eq = p.add(box("rzgEq" + s, 136, 6, 560 if out else 600, 250, cls="TRzGroupBox", Color="=" + BOX_COLOR))
    eq.add(label("lbEq" + s, 8, 4, "EQ Parameter", Font__Style="=[fsBold]"))
    for k, (name, text) in enumerate([("lbEqParam", "Band"), ("lbEqFreq", "Freq"), ("lbEqBw", "Q/BW"),
                                      ("lbEqGain", "Gain")]):
        eq.add(label(name + s, 8, 28 + 24 * k, text, width=88))
    if out:
        eq.add(Obj("peqPeq" + s, "TMyPEQType8", Left=100, Top=24, Width=452, Height=220, Caption="",
                   Color="=" + PAGE_COLOR, Tag=i, ChannelNumber=6, **PEQ_GRID))
    else:
        scroll = eq.add(Obj("scbPeq" + s, "TScrollBox", Left=100, Top=24, Width=492, Height=220,
                            Color="=" + PAGE_COLOR))
        scroll.add(Obj("peqPeq" + s, "TMyPEQType8", Left=0, Top=0, Width=470, Height=364, Caption="",
                       Color="=" + PAGE_COLOR, Tag=i, ChannelNumber=14, **PEQ_GRID))
    x = 700 if out else 740
    filt = p.add(box("rzgFilter" + s, x, 6, 368 if out else 328, 250, cls="TRzGroupBox", Color="=" + BOX_COLOR))
    if out:
        output_filter(filt, s)
        return
    # Each cut-off row: the caption, bypass button and slope caption; input
    # A's faders, boxes and lists lie below the visible area (crossover_editors).
    for k, (name, text) in enumerate([("LowCut", "HPF"), ("HighCut", "LPF")]):
        y = 2 + 68 * k
        filt.add(label("lb%sFreq%s" % (name, s), 8, y + 2, text))
        filt.add(toggle("rzb%sBypass%s" % (name, s), 8, y + 21, 66, 20, "Bypass", 5 + k, Tag=i))
        filt.add(label("lb%sSlop%s" % (name, s), 8, y + 48, "Slope"))
    y = 146
    filt.add(label("lbFirBypass" + s, 8, y, "FIR"))
    filt.add(toggle("rzbFirBypass" + s, 80, y - 2, 66, 20, "Bypass", 2, Tag=i, Down=True))
    filt.add(label("lbShowFirTaps" + s, 8, y + 24, "Taps"))
    filt.add(label("lbNowFirTaps" + s, 80, y + 24, "2048"))
    filt.add(label("lbShowFirName" + s, 8, y + 46, "Name"))
    filt.add(label("lbNowFirName" + s, 80, y + 46, "FirFile", width=90))
    filt.add(Obj("sbOpenFirFile" + s, "TSpeedButton", Left=8, Top=y + 70, Width=80, Height=24, Caption="Open...",
                 Tag=i, ParentFont=False, Font__Color="=clBlack"))


def output_filter(filt, s):
    """An output's mode, its crossover boxes and, in the same place, its FIR
    design boxes, and below them the coefficient-file box."""
    i = tag_of(s)
    filt.add(label("lbMode" + s, 8, 6, "Mode"))
    filt.add(combo("rzcMode" + s, 60, 2, 120, ["       IIR", "       FIR", "  IIR + FIR"], 2))
    grp = dict(cls="TRzGroupBox", Color="=" + BOX_COLOR)
    # The FIR design boxes first, so the crossover boxes lie on top of them.
    ftype = filt.add(box("rzgFirType" + s, 4, 30, 178, 62, **grp))
    ftype.add(label("lbFirType" + s, 6, 6, "Type"))
    ftype.add(combo("rzcFirType" + s, 54, 2, 118, ["BYPASS", "LOW PASS", "HIGH PASS", "BAND PASS"]))
    ftype.add(button("bnFirOK" + s, 54, 30, 118, 26, "OK", Tag=i, Enabled=False))
    fwin = filt.add(box("rzgFirWin" + s, 4, 94, 178, 32, **grp))
    fwin.add(label("lbFirWin" + s, 6, 8, "Window"))
    fwin.add(combo("rzcFirWin" + s, 54, 4, 118, FIR_WINDOWS, 8))
    ftaps = filt.add(box("rzgFirTaps" + s, 4, 128, 178, 32, **grp))
    ftaps.add(label("lbFirTaps" + s, 6, 8, "Taps"))
    ftaps.add(combo("rzcFirTaps" + s, 54, 4, 118, [str(256 + 32 * k) for k in range(25)], 8))
    for k, (name, text, lo, hi, pos, shown) in enumerate([("LowCut", "HPF", 88, 299, 110, "250.0Hz"),
                                                         ("HighCut", "LPF", 89, 300, 300, "20.16KHz")]):
        fcut = filt.add(box("rzgFir%s%s" % (name, s), 186, 30 + 66 * k, 178, 64, **grp))
        fcut.add(label("lbFir%s%s" % (name, s), 6, 6, text))
        f = fcut.add(fader("isFir%s%s" % (name, s), 54, 4, 118, 18, lo, hi, pos))
        f.props.update(Tag=i, Enabled=False)
        fcut.add(edit("cvdFir%s%s" % (name, s), 54, 30, 118, shown))
    # The crossover boxes: caption, bypass button, cut-off fader, value box and slope list.
    for k, (name, text) in enumerate([("LowCut", "HPF"), ("HighCut", "LPF")]):
        cut = filt.add(box("rzg%s%s" % (name, s), 4 + 182 * k, 30, 178, 130, **grp))
        cut.add(label("lb%sFreq%s" % (name, s), 8, 6, text))
        cut.add(toggle("rzb%sBypass%s" % (name, s), 100, 3, 70, 20, "Bypass", 5 + k, Tag=i))
        cut.add(fader("is%sFreq%s" % (name, s), 8, 30, 162, 18, 0, 300, 300 * k))
        cut.add(edit("cvd%sFreq%s" % (name, s), 8, 52, 162, "19.7Hz" if k == 0 else "20.16KHz"))
        cut.add(label("lb%sSlop%s" % (name, s), 8, 96, "Slope"))
        cut.add(combo("rzc%sSlop%s" % (name, s), 60, 92, 110, SLOPES, 19))
    # The coefficient-file box: the FIR bypass, the taps and the file's name.
    fir = filt.add(box("rzgFir" + s, 4, 164, 360, 82, **grp))
    fir.add(label("lbFirBypass" + s, 8, 8, "FIR"))
    fir.add(toggle("rzbFirBypass" + s, 60, 4, 70, 20, "Bypass", 2, Tag=i, Down=True))
    taps = fir.add(box("rzgShowFirTaps" + s, 150, 2, 200, 26, **grp))
    taps.add(label("lbShowFirTaps" + s, 6, 5, "Taps"))
    taps.add(label("lbNowFirTaps" + s, 60, 5, "512"))
    name = fir.add(box("rzgShowFirName" + s, 4, 32, 350, 44, **grp))
    name.add(label("lbShowFirName" + s, 6, 12, "Name"))
    name.add(label("lbNowFirName" + s, 56, 12, "FirFile", width=180))
    opener = "sbOpenFileOut1" if s == "Out1" else "sbOpenFirFile" + s
    name.add(Obj(opener, "TSpeedButton", Left=250, Top=8, Width=90, Height=26, Caption="Open...", Tag=i,
                 ParentFont=False, Font__Color="=clBlack"))


def gain_page(g, p):
    g.add(label("lbFftGainIn", 30, 6, "In", Font__Style="=[fsBold]"))
    sel_in = g.add(box("rzgFftShowChIn", 180, 2, 300, 24, cls="TRzGroupBox", Color="=" + PAGE_COLOR))
    sel_in.add(label("lbFftShowChInAll", 6, 5, "Overlay"))
    g.add(label("lbFftGainOut", 570, 6, "Out", Font__Style="=[fsBold]"))
    # The eight overlay buttons end at the graph's right edge.
    sel_out = g.add(box("rzgFftShowChOut", 638, 2, 442, 24, cls="TRzGroupBox", Color="=" + PAGE_COLOR))
    sel_out.add(label("lbFftShowChOutAll", 6, 5, "Overlay"))
    g.add(graph("fftDrawGainIn", 10, 27, 530, 255, 0))
    g.add(graph("fftDrawGainOut", 550, 27, 530, 255, 0))
    p.add(label("lbGainInput", 8, 4, "In", Font__Style="=[fsBold]"))
    p.add(label("lbGainOutput", 366, 4, "Out", Font__Style="=[fsBold]"))
    for k, s in enumerate(CHANNELS):
        gain_group(p, s, True, 4 + 88 * k + (10 if k >= 4 else 0), 22)


def delay_page(g, p):
    for side, left, chans in (("In", 10, INPUTS), ("Out", 560, OUTPUTS)):
        g.add(label("lbFftDelay" + side, left, 6, side + " Delay", width=520, Font__Style="=[fsBold]"))
        panel = g.add(box("plFftDelay" + side, left, 26, 520, 234, cls="TPanel", Color="=" + GRAPH_COLOR))
        for k, s in enumerate(chans):
            if side == "In":
                marker, line, show = 55 * k + 19, 56 * k + 7, 55 * k + 24
            else:
                n = k + 1
                marker = line = 28 * n - 26
                show = 28 * n - 20
            panel.add(label("lbDelayShow" + s, 4, show, s))
            panel.add(label("lbDelayLine" + s, 40, line, "", width=475, Height=14, Font__Color="=clYellow"))
            panel.add(Obj("imDelay" + s, "TImage", Left=40, Top=marker, Width=12, Height=14,
                          Picture="delay-marker", Transparent=True))
            panel.add(label("lbFftDelayTime" + s, 70, marker + 3, "0.000ms", Font__Color="=clAqua"))
    p.add(label("lbDelayInput", 8, 4, "In", Font__Style="=[fsBold]"))
    p.add(label("lbDelayOutput", 366, 4, "Out", Font__Style="=[fsBold]"))
    p.add(label("lbDelayUnit", 900, 4, "Delay Unit"))
    for k in range(3):
        p.add(button("rzbUnit%d" % k, 970 + 32 * k, 0, 30, 20,
                     ["ms", "m", "ft"][k], Tag=k, GroupIndex=1, Down=k == 0))
    for k, s in enumerate(CHANNELS):
        left = 4 + 88 * k + (10 if k >= 4 else 0)
        grp = p.add(box("rzgDelay" + s, left, 22, 84, 236, cls="TRzGroupBox", Color="=" + BOX_COLOR))
        grp.add(label("lbDelayName" + s, 6, 4, s))
        grp.add(fader("isDelay" + s, 26, 24, 28, 180, 0, 32640))
        grp.add(edit("cvdDelay" + s, 4, 208, 76, "0.00ms"))


SCALE = ["Limit", "Clip", "+12", "+5", "+0", "-5", "-10", "-30", "-50"]
SCALE_NAMES = ["lbLimit", "lbClip", "lb12", "lb5", "lb0", "lbN5", "lbN15", "lbN30", "lbN60"]
GR = ["-1", "-2", "-3", "-5", "-10", "-15", "-20", "-30", "-50"]
GR_NAMES = ["lbGr1", "lbGr2", "lbGr3", "lbGr5", "lbGr10", "lbGr15", "lbGr20", "lbGr30", "lbGr50"]
GATE_SCALE = ["Clip", "+12", "+5", "+0", "-5", "-10", "-20", "-30", "-50"]
GATE_NAMES = ["lbClip", "lb12", "lb5", "lb0", "lbN5", "lbN15", "lbN20", "lbN30", "lbN60"]
SCALE_TOPS = [22, 45, 68, 91, 115, 138, 161, 184, 208]
PANEL_TOPS = [35, 58, 81, 105, 128, 151, 175, 198, 222]
GATE_TOPS = [36, 59, 82, 105, 129, 152, 175, 198, 222]

SMALL = dict(Font__Height=-9)

# The gain-reduction meters: nine red segments growing downwards on maroon.
GR_METER = dict(MeterType="=mtLED", Direction="=dirDown", Min=0, Max=9, Seg1Count=3, Seg2Count=3, Seg3Count=3,
                Seg1Color="=clRed", Seg2Color="=clRed", Seg3Color="=clRed", SegOffColor="=clMaroon", SegSpacing=0,
                BorderOuter="=fsNone", BorderColor="=clNavy", BrushStyle="=bsSolid")


def dynamics_fft(g, kind):
    g.add(label("lb%sName" % kind, 12, 6, "", width=330, Font__Style="=[fsBold]"))
    g.add(transfer_plot("ip" + kind, 380))
    scale = g.add(box("plLevel%sOut" % kind, 396, 2, 50, 247, cls="TPanel", Color="=" + GRAPH_COLOR))
    scale.add(label("lbHead%sOut" % kind, 2, 2, "Out 1", **SMALL))
    scale.add(level("pbLevel%sOut" % kind, 30, 43, 12, 185))
    scale.add(level("pbLimit%sOut" % kind, 30, 14, 12, 22, segments=1))
    for name, text, top in zip(SCALE_NAMES, SCALE, SCALE_TOPS):
        scale.add(label(name + kind + "Out", 2, top, text, **SMALL))
    for n in range(1, 9):
        s = "%sOut%d" % (kind, n)
        panel = g.add(box("plLevel" + s, 450 + 80 * (n - 1), 2, 76, 247, cls="TPanel", Color="=" + GRAPH_COLOR))
        panel.add(label("lbName" + s, 2, 2, "Out%d" % n, **SMALL))
        panel.add(level("pbLimit" + s, 26, 12, 10, 22, segments=1))
        panel.add(level("pbLevel" + s, 26, 55, 10, 185))
        panel.add(Obj("rzmGr" + s, "TRzMeter", Left=60, Top=26, Width=14, Height=214, **GR_METER))
        for name, text, top in zip(SCALE_NAMES, SCALE, PANEL_TOPS):
            panel.add(label(name + s, 2, top, text, **SMALL))
        for name, text, top in zip(GR_NAMES, GR, PANEL_TOPS):
            panel.add(label(name + s, 40, top, text, **SMALL))


def dynamics_params(p, kind):
    fields = [("Threshold", (-180, 40), "+0.0dB"), ("Attack", (0, 9998), "1.0ms"), ("Release", (0, 2999), "10ms"),
              ("Ratio", (0, 15), "1:1.0"), ("Knee", (0, 12), "0dB")]
    for n in range(1, 9):
        s = "Out%d" % n
        grp = p.add(box("rzg%s%s" % (kind, s), 4 + 133 * (n - 1), 6, 129, 250, cls="TRzGroupBox",
                        Color="=" + BOX_COLOR))
        grp.add(label("lb%s%s" % (kind, s), 6, 4, s, Font__Style="=[fsBold]"))
        for k, (field, (lo, hi), text) in enumerate(fields):
            sub = grp.add(box("rzg%s%s%s" % (kind, field, s), 4, 22 + 45 * k, 121, 43, cls="TRzGroupBox",
                              Color="=" + PAGE_COLOR))
            sub.add(label("lb%s%s%s" % (kind, field, s), 4, 2, field, **SMALL))
            if field not in ("Ratio", "Knee"):
                sub.add(fader("is%s%s%s" % (kind, field, s), 2, 16, 44, 20, lo, hi, disabled_picture=True))
            else:
                sub.add(Obj("ud%s%s%s" % (kind, field, s), "TUpDown", Left=26, Top=16, Width=18, Height=22,
                            Min=lo, Max=hi))
            sub.add(edit("cvd%s%s%s" % (kind, field, s), 48, 16, 70, text))


def gate_page(g, p):
    g.add(label("lbGateName", 12, 6, "", width=759, Font__Style="=[fsBold]"))
    g.add(transfer_plot("ipGate", 810))
    scale = g.add(box("plLevelGateIn", 822, 2, 48, 247, cls="TPanel", Color="=" + GRAPH_COLOR))
    scale.add(label("lbHeadGateIn", 2, 2, "In A", **SMALL))
    scale.add(level("pbLevelGateIn", 30, 32, 12, 208))
    for name, text, top in zip(GATE_NAMES, GATE_SCALE, GATE_TOPS):
        scale.add(label(name + "GateIn", 2, top, text, **SMALL))
    for i, s in enumerate(INPUTS):
        panel = g.add(box("plLevelGate" + s, 873 + 53 * i, 2, 50, 247, cls="TPanel", Color="=" + GRAPH_COLOR))
        panel.add(label("lbNameGate" + s, 2, 2, s, **SMALL))
        panel.add(level("pbLevelGate" + s, 32, 32, 10, 208))
        for name, text, top in zip(GATE_NAMES, GATE_SCALE, GATE_TOPS):
            panel.add(label(name + "Gate" + s, 2, top, text, **SMALL))
    fields = [("Threshold", "-90.0dB", -180, 0), ("Attack", "1ms", 0, 998), ("Hold", "10ms", 9, 998),
              ("Release", "10ms", 9, 2999)]
    for i, s in enumerate(INPUTS):
        grp = p.add(box("rzgGate" + s, 4 + 266 * i, 6, 262, 250, cls="TRzGroupBox", Color="=" + BOX_COLOR))
        grp.add(label("lbGate" + s, 6, 4, s, Font__Style="=[fsBold]"))
        for k, (field, text, lo, hi) in enumerate(fields):
            sub = grp.add(box("rzgGate%s%s" % (field, s), 4 + 128 * (k % 2), 24 + 112 * (k // 2), 124, 108,
                              cls="TRzGroupBox", Color="=" + PAGE_COLOR))
            sub.add(label("lbGate%s%s" % (field, s), 4, 4, field))
            sub.add(fader("isGate%s%s" % (field, s), 8, 26, 108, 22, lo, hi, lo, disabled_picture=True))
            sub.add(edit("cvdGate%s%s" % (field, s), 8, 60, 108, text))


IN_ITEMS = [("Gain", "GAIN", "lbMatrixFirInAClick"), ("Gate", "MUTE", "lbMatrixFirInAClick"),
            ("Deq", "PHASE", "lbMatrixDeqInAClick"), ("Peq", "PEQ", "lbMatrixFirInAClick"),
            ("Delay", "DELAY", "lbMatrixDelayInAClick"), ("Fir", "FIR", "lbMatrixFirInAClick")]
IN_LEFTS = [77, 134, 191, 248, 305, 362]
OUT_ITEMS = [("Xover", "XOVER", "lbMatrixFirInAClick"), ("Peq", "PEQ", "lbMatrixFirInAClick"),
             ("Gain", "GAIN", "lbMatrixFirInAClick"), ("Comp", "COMP", "lbMatrixCompOut1Click"),
             ("Phase", "LIMIT", "lbMatrixPhaseOut1Click"), ("Delay", "DELAY", "lbMatrixDelayInAClick"),
             ("Mute", "MUTE", "lbMatrixFirInAClick")]
OUT_LEFTS = [2, 61, 121, 180, 240, 298, 359]

HAND = dict(OnMouseMove="=lbMatrixChNameInAMouseMove", OnMouseLeave="=lbMatrixChNameInAMouseLeave")


def diagram_item(panel, name, s, caption, left, top, width, handler, i, shape_width=None):
    panel.add(Obj("sp" + name + s, "TShape", Left=left, Top=top, Width=shape_width or width, Height=20,
                  Shape="=stRoundRect", Brush__Color="=$00505050", Pen__Color="=clSilver"))
    panel.add(label("lb" + name + s, left, top + 3, caption, width=width, Alignment="=taCenter", Tag=i,
                    OnClick="=" + handler, **HAND))


def matrix_page(g, p):
    g.add(label("lbInSelDigital", 45, 18, "AES/EBU", Visible=False, Font__Color="=clYellow"))
    g.add(label("lbOutSelDigital", 975, 14, "AES/EBU", Visible=False, Font__Color="=clYellow"))
    g.add(Obj("pbMatrix", "TPaintBox", Left=465, Top=38, Width=97, Height=210))
    for i, s in enumerate(INPUTS):
        row = g.add(box("plMatrix" + s, 10, 61 * i + 35, 415, 50, cls="TPanel", Color="=" + BOX_COLOR))
        diagram_item(row, "MatrixName", s, s, 0, 4, 70, "lbMatrixFirInAClick", i, shape_width=58)
        row.children[-1].props.pop("OnClick")
        row.add(label("lbMatrixChName" + s, 0, 28, s, width=70, Alignment="=taCenter", Tag=i, **HAND))
        for (name, caption, handler), left in zip(IN_ITEMS, IN_LEFTS):
            diagram_item(row, "Matrix" + name, s, caption, left, 14, 50, handler, i)
    for n, s in enumerate(OUTPUTS, start=1):
        i = 3 + n
        row = g.add(box("plMatrix" + s, 561, 30 * (n - 1) + 27, 510, 26, cls="TPanel", Color="=" + BOX_COLOR))
        for (name, caption, handler), left in zip(OUT_ITEMS, OUT_LEFTS):
            diagram_item(row, "Matrix" + name, s, caption, left, 3, 50, handler, i)
        row.add(Obj("spMatrixName" + s, "TShape", Left=416, Top=3, Width=58, Height=20, Shape="=stRoundRect",
                    Brush__Color="=$00505050", Pen__Color="=clSilver"))
        # The name label and the channel-name label share the place; the name label stays empty.
        row.add(label("lbMatrixName" + s, 418, 6, "", width=80))
        row.add(label("lbMatrixChName" + s, 419, 6, s, width=55, Alignment="=taCenter", Tag=i, **HAND))
    for n, s in enumerate(OUTPUTS, start=1):
        grp = p.add(box("rzgMatrix" + s, 4 + 133 * (n - 1), 6, 129, 250, cls="TRzGroupBox", Color="=" + BOX_COLOR))
        grp.add(label("lbMatrixOutName" + s, 6, 4, s, Font__Style="=[fsBold]"))
        for k, letter in enumerate("ABCD"):
            y = 24 + 56 * k
            grp.add(toggle("rzb%sMatrix%s" % (letter, s), 4, y, 36, 24, letter, 1 + k, Tag=k))
            grp.add(edit("cvd%sMatrix%s" % (letter, s), 44, y, 60, "+0.0dB"))
            grp.add(Obj("udMixGain%s%s" % (letter, s), "TUpDown", Left=106, Top=y, Width=18, Height=22,
                        Min=-280, Max=0, Position=0))


def pages(main):
    order = [("Comp", None), ("Delay", None), ("Gain", None), ("Matrix", None), ("Gate", None), ("Limit", None)]
    for s in CHANNELS:
        g, p = page_pair(s, visible=(s == "InA"))
        channel_graph(g, s)
        channel_params(p, s)
        main.add(g)
        main.add(p)
    for page, _ in order:
        g, p = page_pair(page, visible=(page == "Gain"))
        if page == "Gain":
            gain_page(g, p)
        elif page == "Delay":
            delay_page(g, p)
        elif page in ("Comp", "Limit"):
            dynamics_fft(g, page)
            dynamics_params(p, page)
        elif page == "Gate":
            gate_page(g, p)
        else:
            matrix_page(g, p)
        main.add(g)
        main.add(p)


# --- the equaliser editors -------------------------------------------------
# Band select buttons, band faders with their value boxes and the hidden key
# box in the label column of each channel's EQ box, the handlers of the band
# grids and EQ bypass buttons, and the deferral timer of the band curves.

def find(obj, name):
    if obj.name == name:
        return obj
    for c in obj.children:
        hit = find(c, name)
        if hit:
            return hit
    return None


BAND_FADERS = [("Freq", "lbEqFreq", 0, 300, 15, "19.7Hz"), ("Bw", "lbEqBw", 0, 100, 5, "0.4"),
               ("Gain", "lbEqGain", 0, 240, 3, "+0.0dB")]


def eq_band_controls(eq, s):
    i = tag_of(s)
    bands = 14 if s.startswith("In") else 6
    find(eq, "lbEqParam" + s).props.update(Top=22)
    for n in range(1, bands + 1):
        k = n - 1
        eq.add(button("rzbEq%d%s" % (n, s), 6 + 18 * (k % 5), 38 + 17 * (k // 5), 17, 16, str(n), Tag=k,
                      GroupIndex=i + 1, OnClick="=rzbEq1InAClick", Font__Height=-9,
                      **({"AllowAllUp": True} if s == "InA" else {})))
    for k, (role, lab, lo, hi, page, text) in enumerate(BAND_FADERS):
        top = 92 + 44 * k
        find(eq, lab + s).props.update(Top=top, Width=34)
        f = eq.add(fader("isEq%s%s" % (role, s), 40, top, 56, 16, lo, hi, 120 if role == "Gain" else None))
        f.props.update(PageSize=page, Tag=i, Enabled=False, OnChange="=isEq%sInAChange" % role)
        box_ = eq.add(edit("cvdEq%s%s" % (role, s), 6, top + 18, 90, text))
        box_.props.update(Height=22, OnExit="=cvdEq%sInAExit" % role, OnKeyDown="=cvdEq%sInAKeyDown" % role)
    key_box = eq.add(edit("cvdEqParam" + s, 98, 24, 0, ""))
    key_box.props.update(OnKeyDown="=cvdEqParamInAKeyDown", TabStop=False)


def eq_editors(root):
    for s in CHANNELS:
        eq_band_controls(find(root, "rzgEq" + s), s)
        find(root, "peqPeq" + s).props.update(OnChange="=peqPeqInAChange", OnEditMouseDown="=peqPeqInAEditMouseDown",
                                             OnPeqTypeMouseWheel="=peqPeqInAPeqTypeMouseWheel")
        find(root, "vrbEqBypass" + s).props.update(OnClick="=vrbEqBypassInAClick")
    root.add(Obj("tmEqCurve", "TTimer", Enabled=False, Interval=1, OnTimer="=tmEqCurveTimer"))

# --- end of the equaliser editors ------------------------------------------


# --- the graph views, overlays, mouse editing and FIR editors --------------
# The mouse and overlay handlers of every response graph, the overlay buttons
# of the channel graphs and of the gain page's overviews, the view and content
# radios, the output FIR controls, the coefficient-file buttons and FIR
# bypass buttons, and the deferral timer of the band drags.

# The overlay buttons' handler of each graph: one per graph.
def overlay_handler(g):
    return {"InA": "vrbShowBInAClick", "Out1": "vrbShow2Out1Click"}.get(
        g, "vrbShowA%sClick" % g if g.startswith("In") else "vrbShow1%sClick" % g)


def overlay_buttons(sel, owner, marks, handler):
    for k, (c, mark) in enumerate(marks):
        sel.add(button("vrbShow" + mark + owner, 54 + 48 * k, 2, 46, 20, c, cls="TVrPowerButton",
                       Tag=tag_of(c), ParentFont=False, Font__Height=-11, Font__Color="=clBlack",
                       OnClick="=" + handler))


def graph_editors(root):
    mouse = dict(OnMouseDown="=fftDrawInAMouseDown", OnMouseMove="=fftDrawInAMouseMove",
                 OnMouseUp="=fftDrawInAMouseUp")
    for s in CHANNELS:
        i = tag_of(s)
        out = s.startswith("Out")
        side = OUTPUTS if out else INPUTS
        find(root, "fftDraw" + s).props.update(mouse)
        find(root, "vrbEqShowAll" + s).props.update(OnClick="=vrbEqShowAllInAClick")
        marks = [(c, c[3:] if out else c[2:]) for c in side if c != s]
        overlay_buttons(find(root, "rzgFftShowCh" + s), s, marks, overlay_handler(s))
        find(root, "rbShowGain" + s).props.update(OnClick="=rbShowGainInAClick")
        find(root, "rbShowPhase" + s).props.update(OnClick="=rbShowPhaseInAClick")
        for name in ("rbShowEq", "rbShowFir", "rbShowEqFir"):
            find(root, name + s).props.update(OnClick="=rbShowEqFirInAClick")
        find(root, "rzbFirBypass" + s).props.update(OnClick="=rzbFirBypass%sClick" % ("Out1" if out else "InA"))
        if not out:
            find(root, "sbOpenFirFile" + s).props.update(OnClick="=sbOpenFirFileInAClick")
            continue
        find(root, "sbOpenFileOut1" if s == "Out1" else "sbOpenFirFile" + s).props.update(
            OnClick="=sbOpenFileOut1Click")
        for name, handler in (("rzcMode", "rzcModeOut1Change"), ("rzcFirType", "rzcFirTypeOut1Change"),
                              ("rzcFirWin", "rzcFirWinOut1Change"), ("rzcFirTaps", "rzcFirTapsOut1Change")):
            find(root, name + s).props.update(Tag=i, OnChange="=" + handler)
        for cut in ("LowCut", "HighCut"):
            find(root, "isFir%s%s" % (cut, s)).props.update(OnChange="=isFir%sOut1Change" % cut)
            find(root, "cvdFir%s%s" % (cut, s)).props.update(OnExit="=cvdFir%sOut1Exit" % cut,
                                                          OnKeyDown="=cvdFir%sOut1KeyDown" % cut)
        find(root, "bnFirOK" + s).props.update(OnClick="=bnFirOKOut1Click")
    for graph, box_, chans in (("fftDrawGainIn", "rzgFftShowChIn", INPUTS),
                               ("fftDrawGainOut", "rzgFftShowChOut", OUTPUTS)):
        find(root, graph).props.update(mouse)
        out = chans is OUTPUTS
        overlay_buttons(find(root, box_), "Gain", [(c, c[3:] if out else c[2:]) for c in chans],
                        "vrbShow1GainClick" if out else "vrbShowAGainClick")
    root.add(Obj("tmMouseEqCurve", "TTimer", Enabled=False, Interval=1, OnTimer="=tmMouseEqCurveTimer"))

# --- end of the graph views, overlays, mouse editing and FIR editors -------


# --- the crossover editors -------------------------------------------------
# Handlers of every channel's cut-off faders, value boxes, slope lists and
# bypass buttons; the outputs' hidden Q displays and up-downs; input A's
# cut-off controls below the visible area of its filter box, those of
# inputs B-D hidden; the deferral timer of the crossover curves.

CUT_SIDES = [("LowCut", 0), ("HighCut", 1)]


def crossover_editors(root):
    for s in CHANNELS:
        i = tag_of(s)
        out = s.startswith("Out")
        filt = find(root, "rzgFilter" + s)
        for side, k in CUT_SIDES:
            if not out:
                y = 262 + 68 * k
                hidden = {} if s == "InA" else {"Visible": False}
                filt.add(fader("is%sFreq%s" % (side, s), 180, y, 90, 18, 0, 300, 300 * k)).props.update(hidden)
                filt.add(edit("cvd%sFreq%s" % (side, s), 180, y + 19, 90,
                              "19.7Hz" if k == 0 else "20.16KHz")).props.update(hidden)
                filt.add(combo("rzc%sSlop%s" % (side, s), 180, y + 45, 90, SLOPES, 19)).props.update(hidden)
            else:
                filt.add(edit("cvd%sBw%s" % (side, s), 80, 2 + 68 * k, 40, "0.71")).props.update(Visible=False)
                filt.add(Obj("ud%sBw%s" % (side, s), "TUpDown", Left=120, Top=2 + 68 * k, Width=18, Height=22,
                             Min=0, Max=36, Position=10, Tag=i, Visible=False,
                             OnChangingEx="=ud%sBwOut1ChangingEx" % side))
            find(filt, "is%sFreq%s" % (side, s)).props.update(Tag=i, PageSize=15, OnChange="=is%sFreqInAChange" % side)
            box_ = find(filt, "cvd%sFreq%s" % (side, s))
            if out or s == "InA":
                box_.props.update(ReadOnly=False, OnExit="=cvd%sFreqInAExit" % side,
                                  OnKeyDown="=cvd%sFreqInAKeyDown" % side)
            find(filt, "rzc%sSlop%s" % (side, s)).props.update(
                Tag=i, OnChange="=rzc%sSlopInAChange" % side, OnMouseWheel="=rzc%sSlopInAMouseWheel" % side)
            find(filt, "rzb%sBypass%s" % (side, s)).props.update(OnClick="=rzb%sBypassInAClick" % side)
        if out:
            for name in ("rzcMode", "rzcFirType", "rzcFirWin", "rzcFirTaps"):
                find(root, name + s).props.update(OnMouseWheel="=rzcHighCutSlopInAMouseWheel")
    root.add(Obj("tmHpLpCurve", "TTimer", Enabled=False, Interval=1, OnTimer="=tmHpLpCurveTimer"))

# --- end of the crossover editors ------------------------------------------


def splash_screen():
    """The start-up splash: shown once the layout is read, closed when the window first shows."""
    return Obj("asScreen", "TAdvSmoothSplashScreen", DisplayStyle="=dsNormal", Width=600, Height=360,
               TimeOut=100, Fill__Color="=$00333333", Fill__ColorTo="=$00000000", Fill__BorderColor="=clNone",
               Fill__BorderWidth=0, Fill__Rounding=0, Fill__RoundingType="=rtNone",
               Fill__ShadowColor="=clNone", Fill__ShadowOffset=0, Fill__PicturePosition="=ppBottomCenter",
               Items=items(dict(Picture="splash-logo.png", PosX=225, PosY=50)),
               ListItems=items(dict(HTMLText='<FONT size="18" color="clWhite">Loading Program....</FONT><br>')),
               ListItemsSettings__Rect__Left=200, ListItemsSettings__Rect__Top=280,
               ListItemsSettings__Rect__Width=500, ListItemsSettings__Rect__Height=250,
               ListItemsSettings__HTMLFont__Name="Tahoma", ListItemsSettings__HTMLFont__Height=-11,
               ListItemsSettings__HTMLFont__Color="=clWindowText",
               BasicProgramInfo__ProgramName__Text="QX-73B DSP Processor",
               BasicProgramInfo__ProgramName__Font__Name="Tahoma",
               BasicProgramInfo__ProgramName__Font__Height=-27,
               BasicProgramInfo__ProgramName__Font__Style="=[fsBold]",
               BasicProgramInfo__ProgramName__Font__Color="=clWhite",
               BasicProgramInfo__ProgramName__Location="=ilCustom",
               BasicProgramInfo__ProgramName__PosX=170, BasicProgramInfo__ProgramName__PosY=240,
               BasicProgramInfo__ProgramName__HatchStyle="=HatchStyleDivot",
               BasicProgramInfo__ProgramName__ColorStart="=clWhite",
               BasicProgramInfo__ProgramName__ColorEnd="=clWhite",
               BasicProgramInfo__ProgramVersion__Font__Name="Tahoma",
               BasicProgramInfo__ProgramVersion__Font__Height=-19,
               BasicProgramInfo__ProgramVersion__Location="=ilCustom",
               BasicProgramInfo__ProgramVersion__PosX=485, BasicProgramInfo__ProgramVersion__PosY=140,
               BasicProgramInfo__ProgramVersion__HatchStyle="=HatchStyleDivot",
               BasicProgramInfo__ProgramVersion__ColorStart="=clWhite",
               BasicProgramInfo__ProgramVersion__ColorEnd="=clWhite",
               BasicProgramInfo__CopyRightFont__Name="MS Sans Serif",
               BasicProgramInfo__CopyRightFont__Height=-11,
               BasicProgramInfo__CopyRightFont__Color="=$000262C1",
               BasicProgramInfo__CopyRightLocation="=ilCustom",
               BasicProgramInfo__CopyRightPosX=340, BasicProgramInfo__CopyRightPosY=340,
               ProgressBar__Left=160, ProgressBar__Top=220, ProgressBar__Height=12, ProgressBar__Step=10,
               ProgressBar__Maximum=100, ProgressBar__ValueFormat="%.0f%%",
               ProgressBar__BackGroundFill__Color="=clNone", ProgressBar__BackGroundFill__ColorTo="=clNone",
               ProgressBar__BackGroundFill__BorderColor="=$00808080",
               ProgressBar__ProgressFill__Color="=$00FFFFFF", ProgressBar__ProgressFill__ColorTo="=$00FFCC99",
               ProgressBar__Font__Name="Tahoma", ProgressBar__Font__Height=-11,
               ProgressBar__ProgressFont__Name="Tahoma", ProgressBar__ProgressFont__Height=-11)

# --- the gain, delay, link and channel-name editors ------------------------
# Handlers of every channel's gain and delay faders, value boxes, polarity
# and mute buttons (and their twins on the gain page), of the delay lines and
# unit buttons, of the block diagram's name labels, of the EQ reset buttons
# and of the menu items that open the channel dialogs; the delay change
# guard's timer. Each delay marker is 30 x 30 with its picture centred, and
# lies beneath its line, which reaches over the marker, so the line takes the
# mouse over the marker too; the line's dashes, 6 pixels each (a third of the
# 18-pixel font), run level with the marker's middle up to the marker.

def channel_editors(root):
    for s in CHANNELS:
        i = tag_of(s)
        for mirror in ("", "Backup"):
            find(root, "isGain%s%s" % (mirror, s)).props.update(Tag=i, OnChange="=isGain%sInAChange" % mirror)
            find(root, "cvdGain%s%s" % (mirror, s)).props.update(OnKeyDown="=cvdGain%sInAKeyDown" % mirror,
                                                                OnExit="=cvdGain%sInAExit" % mirror)
            find(root, "rzbPhase%s%s" % (mirror, s)).props.update(OnClick="=rzbPhase%sInAClick" % mirror)
            find(root, "rzbMute%s%s" % (mirror, s)).props.update(OnClick="=rzbMute%sInAClick" % mirror)
        find(root, "isDelay" + s).props.update(Tag=i, OnChange="=isDelayInAChange", OnEnter="=isDelayInAEnter",
                                               OnMouseDown="=isDelayInAMouseDown")
        find(root, "cvdDelay" + s).props.update(OnKeyDown="=cvdDelayInBKeyDown", OnExit="=cvdDelayInAExit")
        find(root, "lbDelayLine" + s).props.update(Tag=i, OnMouseDown="=lbDelayLineInAMouseDown",
                                                   OnMouseMove="=lbDelayLineInAMouseMove",
                                                   OnMouseUp="=lbDelayLineInAMouseUp")
        find(root, "lbMatrixChName" + s).props.update(OnClick="=lbMatrixChNameInAClick")
        find(root, "vrbEqReset" + s).props.update(OnClick="=vrbEqResetInAClick")
    for panel in ("plFftDelayIn", "plFftDelayOut"):
        kids = find(root, panel).children
        for s in CHANNELS:
            names = [c.name for c in kids]
            if "lbDelayLine" + s in names and "imDelay" + s in names:
                line = kids.pop(names.index("lbDelayLine" + s))
                marker = kids[[c.name for c in kids].index("imDelay" + s)]
                marker.props.update(Width=30, Height=30, Center=True)
                kids.insert(kids.index(marker) + 1, line)
                line.props.update(Height=2 * (marker.props["Top"] + 15 - line.props["Top"]), Layout="=tlCenter",
                                  Font__Height=-18)
    for k in range(3):
        find(root, "rzbUnit%d" % k).props.update(OnClick="=rzbUnit0Click")
    for item in ("Link", "Copy", "ChNameList"):
        find(root, item).props.update(OnClick="=%sClick" % item)
    root.add(Obj("tmSlider", "TTimer", Enabled=False, Interval=100, OnTimer="=tmSliderTimer"))
    root.add(Obj("tmDlyDown", "TTimer", Enabled=False, Interval=100, OnTimer="=tmDlyDownTimer"))

# --- end of the gain, delay, link and channel-name editors -----------------


# --- the dynamics and matrix editors ----------------------------------------
# Handlers of every output's compressor and limiter controls, of every
# input's gate controls and of every output's route buttons, mix up-downs
# and mix boxes (one handler of a kind per output); the routing diagram's
# paint; the menu items of the source-select, test-signal and limiter
# calculator dialogs; the deferral timers of the compressor and limiter
# curves. The matrix controls' Tag is their input.

DYNAMICS_FIELDS = ["Threshold", "Attack", "Release", "Ratio", "Knee"]
GATE_FIELDS = ["Threshold", "Attack", "Release", "Hold"]


def dynamics_editors(root):
    for kind in ("Comp", "Limit"):
        mouse = "=%sOut1MouseDown" % kind
        for s in OUTPUTS:
            i = tag_of(s)
            for field in DYNAMICS_FIELDS:
                if field in ("Ratio", "Knee"):
                    find(root, "ud%s%s%s" % (kind, field, s)).props.update(
                        Tag=i, OnChangingEx="=ud%s%sOut1ChangingEx" % (kind, field))
                else:
                    find(root, "is%s%s%s" % (kind, field, s)).props.update(
                        Tag=i, PageSize=10, OnChange="=is%s%sOut1Change" % (kind, field),
                        OnMouseDown="=is%sThresholdOut1MouseDown" % kind)
                find(root, "cvd%s%s%s" % (kind, field, s)).props.update(
                    OnExit="=cvd%s%sOut1Exit" % (kind, field), OnKeyDown="=cvd%s%sOut1KeyDown" % (kind, field),
                    OnMouseDown="=cvd%sThresholdOut1MouseDown" % kind)
            find(root, "lb%s%s" % (kind, s)).props.update(Tag=i, OnMouseDown="=lb" + mouse[1:])
        root.add(Obj("tm%sDisp" % kind, "TTimer", Enabled=False, Interval=1, OnTimer="=tm%sDispTimer" % kind))
    for s in INPUTS:
        i = tag_of(s)
        for field in GATE_FIELDS:
            find(root, "isGate%s%s" % (field, s)).props.update(
                Tag=i, PageSize=10, OnChange="=isGate%sInAChange" % field, OnMouseDown="=isGateThresholdInAMouseDown")
            find(root, "cvdGate%s%s" % (field, s)).props.update(
                OnExit="=cvdGate%sInAExit" % field, OnKeyDown="=cvdGate%sInAKeyDown" % field,
                OnMouseDown="=cvdGateThresholdInAMouseDown")
        find(root, "lbGate" + s).props.update(Tag=i, OnMouseDown="=lbGateInAMouseDown")
    for n, s in enumerate(OUTPUTS, start=1):
        for k, letter in enumerate("ABCD"):
            find(root, "rzb%sMatrix%s" % (letter, s)).props.update(OnClick="=rzbAMatrixOut%dClick" % n)
            find(root, "cvd%sMatrix%s" % (letter, s)).props.update(
                Tag=k, OnExit="=cvdAMatrixOut%dExit" % n, OnKeyDown="=cvdAMatrixOut%dKeyDown" % n)
            find(root, "udMixGain%s%s" % (letter, s)).props.update(Tag=k, OnChangingEx="=udMixGainAOut%dChangingEx" % n)
    find(root, "pbMatrix").props.update(OnPaint="=rzgFftMatrixPaint")
    for item in ("SourceSelect", "TestTone", "LimitCalculate"):
        find(root, item).props.update(OnClick="=%sClick" % item)

# --- end of the dynamics and matrix editors --------------------------------


def form():
    f = Obj("fmMain", "TfmMain", Left=0, Top=0, Width=1125, Height=727, Caption="K-ARX QX-73B DSP Processor Editor",
            Color="=$00202020", BorderStyle="=bsSizeable", Position="=poScreenCenter",
            OnCreate="=FormCreate", OnClose="=FormClose", OnResize="=FormResize")
    f.add(main_menu())
    f.add(splash_screen())
    f.add(Obj("tmStartConnect", "TTimer", Enabled=False, Interval=300, OnTimer="=tmStartConnectTimer"))
    f.add(Obj("tmProcessShow", "TTimer", Enabled=False, Interval=100, OnTimer="=tmProcessShowTimer"))
    f.add(Obj("tmPts", "TTimer", Enabled=False, Interval=1000, OnTimer="=tmPtsTimer"))
    f.add(Obj("tmComScan", "TTimer", Enabled=False, Interval=1, OnTimer="=tmComScanTimer"))
    f.add(Obj("tmDisconnect", "TTimer", Enabled=False, Interval=300, OnTimer="=tmDisconnectTimer"))
    f.add(Obj("tmLinkBroken", "TTimer", Enabled=False, Interval=300, OnTimer="=tmLinkBrokenTimer"))
    for name, interval in (("tmInLevelDet", 300), ("tmMipsFlash", 300), ("tmPresetLoadCount", 10),
                           ("tmUpload", 300), ("tmDownloadEnd", 1)):
        f.add(Obj(name, "TTimer", Enabled=False, Interval=interval, OnTimer="=%sTimer" % name))
    f.add(function_bar())
    main = f.add(box("rzgMain", 6, 44, 1112, 629, cls="TRzPanel", Color="=$00202020"))
    main.add(Obj("imLeftUpBase", "TImage", Left=0, Top=0, Width=1082, Height=256))
    main.add(Obj("imRightUpBase", "TImage", Left=1077, Top=0, Width=35, Height=256))
    main.add(Obj("imLeftDownBase", "TImage", Left=0, Top=256, Width=1082, Height=373))
    main.add(Obj("imRightDownBase", "TImage", Left=1077, Top=256, Width=35, Height=373))
    pages(main)
    f.add(preset_bar())
    eq_editors(f)
    graph_editors(f)
    crossover_editors(f)
    channel_editors(f)
    dynamics_editors(f)
    return f


if __name__ == "__main__":
    form().write()
    print("# The main window. Written by tools/layouts/make_fmain_layout.py; edit the script, not this file.")
    print("\n".join(out))
