#!/usr/bin/env bash
# Runs the NetworkManager tests: against the dbusmock stand-in on a private bus, and against a real
# NetworkManager in its own network namespace with veth pairs and its own private bus. Everything it
# starts is stopped on exit, also on failure or interruption. Parts that cannot run here (not root,
# no network namespaces, a missing package) are skipped with a message; their tests then QSKIP.
#
# Usage: tests/nm/run-nm-tests.sh [BUILD_DIR]     (default: build/dev)
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:-$root/build/dev}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac

# shellcheck source=nm-env.sh
source "$here/nm-env.sh"
# Each test runs in the background and is waited for, so that a signal ends it and the clean-up
# runs at once rather than after the test.
child=""
run() {
    "$@" &
    child=$!
    wait "$child"
    local rc=$?
    child=""
    return $rc
}
on_signal() {
    [ -n "$child" ] && kill "$child" 2>/dev/null && wait "$child" 2>/dev/null
    exit 130
}
trap 'nm_env_down' EXIT
trap 'on_signal' INT TERM HUP

for t in tst_nm_reasons tst_nm_mock tst_nm_real tst_nm_program; do
    if [ ! -x "$build/tests/$t" ]; then
        echo "run-nm-tests: $build/tests/$t is missing; build first (cmake --build $build)" >&2
        exit 2
    fi
done

export QT_QPA_PLATFORM=offscreen
export MT_NM_TEMPLATE="$here/nm_template.py"
unset MT_NM_MOCK_BUS MT_NM_REAL_BUS MT_NM_PEER_NS MT_NM_IFACES

nm_env_up_dir
if ! command -v dbus-daemon >/dev/null; then
    echo "run-nm-tests: SKIP everything on a bus: dbus-daemon is not installed"
else
    if /usr/bin/python3 -c 'import dbusmock, gi' 2>/dev/null; then
        nm_env_up_mock_bus || echo "run-nm-tests: SKIP stand-in tests: the private bus did not start"
    else
        echo "run-nm-tests: SKIP stand-in tests: python3-dbusmock (with python3-gi) is not installed"
    fi
    if why="$(nm_env_can_run_real)"; then
        nm_env_up_real || { echo "run-nm-tests: the real NetworkManager did not start" >&2; exit 1; }
    else
        echo "run-nm-tests: SKIP real NetworkManager tests: $why"
    fi
fi

status=0
for t in tst_nm_reasons tst_nm_mock tst_nm_real tst_nm_program; do
    echo "== $t"
    run timeout 300 "$build/tests/$t" || status=1
done
exit $status
