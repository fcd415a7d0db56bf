#!/usr/bin/env bash
# Times `pny leaders` on two leagues of 20 teams: 50 players a team, and 1,000 players a team.
# The work is the time less that of the same command on a league without teams (the start of the
# process, reading the years and leagues files).
# Usage: bench/bench_leaders.sh PATH/TO/pny [RUNS]
set -euo pipefail

pny=${1:?usage: bench_leaders.sh PATH/TO/pny [RUNS]}
runs=${2:-7}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# A data folder whose league has `teams` teams of `players` players each (0 teams: no teams file).
make_league() {  # folder, teams, players
    local folder=$1 teams=$2 players=$3
    mkdir -p "$folder"
    printf 'Y|0||1|||\r\n|2024|Bench Season|1|\r\n' >"$folder/Baseball.Years"
    printf 'L|\r\n|1|Bench League|1||\r\n' >"$folder/Y1.Leagues"
    ((teams > 0)) || return 0
    awk -v teams="$teams" 'BEGIN {
        srand(7);
        printf "T|\r\n";
        for (i = 1; i <= teams; i++) {
            w = 5 + int(rand() * 10); l = 5 + int(rand() * 10);
            printf "|%d|Team %02d|%d|%d||%s|\r\n", i, i, w, l, (i == 1 ? "1" : "");
        }
    }' >"$folder/Y1L1.Teams"
    for ((t = 1; t <= teams; t++)); do
        awk -v players="$players" -v seed="$t" 'BEGIN {
            srand(seed);
            split("Adams Baker Clark Davis Evans Frank Green Hill Irwin Jones King Lopez Moore Nolan", names, " ");
            printf "P|\r\n";
            for (i = 1; i <= players; i++) {
                line = sprintf("|%d|%s %d|", i, names[1 + int(rand() * 14)], i);
                for (s = 1; s <= 45; s++) {
                    # Few players have many of anything: a value of 0 to 59, small ones likelier.
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
        }' >"$folder/Y1L1T$t.Players"
    done
}

make_league "$dir/empty" 0 0
make_league "$dir/small" 20 50
make_league "$dir/large" 20 1000

time_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

# The median of `runs` timed runs of pny leaders on a folder.
median_ms() {  # folder
    local times=()
    for ((i = 0; i < runs; i++)); do times+=("$(time_ms "$pny" leaders --folder "$1")"); done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

echo "pny leaders, median of $runs runs (ms)"
base=$(median_ms "$dir/empty")
printf '  %-22s %5d ms\n' "no teams (start-up)" "$base"
for league in small large; do
    total=$(median_ms "$dir/$league")
    lines=$("$pny" leaders --folder "$dir/$league" | wc -l)
    label=$([[ $league == small ]] && echo "20 teams x 50" || echo "20 teams x 1,000")
    printf '  %-22s %5d ms  (work %d ms, %d lines)\n' "$label" "$total" $((total - base)) "$lines"
done
