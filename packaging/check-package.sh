#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a release build with Debian's hardening flags and checks it
# as CI does: its contents, its dependencies, stripped binaries, lintian (pedantic: no tag but
# those overridden, each with its reason, in packaging/tavinel.lintian-overrides), the
# desktop entry and the AppStream metadata through their validators, then installs it, runs
# the installed programs and removes it again.
#
#   packaging/check-package.sh
#
# Needs root (or sudo) for apt and dpkg.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh cmake ninja-build g++ qt6-base-dev qt6-svg-dev libpulse-dev pkg-config qt6-tools-dev qt6-l10n-tools gettext fonts-liberation \
  dpkg-dev file desktop-file-utils appstream lintian

packaging/configure-release.sh
cmake --build --preset release
cpack --preset release

fail() { echo "check-package: $*" >&2; exit 1; }
# The one version: the CMake project's, which the programs, package, changelog and
# AppStream release must all carry.
version=$(sed -n 's/^project(Tavinel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || fail "no version in CMakeLists.txt"
grep -q "<release version=\"$version\"" packaging/org.tavinel.Tavinel.metainfo.xml \
  || fail "the AppStream metadata has no release $version"
deb="build/release/tavinel_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb"

listing=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for file in ./usr/bin/tavinel ./usr/bin/tavinel-render \
  ./usr/share/applications/org.tavinel.Tavinel.desktop \
  ./usr/share/metainfo/org.tavinel.Tavinel.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/tavinel.svg \
  ./usr/share/man/man1/tavinel.1.gz ./usr/share/man/man1/tavinel-render.1.gz \
  ./usr/share/doc/tavinel/copyright ./usr/share/doc/tavinel/changelog.gz; do
  grep -qx "$file" <<<"$listing" || fail "the package lacks $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libpulse0 qt6-qpa-plugins fonts-liberation; do
  grep -q "\b$package\b" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)" = "tavinel $version" ] || fail "wrong name or version"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for program in tavinel tavinel-render; do
  file "$unpacked/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
zcat "$unpacked/usr/share/doc/tavinel/changelog.gz" | dpkg-parsechangelog -l- -SVersion | grep -qxF "$version" \
  || fail "the changelog does not name version $version"
head -n 1 "$unpacked/usr/share/doc/tavinel/copyright" \
  | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "the copyright file is not in the machine-readable format"

# Every override stands under a comment that gives its reason (a blank line ends one). The
# package needs none today: without the file there is nothing to explain.
overrides=packaging/tavinel.lintian-overrides
if [ -f "$overrides" ]; then
  unexplained=$(awk '/^#/ { explained = 1; next } !NF { explained = 0; next } !explained { print }' "$overrides")
  [ -z "$unexplained" ] || fail "overrides in $overrides without a comment: $unexplained"
  grep -qx ./usr/share/lintian/overrides/tavinel <<<"$listing" || fail "the package lacks its lintian overrides"
fi
lintian_report=$(lintian --pedantic --fail-on error,warning,info,pedantic "$deb" 2>&1) \
  || fail "lintian --pedantic: $lintian_report"
! grep -qE '^[EWIPX]: ' <<<"$lintian_report" || fail "lintian --pedantic: $lintian_report"

desktop=$(desktop-file-validate "$unpacked/usr/share/applications/org.tavinel.Tavinel.desktop" 2>&1) \
  || fail "desktop-file-validate: $desktop"
[ -z "$desktop" ] || fail "desktop-file-validate: $desktop"
# Both carry their translations.
for language in de fr es pt_BR; do
  grep -q "^Comment\[$language\]=" "$unpacked/usr/share/applications/org.tavinel.Tavinel.desktop" \
    || fail "the desktop entry has no $language comment"
  grep -q "<summary xml:lang=\"$language\">" "$unpacked/usr/share/metainfo/org.tavinel.Tavinel.metainfo.xml" \
    || fail "the AppStream file has no $language summary"
done
appstream=$(appstreamcli validate --no-net --no-color "$unpacked/usr/share/metainfo/org.tavinel.Tavinel.metainfo.xml" 2>&1) \
  || fail "appstreamcli: $appstream"
! grep -qE '^(E|W):' <<<"$appstream" || fail "appstreamcli: $appstream"

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" dpkg -i "$deb" >/dev/null
[ "$(/usr/bin/tavinel --version)" = "tavinel $version" ] || fail "the installed tavinel does not run"
[ "$(/usr/bin/tavinel-render --version)" = "tavinel-render $version" ] || fail "the installed tavinel-render does not run"
/usr/bin/tavinel-render --png "$unpacked/am.png" am click:optLog
[ -s "$unpacked/am.png" ] || fail "the installed tavinel-render drew nothing"
"${sudo[@]}" dpkg -r tavinel >/dev/null
[ ! -e /usr/bin/tavinel-render ] || fail "dpkg -r left /usr/bin/tavinel-render"
echo "check-package: $deb built, checked, installed, run and removed"
