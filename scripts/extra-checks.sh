#!/usr/bin/env bash
# Fuzzes the two readers of outside input (Quenvor.cfg and the command-line tool's JSON) for a
# bounded time each with libFuzzer + AddressSanitizer + UndefinedBehaviorSanitizer. Fails on
# any crash, hang or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${LAJES_FUZZ_SECONDS:-60}
CC=clang-14 CXX=clang++-14 cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLAJES_FUZZ=ON -DLAJES_SANITIZE=ON -DLAJES_BUILD_GUI=OFF -DLAJES_BUILD_TESTS=OFF \
    -DLAJES_BUILD_BENCHMARKS=OFF
cmake --build build/fuzz -j "$(nproc)" --target config_fuzz slab_json_fuzz

for target in config_fuzz slab_json_fuzz; do
    corpus=build/fuzz/corpus-${target%_fuzz}
    mkdir -p "$corpus"
    cp -n fuzz/corpus/${target%_fuzz}/* "$corpus"/ 2>/dev/null || true
    echo "== fuzzing $target for ${seconds}s"
    # With pipefail the pipeline fails when the fuzzer does, whatever tail returns.
    if ! build/fuzz/fuzz/$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix=build/fuzz/ \
        -print_final_stats=1 "$corpus" 2>&1 | tail -n 12; then
        echo "$target found a fault"
        exit 1
    fi
done
