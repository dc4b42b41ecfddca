#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every AM and SSB setting, the menu, and the FM window over the parser's test
# texts and the fuzz corpus with a render tool, and writes one line per state and output:
# "STATE OUTPUT SHA256". Two runs (before and after a change, or the Qt tool and the Node
# tool) compare with diff.
#
#   tools/render-sweep.sh [--outputs LIST] TOOL...   > manifest
#
# TOOL is the command that runs a render tool (e.g. build/default/tools/tavinel-render,
# or node build/web/tavinel-render.js). LIST is a comma-separated subset of
# ops,png,lines,trace,wav,controls (default all but png); each window is asked only for
# what it can have (the menu has no data, the FM window no trace, and data only after an
# accepted Update), so that one missing table does not hide the rest.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
outputs="ops,lines,trace,wav,controls"
if [ "${1:-}" = --outputs ]; then outputs="$2"; shift 2; fi
[ $# -gt 0 ] || { echo "usage: $0 [--outputs LIST] TOOL..." >&2; exit 2; }
tool=("$@")
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# One state: the outputs wanted of it, the window and its steps; writes the hashes of the
# outputs asked for (those of the sweep's list among the wanted).
render_only() {
    local wanted="$1" state="$2"; shift 2
    local args=() asked=()
    for output in ${outputs//,/ }; do
        [[ ",$wanted," == *",$output,"* ]] && asked+=("$output")
    done
    [ ${#asked[@]} -gt 0 ] || return 0
    for output in "${asked[@]}"; do
        case "$output" in
            ops) args+=(--ops "$work/ops") ;;
            png) args+=(--png "$work/png") ;;
            lines) args+=(--lines-csv "$work/lines") ;;
            trace) args+=(--trace-csv "$work/trace") ;;
            wav) args+=(--wav "$work/wav") ;;
            controls) args+=(--controls "$work/controls") ;;
        esac
    done
    rm -f "$work"/ops "$work"/png "$work"/lines "$work"/trace "$work"/wav "$work"/controls
    local status=0
    "${tool[@]}" "${args[@]}" "$@" >"$work/out" 2>"$work/err" || status=$?
    echo "$state $wanted status $status $(sha256sum <"$work/err" | cut -c1-16)"
    for output in "${asked[@]}"; do
        if [ -f "$work/$output" ]; then
            echo "$state $output $(sha256sum <"$work/$output" | cut -c1-64)"
        fi
    done
}

# Everything of an AM or SSB state; the drawing and controls of the menu; the FM window's
# drawing and controls, and its data in a run of its own.
render() { render_only ops,png,lines,trace,wav,controls "$@"; }
render_menu() { render_only ops,png,controls "$@"; }
render_fm() {
    render_only ops,png,controls "$@"
    render_only lines,wav "$@"
}

render_menu opening opening
for audio in 1000 2000 3000; do
  for depth in 0 10 25 50 100 120 140; do
    for axis in optLinear optLog; do
      for clipper in optClipperOff optClipperOn; do
        for demod in Option1 Option2; do
          render "am-$audio-$depth-$axis-$clipper-$demod" am click:optAudio$audio click:optModulation$depth \
              click:$axis click:$clipper click:$demod
        done
      done
    done
  done
done
for audio in 1000 2000 3000; do
  for mode in optDouble optLower optUpper; do
    for carrier in 1 2 3 4 5 6 7 8; do
      for unwanted in 9 10 11 12 13 14 15 16; do
        render "ssb-$audio-$mode-$carrier-$unwanted" ssb click:optAudio$audio click:Option$carrier \
            click:Option$unwanted click:$mode
      done
    done
  done
done

# FM: each text of the parser's table in every box (the others as they open), then the
# fuzz corpus's inputs: four lines, one a box.
boxes=(txtModulatingFrequency txtPeakDeviation txtPlotWidth txtPlotBottom)
mapfile -t texts < <(grep -o '{ "[^"]*", [^}"]*}' "$top/tests/number_text_test.cpp" | sed 's/{ "\([^"]*\)".*/\1/' | sort -u)
render_fm fm-opened fm
for box in "${boxes[@]}"; do
    for text in "${texts[@]}"; do
        render_fm "fm-$box-[$text]" fm "type:$box=$text" click:cmdDisplay
    done
done
for input in "$top"/fuzz/corpus/fmupdate/*; do
    steps=()
    i=0
    while IFS= read -r line || [ -n "$line" ]; do
        [ $i -lt 4 ] && steps+=("type:${boxes[$i]}=$line")
        i=$((i + 1))
    done <"$input"
    render_fm "fm-corpus-$(basename "$input")" fm "${steps[@]}" click:cmdDisplay
done
render_fm fm-twice fm type:txtPeakDeviation=15k click:cmdDisplay type:txtPlotBottom=-100 key:txtPlotBottom=Return
render_fm fm-rejected fm click:cmdDisplay type:txtPeakDeviation=60k click:cmdDisplay

# Keys as the windows take them, and steps that end the program or go wrong.
render keys-am-down am key:optAudio1000=Down key:optModulation100=Up key:optLinear=Down key:Option1=Right
render keys-am-unchosen am key:optAudio2000=Down key:optClipperOff=Space key:optClipperOn=Space
render keys-ssb ssb key:optDouble=Down key:Option9=Left key:Option16=Up key:optUpper=Up key:Option9=Down
render_fm keys-fm fm type:txtPeakDeviation=7.215k key:txtPlotWidth=Return type:txtPlotBottom=-100 key:txtPlotBottom=Enter
render_fm keys-buttons fm key:cmdDisplay=Space key:cmdDisplay=Tab key:cmdExit=F1 key:txtModulatingFrequency=Escape
render_menu keys-menu opening key:cmdSSBenter=Return key:optAudio3000=Space
render keys-exit am key:cmdExit=Return
render keys-home-end am key:optModulation100=End key:optModulation140=Home key:optAudio1000=Right key:optAudio2000=Left
render keys-ssb-ends ssb key:Option8=Home key:Option1=End key:optDouble=End key:optUpper=Right
render_menu exit-then-step ssb click:cmdExit click:optLower
render_menu menu-exit opening click:cmdExit
render unknown-control am click:optNothing
render unknown-key am key:optLog=PageDown
render_menu unknown-window radio
render_menu unknown-step fm nonsense

# Each language: the menu, an AM and an SSB state, the FM window with its message and
# with a plot (its readouts' and descriptions' numbers take the language's separator).
for language in de fr es pt_BR; do
    render_menu "opening-$language" --lang "$language" opening
    render "am-$language" --lang "$language" am click:optLog click:optModulation120 click:Option2
    render "ssb-$language" --lang "$language" ssb click:optUpper click:Option1
    render_fm "fm-$language" --lang "$language" fm type:txtPeakDeviation=7.215k click:cmdDisplay
    render_fm "fm-message-$language" --lang "$language" fm type:txtPeakDeviation=60k click:cmdDisplay
    render_fm "fm-no-number-$language" --lang "$language" fm type:txtPlotWidth=abc click:cmdDisplay
done
render_menu unknown-language --lang xx am
