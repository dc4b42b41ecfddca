#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the given Debian packages that are not installed yet; nothing when all are.
#
#   tools/install-packages.sh PACKAGE ...
#
# Runs apt-get as root, or through sudo for another user.
set -euo pipefail

missing=()
for package in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -gt 0 ] || exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=900 \
  "${missing[@]}" >/dev/null
