#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the README's pictures of the four windows into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
render=build/default/tools/tavinel-render
"$render" --png docs/opening.png opening
"$render" --png docs/am-window.png am
"$render" --png docs/ssb-window.png ssb
"$render" --png docs/fm-window.png fm click:cmdDisplay
