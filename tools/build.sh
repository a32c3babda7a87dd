#!/bin/sh
# Configures and builds into BUILD_DIR (default: build) with Ninja and ccache.
# Extra arguments go to cmake's configure step.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
export CCACHE_BASEDIR="$top"
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
export CCACHE_NOHASHDIR=1
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$top" -B "$build" -G Ninja -DQX_WERROR=$werror "$@"
cmake --build "$build"
