#!/usr/bin/env bash
# Builds Pennantry with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test, then
# builds the libFuzzer targets with clang and runs each for a short, fixed number of inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DPNY_SANITIZE=ON >/dev/null
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build/test && ctest --output-on-failure -j"$(nproc)")

# Fuzzing: new inputs go to build/fuzz/corpus, the seeds in tests/fuzz-corpus stay as they are.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPNY_FUZZ=ON \
    -DPNY_TESTS=OFF >/dev/null
cmake --build build/fuzz --target fuzz -j"$(nproc)"
runs="${PNY_FUZZ_RUNS:-2000}"
for target in records recordlist import views gamelog boxscore; do
    mkdir -p "build/fuzz/corpus/$target"
    log="build/fuzz/fuzz_$target.log"
    if ! "build/fuzz/fuzz/fuzz_$target" -runs="$runs" -max_len=4096 -timeout=10 \
        -artifact_prefix="build/fuzz/crash-$target-" \
        "build/fuzz/corpus/$target" "tests/fuzz-corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target found a fault: the input is in build/fuzz/crash-$target-*"
        exit 1
    fi
    echo "fuzz_$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log")"
done
