#!/usr/bin/env python3
"""Writes resources/layouts/FRs232Code.layout and FRs232CodeEnglish.layout, the two windows of
the control-code document for outside controllers (Chinese and English editions).

Each window is a column of a rich-text label (630 x 1400 at 50, 24) and ten table pictures
(tools/art draws them). The label's words sit in the gaps between the pictures: this script
places each block of lines in its gap with spacer lines of known heights. Run it after changing
the words or the places and commit its output:

    tools/layouts/make_rs232_layouts.py resources/layouts
"""

import os
import sys

LABEL_TOP = 24
LINE = 16                        # a \\fs20 line of Latin letters
LINE_CJK = 18                    # a \\fs20 line with Chinese characters (their font is taller)
SPACERS = [(20, 16), (12, 10), (8, 6), (4, 4), (2, 2)]   # (\\fs, pixels) of a blank line

HEIGHTS = [113, 81, 70, 68, 99, 99, 99, 80, 98, 93]
TOPS = {
    "zh": [72, 224, 363, 508, 636, 780, 932, 1121, 1270, 1415],
    "en": [72, 208, 363, 508, 648, 792, 940, 1145, 1294, 1427],
}

# The words of the document, one list of lines per gap: before picture 1, then after each
# picture. A line starting with "#" is a heading (bold).
WORDS = {
    "en": [
        ["#RS232 control codes of the QX-73B",
         "An outside controller drives the processor with the short packets below."],
        ["The processor answers every packet with a reply frame:"],
        ["A controller sends one packet, waits for its reply and then sends the next.",
         "If no reply comes, it sends the same packet again. Device ID 0 is not used.",
         "The commands that set one value of one channel follow."],
        ["The gain word is the value the editor's fader shows; a word above 400 is not",
         "sent. Input channels 0-3 and output channels 4-11 take the same packet."],
        ["Mute and polarity are one byte each; the delay is a 16-bit number of",
         "samples at 48 kHz, low byte first, like every word of the protocol."],
        ["Presets live in the processor:"],
        ["#Connecting", "Before sending settings, a controller asks who answers:"],
        ["The model text of a QX-73B begins with \"QX-73B\"; a text beginning with",
         "\"QX-73B V012\" marks the protocol of this document. While connected, a",
         "controller sends the keep-alive whenever it has sent nothing for 2 seconds,",
         "and the closing code when it leaves:"],
        ["#Levels", "The level meters are read by polling, every 300 ms while connected:"],
        ["#Communication parameters"],
    ],
    "zh": [
        ["#QX-73B RS232\u63a7\u5236\u4ee3\u7801",
         "\u5916\u90e8\u63a7\u5236\u5668\u7528\u4e0b\u9762\u7684\u77ed\u6570\u636e\u5305\u63a7\u5236\u5904\u7406\u5668\u3002"],
        ["\u5904\u7406\u5668\u5bf9\u6bcf\u4e2a\u6570\u636e\u5305\u90fd\u56de\u590d\u4e00\u4e2a\u5e94\u7b54\u5e27\uff1a"],
        ["\u63a7\u5236\u5668\u53d1\u9001\u4e00\u4e2a\u6570\u636e\u5305\uff0c\u7b49\u5f85\u5e94\u7b54\u540e\u518d\u53d1\u9001\u4e0b\u4e00\u4e2a\u3002",
         "\u6ca1\u6709\u5e94\u7b54\u65f6\uff0c\u91cd\u53d1\u540c\u4e00\u4e2a\u6570\u636e\u5305\u3002\u8bbe\u5907 ID 0 \u4e0d\u4f7f\u7528\u3002",
         "\u4e0b\u9762\u662f\u8bbe\u7f6e\u4e00\u4e2a\u901a\u9053\u7684\u4e00\u4e2a\u53c2\u6570\u7684\u547d\u4ee4\u3002"],
        ["\u589e\u76ca\u5b57\u5c31\u662f\u7f16\u8f91\u5668\u63a8\u5b50\u6240\u793a\u7684\u503c\uff0c\u5927\u4e8e 400 \u7684\u5b57\u4e0d\u53d1\u9001\u3002",
         "\u8f93\u5165\u901a\u9053 0-3 \u548c\u8f93\u51fa\u901a\u9053 4-11 \u4f7f\u7528\u540c\u6837\u7684\u6570\u636e\u5305\u3002"],
        ["\u9759\u97f3\u548c\u6781\u6027\u5404\u5360\u4e00\u4e2a\u5b57\u8282\uff1b\u5ef6\u65f6\u662f 48 kHz \u4e0b\u7684\u91c7\u6837\u70b9\u6570\uff0c",
         "16 \u4f4d\uff0c\u4f4e\u5b57\u8282\u5728\u524d\uff0c\u4e0e\u534f\u8bae\u4e2d\u6240\u6709\u7684\u5b57\u76f8\u540c\u3002"],
        ["\u9884\u7f6e\u4fdd\u5b58\u5728\u5904\u7406\u5668\u4e2d\uff1a"],
        ["#\u8fde\u63a5", "\u53d1\u9001\u8bbe\u7f6e\u4e4b\u524d\uff0c\u63a7\u5236\u5668\u5148\u8be2\u95ee\u5e94\u7b54\u7684\u8bbe\u5907\uff1a"],
        ["QX-73B \u7684\u578b\u53f7\u6587\u5b57\u4ee5 \"QX-73B\" \u5f00\u5934\uff1b\u4ee5 \"QX-73B V012\" \u5f00\u5934\u8868\u793a",
         "\u672c\u6587\u6863\u7684\u534f\u8bae\u3002\u8fde\u63a5\u671f\u95f4\uff0c2 \u79d2\u5185\u6ca1\u6709\u53d1\u9001\u4efb\u4f55\u6570\u636e\u65f6\u53d1\u9001",
         "\u4fdd\u6301\u8fde\u63a5\u547d\u4ee4\uff0c\u79bb\u5f00\u65f6\u53d1\u9001\u5173\u95ed\u547d\u4ee4\uff1a"],
        ["#\u7535\u5e73", "\u8fde\u63a5\u671f\u95f4\u6bcf 300 ms \u67e5\u8be2\u4e00\u6b21\u7535\u5e73\u8868\uff1a"],
        ["#\u901a\u8baf\u53c2\u6570"],
    ],
}

