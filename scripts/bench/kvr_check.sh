#!/usr/bin/env bash
# Times a Modbus document of 128 tags: in process (Open, GetAllConfig, SaveAs, SetAllConfig) and
# as whole `qvsctl kvr check` / `qvsctl kvr show --json` runs. Uses a release build in
# build/release (made when missing). Prints medians.
#   RUNS  runs per command (default 20)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${QVS_BENCH_BUILD_DIR:-build/release}
runs=${RUNS:-20}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQVS_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target qvsctl qvs_config >/dev/null
qvsctl="$build/src/cli/qvsctl"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file="$dir/bench.kvr"
{
  printf '[GENERAL]\r\nFILETYPE=MB\r\nFILEVERSION=1.0\r\n\r\n'
  printf '[COM]\r\nCOMTYPE=0\r\nBAUD=9600\r\nPARITY=0\r\nFORMAT=0\r\nSCANTIME=100\r\nMSGTOUT=1000\r\nPKTTOUT=4\r\n\r\n'
  printf '[SMTP]\r\nENABLE=0\r\nSERVER=\r\nTIMEOUT=20\r\nRETRIES=5\r\nRETRYINT=10\r\nFROM=\r\nAUTH=0\r\nUSER=\r\nPASS=\r\n'
  for i in 0 1 2 3 4 5; do printf 'TOO_%d=\r\n' "$i"; done
  printf '\r\n'
  for i in $(seq 0 127); do
    printf '[TAG%d]\r\nNAME=T%d\r\nSOURCE=Modbus Serial\r\nUNITID=1\r\nADDRESS=4%04d\r\n' "$i" "$i" "$((i + 1))"
    printf 'TYPE=Float\r\nENRON=No\r\nBITPOS=0\r\nREADONLY=No\r\nLIMITS=Yes\r\nWRMIN=-0.5\r\nWRMAX=100.25\r\n'
    printf 'ALARM=Yes\r\nALMIN=0.100000001490116\r\nALMAX=99\r\nEMAIL=No\r\nSCALE=Linear (Ax+B)\r\n'
    printf 'FACTORA=1.5\r\nFACTORB=-2\r\nKIND=2\r\n\r\n'
  done
} >"$file"

c++ -O2 -std=c++20 -Isrc/config -Isrc/protocol scripts/bench/kvr_document_bench.cpp \
  "$build/src/config/libqvs_config.a" "$build/src/protocol/libqvs_protocol.a" -o "$dir/bench"
"$dir/bench" "$file" "$dir/out.kvr"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
time_runs() {
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
  done | median
}
echo "file: 128 tags, $(wc -c <"$file") bytes; $runs runs each (whole process, microseconds)"
echo "qvsctl kvr check:       median $(time_runs "$qvsctl" kvr check "$file" --decimal-separator .) us"
echo "qvsctl kvr show --json: median $(time_runs "$qvsctl" kvr show "$file" --json --decimal-separator .) us"
echo "qvsctl --version:       median $(time_runs "$qvsctl" --version) us (process start-up alone)"
