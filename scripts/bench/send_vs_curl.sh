#!/usr/bin/env bash
# Sends a 128-tag Modbus configuration (140 exchanges) to kavro-sim on loopback through
# `qvsctl send`, then makes the same 140 POSTs with one curl process, and prints both wall
# times and their ratio. Runs in a private network namespace (loopback only) when it can.
#   QVS_BENCH_BUILD  build folder (default build/release; configured and built when missing)
#   QVS_BENCH_RUNS   runs of each side, taking turns; best and median are shown (default 15)
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/../.."

if [ -z "${QVS_BENCH_INNER:-}" ] && unshare -n true 2>/dev/null; then
  exec unshare -n env QVS_BENCH_INNER=1 bash -c 'ip link set lo up && exec "$0" "$@"' "$0" "$@"
fi

build=${QVS_BENCH_BUILD:-build/release}
runs=${QVS_BENCH_RUNS:-15}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQVS_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target qvsctl kavro-sim >/dev/null
qvsctl=$build/src/cli/qvsctl
sim=$build/tools/kavro-sim/kavro-sim

work=$(mktemp -d)
simpid=
cleanup() {
  [ -n "$simpid" ] && kill "$simpid" 2>/dev/null && wait "$simpid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkfifo "$work/ready"
"$sim" --demo --listen 127.0.0.1 --http-port 0 --ftp-port 0 --udp-bind 127.0.0.1 --udp-port 0 \
  --control-port 0 >"$work/ready" 2>/dev/null &
simpid=$!
read -r ready <"$work/ready"
host=$(jq -r '.gateways[] | select(.mac == "00:60:35:0A:00:01") | .host' <<<"$ready")
control=$(jq -r '.control' <<<"$ready")
url="http://$host/admpost.cgi"
post() { curl -s --http1.0 -H 'Content-Type: text/x-qprot' --data-binary "$1" "$url" >/dev/null; }

# A gateway holding 128 tags, read back into a kvr file by qvsctl get.
post 'STOP();'
post 'ENABLETAGADMIN();'
post 'DELALLTAG();'
for i in $(seq 0 127); do
  post "ADDTAG(NAME=TAG$i,SOURCE=0,UNIT=1,TYPE=0,MBFUNC=4,ADDRESS=$i,REG32=0,BIT=0,SCALE=1,FACT_A=0.00000000E0,FACT_B=0.00000000E0,READONLY=0,LIMITS=0,ALARM=0,EMAIL=0,WRLO=0,WRHI=0,ALLO=0,ALHI=0,);"
done
post 'DISABLETAGADMIN();'
post 'RESET();'
"$qvsctl" get --from "$host" --password admin -o "$work/big.kvr" >/dev/null

# The 140 packets of a send, as the gateway received them, replayed by one curl process.
"$qvsctl" send "$work/big.kvr" --to "$host" --password admin --yes >/dev/null
curl -s "http://127.0.0.1:$control/journal" |
  jq -r 'select(.transport == "http" and .gateway == "00:60:35:0A:00:01") | .body' |
  tail -n 140 >"$work/packets"
[ "$(wc -l <"$work/packets")" -eq 140 ] || { echo "journal does not hold 140 packets" >&2; exit 1; }
n=0
: >"$work/curl.cfg"
while IFS= read -r packet; do
  n=$((n + 1))
  printf '%s' "$packet" >"$work/p$n"
  {
    [ "$n" -gt 1 ] && echo "next"
    echo "url = \"$url\""
    echo "http1.0"
    echo "silent"
    echo "header = \"Content-Type: text/x-qprot\""
    echo "data-binary = \"@$work/p$n\""
    echo "output = \"/dev/null\""
  } >>"$work/curl.cfg"
done <"$work/packets"

# The two sides take turns, so that whatever else the machine does weighs on both alike.
# $EPOCHREALTIME is read by the shell itself: no timer process inside the measured time.
elapsed() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null
  local end=$EPOCHREALTIME
  echo "$end - $start" | bc
}
: >"$work/qvsctl.times"
: >"$work/curl.times"
for _ in $(seq "$runs"); do
  # qvsctl send: GETDEVICE and GETADMIN, then the 140 steps.
  elapsed "$qvsctl" send "$work/big.kvr" --to "$host" --password admin --yes >>"$work/qvsctl.times"
  elapsed curl -K "$work/curl.cfg" >>"$work/curl.times"
done
best() { sort -g "$1" | head -n1; }
median() { sort -g "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

q=$(best "$work/qvsctl.times")
c=$(best "$work/curl.times")
qm=$(median "$work/qvsctl.times")
cm=$(median "$work/curl.times")
printf '%s runs each, taking turns; best (median)\n' "$runs"
printf 'qvsctl send (142 exchanges incl. GETDEVICE, GETADMIN): %.3f s (%.3f s)\n' "$q" "$qm"
printf 'curl, same 140 POSTs, one process:                     %.3f s (%.3f s)\n' "$c" "$cm"
printf 'ratio qvsctl/curl:                                      %.2f (%.2f)\n' \
  "$(echo "$q / $c" | bc -l)" "$(echo "$qm / $cm" | bc -l)"
