#!/usr/bin/env bash
# Installs what is missing, builds Lajes and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DLAJES_BUILD_TESTS=OFF \
    -DLAJES_BUILD_BENCHMARKS=OFF
cmake --build build/release -j "$(nproc)"
if [ -x build/release/src/ui/lajes ]; then
    exec build/release/src/ui/lajes
fi
echo "Construído. (A janela do programa ainda não existe nesta versão.)"
