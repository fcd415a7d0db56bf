#!/usr/bin/env bash
# Times the start of Pennantry's main window, up to its first table on screen, against a bare Qt
# window with a table, in the same run on the same machine. The main window opens the sample
# season on the Teams tab. Each figure is the median of RUNS starts, in milliseconds, until the
# first paint of the table: from the program's start, and from the moment Qt's application object
# is ready (the window's own share, which the ratio compares).
# Usage: bench/bench_startup.sh PATH/TO/BUILD [RUNS]   (a configured build tree, Release for
#        figures worth comparing; the windows are shown on $DISPLAY, or offscreen without one)
set -euo pipefail

build=${1:?usage: bench_startup.sh PATH/TO/BUILD [RUNS]}
runs=${2:-21}
repo="$(cd "$(dirname "$0")/.." && pwd)"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

cmake --build "$build" --target bench_startup pny >/dev/null
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
"$build/pny" import "$repo/examples/Riverbend.PZS" --folder "$dir" >/dev/null
cp "$dir/Baseball.Years" "$dir/years.start"

median() {  # median COLUMN: of the lines read
    awk -v c="$1" '{ print $c }' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

run() {  # run MODE...: the times of RUNS starts, one start a line
    for _ in $(seq "$runs"); do
        cp "$dir/years.start" "$dir/Baseball.Years"
        "$build/bench_startup" "$@" 2>/dev/null
    done
}

# One start of each first, so that both find the libraries in the disk cache.
"$build/bench_startup" bare >/dev/null 2>&1
"$build/bench_startup" main "$dir" >/dev/null 2>&1
run bare >"$dir/bare"
run main "$dir" >"$dir/main"
ratio=$(awk -v m="$(median 2 <"$dir/main")" -v b="$(median 2 <"$dir/bare")" \
    'BEGIN { printf "%.2f", m / b }')
echo "                             from start  window's share  (ms, median of $runs)"
printf 'bare Qt window with a table  %10.1f  %14.1f\n' "$(median 1 <"$dir/bare")" "$(median 2 <"$dir/bare")"
printf 'Pennantry main window        %10.1f  %14.1f\n' "$(median 1 <"$dir/main")" "$(median 2 <"$dir/main")"
echo "ratio of the window's shares: $ratio"
