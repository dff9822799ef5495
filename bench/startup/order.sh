#!/usr/bin/env bash
# Writes cmake/startup-order.ld: the functions a start of ModemTally runs, which the release build's
# link places together at the head of the program's code (cmake/CommonConfig.cmake). Each ModemTally
# case of the start-up benchmark (bench/startup/measure.sh: the main console, in German, with 1,000
# profiles, and on a real NetworkManager where one can run) starts once under callgrind and runs for
# 40 s, past its first timer ticks; bench/startup/order.py reads the profiles and the link map.
# Run it again when the start's code has changed much, then rebuild and measure.
#
# Usage: bench/startup/order.sh [BUILD_DIR]   (a release build; default build/release)
# MT_ORDER_PROFILES=DIR keeps the profiles in DIR.
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build/release}"
command -v valgrind >/dev/null || { echo "order.sh: valgrind is not installed (apt-get install valgrind)" >&2; exit 1; }
map="$build/src/modemtally.map"
[ -f "$map" ] || { echo "order.sh: $map is missing: build the release preset first" >&2; exit 1; }
profiles="${MT_ORDER_PROFILES:-$(mktemp -d /tmp/mt-order.XXXXXX)}"
[ -n "${MT_ORDER_PROFILES:-}" ] || trap 'rm -rf "$profiles"' EXIT
MT_STARTUP_RUNS=0 MT_STARTUP_AT_MS=40000 \
    MT_STARTUP_WRAP="valgrind --tool=callgrind --demangle=no --callgrind-out-file=$profiles/%p.out" \
    bench/startup/measure.sh "$build" >/dev/null
python3 bench/startup/order.py "$build/src/modemtally" "$map" "$profiles"/*.out >cmake/startup-order.ld.new
mv cmake/startup-order.ld.new cmake/startup-order.ld
head -n 4 cmake/startup-order.ld
