#!/usr/bin/env bash
# Installs the build in BUILD_DIR into the scratch prefix PREFIX (emptied first) and checks what a
# desktop needs: the program, which answers --help and --version without a display; the menu entry and
# the AppStream metainfo, each accepted by its validator; the icon in the hicolor theme, as SVG and as
# PNG pictures of the sizes their folders name; the manual page. Exits 77 (skipped) when everything
# that could be checked passed but a validator is not installed.
set -euo pipefail
build="$1"
prefix="$2"
id=org.modemtally.ModemTally
failures=0
skipped=()
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

share="$prefix/share"
for f in bin/modemtally share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/modemtally.svg share/man/man1/modemtally.1.gz \
  share/dbus-1/interfaces/org.modemtally.ModemTally1.xml; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/modemtally" ] || fail "bin/modemtally is not executable"

# The program answers on the terminal with no display, even with the X11 platform asked for.
if out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/modemtally" --version 2>&1); then
  [[ "$out" =~ ^modemtally\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version printed: $out"
else
  fail "--version without a display failed: $out"
fi
if ! env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/modemtally" --help | grep -q -- '--data-dir'; then
  fail "--help without a display did not list the options"
fi

# The modules are installed where the installed program looks for them: the journal's store answers
# `--history` (which opens a journal) from the installed tree, with no build tree to fall back on.
for module in modemtally-journal.so modemtally-history.so; do
  compgen -G "$prefix/lib*/modemtally/$module" >/dev/null || fail "$module is not installed in lib/modemtally"
done
if ! out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u MODEMTALLY_MODULE_DIR "$prefix/bin/modemtally" --history \
  --data-dir "$prefix/no-such-folder" 2>&1); then
  fail "--history from the installed tree failed: $out"
fi

# The menu entry starts the installed program by name and shows the installed icon.
entry="$share/applications/$id.desktop"
grep -qx 'Exec=modemtally' "$entry" || fail "the entry does not start modemtally"
grep -qx 'Icon=modemtally' "$entry" || fail "the entry does not name the icon modemtally"
grep -qx 'Categories=Network;Dialup;' "$entry" || fail "the entry's categories are not Network;Dialup;"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "desktop-file-validate refused $entry"
else
  skipped+=("desktop-file-validate (package desktop-file-utils) is not installed")
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --explain "$share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli refused the metainfo"
else
  skipped+=("appstreamcli (package appstream) is not installed")
fi

# Every picture is a PNG of its folder's size.
for size in 16 32 48 64 128; do
  png="$share/icons/hicolor/${size}x${size}/apps/modemtally.png"
  if [ ! -f "$png" ]; then
    fail "no ${size} px icon"
    continue
  fi
  # The PNG header: the signature, then the IHDR chunk with the width and height as 32-bit numbers.
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
  [ "$(head -c8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
  [ "$w $h" = "$size $size" ] || fail "$png is ${w}x${h}, not ${size}x${size}"
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/modemtally.svg" || fail "the scalable icon is not an SVG"

# The manual page: a section-1 page that lists the options.
man=$(gzip -dc "$share/man/man1/modemtally.1.gz")
grep -q '^\.TH MODEMTALLY "1"' <<<"$man" || fail "the manual page has no section-1 title"
grep -q 'data\\-dir' <<<"$man" || fail "the manual page does not list --data-dir"
grep -q '^\.SH FILES' <<<"$man" || fail "the manual page has no FILES section"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
if [ ${#skipped[@]} -gt 0 ]; then
  printf 'SKIPPED: %s\n' "${skipped[@]}"
  echo "Every other check passed."
  exit 77
fi
echo "The installed tree is complete and valid."
