#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures the release build (build/release, for the Debian package) with the flags
# Debian builds its own packages with: dpkg-buildflags with every hardening feature
# (fortified functions, stack protector, read-only relocations bound at load, ...).
#
#   packaging/configure-release.sh [CMAKE-OPTION ...]
#
# Then: cmake --build --preset release && cpack --preset release
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh dpkg-dev

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cxxflags=$(dpkg-buildflags --get CXXFLAGS)
ldflags=$(dpkg-buildflags --get LDFLAGS)
# dpkg from 1.22 on gives stack clash protection everywhere and control-flow protection on
# x86 too; the dpkg of Debian 12 leaves them out, so they are added where missing.
extra=(-fstack-clash-protection)
case "$(dpkg --print-architecture)" in
  amd64 | i386) extra+=(-fcf-protection) ;;
esac
for flag in "${extra[@]}"; do
  [[ " $cxxflags " == *" $flag "* ]] || cxxflags+=" $flag"
done

cmake --preset release "$@" \
  -DCMAKE_CXX_FLAGS="$cppflags $cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
  -DCMAKE_MODULE_LINKER_FLAGS="$ldflags"
