#!/usr/bin/env bash
# Names the code that first touches each page of a file ModemTally maps during a start: every
# ModemTally case of the start-up benchmark runs once (bench/startup/measure.sh's warm-up round, to
# 10 s) with bench/startup/pagetouch.c preloaded. Use it on the 64 KiB blocks of a library or of the
# program that ModemTally has resident and the floor has not (compare the two's
# /proc/PID/pagemap, or the smaps measure.sh keeps with MT_STARTUP_KEEP): a block that only one call
# reaches is a block a start need not map.
#
# Usage: bench/startup/pagetouch.sh BUILD_DIR FILE RANGES
#   FILE   part of the mapped file's path (libQt6Core.so.6, src/modemtally)
#   RANGES offsets from the file's load address: 0x230000-0x240000,0x2a0000-0x2b0000
# Prints, per page: the first frames, then the first of ModemTally's own frames.
set -euo pipefail
cd "$(dirname "$0")/../.."
build="$(cd "${1:?usage: pagetouch.sh BUILD_DIR FILE RANGES}" && pwd)"
file="${2:?usage: pagetouch.sh BUILD_DIR FILE RANGES}"
ranges="${3:?usage: pagetouch.sh BUILD_DIR FILE RANGES}"
tmp="$(mktemp -d /tmp/mt-pagetouch.XXXXXX)"
trap 'rm -rf "$tmp"' EXIT
cc -O1 -shared -fPIC -o "$tmp/pagetouch.so" bench/startup/pagetouch.c
MT_STARTUP_RUNS=0 \
    MT_STARTUP_WRAP="env LD_PRELOAD=$tmp/pagetouch.so PAGETOUCH_FILE=$file PAGETOUCH_RANGES=$ranges PAGETOUCH_OUT=$tmp/report" \
    bench/startup/measure.sh "$build" >/dev/null
touch "$tmp/report"
python3 - "$tmp/report" "$build/src/modemtally" <<'PY'
import re, subprocess, sys
report, program = sys.argv[1], sys.argv[2]
pages, cur = {}, None
for line in open(report):
    m = re.match(r"== pid (\d+) page (0x[0-9a-f]+)", line)
    if m:
        cur = pages.setdefault(int(m.group(2), 16), [])
        cur.append([])
    elif cur is not None:
        cur[-1].append(line.strip())

def name(frame):
    m = re.match(r"(.*?)\((.*?)\)\[(0x[0-9a-f]+)\]", frame)
    if not m:
        return frame
    path, sym, _ = m.groups()
    lib = path.rsplit("/", 1)[-1].split(".so")[0]
    if path == program and sym.startswith("+"):
        out = subprocess.run(["addr2line", "-f", "-C", "-e", program, hex(int(sym[1:], 16) - 1)],
                             capture_output=True, text=True).stdout.split("\n")[0]
        return "modemtally:" + re.sub(r"\(.*", "", out)
    if sym and not sym.startswith("+"):
        out = subprocess.run(["c++filt", sym.split("+")[0]], capture_output=True, text=True).stdout.strip()
        return lib + ":" + re.sub(r"\(.*", "", out)
    return lib + ":" + sym

for page in sorted(pages):
    seen = set()
    for frames in pages[page]:
        named = [name(f) for f in frames[2:16]]  # past the handler and the signal trampoline
        own = [n for n in named if n.startswith("modemtally:")][:2]
        text = " <- ".join(named[:3]) + ("   [" + " <- ".join(own) + "]" if own else "")
        if text not in seen:
            seen.add(text)
            print(f"{page:#x}  {text}")
PY
