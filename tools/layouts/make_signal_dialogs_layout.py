#!/usr/bin/env python3
"""Writes the layouts of the source-select, test-signal and limiter-calculator
dialogs, one per run, named by the first argument. Run it after changing an
arrangement and commit its output:

    tools/layouts/make_signal_dialogs_layout.py FSourceSelect > resources/layouts/FSourceSelect.layout
    tools/layouts/make_signal_dialogs_layout.py FTest > resources/layouts/FTest.layout
    tools/layouts/make_signal_dialogs_layout.py FLimitCalculate > resources/layouts/FLimitCalculate.layout
"""

import sys

BOX_COLOR = "$00404040"
FORM_COLOR = "$00503C28"
FACES = [
    ("ShowFocus", "False"), ("ButtonSize", "bszStretchToButton"), ("Bitmaps.TransparentColor", "clTeal"),
    ("Bitmaps.Up", '"button-up.png"'), ("Bitmaps.Down", '"button-down.png"'),
    ("Bitmaps.StayDown", '"button-staydown.png"'), ("Bitmaps.Hot", '"button-hot.png"'),
    ("Bitmaps.Disabled", '"button-disabled.png"'), ("Font.Color", "clWhite"),
]
WHITE = [("Transparent", "True"), ("Font.Color", "clWhite")]
# Radio buttons draw their own light ground: dark text on it.
RADIO = [("ParentFont", "False"), ("Font.Color", "clBlack")]

out = []


def q(text):
    return '"%s"' % text


def emit(indent, text):
    out.append("  " * indent + text)


def obj(indent, name, cls, props, children=None):
    emit(indent, "object %s: %s" % (name, cls))
    for k, v in props:
        emit(indent + 1, "%s = %s" % (k, v))
    for child in children or []:
        child(indent + 1)
    emit(indent, "end")


def leaf(name, cls, props):
    return lambda indent: obj(indent, name, cls, props)


def label(name, left, top, caption, width=None, align=None):
    props = [("Left", left), ("Top", top), ("Caption", q(caption))]
    if width:
        props += [("Width", width), ("AutoSize", "False")]
    if align:
        props.append(("Alignment", align))
    return leaf(name, "TLabel", props + WHITE)


def button(name, left, top, caption, handler):
    return leaf(name, "TRzBmpButton", [("Left", left), ("Top", top), ("Width", 80), ("Height", 30),
                                       ("Caption", q(caption)), ("OnClick", handler)] + FACES)


def form(name, cls, width, height, caption, icons, events, children, comment):
    print("# %s Written by tools/layouts/make_signal_dialogs_layout.py; edit the script, not this file." % comment)
    obj(0, name, cls, [("ClientWidth", width), ("ClientHeight", height), ("Caption", q(caption)),
                       ("Color", FORM_COLOR), ("BorderStyle", "bsDialog"), ("BorderIcons", icons),
                       ("Position", "poScreenCenter")] + events, children)


# --- source select -----------------------------------------------------------
# One list per channel in a box of its own: the channel alone or its pair's
# sum, each text led by blanks so that it stands centred.

PAIRS = [("InA", "InA + InB"), ("InB", "InA + InB"), ("InC", "InC + InD"), ("InD", "InC + InD")] + [
    ("Out%d" % n, "Out%d + Out%d" % (n - (n + 1) % 2, n + n % 2)) for n in range(1, 9)]
LIST_W, CELL, ROW = 112, 133, 58


def channel_box(tag, left, top):
    name, pair = PAIRS[tag]
    lead = 7 if name.startswith("In") else 5
    items = "(%s, %s)" % (q(" " * 12 + name), q(" " * lead + pair))
    combo = leaf("cb" + name, "TRzComboBox", [("Left", 8), ("Top", 20), ("Width", LIST_W), ("Tag", tag),
                                               ("Style", "csDropDownList"), ("Items", items), ("ItemIndex", 0),
                                               ("OnChange", "cbInAChange")])
    caption = " InA" if name == "InA" else " %s " % name
    return lambda indent: obj(indent, "gb" + name, "TRzGroupBox",
                              [("Left", left), ("Top", top), ("Width", LIST_W + 16), ("Height", 52),
                               ("Caption", q(caption)), ("Color", BOX_COLOR), ("Font.Color", "clWhite")], [combo])


