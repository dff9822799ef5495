#!/usr/bin/env bash
# Runs a command with a loopback that never answers ICMP echo requests, without touching the
# machine's own network: a private network namespace with its loopback up and
# net.ipv4.icmp_echo_ignore_all=1 inside it only. Needs root (ip netns).
#   bench/silent-host.sh COMMAND [ARGS...]
# Example: bench/silent-host.sh build/release/bench/bench_keepalive --no-namespace
# (bench_keepalive makes such a namespace by itself when it can; this script is for any other program,
# such as the application with its keep-alive pointed at 127.0.0.1.)
set -euo pipefail
if [[ $# -eq 0 ]]; then
    echo "usage: $0 COMMAND [ARGS...]" >&2
    exit 2
fi
ns="modemtally-silent-$$"
ip netns add "$ns"
trap 'ip netns del "$ns" 2>/dev/null || true' EXIT
ip netns exec "$ns" ip link set lo up
ip netns exec "$ns" sysctl -qw net.ipv4.icmp_echo_ignore_all=1
ip netns exec "$ns" "$@"
