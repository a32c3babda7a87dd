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
# The plot library's value converter, on each of its pages: 1.5 days (1 day 12 hours) and
# 36526.75 (1 January 2000, 18:00; a price of 36526 24/32).
"$tool" --value 1.5 TiValueConverterEditForm "$out/TiValueConverterEditForm-interval.png"
"$tool" --page PageControl=1 --value 36526.75 TiValueConverterEditForm "$out/TiValueConverterEditForm-datetime.png"
"$tool" --page PageControl=2 --value 36526.75 TiValueConverterEditForm "$out/TiValueConverterEditForm-price.png"
