#!/bin/bash
# Every text of the program has a finished translation in every language: the committed .ts files
# are brought up to date with the sources in a scratch copy (as `update_translations` would), and no
# message may then be unfinished, which a new or changed text without a translation would be.
# Usage: check-translations.sh LUPDATE SRC_DIR TS_DIR SCRATCH_DIR
set -euo pipefail
lupdate=$1 src=$2 ts=$3 scratch=$4
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$ts"/*.ts "$scratch"/
"$lupdate" -silent -no-obsolete -locations none "$src" -ts "$scratch"/*.ts
status=0
for file in "$scratch"/*.ts; do
    count=$(grep -c '<message' "$file" || true)
    unfinished=$(grep -c 'type="unfinished"' "$file" || true)
    echo "$(basename "$file"): $count messages, $unfinished unfinished"
    if [ "$count" -eq 0 ] || [ "$unfinished" -ne 0 ]; then
        grep -B2 'type="unfinished"' "$file" | grep '<source>' || true
        status=1
    fi
    # A translation must keep the placeholders of its text.
    python3 - "$file" <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET
bad = 0
for m in ET.parse(sys.argv[1]).getroot().iter('message'):
    source = ''.join(m.find('source').itertext())
    translation = ''.join(m.find('translation').itertext())
    if sorted(re.findall(r'%\d', source)) != sorted(re.findall(r'%\d', translation)):
        print('placeholders differ:', source, '->', translation)
        bad = 1
sys.exit(bad)
PY
done
exit $status
