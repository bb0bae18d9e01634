#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only what the programs need; scripts/test.sh adds the tests and their tools.
bash scripts/install-deps.sh --programs
bash scripts/build.sh --programs
program=build/program
out="${TMPDIR:-/tmp}/glimmora-blank.swf"
"$program/glimmora-cli" build "$program/template/blank.gmr" -o "$out"
echo "Built the blank template movie: $out"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$program/glimmora" "$@"
fi
echo "No display here, so the editor ($program/glimmora) cannot open its window." >&2
echo "Run it on a desktop, or under a virtual display: xvfb-run -a $program/glimmora" >&2
