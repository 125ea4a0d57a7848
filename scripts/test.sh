#!/usr/bin/env bash
# Installs what is missing, builds the test suite twice (normal, and with AddressSanitizer +
# UndefinedBehaviorSanitizer) and runs both through CTest. Fails on unformatted code, on any
# warning or test failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/check-format.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"

cmake -S . -B build/ci -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAJES_WERROR=ON
cmake --build build/ci -j "$jobs"
ctest --test-dir build/ci --output-on-failure -j "$jobs"

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLAJES_WERROR=ON -DLAJES_SANITIZE=ON \
    -DLAJES_BUILD_BENCHMARKS=OFF
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

if [ -x scripts/extra-checks.sh ]; then
    bash scripts/extra-checks.sh
fi
bash scripts/package-checks.sh
