#!/usr/bin/env bash
# Stops or starts again the real NetworkManager that run-nm-tests.sh set up, so that tests can watch
# the service leave the bus and come back. Uses the environment run-nm-tests.sh exports
# (MT_NM_ENV_DIR, MT_NM_NS, MT_NM_REAL_BUS).
#   nm-ctl.sh stop     stops the daemon and waits until it has left the bus
#   nm-ctl.sh start    starts it again and waits until it answers
set -u
source "$(dirname "$0")/nm-env.sh"
: "${MT_NM_ENV_DIR:?run from run-nm-tests.sh}" "${MT_NM_NS:?}" "${MT_NM_REAL_BUS:?}"
NM_ENV_DIR="$MT_NM_ENV_DIR"
d="$MT_NM_ENV_DIR/nm"
case "${1:-}" in
stop)
    pid="$(cat "$d/daemon.pid" 2>/dev/null)"
    [ -n "$pid" ] || { echo "nm-ctl: the daemon is not running" >&2; exit 1; }
    _nm_env_kill_ours "$pid"
    for _ in $(seq 200); do
        [ -d "/proc/$pid" ] || { rm -f "$d/daemon.pid"; exit 0; }
        sleep 0.05
    done
    echo "nm-ctl: the daemon did not stop" >&2
    exit 1
    ;;
start)
    _nm_env_start_daemon "$d" "$MT_NM_NS" "$MT_NM_REAL_BUS"
    ;;
*)
    echo "usage: nm-ctl.sh stop|start" >&2
    exit 2
    ;;
esac
