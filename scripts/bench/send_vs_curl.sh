#!/usr/bin/env bash
# Sends a 128-tag Modbus configuration (140 exchanges) to kavro-sim on loopback through
# `qvsctl send`, then makes the same 140 POSTs with one curl process, and prints both wall
# times and their ratio. Runs in a private network namespace (loopback only) when it can.
#   QVS_BENCH_BUILD  build folder (default build/release; configured and built when missing)
#   QVS_BENCH_RUNS   runs of each side, the best is kept (default 5)
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ -z "${QVS_BENCH_INNER:-}" ] && unshare -n true 2>/dev/null; then
  exec unshare -n env QVS_BENCH_INNER=1 bash -c 'ip link set lo up && exec "$0" "$@"' "$0" "$@"
fi

build=${QVS_BENCH_BUILD:-build/release}
runs=${QVS_BENCH_RUNS:-5}
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

now() { date +%s.%N; }
best() { sort -g | head -n1; }

# qvsctl send: GETDEVICE and GETADMIN, then the 140 steps.
for _ in $(seq "$runs"); do
  start=$(now)
  "$qvsctl" send "$work/big.kvr" --to "$host" --password admin --yes >/dev/null
  end=$(now)
  echo "$end - $start" | bc
done | best >"$work/qvsctl.time"

# The 140 packets of the last send, as the gateway received them, replayed by one curl.
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
for _ in $(seq "$runs"); do
  start=$(now)
  curl -K "$work/curl.cfg"
  end=$(now)
  echo "$end - $start" | bc
done | best >"$work/curl.time"

q=$(cat "$work/qvsctl.time")
c=$(cat "$work/curl.time")
printf 'qvsctl send (142 exchanges incl. GETDEVICE, GETADMIN): %.3f s\n' "$q"
printf 'curl, same 140 POSTs, one process:                     %.3f s\n' "$c"
printf 'ratio qvsctl/curl:                                      %.2f\n' "$(echo "$q / $c" | bc -l)"
