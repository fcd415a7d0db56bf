#!/usr/bin/env bash
# Times `pny export` on a large data folder: one team of 1,000 players and a league of 200 teams.
# Usage: bench/bench_export.sh PATH/TO/pny [RUNS]
set -euo pipefail

pny=${1:?usage: bench_export.sh PATH/TO/pny [RUNS]}
runs=${2:-5}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Record lines end with CR LF; every field is followed by '|'.
printf 'Y|1||1|||\r\n|2024|Bench Season|1|\r\n' >"$dir/Baseball.Years"
printf 'L|\r\n|1|Bench League|1||\r\n' >"$dir/Y1.Leagues"

awk 'BEGIN {
    srand(7);
    printf "T|\r\n";
    for (i = 1; i <= 200; i++) {
        w = int(rand() * 60); l = int(rand() * 60); t = int(rand() * 5);
        printf "|%d|Team %03d|%d|%d|%s|%s|\r\n", i, i, w, l, (t ? t : ""), (i == 1 ? "1" : "");
    }
}' >"$dir/Y1L1.Teams"

awk 'BEGIN {
    srand(11);
    split("Adams Baker Clark Davis Evans Frank Green Hill Irwin Jones King Lopez Moore Nolan", names, " ");
    printf "P|\r\n";
    for (i = 1; i <= 1000; i++) {
        line = sprintf("|%d|%s %d|", i, names[1 + int(rand() * 14)], i);
        for (s = 1; s <= 45; s++) {
            v = int(rand() * 400);
            if (s == 19 || s == 37) v = 1 + int(rand() * 9);   # batting order, position
            if (s == 22) v = int(rand() * 3);                  # thirds of an inning
            line = line (v ? v : "") "|";
        }
        printf "%s\r\n", line;
    }
}' >"$dir/Y1L1T1.Players"

time_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

echo "pny export, best and median of $runs runs (ms), data in $dir"
for tab in Teams Players Hitting Pitching; do
    times=()
    for ((i = 0; i < runs; i++)); do times+=("$(time_ms "$pny" export --folder "$dir" --tab "$tab")"); done
    sorted=$(printf '%s\n' "${times[@]}" | sort -n)
    best=$(echo "$sorted" | head -1)
    median=$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")
    rows=$("$pny" export --folder "$dir" --tab "$tab" | wc -l)
    printf '  %-9s %5d lines  best %4d ms  median %4d ms\n' "$tab" "$rows" "$best" "$median"
done
