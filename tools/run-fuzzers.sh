#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (CMake preset "fuzz": clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for a bounded time on its seed corpus.
#
#   tools/run-fuzzers.sh [SECONDS]    SECONDS per target, 60 unless given
#
# Installs the Debian packages it needs when missing, like build.sh. New inputs that
# reach new code go to build/fuzz/found/TARGET (the committed corpus in fuzz/corpus is
# only read); an input that fails is written to build/fuzz/crashes/ and the script
# exits with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;;
esac

tools/install-packages.sh cmake ninja-build clang libclang-rt-14-dev llvm-14 qt6-base-dev qt6-svg-dev libpulse-dev pkg-config qt6-tools-dev qt6-l10n-tools gettext fonts-liberation

if [ ! -f build/fuzz/build.ninja ]; then
  cmake --preset fuzz
fi
cmake --build --preset fuzz

export QT_QPA_PLATFORM=offscreen
if command -v llvm-symbolizer-14 >/dev/null; then
  export ASAN_SYMBOLIZER_PATH
  ASAN_SYMBOLIZER_PATH="$(command -v llvm-symbolizer-14)"
fi
export UBSAN_OPTIONS=print_stacktrace=1

mkdir -p build/fuzz/crashes
status=0
summary=()
for target in parse fmupdate; do
  # Qt and fontconfig keep caches they never free; only the parser is checked for leaks.
  leaks=1
  [ "$target" = parse ] || leaks=0
  mkdir -p "build/fuzz/found/$target"
  log="build/fuzz/$target.log"
  echo "== fuzz_$target for ${seconds} s"
  set +e
  ASAN_OPTIONS="detect_leaks=$leaks" "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=128 -timeout=10 \
    -detect_leaks="$leaks" -print_final_stats=1 \
    -artifact_prefix="build/fuzz/crashes/$target-" \
    "build/fuzz/found/$target" "fuzz/corpus/$target" >"$log" 2>&1
  result=$?
  set -e
  tail -n 12 "$log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ $result -ne 0 ]; then
    status=1
    summary+=("fuzz_$target: FAILED after ${runs:-?} executions (status $result), see $log and build/fuzz/crashes/")
  else
    summary+=("fuzz_$target: ${runs:-?} executions in ${seconds} s, no crash")
  fi
done

printf '%s\n' "${summary[@]}"
exit $status
