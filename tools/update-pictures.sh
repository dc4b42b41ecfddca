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
# Every window in every language the program speaks.
mkdir -p docs/languages
for language in de fr es pt_BR; do
  "$render" --lang "$language" --png "docs/languages/opening-$language.png" opening
  "$render" --lang "$language" --png "docs/languages/am-$language.png" am
  "$render" --lang "$language" --png "docs/languages/ssb-$language.png" ssb
  "$render" --lang "$language" --png "docs/languages/fm-$language.png" fm click:cmdDisplay
done
