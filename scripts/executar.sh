#!/usr/bin/env bash
# Installs what is missing, builds Veltra and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/instalar-dependencias.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRA_BENCH=OFF
cmake --build build/release -j2 --target veltra
exec build/release/src/veltra "$@"
