#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and then runs Tavinel or its test suite.
#
#   ./build.sh run    install what is missing, build, start Tavinel (menu window)
#   ./build.sh test   install what is missing, build (the WebAssembly files too), run the
#                     whole test suite headless
#   ./build.sh web    install what is missing, build the WebAssembly files (emscripten)
#                     and the browser page, build/web/tavinel.html
#
# Works as root or through sudo, with or without a display; on a machine that already
# has everything it installs nothing and builds only what changed.
set -euo pipefail
cd "$(dirname "$0")"

mode="${1:-}"
case "$mode" in
  run|test|web) ;;
  *) echo "usage: $0 run|test|web" >&2; exit 2 ;;
esac

# The Qt-free code for WebAssembly, in build/web.
build_web() {
  tools/install-packages.sh cmake ninja-build emscripten woff2 fonts-liberation
  # Debian's emcc runs its JavaScript optimiser with the machine's node, which finds Debian's
  # node modules (acorn) only through NODE_PATH when it is not Debian's own node.
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
  # Debian's emscripten reads its own configuration and its ready-built system libraries
  # (a frozen cache under /usr/share/emscripten): another EM_CACHE or EM_CONFIG breaks it.
  unset EM_CACHE EM_CONFIG
  if [ ! -f build/web/build.ninja ]; then
    emcmake cmake --preset web
  fi
  cmake --build --preset web
}

if [ "$mode" = web ]; then
  build_web
  echo "Built the browser page: $(pwd)/build/web/tavinel.html (open it in a browser; it needs no server),"
  echo "  build/web/tavinel-render.js (node build/web/tavinel-render.js --help)"
  echo "  and build/web/tavinel-core.js (TavinelCore() in a page or through require)."
  exit 0
fi
# The test suite compares the WebAssembly build's render tool with the desktop's, and tries
# the browser page in Debian's Chromium (Playwright from web/package-lock.json, no browser
# of its own), and reads the desktop program over the AT-SPI bus as a screen reader does.
if [ "$mode" = test ]; then
  (build_web)
  tools/install-packages.sh chromium
  # A screen reader's view of the desktop program: the AT-SPI bus and its Python bindings.
  tools/install-packages.sh at-spi2-core dbus-bin dbus-daemon python3-pyatspi
  # A sound server of the tests' own, with a null sink recorded by parec.
  tools/install-packages.sh pulseaudio pulseaudio-utils
  if [ ! -d web/node_modules ] || [ web/package-lock.json -nt web/node_modules ]; then
    (cd web && npm ci --no-audit --no-fund)
  fi
fi

tools/install-packages.sh cmake ninja-build g++ qt6-base-dev qt6-svg-dev libpulse-dev pkg-config qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext libgtest-dev libbenchmark-dev \
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