WINDOWS = {
    "zh": dict(file="FRs232Code.layout", name="fmRs232Code", cls="TfmRs232Code",
               caption="232\u901a\u8baf\u534f\u8bae\u63a7\u5236\u4ee3\u7801", width=745, height=671,
               last="rs232-page-10-zh.png"),
    "en": dict(file="FRs232CodeEnglish.layout", name="fmRs232CodeEnglish", cls="TfmRs232CodeEnglish",
               caption="RS232 Protocal Code", width=754, height=662, last="rs232-page-10-en.png"),
}


def rtf_text(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif code < 128:
            out.append(ch)
        else:
            out.append("\\u%d?" % (code - 65536 if code > 32767 else code))
    return "".join(out)


def spacer(pixels):
    """Blank lines adding up to the pixels (to 1 pixel)."""
    out = []
    for fs, h in SPACERS:
        while pixels >= h:
            out.append("\\fs%d \\'a0\\par " % fs)
            pixels -= h
    return "".join(out)


def line_height(line):
    return LINE_CJK if any(ord(c) > 127 for c in line) else LINE


def document(lang):
    tops, words = TOPS[lang], WORDS[lang]
    gaps = [(LABEL_TOP, tops[0])] + [(tops[i] + HEIGHTS[i], tops[i + 1] if i + 1 < 10 else LABEL_TOP + 1400)
                                     for i in range(10)]
    parts = ["{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red30\\green50\\blue90;}"]
    y = LABEL_TOP
    for (start, end), lines in zip(gaps, words):
        top = start + max(0, (end - start - sum(line_height(l) for l in lines)) // 2)
        if top < y:
            raise SystemExit("%s: the words after %d do not fit their gap" % (lang, start))
        parts.append(spacer(top - y))
        y = top
        for line in lines:
            if line.startswith("#"):
                parts.append("\\fs20\\b\\cf1 %s\\b0\\cf0\\par " % rtf_text(line[1:]))
            else:
                parts.append("\\fs20 %s\\par " % rtf_text(line))
            y += line_height(line)
        if y > end:
            raise SystemExit("%s: the words after %d overrun the picture at %d" % (lang, start, end))
    parts.append("}")
    return "".join(parts)


def q(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def layout(lang):
    w = WINDOWS[lang]
    out = ["# The control-code document for outside controllers. Written by tools/layouts/make_rs232_layouts.py.",
           "object %s: %s" % (w["name"], w["cls"]),
           "  Width = %d" % w["width"], "  Height = %d" % w["height"],
           "  Caption = " + q(w["caption"]),
           "  Color = clWindow", "  BorderStyle = bsSizeable", "  Position = poDesktopCenter",
           "  AutoScroll = True", "  KeyPreview = True",
           "  OnKeyDown = FormKeyDown", "  OnResize = FormResize", "  OnClose = FormClose", "  OnShow = FormShow",
           "  object RTFLabel: TRTFLabel", "    Left = 50", "    Top = %d" % LABEL_TOP, "    Width = 630",
           "    Height = 1400", "    Transparent = True", "    WordWrap = False",
           "    RichText = " + q(document(lang)), "  end"]
    for i, (top, height) in enumerate(zip(TOPS[lang], HEIGHTS)):
        picture = w["last"] if i == 9 else "rs232-page-%d.png" % (i + 1)
        out += ["  object AdvOfficeImage%d: TAdvOfficeImage" % (i + 1), "    Left = 50", "    Top = %d" % top,
                "    Width = 630", "    Height = %d" % height, "    Picture = " + q(picture), "  end"]
    out.append("end")
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "resources/layouts"
    for lang in ("zh", "en"):
        with open(os.path.join(folder, WINDOWS[lang]["file"]), "w", encoding="utf-8") as f:
            f.write(layout(lang))
