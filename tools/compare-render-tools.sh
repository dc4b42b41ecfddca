#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the sweep of tools/render-sweep.sh with the desktop's render tool and with the
# WebAssembly build's, side by side, and fails if any state's outputs, exit status or
# messages differ. Exits 77 (skipped) where the WebAssembly build has not been made.
#
#   tools/compare-render-tools.sh DESKTOP_TOOL WEB_TOOL_JS
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
desktop="$1"
web="$2"
if [ ! -f "$web" ]; then
    echo "no WebAssembly build at $web (./build.sh web makes it): skipped"
    exit 77
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$top/tools/render-sweep.sh" "$desktop" >"$work/desktop" &
"$top/tools/render-sweep.sh" node "$web" >"$work/web" &
wait %1
wait %2
states=$(cut -d' ' -f1 "$work/desktop" | sort -u | wc -l)
if ! diff "$work/desktop" "$work/web" >"$work/diff"; then
    echo "The two render tools differ:"
    head -n 40 "$work/diff"
    echo "$(grep -c '^<' "$work/diff") of $(wc -l <"$work/desktop") outputs differ, over $states states"
    exit 1
fi
echo "$(wc -l <"$work/desktop") outputs of $states states are byte-identical"
