#!/bin/sh
# Runs a test program on a private X server under a small window manager,
# which stacks, places and activates windows as a user's desktop does.
# Exits 77 (skipped) when the X server or the window manager is missing.
set -eu
command -v Xvfb >/dev/null && command -v openbox >/dev/null || { echo "Xvfb or openbox missing"; exit 77; }
dir=$(mktemp -d)
xserver=""
manager=""
stop() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || return 0
    wait "$1" 2>/dev/null || true
}
cleanup() {
    stop "$manager"
    stop "$xserver"
    rm -rf "$dir"
}
trap cleanup EXIT
# The server picks a free display number and writes it to fd 3. It listens
# on an abstract socket only: binding one fails when the number is taken, so
# two runners never share a server, and the socket belongs to the network
# namespace, so runners in separate loopback-only namespaces never meet (a
# socket file in the shared /tmp would be taken over by the next server).
Xvfb -displayfd 3 -nolisten tcp -nolisten unix -screen 0 1600x1000x24 3>"$dir/display" >"$dir/server.log" 2>&1 &
xserver=$!
tries=0
until [ -s "$dir/display" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || { cat "$dir/server.log"; exit 1; }
    sleep 0.1
done
DISPLAY=":$(head -n 1 "$dir/display")"
export DISPLAY
openbox --sm-disable >"$dir/manager.log" 2>&1 &
manager=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || { cat "$dir/manager.log"; exit 1; }
    sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
