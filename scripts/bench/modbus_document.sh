#!/usr/bin/env bash
# Times the Modbus document window with 128 tags: a kvr file opened into a new window, the window
# saved, the window filled from a whole-configuration record. Uses a release build in
# build/release (made when missing) and the offscreen platform. Prints medians and maxima in ms.
#   RUNS  runs per step (default 20)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${QVS_BENCH_BUILD_DIR:-build/release}
runs=${RUNS:-20}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQVS_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target qvs_app >/dev/null

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
includes=()
for d in src/*/; do includes+=("-I$d"); done
libs=()
for l in app config options protocol; do libs+=("$build/src/$l/libqvs_$l.a"); done
# shellcheck disable=SC2046
c++ -O2 -std=c++20 -fPIC "${includes[@]}" scripts/bench/modbus_document_bench.cpp "${libs[@]}" \
  $(pkg-config --cflags --libs Qt6Widgets Qt6Network Qt6Gui Qt6Core libcurl) -o "$dir/bench"
QT_QPA_PLATFORM=offscreen "$dir/bench" "$runs" "$dir" 2>/dev/null
