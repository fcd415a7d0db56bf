#!/usr/bin/env bash
# Times `pny career` of a person linked over 20 seasons and `pny history` (every season's
# standings leader and the all-time leaders) over 20 seasons of 20 teams of 25 players, every
# player linked across the seasons. The work is the time less that of `pny history` on a folder
# of one season without teams (the start of the process).
# Usage: bench/bench_careers.sh PATH/TO/pny [RUNS]
set -euo pipefail

pny=${1:?usage: bench_careers.sh PATH/TO/pny [RUNS]}
runs=${2:-7}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

seasons=20
teams=20
players=25

# The empty folder: one season, one league, no teams.
mkdir -p "$dir/empty"
printf 'Y|0||1|||\r\n|2001|Bench Season|1|\r\n' >"$dir/empty/Baseball.Years"
printf 'L|\r\n|1|Bench League|1||\r\n' >"$dir/empty/Y1.Leagues"

data="$dir/data"
mkdir -p "$data"
{
    printf 'Y|2||%d|||\r\n' "$seasons"
    for ((y = 1; y <= seasons; y++)); do printf '|%d|Season %d|1|\r\n' $((2000 + y)) "$y"; done
} >"$data/Baseball.Years"
for ((y = 1; y <= seasons; y++)); do
    # Every third season plays 7-inning games.
    printf 'L|\r\n|1|Bench League|1||%d|\r\n' $((y % 3 == 0 ? 7 : 9)) >"$data/Y$y.Leagues"
    awk -v teams="$teams" -v seed="$y" 'BEGIN {
        srand(seed);
        printf "T|\r\n";
        for (i = 1; i <= teams; i++) {
            w = 5 + int(rand() * 10); l = 5 + int(rand() * 10);
            printf "|%d|Team %02d|%d|%d||1|\r\n", i, i, w, l;
        }
    }' >"$data/Y${y}L1.Teams"
    for ((t = 1; t <= teams; t++)); do
        awk -v players="$players" -v seed="$((y * 100 + t))" -v team="$t" 'BEGIN {
            srand(seed);
            printf "P|\r\n";
            for (i = 1; i <= players; i++) {
                line = sprintf("|%d|Player %02d-%02d|", i, team, i);
                for (s = 1; s <= 45; s++) {
                    r = rand();
                    v = int(60 * r * r * r);
                    if (s == 1) v = int(rand() * 25);                  # games
                    if (s == 3) v = int(rand() * 100);                 # plate appearances
                    if (s == 19 || s == 37) v = 1 + int(rand() * 9);   # batting order, position
                    if (s == 22) v = int(rand() * 3);                  # thirds of an inning
                    line = line (v ? v : "") "|";
                }
                printf "%s\r\n", line;
            }
        }' >"$data/Y${y}L1T$t.Players"
    done
done
# Every player is one person over the 20 seasons: 10,000 records in 500 people.
awk -v seasons="$seasons" -v teams="$teams" -v players="$players" 'BEGIN {
    printf "People|\r\n";
    person = 0;
    for (t = 1; t <= teams; t++)
        for (p = 1; p <= players; p++) {
            person++;
            for (y = 1; y <= seasons; y++) printf "P|%d|Y%dL1T%dP%d|\r\n", person, y, t, p;
        }
}' >"$data/Pennantry.People"

time_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median_ms() {  # command...
    local times=()
    for ((i = 0; i < runs; i++)); do times+=("$(time_ms "$@")"); done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

rows=$("$pny" career --folder "$data" --team 1 --player 1 | wc -l)
echo "pny career and history, median of $runs runs (ms)"
base=$(median_ms "$pny" history --folder "$dir/empty")
printf '  %-40s %5d ms\n' "start-up (one season, no teams)" "$base"
total=$(median_ms "$pny" career --folder "$data" --team 1 --player 1)
printf '  %-40s %5d ms  (work %d ms, %d rows)\n' "career of a person over $seasons seasons" \
    "$total" $((total - base)) "$rows"
total=$(median_ms "$pny" history --folder "$data")
printf '  %-40s %5d ms  (work %d ms)\n' "history: $seasons seasons x $teams teams x $players" \
    "$total" $((total - base))
