#!/usr/bin/env bash
# Sets up the independent SWF checker (a strict parser and the Ruffle player in
# headless Chromium) in build/swfcheck, from the shared tools folder.
# With --check it only makes sure that the checker and what it needs are
# there, so that the test command can say so before a long build.
set -euo pipefail
check_only=false
[[ "${1:-}" == "--check" ]] && check_only=true
cd "$(dirname "$0")/.."
# The shared tools sit beside the repository; a clone made elsewhere finds them
# beside the repository it was cloned from.
candidates=()
[[ -n "${SWFCHECK_SOURCE:-}" ]] && candidates+=("$SWFCHECK_SOURCE")
candidates+=("$(pwd)/../shared/tools/swfcheck")
origin="$(git config --get remote.origin.url 2>/dev/null || true)"
[[ -n "$origin" && -d "$origin" ]] && candidates+=("$(cd "$origin" && pwd)/../shared/tools/swfcheck")
source_dir=""
for candidate in "${candidates[@]}"; do
  if [[ -x "$candidate/swfcheck" ]]; then source_dir="$candidate"; break; fi
done
target=build/swfcheck
if [[ -z "$source_dir" ]]; then
  cat >&2 <<MESSAGE
The tests need the independent SWF checker (swfcheck), which was not found.
Looked in: ${candidates[*]}
Point SWFCHECK_SOURCE at the folder that holds the swfcheck program, for example:
  SWFCHECK_SOURCE=/path/to/shared/tools/swfcheck bash scripts/test.sh
MESSAGE
  exit 1
fi
# The checker runs on Node.js 20 or later (Debian 12's own nodejs is 18).
node_major="$(node -p 'process.versions.node.split(".")[0]' 2>/dev/null || echo 0)"
if (( node_major < 20 )); then
  echo "The independent SWF checker needs Node.js 20 or later; this machine has $(node --version 2>/dev/null || echo none)." >&2
  echo "Install a newer Node.js (for example from the NodeSource packages) and run again." >&2
  exit 1
fi
if $check_only; then
  echo "swfcheck found in $source_dir (Node.js $(node --version))"
  exit 0
fi
mkdir -p "$target"
# Copy the tool (not its installed modules), keeping our own node_modules between runs.
tar -C "$source_dir" --exclude=node_modules --exclude=out -cf - . | tar -C "$target" -xf -
chmod -R u+w "$target"
"$target/swfcheck" setup

# swf-parser 0.14.1 keeps its DefineSound parser private while the checker calls
# it by name, so every movie with a sound would be reported as unparsable.
# Export it in our copy (idempotent).
tags="$target/node_modules/swf-parser/lib/parsers/tags.mjs"
if [[ -f "$tags" ]] && grep -q '^function parseDefineSound' "$tags"; then
  sed -i 's/^function parseDefineSound/export function parseDefineSound/' "$tags"
fi
