#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the format check, the core's
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, a short fuzzing run of the number
# reader, then the program, benchmarks, and every core and window test. Any failure stops the
# script with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/instalar-dependencias.sh

echo "== Formato (clang-format)"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run --Werror

echo "== Núcleo com AddressSanitizer e UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRA_GUI=OFF -DVELTRA_BENCH=OFF \
    -DVELTRA_SANITIZE=ON
cmake --build build/asan -j2
ctest --test-dir build/asan --output-on-failure -j2

echo "== Fuzzing do leitor de números e do leitor de projetos"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVELTRA_GUI=OFF -DVELTRA_BENCH=OFF -DVELTRA_FUZZ=ON
cmake --build build/fuzz -j2
for alvo in build/fuzz/fuzz/fuzz_*; do
    [ -x "$alvo" ] || continue
    corpus="build/fuzz/corpus/$(basename "$alvo")"
    mkdir -p "$corpus"
    case "$(basename "$alvo")" in
        fuzz_projeto) exemplos=fuzz/projetos ;;
        *) exemplos=fuzz/semente ;;
    esac
    "$alvo" -max_total_time=20 -print_final_stats=0 "$corpus" "$exemplos" 2>&1 | tail -n 3
done

echo "== Programa, testes e benchmarks"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j2
ctest --test-dir build/release --output-on-failure -j2
