#!/usr/bin/env bash
# Whole-process start-up, as a user starts the program: each case is exec'd on a private Xvfb with a
# private session bus, and mt_mapwatch times exec to the first mapped top-level window and reads the
# process's resident memory and thread count right then and 10 s after exec. The floor, a bare Qt
# window with a tray icon (bench/startup/floor.cpp), runs side by side in the same batch: 1 warm-up
# and RUNS measured rounds (default 4; MT_STARTUP_RUNS), the cases interleaved, medians.
#
# Cases: the floor; ModemTally on the simulator with a saved settings file (the main console is the
# first window), and the same in German (LANG=de_DE.UTF-8: the translation loaded); ModemTally with a
# 1,000-entry phone book and the 1,000 matching profiles; as root where NetworkManager is installed,
# ModemTally on a real NetworkManager in a network namespace.
# Then bench_windows, the first opening of each window, on the same X server.
#
# Usage: bench/startup/measure.sh BUILD_DIR
# Prints the figures (name: value unit (aim ...)); notes, and where the extra memory and threads go,
# to standard error. MT_STARTUP_KEEP=DIR keeps the memory maps, thread names and logs of the last
# round in DIR. For bench/startup/order.sh: MT_STARTUP_WRAP is put before each ModemTally case's
# command (a profiler), MT_STARTUP_AT_MS moves the 10 s moment, and MT_STARTUP_RUNS=0 runs the
# warm-up round alone and prints no figures.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:?usage: measure.sh BUILD_DIR}" && pwd)"
runs="${MT_STARTUP_RUNS:-4}"
watch="$build/bench/mt_mapwatch"
floor="$build/bench/mt_bench_floor"
mkdata="$build/bench/mt_bench_startup_data"
windows="$build/bench/bench_windows"
program="$build/src/modemtally"

note() { echo "startup: $*" >&2; }
# Without an X server the window openings are still measured, under the offscreen platform.
skip() {
    note "SKIP the whole-process start-up: $*"
    [ -x "$windows" ] && QT_QPA_PLATFORM=offscreen "$windows"
    exit 0
}
for need in Xvfb dbus-daemon; do
    command -v "$need" >/dev/null || skip "$need is not installed"
done
for f in "$watch" "$floor" "$mkdata" "$program"; do
    [ -x "$f" ] || skip "$f is not built"
done

