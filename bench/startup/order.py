#!/usr/bin/env python3
"""Writes the linker script that places the functions a start runs at the head of the program's code.

Usage: order.py PROGRAM LINK_MAP CALLGRIND_FILE...

PROGRAM is a release build of modemtally, LINK_MAP the map its link wrote (modemtally.map beside it),
and each CALLGRIND_FILE a callgrind profile of one start. Every function of the program that a
profile names is looked up by symbol (so that a constructor's or destructor's alias finds the section
its code lies in), and its input section is listed; the script goes to standard output.
"""
import os
import re
import subprocess
import sys
from bisect import bisect_right


def executed_names(profile, program):
    """Names of the functions the profile counts in the program's object (callgrind names the main
    executable's object either by its path or '???')."""
    names, ob = set(), None
    known = {"ob": {}, "fn": {}}  # callgrind's compressed names: "(7) name" the first time, then "(7)"

    def name(kind, value):
        m = re.match(r"\((\d+)\)(?: (.*))?$", value)
        if not m:
            return value
        if m.group(2) is not None:
            known[kind][m.group(1)] = m.group(2)
        return known[kind].get(m.group(1), "")

    with open(profile, errors="replace") as f:
        for line in f:
            kind = line[:3]
            if kind in ("ob=", "fn=", "cob", "cfn"):
                key = "ob" if "ob" in kind else "fn"
                value = name(key, line.split("=", 1)[1].strip())
                if kind == "ob=":
                    ob = value
                elif kind == "fn=" and ob is not None and (ob == "???" or os.path.basename(ob) == program):
                    names.add(re.sub(r"'\d+$", "", value))
    return names


def symbol_addresses(program):
    out = subprocess.run(["nm", "--defined-only", program], capture_output=True, text=True, check=True).stdout
    addr = {}
    for line in out.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[1] in "tTwWi":
            addr[parts[2]] = int(parts[0], 16)
    return addr


def code_sections(link_map):
    """(address, size, section, file) of every code section the link placed (the discarded ones and the
    memory configuration come before the memory map and are skipped)."""
    text = open(link_map, errors="replace").read().split("Linker script and memory map", 1)[1]
    sections, pending = [], None
    for line in text.splitlines():
        m = re.match(r"^ (\.text\S*)\s*$", line)  # a long name stands on a line of its own
        if m:
            pending = m.group(1)
            continue
        m = re.match(r"^ (\.text\S*)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S+)", line)
        name = (m.group(1) or pending) if m else None
        pending = None
        if name and int(m.group(3), 16) > 0:
            sections.append((int(m.group(2), 16), int(m.group(3), 16), name, m.group(4)))
    sections.sort()
    return sections


def executed_entries(names, addr, sections, starts):
    """The linker script entry of each section that holds an executed function, with its size."""
    entries = {}
    for n in names:
        if n not in addr:
            continue
        i = bisect_right(starts, addr[n]) - 1
        if i < 0 or addr[n] >= sections[i][0] + sections[i][1]:
            continue
        _, length, section, path = sections[i]
        if section.startswith(".text.startup") or section == ".text":
            continue  # main(), the static initialisers and the C runtime's start: patterns below take them
        entries[f"*({section})"] = length
    return entries


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    program, link_map, profiles = sys.argv[1], sys.argv[2], sys.argv[3:]
    addr = symbol_addresses(program)
    sections = code_sections(link_map)
    starts = [s[0] for s in sections]
    # Which starts run each section. What every start runs comes first; then what only the simulator's
    # starts run, then what NetworkManager's start runs, each from the most run down: a simulator start
    # (the default without NetworkManager) and a NetworkManager start each find their code in a row.
    sim, nm, sizes = {}, {}, {}
    sim_starts = 0
    for p in profiles:
        with open(p, errors="replace") as f:
            on_nm = any(re.search(r"--backend[= ]nm\b", line) for line in f if line.startswith("cmd:"))
        sim_starts += 0 if on_nm else 1
        counts = nm if on_nm else sim
        for entry, length in executed_entries(executed_names(p, os.path.basename(program)), addr, sections,
                                              starts).items():
            counts[entry] = counts.get(entry, 0) + 1
            sizes[entry] = length

    def place(entry):
        ran_sim, ran_nm = sim.get(entry, 0), nm.get(entry, 0)
        return (0 if ran_sim == sim_starts and (ran_nm or not nm) else 1 if not ran_nm else 2, -ran_sim, entry)

    print("/* The functions a start of ModemTally runs, placed together at the head of its code so that a")
    print("   start maps the few pages they lie in. Written by bench/startup/order.sh from callgrind")
    print(f"   profiles of {len(profiles)} starts: {len(sizes)} sections, {sum(sizes.values())} bytes: those")
    print("   every start runs, those only the simulator's run, those NetworkManager's runs. A name that")
    print("   no longer exists matches nothing; a function missing here still links, in .text. */")
    print("SECTIONS")
    print("{")
    print("  .text.mt_start :")
    print("  {")
    print("    *crt*.o(.text)")  # the C runtime's start files: _start and its helpers
    print("    *(.text.startup .text.startup.*)")
    for entry in sorted(sizes, key=place):
        print(f"    {entry}")
    print("  }")
    print("}")
    print("INSERT BEFORE .text;")


if __name__ == "__main__":
    main()
