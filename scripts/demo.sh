#!/usr/bin/env bash
# The embedded demo: kavro-sim's demo plant and QVS, isolated from every real network.
#   scripts/demo.sh BUILD_DIR [qvs arguments...]
# With network namespaces (as root, or as a user where user namespaces are allowed) the
# gateways sit on their own emulated LAN and QVS's real broadcast to 255.255.255.255 finds
# them. Otherwise both run on loopback and QVS is given a discovery target.
set -uo pipefail
cd "$(dirname "$0")/.."
build=$1
shift
export QVS_DEMO_SIM="$build/tools/kavro-sim/kavro-sim"
export QVS_DEMO_QVS="$build/src/app/qvs"

if [ "$(id -u)" = 0 ]; then
  isolate=(unshare -n --fork)
else
  isolate=(unshare -rn --fork)
fi
if "${isolate[@]}" true 2>/dev/null; then
  "${isolate[@]}" bash scripts/demo_lan.sh "$@"
  status=$?
  # 97: the emulated LAN could not be built; anything else is QVS's own exit.
  [ "$status" != 97 ] && exit "$status"
  echo "The emulated LAN could not be set up here; falling back to loopback." >&2
else
  echo "Network namespaces are not available here; the demo runs on loopback." >&2
fi

# Loopback: the plant's addresses moved into 127.0.0.0/8, every port chosen free.
tmp=$(mktemp -d)
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; rm -rf "$tmp"' EXIT
"$QVS_DEMO_SIM" --print-plant | sed 's/"10\.77\.0\./"127.0.77./g' >"$tmp/plant.json"
"$QVS_DEMO_SIM" --plant "$tmp/plant.json" --http-port 0 --ftp-port 0 --udp-bind 127.0.0.1 --udp-port 0 \
  >"$tmp/ready" 2>"$tmp/sim.log" &
sim_pid=$!
for _ in $(seq 200); do
  [ -s "$tmp/ready" ] && break
  kill -0 "$sim_pid" 2>/dev/null || break
  sleep 0.05
done
ready=$(head -n1 "$tmp/ready")
if [ -z "$ready" ]; then
  echo "kavro-sim did not start:" >&2
  cat "$tmp/sim.log" >&2
  exit 1
fi
udp=$(printf '%s' "$ready" | grep -o '"udp":[0-9]*' | cut -d: -f2)
echo "Search Local Devices lists the plant. Gateways answer HTTP only at these addresses; type one"
echo "into Search Remote Device to connect (administrator password: admin):"
printf '%s' "$ready" | grep -o '"host":"[^"]*"' | cut -d'"' -f4 | sed 's/^/  /'
"$QVS_DEMO_QVS" --discovery-target "127.0.0.1:$udp" "$@"
