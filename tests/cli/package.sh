#!/bin/bash
# The Debian package, tested as installed: scripts/package.sh builds it (a release tree in
# build/package, kept between runs), its contents are listed, it is unpacked into a scratch root
# and its programs, manual pages, completion, menu entry and metadata are tried there, and
# lintian finds no error in it.
set -u
src="$(cd "$(dirname "$0")/../.." && pwd)"
tmp=$(mktemp -d)
app_pid=""
trap '[ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

missing=()
for tool in cpack dpkg-deb dpkg-shlibdeps rsvg-convert lintian appstreamcli \
    desktop-file-validate man; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: ${missing[*]} not installed (scripts/deps.sh installs them)"
    exit 0
fi

export BUILD_DIR="${PNY_PACKAGE_BUILD_DIR:-$src/build/package}"
deb=$(bash "$src/scripts/package.sh" 2>"$tmp/build.log" | tail -n 1)
[ -f "$deb" ] || fail "no package was built: $(tail -n 30 "$tmp/build.log")"
version=$(dpkg-deb -f "$deb" Version)
[ -n "$version" ] || fail "the package has no version"

# Contents: every file in its place, nothing outside /usr, everything owned by root.
dpkg-deb -c "$deb" >"$tmp/contents" || fail "dpkg-deb -c failed"
for f in usr/bin/pennantry usr/bin/pny usr/share/applications/pennantry.desktop \
    usr/share/icons/hicolor/scalable/apps/pennantry.svg \
    usr/share/metainfo/io.github.pennantry.Pennantry.metainfo.xml \
    usr/share/pennantry/examples/Riverbend.PZS usr/share/pennantry/examples/RIVERBND.PZN \
    usr/share/man/man1/pennantry.1.gz usr/share/man/man1/pny.1.gz \
    usr/share/bash-completion/completions/pny usr/share/mime/packages/pennantry.xml \
    usr/share/doc/pennantry/copyright usr/share/doc/pennantry/changelog.gz; do
    grep -q " \./$f\$" "$tmp/contents" || fail "$f is not in the package"
done
for size in 16 22 24 32 48 64 128 256; do
    grep -q " \./usr/share/icons/hicolor/${size}x${size}/apps/pennantry.png\$" "$tmp/contents" ||
        fail "no ${size}x${size} icon"
done
awk '{ print $6 }' "$tmp/contents" | grep -v '^\./$' | grep -v '^\./usr/' &&
    fail "files outside /usr"
awk '$2 != "root/root"' "$tmp/contents" | grep . && fail "files not owned by root"
grep -E '^-rwxr-xr-x .* \./usr/bin/pny$' "$tmp/contents" >/dev/null || fail "pny is not executable"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 ||
    fail "the Qt libraries are not among the dependencies: $(dpkg-deb -f "$deb" Depends)"

root="$tmp/root"
dpkg-deb -x "$deb" "$root" || fail "the package does not unpack"
pny="$root/usr/bin/pny"
[ "$("$pny" --version)" = "pny (Pennantry) $version" ] || fail "pny --version: $("$pny" --version)"
"$pny" --help >"$tmp/help" || fail "pny --help failed"
grep -q "^Commands" "$tmp/help" || fail "pny --help lists no commands"
grep -q "otherwise ~/Pennantry" "$tmp/help" || fail "pny --help does not say where the data live"
"$root/usr/bin/pennantry" --help | grep -q "~/Pennantry" || fail "pennantry --help names no folder"

# Installed, pny keeps the data in ~/Pennantry, the sample season imports there and lists.
export HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$pny" import "$root/usr/share/pennantry/examples/Riverbend.PZS" >"$tmp/out" 2>&1 ||
    fail "pny import of the sample: $(cat "$tmp/out")"
[ -f "$HOME/Pennantry/Baseball.Years" ] || fail "pny did not write into ~/Pennantry"
"$pny" list | grep -q 2025 || fail "pny list does not show the sample season"
ls "$root/usr/bin" | grep -qv -e '^pennantry$' -e '^pny$' && fail "data written beside the programs"

