#!/bin/bash
# cmake --install makes the program folder: both programs, the sample season, the icon and a
# desktop entry that points into that folder and passes desktop-file-validate.
set -u
build="$(dirname "$1")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix="$tmp/Pennantry Stats"
cmake --install "$build" --prefix "$prefix" >"$tmp/log" 2>&1 || fail "install: $(cat "$tmp/log")"
for f in pennantry pny pennantry.svg pennantry.desktop examples/Riverbend.PZS examples/RIVERBND.PZN; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/pennantry" ] || fail "pennantry is not executable"
grep -q '<svg' "$prefix/pennantry.svg" || fail "the icon is no SVG"
desktop="$prefix/pennantry.desktop"
grep -qx "Exec=\"$prefix/pennantry\"" "$desktop" || fail "Exec: $(grep Exec "$desktop")"
grep -qx "Icon=$prefix/pennantry.svg" "$desktop" || fail "Icon: $(grep Icon "$desktop")"

if ! command -v desktop-file-validate >/dev/null; then
    echo "SKIP: desktop-file-validate is not installed (package desktop-file-utils)"
    exit 0
fi
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate complains: $out"
echo OK
