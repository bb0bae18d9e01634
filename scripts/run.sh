#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
program=build/program
out="${TMPDIR:-/tmp}/glimmora-blank.swf"
"$program/glimmora-cli" build "$program/template/blank.gmr" -o "$out"
