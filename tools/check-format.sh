#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every tracked C++ source (*.cpp, *.h) is laid out as .clang-format says.
# Prints each file clang-format would change and exits with status 1 if there is one.
# Set CLANG_FORMAT to use another clang-format than the one on the PATH.
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format=${CLANG_FORMAT:-clang-format}
if ! command -v "$clang_format" >/dev/null; then
  echo "check-format: $clang_format not found" >&2
  exit 2
fi
# A broken .clang-format would otherwise make every file look unformatted.
if ! "$clang_format" --style=file --assume-filename=check.cpp --dump-config </dev/null >/dev/null; then
  echo "check-format: $clang_format cannot read .clang-format" >&2
  exit 2
fi

status=0
while IFS= read -r -d '' file; do
  if ! "$clang_format" --style=file --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "$file"
    status=1
  fi
done < <(git ls-files -z -- '*.cpp' '*.h')

if [ "$status" -ne 0 ]; then
  echo "check-format: the files above are not formatted; run $clang_format -i on them" >&2
fi
exit $status
