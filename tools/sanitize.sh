#!/bin/sh
# Builds the suite with AddressSanitizer + UndefinedBehaviorSanitizer and
# runs every test, then with ThreadSanitizer and runs the threaded areas,
# both inside the loopback-only namespace the test command uses.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"

run_isolated() {
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO unshare -m -n sh -c '
    set -e
    mount -t tmpfs none /sys/class/tty
    ip link set lo up
    shift 0
    exec "$@"
  ' sh "$@"
}

BUILD_DIR="$top/build-asan" "$top/tools/build.sh" -DQX_SANITIZE=address,undefined -DQX_BUILD_BENCH=OFF
run_isolated ctest --test-dir "$top/build-asan" --output-on-failure -j "$(nproc)" --timeout 600

# The build runs our art generator, which must pass the same suppressions.
export TSAN_OPTIONS="halt_on_error=1 suppressions=$top/tools/tsan-suppressions.txt"
BUILD_DIR="$top/build-tsan" "$top/tools/build.sh" -DQX_SANITIZE=thread -DQX_BUILD_BENCH=OFF
run_isolated env TSAN_OPTIONS="$TSAN_OPTIONS" ctest --test-dir "$top/build-tsan" --output-on-failure \
  -j "$(nproc)" --timeout 600 -L 'link|sync|serial|hid|sim|gui|model|app|connect'
