#!/usr/bin/env bash
# Requests per second kavro-sim answers: N sequential HTTP/1.0 POSTs of "GETTAG(TAG=0,);"
# (one connection each, as QVS makes them) and N HELLO datagrams, all on loopback inside
# a private network namespace.
#   scripts/bench/kavro-sim-requests.sh [BUILD_DIR] [N]
set -euo pipefail
build=${1:-build/test}
n=${2:-2000}
sim="$build/tools/kavro-sim/kavro-sim"
exec unshare -n bash -c '
ip link set lo up
ready=$(mktemp)
"$0" --demo --listen 127.0.0.1 --http-port 0 --ftp-port 0 --udp-bind 127.0.0.1 --udp-port 0 >"$ready" &
pid=$!
trap "kill $pid" EXIT
for i in $(seq 100); do [ -s "$ready" ] && break; sleep 0.1; done
python3 - "$ready" "$1" <<PY
import json, socket, sys, time
ready = json.load(open(sys.argv[1])); n = int(sys.argv[2])
port = ready["gateways"][0]["http"]
body = b"GETTAG(TAG=0,);"
request = b"POST /admpost.cgi HTTP/1.0\r\nContent-Type: text/x-qprot\r\nContent-Length: %d\r\n\r\n%s" % (len(body), body)
start = time.perf_counter()
for _ in range(n):
    s = socket.create_connection(("127.0.0.1", port)); s.sendall(request)
    while s.recv(65536): pass
    s.close()
http = time.perf_counter() - start
u = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); u.settimeout(2)
count = len(ready["gateways"])
start = time.perf_counter()
for _ in range(n // 10):
    u.sendto(b"HELLO()", ("127.0.0.1", ready["udp"]))
    for _ in range(count): u.recv(9000)
udp = time.perf_counter() - start
print(f"HTTP: {n} POSTs in {http:.2f} s = {n/http:.0f}/s; UDP: {n//10} HELLO x {count} answers in {udp:.2f} s")
PY
' "$sim" "$n"
