#!/usr/bin/env bash
# Makes the page-selector clips: each button's caption spoken in Mandarin by
# espeak-ng, cut to exactly one second, 8 kHz 16-bit mono WAV.
# Usage: bash resources/make_sounds.sh [OUTPUT_FOLDER]   (default: resources/sounds)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/sounds}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# clip file, then the words spoken
clips=(
  "selector01.wav 钢板"
  "selector02.wav 工字钢"
  "selector03.wav 角钢"
  "selector04.wav 槽钢"
  "selector05.wav H型钢"
  "selector06.wav 矩形管"
  "selector07.wav 圆管"
  "selector08.wav 焊管"
  "selector09.wav 圆钢"
  "selector10.wav 扁钢"
  "selector11.wav 钢轨"
  "selector12.wav C型钢"
  "selector13.wav 辅助功能"
)

for row in "${clips[@]}"; do
  file=${row%% *}
  words=${row#* }
  espeak-ng -v cmn -s 170 -a 120 -w "$work/speech.wav" "$words"
  # Trim the leading silence, resample, then pad or cut to 1.0 s with a short fade-out.
  sox -V1 -D "$work/speech.wav" -r 8000 -c 1 -b 16 -e signed-integer "$out/$file" \
    silence 1 0.02 1% gain -n -1 pad 0 1.0 trim 0 1.0 fade t 0 1.0 0.05
done
echo "make_sounds: wrote ${#clips[@]} clips to $out"