def side_group(name, caption, top, tags):
    rows = (len(tags) + 3) // 4
    boxes = [channel_box(t, 6 + CELL * (k % 4), 20 + ROW * (k // 4)) for k, t in enumerate(tags)]
    return lambda indent: obj(indent, name, "TRzGroupBox",
                              [("Left", 10), ("Top", top), ("Width", 4 * CELL + 10), ("Height", 26 + ROW * rows),
                               ("Caption", q(caption)), ("Color", BOX_COLOR), ("Font.Color", "clWhite")], boxes)


def source_select():
    width = 4 * CELL + 30
    out_top = 10 + 26 + ROW + 10
    height = out_top + 26 + 2 * ROW + 56
    form("fmSourceSelect", "TfmSourceSelect", width, height, "Source Select", "[]", [("OnShow", "FormShow")],
         [side_group("gbInput", " Input ", 10, range(4)), side_group("gbOutput", " Output ", out_top, range(4, 12)),
          button("bnExit", width // 2 - 40, height - 42, "Exit", "bnExitClick")],
         "The source of each channel: its own signal or the sum of its pair.")


# --- test signal -----------------------------------------------------------
# The four kinds in one box, the sine's frequency list (a list to choose
# from, not to type in) and the level fader of the generated signals.

FREQUENCIES = ["20Hz", "25Hz", "31.5Hz", "40Hz", "50Hz", "63Hz", "80Hz", "100Hz", "125Hz", "160Hz", "200Hz", "250Hz",
               "315Hz", "400Hz", "500Hz", "630Hz", "800Hz", "1KHz", "1.25KHz", "1.6KHz", "2KHz", "2.5KHz", "3.15KHz",
               "4KHz", "5KHz", "6.3KHz", "8KHz", "10KHz", "12.5KHz", "16KHz", "20KHz"]
KINDS = [("rbAnalogIn", "Analog Input"), ("rbPinkNoise", "Pink Noise"), ("rbWhiteNoise", "White Noise"),
         ("rbSineWave", "Sine Wave")]
FADER_LOOK = [
    ("Transparent", "True"), ("Color", "clNone"), ("ColorTo", "clNone"), ("BorderColor", "clNone"),
    ("ShowFocus", "True"), ("TickMark.Style", "tsNone"), ("Slider.Size", 3), ("Slider.Color", "clWhite"),
    ("Slider.ColorTo", "clBlack"), ("Slider.Direction", "gdHorizontal"), ("Slider.BorderColor", "clMedGray"),
    ("Thumb.Shape", "tsPointer"), ("Thumb.Picture", q("fader-thumb-h.png")),
    ("Thumb.PictureHot", q("fader-thumb-h-hot.png")), ("Thumb.PictureDown", q("fader-thumb-h-down.png")),
]


def test_signal():
    kinds = []
    for tag, (name, caption) in enumerate(KINDS):
        props = [("Left", 16), ("Top", 14 + 26 * tag), ("Width", 110), ("Caption", q(caption)), ("Tag", tag),
                 ("OnClick", "rbAnalogInClick")] + RADIO
        if tag == 0:
            props.insert(5, ("Checked", "True"))
        kinds.append(leaf(name, "TRadioButton", props))
    kinds_box = lambda indent: obj(indent, "GroupBox1", "TGroupBox",
                                   [("Left", 12), ("Top", 10), ("Width", 257), ("Height", 120), ("Caption", '""'),
                                    ("Color", BOX_COLOR)], kinds)
    frequencies = leaf("cbSineFreq", "TComboBox",
                       [("Left", 150), ("Top", 92), ("Width", 100), ("Style", "csDropDownList"), ("DropDownCount", 16),
                        ("Items", "(%s)" % ", ".join(q(f) for f in FREQUENCIES)), ("ItemIndex", 0),
                        ("OnSelect", "cbSineFreqSelect")])
    fader = leaf("isToneGain", "TAdvTrackBar",
                 [("Left", 12), ("Top", 170), ("Width", 257), ("Height", 28), ("Min", -80), ("Max", 0),
                  ("PageSize", 6), ("Position", -80), ("OnChange", "isToneGainChange")] + FADER_LOOK)
    form("fmTest", "TfmTest", 281, 273, "Input Signal Select", "[]", [("OnShow", "FormShow")],
         [kinds_box, frequencies, label("lbLevel", 40, 146, "Level : "),
          label("lbToneGain", 120, 146, "-40.0 dB", width=100, align="taRightJustify"), fader,
          button("bnExit", 100, 224, "OK", "bnExitClick")],
         "The test signal at the processor's inputs and its level.")


# --- limiter calculator ------------------------------------------------------
# Two boxes of the same place hold the two ways to give the amplifier's gain;
# the typed gain's box lies in front. Every edit box takes its value on Enter
# and on leaving it; its Tag names the value.

EDIT_W, COL1, COL2, COL3 = 64, 170, 250, 330


def edit(name, left, top, text, tag):
    return leaf(name, "TEdit", [("Left", left), ("Top", top), ("Width", EDIT_W), ("Height", 22), ("MaxLength", 7),
                                ("Alignment", "taRightJustify"), ("Text", q(text)), ("Tag", tag),
                                ("OnKeyDown", "edSentivity1KeyDown"), ("OnExit", "edSentivity1Exit")])


def result(name, left, top, text):
    return label(name, left, top + 3, text, width=76, align="taRightJustify")


def gain_box(name, children):
    return lambda indent: obj(indent, name, "TRzGroupBox",
                              [("Left", 10), ("Top", 36), ("Width", 400), ("Height", 76), ("Caption", '""'),
                               ("Color", BOX_COLOR), ("Font.Color", "clWhite")], children)


def limit_calculate():
    worked = gain_box("gbSentivity2", [
        label("lbSentivity2", 10, 14, "Amplifier Sentivity"), edit("edSentivity2Volt", COL1 - 10, 10, "0.775", 5),
        label("lbSentivity2Volt", COL1 + 58, 14, "Volt"), edit("edSentivity2Ohms", COL2 + 10, 10, "4.0", 6),
        label("lbSentivity2Ohms", COL2 + 78, 14, "Ohms"),
        label("lbPower2", 10, 44, "Amplifier Power"), edit("edSentivity2Watt", COL1 - 10, 40, "200.0", 7),
        label("lbSentivity2Watt", COL1 + 58, 44, "Watt"), result("lbResultSentivity2", COL2 - 6, 41, "31.2"),
        label("lbResultSentivity2Unit", COL2 + 78, 44, "dBu")])
    typed = gain_box("gbSentivity1", [
        label("lbSentivity1", 10, 30, "Amplifier Sentivity"), edit("edSentivity1", COL1 - 10, 26, "31.2", 0),
        label("lbSentivity1Unit", COL1 + 58, 30, "dBu")])
    # Each row: its caption, its boxes and results (edit: name, text, tag; result: name, text), its unit,
    # and the column heads above it.
    rows = [
        ("Speaker Power", [("edPowerAes", "300.0", 1), ("edPowerPeak", "1200.0", 2)], "Watt", ("AES", "Peak")),
        ("Speaker Impedance ", [("edImpedance", "  8.0", 3)], "Ohms", None),
        ("Threshold", [("lbThresholdResultAes", " 4.8"), ("lbThresholdResultPeak", "10.8")], "dBu", ("RMS", "Peak")),
        ("XOVER HPF Filter", [("edXoverFreq", "100.0", 4)], "Hz", None),
        ("Attack Time", [("lbAttackResultAes", "10.0 - 40.0"), ("lbAttackResultPeak", " 5.0 - 10.0")], "ms", None),
        ("Release Time", [("lbReleaseResultAes", " 160 -  640"), ("lbReleaseResultPeak", "  80 -  160")], "ms",
         None),
    ]
    children = [
        leaf("rbSentivity1", "TRadioButton", [("Left", 14), ("Top", 10), ("Width", 110), ("Caption", q("Sentivity1")),
                                              ("Tag", 0), ("Checked", "True"), ("OnClick", "rbSentivity1Click")] + RADIO),
        leaf("rbSentivity2", "TRadioButton", [("Left", 140), ("Top", 10), ("Width", 110), ("Caption", q("Sentivity2")),
                                              ("Tag", 1), ("OnClick", "rbSentivity1Click")] + RADIO),
        worked, typed]
    top = 124
    for k, (caption, cells, unit, heads) in enumerate(rows):
        if heads:
            children += [label("lbHead%dAes" % k, COL1, top, heads[0], width=EDIT_W, align="taCenter"),
                         label("lbHead%dPeak" % k, COL2, top, heads[1], width=EDIT_W, align="taCenter")]
            top += 18
        children.append(label("lbRow%d" % k, 14, top + 3, caption))
        for column, cell in zip((COL1, COL2), cells):
            children.append(edit(cell[0], column, top, *cell[1:]) if len(cell) == 3
                            else result(cell[0], column - 12, top, cell[1]))
        children.append(label("lbRow%dUnit" % k, COL3, top + 3, unit))
        top += 30
    form("fmLimitCalculate", "TfmLimitCalculate", 420, top + 8, "Limiter Calculate", "[biSystemMenu]",
         [("OnCreate", "FormCreate"), ("OnShow", "FormShow")], children,
         "The limiter calculator: thresholds and times from the amplifier and the loudspeaker.")


DIALOGS = {"FSourceSelect": source_select, "FTest": test_signal, "FLimitCalculate": limit_calculate}

if __name__ == "__main__":
    if len(sys.argv) != 2 or sys.argv[1] not in DIALOGS:
        sys.exit("usage: make_signal_dialogs_layout.py %s" % "|".join(DIALOGS))
    DIALOGS[sys.argv[1]]()
    print("\n".join(out))
