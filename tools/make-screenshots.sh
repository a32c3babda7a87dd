#!/bin/sh
# Renders every page of the main window and each small window to
# docs/screenshots/ with the screenshot tool (offscreen, at the design size).
# Usage: tools/make-screenshots.sh [BUILD_DIR]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
tool=$build/tools/screenshot/qx73b-screenshot
out=$top/docs/screenshots
mkdir -p "$out"
for page in Gain Comp Limit Delay Matrix Gate InA InB InC InD Out1 Out2 Out3 Out4 Out5 Out6 Out7 Out8; do
  name=$(echo "$page" | tr 'A-Z' 'a-z')
  "$tool" --press "rzbMenu$page" TfmMain "$out/main-$name.png"
done
for window in TfmInformation TfmProcess TfmExit TfmAbout TfmMemo; do
  name=$(echo "${window#Tfm}" | tr 'A-Z' 'a-z')
  "$tool" "$window" "$out/$name.png"
done
# The dialogs, under their class names.
for window in TfmStorePreset TfmRecallPreset TfmStoreName TfmFactory TfmLockSetup TfmLockMode \
  TfmLockPassWord TfmNetwork TfmNetworkSetup TfmHidData \
  TfmLinkSel TfmCopy TfmChannelName TfmChNameList TfmPeqRst TfmSourceSelect TfmTest TfmLimitCalculate; do
  "$tool" "$window" "$out/$window.png"
done
# The three transfer-curve plots with a test curve each: a compressor at -10 dB, 1:4, knee
# 6 dB; a limiter at 0 dB; a gate at -40 dB.
"$tool" --press rzbMenuComp --points "ipComp/0=20:-2.5,-4:-8.5,-16:-16,-100:-100" \
  --points "ipComp/1=-9.8:-10.4" TfmMain "$out/plot-comp-curve.png"
"$tool" --press rzbMenuLimit --points "ipLimit/0=20:0,0:0,0:0,-100:-100" \
  --points "ipLimit/1=0.2:-0.4" TfmMain "$out/plot-limit-curve.png"
"$tool" --press rzbMenuGate --points "ipGate/0=20:20,-40:-40,-40:-100" \
  --points "ipGate/1=-39.8:-40.4" TfmMain "$out/plot-gate-curve.png"
# A test plot with a visible toolbar, legend and title, and the six data-cursor styles.
curve="0=0:0,10:35,20:55,30:68,40:76,50:80,60:82,70:83,80:83.5,90:84,100:84"
set --
for plot in ipShow ipCursorValueXY ipCursorValueX ipCursorValueY ipCursorDeltaX ipCursorDeltaY ipCursorInverseDeltaX; do
  set -- "$@" --points "$plot/$curve" --points "$plot/1=30:68"
done
"$tool" "$@" TForm "$out/plot-objects.png" "$top/tools/screenshot/PlotShowcase.layout"
"$tool" TfmInFirPassWord "$out/infirpassword.png"
# The splash and the document windows, scrolled and widened, are kept by their tests.
QX_SCREENSHOT_DIR=$out QT_QPA_PLATFORM=offscreen "$build/tests/app/qx_app_program_tests" \
  --gtest_filter='SplashAtStart.*:DocumentWindows.*' >/dev/null