# The window, offscreen: on an empty home it makes ~/Pennantry and holds it while open; given a
# folder, it opens that one instead. Qt's own options pass through.
window_holds() {  # window_holds FOLDER [ARGUMENT...]: starts the window, which must lock FOLDER
    local folder="$1"
    shift
    QT_QPA_PLATFORM=offscreen "$root/usr/bin/pennantry" "$@" >"$tmp/window.log" 2>&1 &
    app_pid=$!
    for _ in $(seq 200); do
        [ -f "$folder/Pennantry.Lock" ] && break
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null || fail "the window did not keep running: $(cat "$tmp/window.log")"
    [ -f "$folder/Pennantry.Lock" ] || fail "the window did not open $folder"
    kill -TERM "$app_pid"
    wait "$app_pid" 2>/dev/null
    app_pid=""
}
export HOME="$tmp/window-home"
mkdir -p "$HOME"
window_holds "$HOME/Pennantry"
mkdir "$tmp/stats"
export HOME="$tmp/other-home"
mkdir -p "$HOME"
window_holds "$tmp/stats" -platform offscreen "$tmp/stats"
[ -e "$HOME/Pennantry" ] && fail "a named folder still made ~/Pennantry"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/pennantry" "$tmp/no such folder" 2>"$tmp/err" &&
    fail "a missing folder was accepted"
grep -q "no such folder or file" "$tmp/err" || fail "a missing folder: $(cat "$tmp/err")"
ls "$root/usr/bin" | grep -qv -e '^pennantry$' -e '^pny$' && fail "data written beside the programs"

# The manual pages read, and pny's names every command its --help names.
for page in pennantry pny; do
    MANWIDTH=100 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" >"$tmp/$page.txt" \
        2>"$tmp/man.err" || fail "man -l $page.1: $(cat "$tmp/man.err")"
    [ -s "$tmp/man.err" ] && fail "man -l $page.1 warns: $(cat "$tmp/man.err")"
    grep -q "~/Pennantry" "$tmp/$page.txt" || fail "the $page page does not say where the data live"
done
commands=$(sed -n '/^Commands/,/^[A-Z]/s/^  \([a-z][a-z-]*\) .*/\1/p' "$tmp/help" | sort -u)
[ "$(echo "$commands" | wc -l)" -ge 10 ] || fail "too few commands in pny --help: $commands"
for c in $commands; do
    grep -Eq "^ +$c( |$)" "$tmp/pny.txt" || fail "the pny page lacks the command $c"
done

# Bash completion: the commands come from the pny that is completed.
complete_words() {  # complete_words WORD...: what Tab offers after the words, one a line
    PATH="$root/usr/bin:$PATH" bash -c '
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _pny
        printf "%s\n" "${COMPREPLY[@]}"' _ "$root/usr/share/bash-completion/completions/pny" "$@"
}
[ "$(complete_words pny ex)" = "export" ] || fail "pny ex + Tab: $(complete_words pny ex)"
[ "$(complete_words pny "" | grep -c .)" -eq "$(($(echo "$commands" | wc -l) + 2))" ] ||
    fail "pny + Tab: $(complete_words pny "")"
[ "$(complete_words pny export --tab Hi)" = "Hitting" ] || fail "--tab Hi: $(complete_words pny export --tab Hi)"
[ "$(complete_words pny export --format "" | tr '\n' ' ')" = "tsv csv html ics " ] ||
    fail "--format: $(complete_words pny export --format "")"
[ "$(complete_words pny roster "" | tr '\n' ' ')" = "export import " ] ||
    fail "pny roster + Tab: $(complete_words pny roster "")"
complete_words pny export --f | grep -qx -- --folder || fail "pny export --f + Tab: no --folder"
touch "$tmp/LEAGUE96.PZS"
[ "$(complete_words pny import "$tmp/LEAGUE")" = "$tmp/LEAGUE96.PZS" ] || fail "no file completed"
# A command pny learns later completes without touching the completion.
mkdir "$tmp/newer"
printf '#!/bin/sh\nprintf "Commands:\\n  pitchers [--folder DIR]\\n  export\\nOptions:\\n"\n' \
    >"$tmp/newer/pny"
chmod +x "$tmp/newer/pny"
[ "$(cd "$tmp/newer" && complete_words ./pny pi)" = "pitchers" ] || fail "a new command does not complete"

desktop="$root/usr/share/applications/pennantry.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate complains: $out"
grep -qx 'Exec=pennantry %f' "$desktop" || fail "the entry does not pass the opened file"
grep -q '^MimeType=application/x-pennantry-statistics;' "$desktop" || fail "no MimeType"
grep -q 'pattern="\*.PZS"' "$root/usr/share/mime/packages/pennantry.xml" || fail "no .PZS glob"
out=$(appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.pennantry.Pennantry.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $out"

lintian --tag-display-limit 0 "$deb" >"$tmp/lintian" 2>&1
grep '^E:' "$tmp/lintian" && fail "lintian found errors"
grep '^W:' "$tmp/lintian" | sed 's/^/lintian: /'
echo OK
