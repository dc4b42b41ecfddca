#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the folders include each other one way only (ARCHITECTURE.md): every
# '#include "folder/..."' in a folder names that folder or one the table allows.
# Prints each include that breaks the rule and exits with status 1 if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [core]="core"
  [surface]="core surface"
  [am]="core surface am"
  [ssb]="core surface ssb"
  [fm]="core surface fm"
  [app]="core surface am ssb fm app"
  [tools]="core surface am ssb fm app tools"
  [fuzz]="core surface app fuzz"
  [tests]="core surface am ssb fm app tools tests"
  [bench]="core surface am ssb fm app tests"
)

status=0
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  while IFS=: read -r file line include; do
    target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$include")
    if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
      echo "$file:$line: $folder/ may not include $target/: $include"
      status=1
    fi
  done < <(grep -rnE '^#include "[^/"]+/' "$folder" --include='*.cpp' --include='*.h' || true)
done
exit $status
