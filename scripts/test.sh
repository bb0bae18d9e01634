#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The independent checker is needed by the tests: said now, not after the build.
bash scripts/setup-swfcheck.sh --check
bash scripts/build.sh
bash scripts/setup-swfcheck.sh
export GLIMMORA_SWFCHECK="$(pwd)/build/swfcheck/swfcheck"
ctest --test-dir build --output-on-failure -j2