tmp="$(mktemp -d /tmp/mt-startbench.XXXXXX)"
xvfb_pid=""
bus_pid=""
nm_up=""
# shellcheck disable=SC2317 # called by the trap
cleanup() {
    [ -n "$nm_up" ] && nm_env_down
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null && wait "$bus_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# A private X server (the first free display number) and a private session bus.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$tmp/bus" >"$tmp/bus.log" 2>&1 &
bus_pid=$!
for _ in $(seq 200); do
    [ -s "$tmp/display" ] && [ -s "$tmp/bus" ] && break
    sleep 0.05
done
[ -s "$tmp/display" ] || { note "Xvfb did not start: $(cat "$tmp/xvfb.log")"; exit 1; }
[ -s "$tmp/bus" ] || { note "the session bus did not start"; exit 1; }
mkdir -p "$tmp/home" "$tmp/runtime" "$tmp/keep" "$tmp/log"
chmod 700 "$tmp/runtime"

# Every case runs in the same clean environment, as from a desktop session on this display.
clean_env=(env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$tmp/home" LANG=C.UTF-8
    DISPLAY=":$(head -n1 "$tmp/display")" DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$tmp/bus")"
    XDG_RUNTIME_DIR="$tmp/runtime")

# A data folder whose settings file the program itself wrote: prepare NAME [VAR=VALUE...] -- [ARGS...]
prepare() {
    local name="$1" assignments=()
    shift
    while [ "$1" != "--" ]; do assignments+=("$1"); shift; done
    shift
    if "${clean_env[@]}" QT_QPA_PLATFORM=offscreen "${assignments[@]}" "$mkdata" "$tmp/$name" "$@" \
        >"$tmp/log/data-$name.log" 2>&1; then
        note "$name: the settings file holds $(tail -n1 "$tmp/log/data-$name.log")"
    else
        note "cannot prepare the $name case:"
        cat "$tmp/log/data-$name.log" >&2
        return 1
    fi
}

# Each case: its command line and the variables it runs with besides the clean environment.
declare -A cmd vars title
cases=(floor main p1000)
cmd[floor]="$floor"
cmd[main]="$program --backend=sim --data-dir $tmp/main"
cmd[p1000]="$program --backend=sim --data-dir $tmp/p1000 --phonebook $tmp/p1000/phonebook.ini"
title[floor]="Floor"
prepare main -- || exit 1
# The main console in German: the same start with the translation loaded.
cases+=(main_de)
cmd[main_de]="$program --backend=sim --data-dir $tmp/main_de"
vars[main_de]="LANG=de_DE.UTF-8"
title[main_de]="Willkommen bei ModemTally Deluxe!"
prepare main_de -- || exit 1
prepare p1000 -- --entries 1000 || exit 1

# A real NetworkManager in a network namespace, with three profiles of its own.
# shellcheck disable=SC1091 # the test environment of the NetworkManager tests
source "$here/../../tests/nm/nm-env.sh"
if why="$(nm_env_can_run_real)"; then
    nm_env_up_dir
    nm_up=1
    if nm_env_up_real >"$tmp/log/nm-env.log" 2>&1; then
        for i in 0 1 2; do
            DBUS_SYSTEM_BUS_ADDRESS="$MT_NM_REAL_BUS" nmcli connection add type ethernet con-name "Line $i" \
                ifname "mtnm$i" autoconnect no ipv4.method manual ipv4.addresses "10.77.$i.2/24" \
                >>"$tmp/log/nm-env.log" 2>&1
        done
        if prepare nm "DBUS_SYSTEM_BUS_ADDRESS=$MT_NM_REAL_BUS" -- --backend nm; then
            cases+=(nm)
            cmd[nm]="$program --backend=nm --data-dir $tmp/nm"
            vars[nm]="DBUS_SYSTEM_BUS_ADDRESS=$MT_NM_REAL_BUS"
        fi
    else
        note "SKIP the NetworkManager case: the real NetworkManager did not start"
    fi
else
    note "SKIP the NetworkManager case: $why"
fi

results="$tmp/results"
: >"$results"
for round in $(seq 0 "$runs"); do
    for c in "${cases[@]}"; do
        keep=()
        if [ "$round" = "$runs" ]; then
            mkdir -p "$tmp/keep/$c"
            keep=(--keep "$tmp/keep/$c")
        fi
        wrap=""
        [ "$c" != floor ] && wrap="${MT_STARTUP_WRAP:-}"
        # shellcheck disable=SC2086
        line="$("${clean_env[@]}" ${vars[$c]:-} "$watch" "${keep[@]}" --at-ms "${MT_STARTUP_AT_MS:-10000}" \
            --log "$tmp/log/$c.log" -- $wrap ${cmd[$c]})" ||
            { note "the $c case failed; its output:"; cat "$tmp/log/$c.log" >&2; exit 1; }
        got="${line#*title=}"
        want="${title[$c]:-Welcome to ModemTally Deluxe!}"
        [ "$got" = "$want" ] || note "the $c case's first window was \"$got\", not \"$want\""
        [ "$round" -gt 0 ] && echo "$c $line" >>"$results"
    done
done
[ "$runs" -gt 0 ] || exit 0

# The median of field $2 over the rounds of case $1.
med() {
    awk -v c="$1" -v k="$2" '$1 == c { for (i = 2; i <= NF; i++) { split($i, kv, "="); if (kv[1] == k) print kv[2] } }' \
        "$results" | sort -g |
        awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
calc() { awk "BEGIN { printf \"$1\", $2 }"; }
mib() { calc %.1f "$1 / 1024"; }

fm="$(med floor mapped_ms)" fr="$(med floor rss_kib)" fc="$(med floor cpu_map_ms)"
mm="$(med main mapped_ms)" mr="$(med main rss_kib)" mc="$(med main cpu_map_ms)"
echo "startup_window_mapped_main_console: $(calc %.1f "$mm") ms (aim <= 1.2 x floor; ratio $(calc %.2f "$mm / $fm") x floor; exec to mapped, Xvfb)"
echo "startup_window_mapped_floor: $(calc %.1f "$fm") ms (aim: none, the floor: a bare Qt window with a tray icon)"
echo "startup_window_mapped_main_console_vs_floor: $(calc %.2f "$mm / $fm") x (aim <= 1.2)"
echo "startup_rss_10s_main_console: $(mib "$mr") MiB (aim <= 1.1 x floor; ratio $(calc %.2f "$mr / $fr") x floor)"
echo "startup_rss_10s_floor: $(mib "$fr") MiB (aim: none, the floor)"
echo "startup_rss_10s_main_console_vs_floor: $(calc %.2f "$mr / $fr") x (aim <= 1.1)"
echo "startup_threads_10s_main_console: $(med main threads) threads (aim 3)"
echo "startup_threads_10s_floor: $(med floor threads) threads (aim: none, the floor)"
echo "startup_rss_at_map_main_console: $(mib "$(med main rss_map_kib)") MiB (aim: none; floor $(mib "$(med floor rss_map_kib)") MiB)"
echo "startup_threads_at_map_main_console: $(med main threads_map) threads (aim: none; floor $(med floor threads_map))"
echo "startup_cpu_to_map_main_console: $(calc %.1f "$mc") ms (aim: none; floor $(calc %.1f "$fc") ms, ratio $(calc %.2f "$mc / $fc") x; all threads' CPU time at the mapping)"
# The code a start runs, placed together by the release link (cmake/startup-order.ld; 0 when the
# build did not order it), and how much of the program's code is resident at 10 s.
section_kib() {
    local size
    size="$(readelf -SW "$program" | awk -v s="$1" '{ for (i = 1; i < NF; i++) if ($i == s) { print $(i + 4); exit } }')"
    echo $(((${size:+16#$size} + 0) / 1024))
}
together="$(section_kib .text.mt_start)"
code=$((together + $(section_kib .text)))
resident="$(awk -v p="$program" '/^[0-9a-f]+-[0-9a-f]+ / { on = ($6 == p && $2 ~ /x/) } on && $1 == "Rss:" { s += $2 } END { print s + 0 }' "$tmp/keep/main/smaps")"
echo "startup_code_placed_together: $together KiB (aim: none; of $code KiB of code, $resident KiB of it resident at 10 s)"
gm="$(med main_de mapped_ms)" gr="$(med main_de rss_kib)"
echo "startup_window_mapped_main_console_german: $(calc %.1f "$gm") ms (aim <= 1.05 x main console; ratio $(calc %.3f "$gm / $mm") x)"
echo "startup_rss_10s_main_console_german: $(mib "$gr") MiB (aim <= 1.05 x main console; ratio $(calc %.3f "$gr / $mr") x)"
pm="$(med p1000 mapped_ms)" pr="$(med p1000 rss_kib)"
echo "startup_window_mapped_1000_profiles: $(calc %.1f "$pm") ms (aim <= 1.5 x floor; ratio $(calc %.2f "$pm / $fm") x floor)"
echo "startup_window_mapped_1000_profiles_vs_floor: $(calc %.2f "$pm / $fm") x (aim <= 1.5)"
echo "startup_rss_10s_1000_profiles: $(mib "$pr") MiB (aim: none; ratio $(calc %.2f "$pr / $fr") x floor)"
echo "startup_cpu_to_map_1000_profiles: $(calc %.1f "$(med p1000 cpu_map_ms)") ms (aim: none)"
if [ -n "${cmd[nm]:-}" ]; then
    nm="$(med nm mapped_ms)" nr="$(med nm rss_kib)"
    echo "startup_window_mapped_networkmanager: $(calc %.1f "$nm") ms (aim <= 1.2 x floor; ratio $(calc %.2f "$nm / $fm") x floor)"
    echo "startup_window_mapped_networkmanager_vs_floor: $(calc %.2f "$nm / $fm") x (aim <= 1.2)"
    echo "startup_rss_10s_networkmanager: $(mib "$nr") MiB (aim <= 1.1 x floor; ratio $(calc %.2f "$nr / $fr") x floor)"
    echo "startup_threads_10s_networkmanager: $(med nm threads) threads (aim 3)"
fi
for c in "${cases[@]}"; do
    note "$c: first top-level window created at $(med "$c" created_ms) ms, mapped at $(med "$c" mapped_ms) ms after exec"
done

# Where the extra goes, from the last round: the libraries a case maps that the floor does not (with
# their resident size), the kinds of resident memory, and the threads by name.
libs() { awk '$6 ~ /\.so/ { print $6 }' "$1" | sort -u; }
rss_of() { # resident KiB of every mapping of library $2 in smaps $1
    awk -v lib="$2" '/^[0-9a-f]+-[0-9a-f]+ / { on = ($6 == lib) } on && $1 == "Rss:" { s += $2 } END { print s + 0 }' "$1"
}
libs "$tmp/keep/floor/maps" >"$tmp/floor.libs"
for c in "${cases[@]}"; do
    k="$tmp/keep/$c"
    if [ "$c" != floor ]; then
        extra="$(libs "$k/maps" | comm -23 - "$tmp/floor.libs")"
        total=0 list=""
        for l in $extra; do
            r="$(rss_of "$k/smaps" "$l")"
            total=$((total + r))
            list+=" $(basename "$l")=${r}K"
        done
        note "$c maps $(echo "$extra" | grep -c .) libraries the floor does not, ${total} KiB resident:$list"
    fi
    note "$c at 10 s: $(grep -E '^(VmRSS|RssAnon|RssFile|RssShmem)' "$k/status" | tr -s ' \t' ' ' | tr '\n' ' ')"
    note "$c threads at 10 s: $(cut -d' ' -f2- "$k/threads" | sort | tr '\n' ',' | sed 's/,$//')"
done
if [ -n "${MT_STARTUP_KEEP:-}" ]; then
    mkdir -p "$MT_STARTUP_KEEP"
    cp -r "$tmp/keep/." "$tmp/log" "$MT_STARTUP_KEEP/"
fi

# The first opening of each window, on the same X server (it prints its own figures).
[ -x "$windows" ] && "${clean_env[@]}" "$windows"
exit 0
