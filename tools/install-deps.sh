#!/bin/sh
# Installs what the editor, the simulator and the tests need on Debian 12.
# Skips apt-get when every package is already there.
set -eu
# locales: the sources localedef needs for the comma-decimal number test;
# python3-minimal: the main window's layout generator, checked by a test;
# desktop-file-utils and dpkg-dev: the install and package checks;
# xvfb, openbox and x11-utils: the window tests under a window manager.
PACKAGES="cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libhidapi-dev libudev-dev libpng-dev zlib1g-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core fonts-droid-fallback iproute2 util-linux locales python3-minimal
  desktop-file-utils dpkg-dev xvfb openbox x11-utils"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
