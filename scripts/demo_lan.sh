#!/usr/bin/env bash
# Runs inside the PC's own network namespace (see demo.sh): builds the plant's LAN in a second
# namespace joined by a veth pair, starts kavro-sim there on the gateways' own addresses, and
# QVS here. Exits 97 when the LAN cannot be built.
set -uo pipefail
ip link set lo up || exit 97
tmp=$(mktemp -d)
ips=$("$QVS_DEMO_SIM" --print-plant | grep -o '"ip": *"10\.77\.0\.[0-9]*"' | grep -o '10\.77\.0\.[0-9]*')

# The plant's side: waits for its end of the cable, takes every gateway's address, serves.
# unshare ignores SIGTERM while it waits; killing it outright hands kavro-sim a SIGTERM.
unshare -n --fork --kill-child=SIGTERM bash -c '
  ip link set lo up
  for _ in $(seq 200); do ip link show veth-lan >/dev/null 2>&1 && break; sleep 0.02; done
  ip link set veth-lan up || exit 1
  for ip in '"$(echo $ips)"'; do ip addr add "$ip/24" dev veth-lan; done
  ip route add default dev veth-lan
  exec "$QVS_DEMO_SIM" --demo
' >"$tmp/ready" 2>"$tmp/sim.log" &
lan=$!
trap 'kill -KILL "$lan" 2>/dev/null; wait "$lan" 2>/dev/null; rm -rf "$tmp"' EXIT

own=$(readlink /proc/self/ns/net)
for _ in $(seq 200); do
  [ "$(readlink "/proc/$lan/ns/net" 2>/dev/null)" != "$own" ] && break
  sleep 0.02
done
ip link add veth-pc type veth peer name veth-lan netns "$lan" 2>/dev/null || exit 97
ip link set veth-pc up && ip addr add 10.77.0.2/24 dev veth-pc && ip route add default dev veth-pc || exit 97

for _ in $(seq 200); do
  [ -s "$tmp/ready" ] && break
  kill -0 "$lan" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$tmp/ready" ]; then
  cat "$tmp/sim.log" >&2
  exit 97
fi
echo "Demo plant on an emulated LAN (10.77.0.0/24): Search Local Devices finds it;"
echo "administrator password: admin (none on 00:60:35:0A:00:02)."
"$QVS_DEMO_QVS" "$@"
