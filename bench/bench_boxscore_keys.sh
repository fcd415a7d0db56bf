#!/usr/bin/env bash
# Counts the keys a scorer presses to type a conventional box score into the box score sheet:
# game 16 of the sample season, 20 batters and 4 pitchers (AB R H RBI BB SO, the extra-base hits,
# IP as 5.2, H R ER BB SO, W/L/S, the errors), both scores and Ctrl+Enter. The figure comes from
# the test that types it key by key through the real sheet (tests/gui/tst_boxscorekeys.cpp); the
# test fails above 250.
# Usage: bench/bench_boxscore_keys.sh BUILD_FOLDER
set -euo pipefail

build=${1:?usage: bench_boxscore_keys.sh BUILD_FOLDER}
cmake --build "$build" --target tst_boxscorekeys >/dev/null
QT_QPA_PLATFORM=offscreen "$build/tests/tst_boxscorekeys" conventionalBoxScoreInAQuarterOfTheKeys 2>&1 |
    grep -o 'Keys for the reference night: [0-9]*'