# The Y-T channel's drawing styles: a noisy wave of 2000 points for the fast trace, a short
# record for the others, high-low points (X:HIGH:LOW:OPEN:CLOSE) and a null point.
wave=$(awk 'BEGIN { for (i = 0; i < 2000; i++) { x = i / 20; printf "%s%.3f:%.3f", (i ? "," : ""), x, 5 + 3 * sin(x / 8) + ((i * 7919) % 101) / 60 - 0.8 } }')
short="5:2,15:4.5,25:3.5,35:6,45:7.5,55:5,65:6.5,75:3,85:4,95:5.5"
digital="5:0,15:0,25:1,35:1,45:1,55:0,65:1,75:0,85:0,95:1"
highlow=$(awk 'BEGIN { for (i = 0; i < 12; i++) { x = 6 + i * 8; m = 5 + 2.5 * sin(i / 2); o = m + ((i % 3) - 1) * 0.8; c = m - ((i % 3) - 1) * 0.8 + (i % 2 ? 0.4 : -0.4); printf "%s%d:%.2f:%.2f:%.2f:%.2f", (i ? "," : ""), x, m + 1.8, m - 1.8, o, c } }')
"$tool" --points "ipYTFast/0=$wave" --points "ipYTFill/0=$short" --points "ipYTBars/0=$short" \
  --points "ipYTSpline/0=$short" --points "ipYTPolynomial/0=$short" --points "ipYTRational/0=$short" \
  --points "ipYTStepped/0=$short" --points "ipYTSteppedEnd/0=$short" --points "ipYTDigital/0=$digital" \
  --points "ipYTOpenClose/0=$highlow" --points "ipYTCandle/0=$highlow" \
  --points "ipYTNull/0=5:2,15:4.5,25:3.5,35:6,45:null,55:5,65:6.5,75:3,85:4,95:5.5" \
  TForm "$out/plot-yt-styles.png" "$top/tools/screenshot/YTShowcase.layout"
# The plot editor on a test plot, one picture per page and sub-page.
for page in "Control/General" "Control/Title" "Control/Background" "Control/Print" "Control/Hints" \
  "Control/File I~O" "Control/Annotation Defaults" "Layout" \
  "Channels/General" "Channels/Trace" "Channels/Marker" "Channels/File I~O" "Channels/Stats" \
  "Cursors/General" "Cursors/Channel" "Cursors/Hint" "Limits/General" "Labels/General" \
  "X-Axes/General" "X-Axes/Title" "X-Axes/Labels/(Default)" "X-Axes/Labels/Cursor" "X-Axes/Labels/Legend" \
  "X-Axes/Tracking" "X-Axes/Cursor" "X-Axes/Scroll" "X-Axes/Scale" "X-Axes/Cartesian" \
  "Y-Axes/General" "Y-Axes/Labels/(Default)" "Y-Axes/Scale" "Y-Axes/Cartesian" \
  "Legend/General" "Legend/Columns" "Legend/Wrap" "Tables/General" "Tables/Grid" "Tables/Layout" "ToolBar" \
  "Data View/General" "Data View/Grid Lines/X-Majors" "Data View/Grid Lines/Y-Minors" \
  "YT:Channels/General" "YT:Channels/Trace" "YT:Channels/Bar" "YT:Channels/High~Low/Open~Close" \
  "YT:Channels/High~Low/Candlestick" "YT:Channels/Fill" "YT:Channels/Digital"; do
  # "~" stands for the "/" inside a caption; file names take the captions in lower case.
  name=$(echo "$page" | sed 's|^YT:|yt-|' | tr 'A-Z /~' 'a-z--' | tr -d '()')
  "$tool" --plot-editor "$(echo "$page" | sed 's|~|\\/|g')" "$out/plot-editor-$name.png"
done
# The plot's print preview of a test plot, and its settings dialog.
"$tool" --plot-preview page "$out/TiPlotPreviewForm.png"
"$tool" --plot-preview settings "$out/TiPlotPreviewSettingsForm.png"
# The plot library's value converter, on each of its pages: 1.5 days (1 day 12 hours) and
# 36526.75 (1 January 2000, 18:00; a price of 36526 24/32).
"$tool" --value 1.5 TiValueConverterEditForm "$out/TiValueConverterEditForm-interval.png"
"$tool" --page PageControl=1 --value 36526.75 TiValueConverterEditForm "$out/TiValueConverterEditForm-datetime.png"
"$tool" --page PageControl=2 --value 36526.75 TiValueConverterEditForm "$out/TiValueConverterEditForm-price.png"
