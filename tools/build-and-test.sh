#!/bin/sh
# Installs dependencies, builds everything and runs every test inside a
# fresh network namespace that has only loopback, with no serial port
# visible, so that no test can reach a real processor.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
# Tests and benchmarks ON explicitly: the run command turns them off in the
# same build folder.
"$top/tools/build.sh" -DQX_BUILD_TESTS=ON -DQX_BUILD_BENCH=ON
build=${BUILD_DIR:-$top/build}
jobs=$(nproc)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO unshare -m -n sh -c '
  set -e
  mount -t tmpfs none /sys/class/tty
  ip link set lo up
  if ip -o link show | grep -v " lo:" | grep -q .; then
    echo "test namespace has a network interface besides loopback" >&2
    exit 1
  fi
  exec ctest --test-dir "$1" --no-tests=error --output-on-failure -j "$2" --timeout 300
' sh "$build" "$jobs" || { rc=$?; echo "tests failed or the isolated namespace could not be made (exit $rc)" >&2; exit $rc; }
