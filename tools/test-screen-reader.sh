#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop program as a screen reader receives it: over the AT-SPI bus of a session bus
# of its own, on a virtual X display (tools/screen-reader-check.py says what it reads).
#
#   tools/test-screen-reader.sh PROGRAM
#
# Exit status 77 (skipped) where the bus, the virtual display or the Python bindings of
# AT-SPI are missing (./build.sh test installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
program="$1"
for needed in "$program" /usr/bin/dbus-run-session /usr/bin/dbus-daemon /usr/libexec/at-spi-bus-launcher \
  /usr/libexec/at-spi2-registryd /usr/bin/xvfb-run /usr/bin/xauth /usr/bin/python3; do
  if [ ! -e "$needed" ]; then
    echo "skipped: $needed is missing (./build.sh test installs it)"
    exit 77
  fi
done
if ! /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' 2>/dev/null; then
  echo "skipped: the Python bindings of AT-SPI are missing (python3-pyatspi; ./build.sh test installs them)"
  exit 77
fi
# A folder of its own for the runtime files, the display's authority and the program's
# settings, gone afterwards.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir -m 700 "$folder/runtime"
export XDG_RUNTIME_DIR="$folder/runtime" HOME="$folder" XDG_CONFIG_HOME="$folder/config"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
exec dbus-run-session -- xvfb-run -a -f "$folder/Xauthority" -s "-screen 0 1280x1024x24" \
  /usr/bin/python3 tools/screen-reader-check.py "$program"
