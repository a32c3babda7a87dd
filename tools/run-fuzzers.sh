#!/bin/sh
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) into their own BUILD_DIR (default: build-fuzz) and runs each
# for SECONDS (default 60). Usage: tools/run-fuzzers.sh [SECONDS] [TARGET...]
# Targets are the names in fuzz/Targets.cmake (link_reply, gui_layout, ...);
# with none given, all run one after the other. Each run starts from a copy
# of fuzz/corpus/<target>/ in BUILD_DIR/corpus/<target>/ and writes what it
# finds to BUILD_DIR/crashes/<target>/; nothing is written into the source
# tree. A crash input belongs in fuzz/corpus/<target>/ once it is fixed.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build-fuzz}
seconds=${1:-60}
[ $# -gt 0 ] && shift
export CCACHE_BASEDIR="$top"
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
export CCACHE_NOHASHDIR=1
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_FUZZ=ON -DQX_SANITIZE=address,undefined \
  -DQX_BUILD_TESTS=OFF -DQX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target qx_fuzzers
targets=${*:-$(sed -n 's/^qx_fuzz_target(\([a-z_]*\) .*/\1/p' "$top/fuzz/Targets.cmake")}
export QT_QPA_PLATFORM=offscreen
status=0
for t in $targets; do
  mkdir -p "$build/corpus/$t" "$build/crashes/$t"
  cp -n "$top/fuzz/corpus/$t/"* "$build/corpus/$t/" 2>/dev/null || true
  echo "== $t ($seconds s)"
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$t/" "$build/corpus/$t" || status=1
done
exit $status
