#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser page's tests (web/test) in Debian's Chromium, headless, against the desktop's
# render tool.
#
#   tools/test-web-page.sh DESKTOP_RENDER_TOOL PAGE
#
# Exit status 77 (skipped) where the page, Chromium or the tests' node modules are missing
# (./build.sh test provides them all).
set -euo pipefail
cd "$(dirname "$0")/.."
tool="$1"
page="$2"
for needed in "$page" /usr/bin/chromium web/node_modules/playwright-core; do
  if [ ! -e "$needed" ]; then
    echo "skipped: $needed is missing (./build.sh test makes it)"
    exit 77
  fi
done
cd web
TAVINEL_RENDER="$tool" TAVINEL_PAGE="$page" exec node --test --test-concurrency=1 test/
