#!/usr/bin/env python3
"""Writes resources/layouts/FLinkSel.layout, the link selection dialog.

A lower-triangular grid of latching buttons per side: one row box per
channel, one button per channel at or above the row's own. Run it after
changing the arrangement and commit its output:

    tools/layouts/make_flinksel_layout.py > resources/layouts/FLinkSel.layout
"""

INPUTS = ["A", "B", "C", "D"]
OUTPUTS = [str(n) for n in range(1, 9)]

BUTTON_W, BUTTON_H, PITCH, ROW_H = 46, 22, 50, 28
BOX_COLOR = "$00404040"
FACES = [
    ("ShowFocus", "False"), ("ButtonSize", "bszStretchToButton"), ("Bitmaps.TransparentColor", "clTeal"),
    ("Bitmaps.Up", '"button-up.png"'), ("Bitmaps.Down", '"button-down.png"'),
    ("Bitmaps.StayDown", '"button-staydown.png"'), ("Bitmaps.Hot", '"button-hot.png"'),
    ("Bitmaps.Disabled", '"button-disabled.png"'), ("Font.Color", "clWhite"),
]

out = []


def emit(indent, text):
    out.append("  " * indent + text)


def obj(indent, name, cls, props):
    emit(indent, "object %s: %s" % (name, cls))
    for k, v in props:
        emit(indent + 1, "%s = %s" % (k, v))


# The handler of each row, bound to every button of the row; the rows of
# InA and Out1 hold one button and need none.
def handler(side, names, r):
    if r == 0:
        return None
    if r == len(names) - 1:
        return "rzb%sLink%s%sClick" % (names[r], side, names[r])
    return "rzb%sLink%s%sClick" % (names[r], side, names[0])


def side_box(indent, side, names, left, top):
    width = 12 + PITCH * len(names)
    height = 38 + ROW_H * len(names)
    obj(indent, "rzgLinkSel" + side, "TRzGroupBox",
        [("Left", left), ("Top", top), ("Width", width), ("Height", height), ("Caption", '" %s "' % side),
         ("Color", BOX_COLOR), ("Font.Color", "clWhite")])
    for h, name in enumerate(names):
        obj(indent + 1, "lbLinkSel%s%s" % (side, name), "TLabel",
            [("Left", 6 + PITCH * h), ("Top", 16), ("Width", BUTTON_W), ("Height", 14), ("AutoSize", "False"),
             ("Alignment", "taCenter"), ("Transparent", "True"), ("Caption", '"%s%s"' % (side, name)),
             ("Font.Color", "clWhite")])
        emit(indent + 1, "end")
    for r, row in enumerate(names):
        # One row box keeps "LinlSel", the name it has always had.
        box = ("rzgLinlSel%s%s" if side == "In" and row == "D" else "rzgLinkSel%s%s") % (side, row)
        obj(indent + 1, box, "TRzGroupBox",
            [("Left", 4), ("Top", 32 + ROW_H * r), ("Width", width - 8), ("Height", ROW_H), ("Caption", '""'),
             ("Color", BOX_COLOR)])
        for h in range(r + 1):
            props = [("Left", 2 + PITCH * h), ("Top", 3), ("Width", BUTTON_W), ("Height", BUTTON_H),
                     ("Caption", '"%s%s"' % (side, row)), ("Tag", h), ("GroupIndex", 1)]
            if h == r:
                props.append(("Down", "True"))
            if handler(side, names, r):
                props.append(("OnClick", handler(side, names, r)))
            obj(indent + 2, "rzb%sLink%s%s" % (row, side, names[h]), "TRzBmpButton", props + FACES)
            emit(indent + 2, "end")
        emit(indent + 1, "end")
    emit(indent, "end")
    return width, height


def main():
    in_w, in_h = 12 + PITCH * 4, 38 + ROW_H * 4
    out_w, out_h = 12 + PITCH * 8, 38 + ROW_H * 8
    width = 8 + in_w + 8 + out_w + 8
    height = 8 + out_h + 52
    print("# The link selection dialog. Written by tools/layouts/make_flinksel_layout.py; edit the script,"
          " not this file.")
    obj(0, "fmLinkSel", "TfmLinkSel",
        [("ClientWidth", width), ("ClientHeight", height), ("Caption", '"Link Selection"'),
         ("Color", "$00503C28"), ("BorderStyle", "bsDialog"), ("BorderIcons", "[]"),
         ("Position", "poScreenCenter"), ("OnShow", "FormShow")])
    side_box(1, "In", INPUTS, 8, 8)
    side_box(1, "Out", OUTPUTS, 8 + in_w + 8, 8)
    for name, caption, left, handler_name in (("bnSet", "Set", width // 2 - 100, "bnSetClick"),
                                              ("bnExit", "Exit", width // 2 + 20, "bnExitClick")):
        obj(1, name, "TRzBmpButton",
            [("Left", left), ("Top", height - 42), ("Width", 80), ("Height", 30), ("Caption", '"%s"' % caption),
             ("OnClick", handler_name)] + FACES)
        emit(1, "end")
    emit(0, "end")
    print("\n".join(out))


if __name__ == "__main__":
    main()
