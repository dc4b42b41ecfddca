#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and then runs Tavinel or its test suite.
#
#   ./build.sh run    install what is missing, build, start Tavinel (menu window)
#   ./build.sh test   install what is missing, build, run the whole test suite headless
#
# Works as root or through sudo, with or without a display; on a machine that already
# has everything it installs nothing and builds only what changed.
set -euo pipefail
cd "$(dirname "$0")"

mode="${1:-}"
case "$mode" in
  run|test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

tools/install-packages.sh cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-multimedia-dev libgtest-dev libbenchmark-dev \
  fonts-liberation xvfb xauth

if [ ! -f build/default/build.ninja ]; then
  cmake --preset default
fi
cmake --build --preset default

if [ "$mode" = test ]; then
  export QT_QPA_PLATFORM=offscreen
  exec ctest --preset default
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Tavinel on a virtual X display (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1600x1200x24" build/default/app/tavinel
fi
exec build/default/app/tavinel
