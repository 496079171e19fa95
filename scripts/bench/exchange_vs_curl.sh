#!/usr/bin/env bash
# Times N (default 500) sequential GETADMIN exchanges with one kavro-sim gateway on loopback:
# through the library (GatewayExchange, a new connection each) and through one curl process
# doing the same POSTs (HTTP/1.0, new connection each). Prints the median time per exchange
# of both and their ratio (library / curl; goal: at most 1.0).
#   N                     number of exchanges (default 500)
#   QVS_BENCH_BUILD_DIR   release build folder (default build/bench)
set -euo pipefail
cd "$(dirname "$0")/../.."

# Loopback only: inside a private network namespace when this machine allows one.
if [ -z "${QVS_BENCH_INSIDE:-}" ] && unshare -n true 2>/dev/null; then
  exec unshare -n env QVS_BENCH_INSIDE=1 bash -c 'ip link set lo up && exec "$0" "$@"' "$0" "$@"
fi

n=${N:-500}
build=${QVS_BENCH_BUILD_DIR:-build/bench}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j2 --target kavro-sim exchange_bench >/dev/null

work=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkfifo "$work/ready"
"$build/tools/kavro-sim/kavro-sim" --demo --listen 127.0.0.1 --http-port 0 --ftp-port 0 \
  --udp-bind 127.0.0.1 --udp-port 0 --control-port 0 >"$work/ready" 2>"$work/sim.err" &
sim_pid=$!
read -r -t 30 ready <"$work/ready" || { echo "kavro-sim gave no ready line" >&2; cat "$work/sim.err" >&2; exit 1; }
host=$(printf '%s\n' "$ready" | sed -n 's/.*"host":"\([^"]*\)".*/\1/p' | head -n 1)
host=${host%%\"*}
[ -n "$host" ] || { echo "no gateway in the ready line: $ready" >&2; exit 1; }

median() {
  sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

"$build/tests/protocol/exchange_bench" "$host" "$n" >"$work/library.txt"

: >"$work/curl.cfg"
for i in $(seq "$n"); do
  [ "$i" -gt 1 ] && echo next >>"$work/curl.cfg"
  cat >>"$work/curl.cfg" <<CFG
url = "http://$host/admpost.cgi"
http1.0
data-binary = "GETADMIN();"
header = "Content-Type: text/x-qprot"
header = "Expect:"
output = "/dev/null"
write-out = "%{time_total}\\n"
silent
show-error
fail
CFG
done
curl --noproxy '*' -K "$work/curl.cfg" >"$work/curl.txt"

lines_library=$(wc -l <"$work/library.txt")
lines_curl=$(wc -l <"$work/curl.txt")
library=$(median "$work/library.txt")
curl_median=$(median "$work/curl.txt")
echo "exchanges: library $lines_library, curl $lines_curl (gateway $host)"
awk -v l="$library" -v c="$curl_median" 'BEGIN {
  printf "median per exchange: library %.1f us, curl %.1f us\n", l * 1e6, c * 1e6
  printf "ratio library/curl: %.2f\n", l / c
}'
