#!/usr/bin/env bash
# Installs what is missing, builds Lajes and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DLAJES_BUILD_TESTS=OFF \
    -DLAJES_BUILD_BENCHMARKS=OFF
cmake --build build/release -j "$(nproc)"
if [ ! -x build/release/src/ui/lajes ]; then
    echo "run.sh: o programa não foi construído (falta build/release/src/ui/lajes)." >&2
    exit 1
fi
exec build/release/src/ui/lajes
