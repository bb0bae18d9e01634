#!/usr/bin/env bash
# Sets up the independent SWF checker (a strict parser and the Ruffle player in
# headless Chromium) in build/swfcheck, from the shared tools folder.
set -euo pipefail
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
  echo "swfcheck not found (looked in: ${candidates[*]})" >&2
  exit 1
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
