#!/usr/bin/env bash
# Configures and builds Glimmora into ./build (the program folder is build/program).
#   bash scripts/build.sh              the programs, the tests and the benchmarks
#   bash scripts/build.sh --programs   only what the programs need (a first build
#                                      then takes a fraction of the time and disk)
# A folder configured for the programs only gets the tests and benchmarks
# the next time the whole build is asked for.
set -euo pipefail
cd "$(dirname "$0")/.."
generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
if [[ "${1:-}" == "--programs" ]]; then
  if [[ ! -f build/CMakeCache.txt ]]; then
    cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLIMMORA_TESTS=OFF -DGLIMMORA_BENCH=OFF
  fi
else
  if [[ ! -f build/CMakeCache.txt ]]; then
    cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLIMMORA_TESTS=ON -DGLIMMORA_BENCH=ON
  else
    cmake -S . -B build -DGLIMMORA_TESTS=ON -DGLIMMORA_BENCH=ON >/dev/null
  fi
fi
cmake --build build -j"$(nproc)"
