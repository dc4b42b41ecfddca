#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text of the sources is translated into every language: lupdate, run as the target
# update_translations runs it on copies of translations/*.ts, finds nothing new, and no
# translation is left unfinished.
#
#   tools/check-translations.sh LUPDATE
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp translations/tavinel_*.ts "$work/"
sources=(core/*.cpp core/*.h am/*.cpp am/*.h ssb/*.cpp ssb/*.h fm/*.cpp fm/*.h app/*.cpp app/*.h surface/*.cpp surface/*.h
  web/page/texts.js)
"$lupdate" -silent -no-obsolete -locations none \
  -tr-function-alias translate+=translated,QT_TRANSLATE_NOOP+=TAVINEL_TEXT,Q_DECLARE_TR_FUNCTIONS+=TAVINEL_TRANSLATABLE \
  -I . "${sources[@]}" -ts "$work"/tavinel_*.ts
status=0
for file in "$work"/tavinel_*.ts; do
  name=translations/$(basename "$file")
  unfinished=$(grep -c 'type="unfinished"' "$file" || true)
  if [ "$unfinished" -gt 0 ]; then
    echo "$name: $unfinished texts untranslated (or new in the sources: run the target update_translations):"
    grep -B2 'type="unfinished"' "$file" | grep '<source>' | head -n 10
    status=1
  fi
  if ! cmp -s "$file" "$name"; then
    echo "$name is not up to date with the sources (run the target update_translations)"
    status=1
  fi
done
[ $status -ne 0 ] || echo "every text is translated into $(ls translations/tavinel_*.ts | wc -l) languages"
exit $status
