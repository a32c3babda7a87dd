#!/bin/sh
# Installs dependencies, builds, and starts the editor.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
"$top/tools/build.sh" -DQX_BUILD_TESTS=OFF -DQX_BUILD_BENCH=OFF
build=${BUILD_DIR:-$top/build}
if [ -x "$build/src/app/qx73b-editor" ]; then
  exec "$build/src/app/qx73b-editor" "$@"
fi
echo "The editor is not built yet; the simulator is: $build/sim/qx73b-sim" >&2
[ -x "$build/sim/qx73b-sim" ] && exec "$build/sim/qx73b-sim" --tcp 127.0.0.1:0 "$@"
exit 1
