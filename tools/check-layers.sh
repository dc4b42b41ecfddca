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
  [am]="core am"
  [ssb]="core ssb"
  [fm]="core fm"
  [app]="core surface am ssb fm app"
  [tools]="core surface am ssb fm app tools"
  [web]="core am ssb fm app tools web"
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
# The windows' models, plots and the tools' command line are free of Qt: they build for
# the web too.
while IFS=: read -r file line include; do
  echo "$file:$line: no Qt here: $include"
  status=1
done < <(grep -nE '^#include <Q' core am ssb fm web app/OpeningArtwork.* app/frmOpening.* app/Windows.* app/HeadlessSession.* \
           tools/RenderCommand.* -r --include='*.cpp' --include='*.h' 2>/dev/null || true)
exit $status
