#!/usr/bin/env bash
# FIFOs, folders and devices where a data file or the import file belongs: no command hangs on
# one, none replaces it, and pny check names it.
set -u
pny=${1:?usage: hostile.sh PATH/TO/pny}
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

base="$dir/base"
mkdir "$base"
"$pny" import "$here/../../examples/Riverbend.PZS" --folder "$base" >/dev/null || fail "import"
printf '1996080118301\r\n' >"$base/Y1L1.Times"

for name in Baseball.Years Y1.Leagues Y1L1.Teams Y1L1T1.Players Y1L1.Games Y1L1.Times; do
    for kind in fifo folder device; do
        work="$dir/work"
        rm -rf "$work"
        cp -a "$base" "$work"
        rm -f "$work/$name"
        case $kind in
            fifo) mkfifo "$work/$name" ;;
            folder) mkdir "$work/$name" ;;
            device) ln -s /dev/zero "$work/$name" ;;
        esac
        for cmd in "check" "export --tab Teams" "export --tab Hitting" "generate --yes" \
            "import $here/../../examples/Riverbend.PZS"; do
            # shellcheck disable=SC2086
            timeout 10 "$pny" $cmd --folder "$work" >/dev/null 2>"$dir/err"
            status=$?
            [ $status -eq 124 ] && fail "$cmd hangs on $name as a $kind"
            if [ "$cmd" = check ]; then
                [ $status -eq 1 ] || fail "check calls a folder with $name as a $kind sound"
                timeout 10 "$pny" check --folder "$work" | grep -q "^$name: cannot be read: it is " ||
                    fail "check does not name $name as a $kind"
            fi
        done
        case $kind in
            fifo) [ -p "$work/$name" ] || fail "$name as a FIFO was replaced" ;;
            folder) [ -d "$work/$name" ] || fail "$name as a folder was replaced" ;;
            device) [ -L "$work/$name" ] || fail "$name as a device was replaced" ;;
        esac
    done
done

# The import file itself.
mkfifo "$dir/old.PZS"
timeout 10 "$pny" import "$dir/old.PZS" --folder "$base" >/dev/null 2>"$dir/err"
status=$?
[ $status -ne 124 ] || fail "import of a FIFO hangs"
grep -q 'is a FIFO, not an ordinary file' "$dir/err" || fail "FIFO import message: $(cat "$dir/err")"
mkdir "$dir/folder.PZS"
timeout 10 "$pny" import "$dir/folder.PZS" --folder "$base" >/dev/null 2>"$dir/err" &&
    fail "import of a folder succeeded"

if [ $failures -gt 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "all passed"
