#!/bin/sh
# Renders every page of the main window and each small window to
# docs/screenshots/ with the screenshot tool (offscreen, at the design size).
# Usage: tools/make-screenshots.sh [BUILD_DIR]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-$top/build}/tools/screenshot/qx73b-screenshot
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
for window in TfmLinkSel TfmCopy TfmChannelName TfmChNameList TfmPeqRst TfmSourceSelect TfmTest TfmLimitCalculate; do
  "$tool" "$window" "$out/$window.png"
done
