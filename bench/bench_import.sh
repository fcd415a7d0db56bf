#!/usr/bin/env bash
# Times `pny import` on a synthetic legacy file of 20 seasons x 10 leagues x 20 teams x 25 players
# (about 100,000 sections), with 40 games per league and 8 fields and umpires.
# Usage: bench/bench_import.sh PATH/TO/pny [SEASONS]
# Every team's players go to a file of their own, so the import writes about 4,800 files, each
# atomically; TMPDIR=/dev/shm leaves the disk out of the figure. KEEP=1 keeps the files.
set -euo pipefail

pny=${1:?usage: bench_import.sh PATH/TO/pny [SEASONS]}
seasons=${2:-20}
dir=$(mktemp -d)
[ -n "${KEEP:-}" ] || trap 'rm -rf "$dir"' EXIT
mkdir "$dir/data"

awk -v seasons="$seasons" 'BEGIN {
    srand(5);
    split("Adams Baker Clark Davis Evans Frank Green Hill Irwin Jones King Lopez Moore Nolan", names, " ");
    printf "[Init]\r\nLast=%d\r\n", seasons;
    printf "[Fields]\r\nLast=8\r\n[Umpires]\r\nLast=8\r\n";
    for (f = 1; f <= 8; f++) printf "[F%d]\r\nName=Field %d\r\nNo=%d\r\n[U%d]\r\nName=Umpire %d\r\nNo=%d\r\n", f, f, f, f, f, f;
    for (y = 1; y <= seasons; y++) {
        printf "[Y%d]\r\nName=%d\r\nLast=10\r\n", y, 1980 + y;
        for (l = 1; l <= 10; l++) {
            L = "Y" y "L" l;
            printf "[%s]\r\nName=League %d\r\nInn=7\r\nLast=20\r\n", L, l;
            for (t = 1; t <= 20; t++) {
                printf "[%sT%d]\r\nName=Team %d\r\nNo=%d\r\nWon=%d\r\nLost=%d\r\nLast=25\r\n", L, t, t, t, int(rand() * 20), int(rand() * 20);
                for (p = 1; p <= 25; p++) {
                    printf "[%sT%dP%d]\r\nName=%s %d\r\nNo=%d\r\nG=%d\r\nAB=%d\r\n1B=%d\r\n2B=%d\r\nHR=%d\r\nBB=%d\r\nHP=%d\r\nSO=%d\r\nR=%d\r\nRBI=%d\r\nSB=%d\r\nIP=%d\r\nHA=%d\r\nER=%d\r\nPO=%d\r\nA=%d\r\nErr=%d\r\n",
                        L, t, p, names[1 + int(rand() * 14)], p, p, int(rand() * 30), int(rand() * 100), int(rand() * 30), int(rand() * 10),
                        int(rand() * 5), int(rand() * 15), int(rand() * 3), int(rand() * 20), int(rand() * 20), int(rand() * 20),
                        int(rand() * 8), int(rand() * 30), int(rand() * 30), int(rand() * 20), int(rand() * 60), int(rand() * 40), int(rand() * 5);
                }
            }
            printf "[%sS]\r\nLast=40\r\n", L;
            for (g = 1; g <= 40; g++)
                printf "[%sG%d]\r\nD=1996%02d%02d\r\nT=1830\r\nF=F%d\r\nH=%sT%d\r\nA=%sT%d\r\nU1=U%d\r\nHTS=%d\r\nATS=%d\r\n",
                    L, g, 4 + int(g / 10), 1 + g % 28, 1 + g % 8, L, 1 + g % 20, L, 1 + (g + 7) % 20, 1 + g % 8, int(rand() * 10), int(rand() * 10);
        }
    }
}' >"$dir/bench.PZS"

sections=$(grep -c '^\[' "$dir/bench.PZS")
size=$(du -m "$dir/bench.PZS" | cut -f1)
echo "pny import: $sections sections, $size MB"
start=$(date +%s%N)
${TIME_CMD:-} "$pny" import "$dir/bench.PZS" --folder "$dir/data"
end=$(date +%s%N)
echo "  import and save: $(((end - start) / 1000000)) ms, $(ls "$dir/data" | wc -l) files written"
