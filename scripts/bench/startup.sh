#!/usr/bin/env bash
# Start-up of qvs under the offscreen platform: the time from process start to the main window's
# event loop, less the 2000 ms splash, and the resident memory then. Five runs, medians printed.
#   scripts/bench/startup.sh [BUILD_DIR]     (default build/release; built if missing)
# Goals: under 300 ms and under 80 MB.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/release}
if [ ! -x "$build/src/app/qvs" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQVS_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" --target qvs >/dev/null
fi
run() {
  # Loopback only: nothing the start-up does may reach a real network.
  if unshare -n true 2>/dev/null; then
    unshare -n bash -c 'ip link set lo up; exec "$@"' bash "$@"
  else
    "$@"
  fi
}
inside=() outside=() rss=()
for _ in 1 2 3 4 5; do
  start=$(date +%s%N)
  line=$(QT_QPA_PLATFORM=offscreen run "$build/src/app/qvs" --discovery-target 127.0.0.1:9 --bench-startup 2>/dev/null |
         grep '^startup_ms=')
  end=$(date +%s%N)
  inside+=("$(printf '%s' "$line" | sed 's/.*startup_ms=\([0-9]*\).*/\1/')")
  rss+=("$(printf '%s' "$line" | sed 's/.*rss_kb=\([0-9]*\).*/\1/')")
  # Whole process, from exec to exit after the first turn of the event loop, less the splash.
  outside+=("$(( (end - start) / 1000000 - 2000 ))")
done
median() { printf '%s\n' "$@" | sort -n | sed -n 3p; }
printf 'start-up to event loop (less splash): %s ms (in process), %s ms (whole process incl. exit)\n' \
  "$(median "${inside[@]}")" "$(median "${outside[@]}")"
printf 'resident memory then: %s MB\n' "$(( $(median "${rss[@]}") / 1024 ))"
