#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the program's pictures from the SVG sources beside this script:
#   pictures/korvane.svg      -> icons/korvane.ico (Windows, six images)
#                                icons/hicolor/NxN/apps/korvane.png (Linux desktops)
#   about/sources/*.svg       -> about/showcase-1..5.jpg (566 x 369), about/marker.jpg (14 x 14)
#   kChatLink of about/developercontact.h -> about/contact.jpg, a QR code of 521 x 519
#   pictures/selector-*.svg, pictures/calculator.svg, sketches/*.svg
#                             -> NAME@1x.png, NAME@1.25x.png, NAME@1.5x.png, NAME@2x.png
#                                beside them (the main window's pictures)
# The results are kept in the repository; run this again after changing a source
# or the developer's contact. Needs rsvg-convert (librsvg2-bin), ImageMagick,
# qrencode and optipng; zbarimg (zbar-tools), when present, reads the QR code back.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
# Called by full path: a stand-in named convert may come first on PATH.
convert=/usr/bin/convert

for tool in rsvg-convert qrencode optipng "$convert"; do
  if ! command -v "$tool" >/dev/null; then
    echo "make_pictures: $tool is missing; run scripts/setup.sh" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Little-endian integers for the .ico headers.
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $((($1 >> 16) & 65535)); }
file_size() { stat -c %s "$1"; }

svg_png() { # SOURCE SIDE-OR-WxH OUTPUT
  local w=${2%x*} h=${2#*x}
  rsvg-convert -w "$w" -h "$h" "$1" -o "$3"
}

# JPEG without metadata, full colour resolution (small pictures and sharp edges
# suffer from chroma subsampling).
png_jpeg() { # PNG OUTPUT
  "$convert" "$1" -background white -alpha remove -alpha off -strip \
    -sampling-factor 1x1 -quality 95 "$2"
}

# --- Linux icons: every size the hicolor theme is looked up in.
icon_svg=$here/pictures/korvane.svg
for side in 16 22 24 32 48 64 96 128 256 512; do
  dir=$here/icons/hicolor/${side}x${side}/apps
  mkdir -p "$dir"
  svg_png "$icon_svg" "${side}x${side}" "$dir/korvane.png"
done

# --- Windows icon: 32 and 16 in 256 colours, then 128, 48, 32 and 16 in 32-bit
# colour. ImageMagick writes every image of an .ico in 32 bits, so the file is
# put together here from one device-independent bitmap per image.
dib_32bit() { # SIDE OUTPUT: a one-image .ico from ImageMagick without its 22-byte header
  svg_png "$icon_svg" "$1x$1" "$work/i$1.png"
  "$convert" "$work/i$1.png" "$work/i$1.ico"
  tail -c +23 "$work/i$1.ico" >"$2"
}
dib_256() { # SIDE OUTPUT: 8-bit palette bitmap, double height, then the 1-bit transparency mask
  local side=$1 out=$2
  svg_png "$icon_svg" "${side}x${side}" "$work/p$side.png"
  # Transparent pixels must be black: the screen is ANDed with the mask and then
  # XORed with the colour.
  "$convert" "$work/p$side.png" -channel A -threshold 50% +channel \
    -background black -alpha remove -colors 256 -type Palette -compress none \
    "BMP3:$work/p$side.bmp"
  tail -c +15 "$work/p$side.bmp" >"$out"
  # Mask rows are padded to 32 bits; 1 marks a transparent pixel.
  local row=$((((side + 31) / 32) * 32))
  "$convert" "$work/p$side.png" -alpha extract -threshold 50% -negate -flip \
    -background black -extent "${row}x${side}" -depth 1 "gray:$work/mask$side"
  cat "$work/mask$side" >>"$out"
  local image=$((side * side + row / 8 * side))
  { le32 $((side * 2)); } | dd of="$out" bs=1 seek=8 conv=notrunc status=none
  { le32 "$image"; } | dd of="$out" bs=1 seek=20 conv=notrunc status=none
}

entries=("32 256" "16 256" "128 32" "48 32" "32 32" "16 32")
ico=$here/icons/korvane.ico
mkdir -p "$here/icons"
{
  le16 0
  le16 1
  le16 ${#entries[@]}
} >"$work/head"
offset=$((6 + 16 * ${#entries[@]}))
n=0
for entry in "${entries[@]}"; do
  read -r side depth <<<"$entry"
  blob=$work/blob$n
  if [ "$depth" = 256 ]; then dib_256 "$side" "$blob"; bits=8; else dib_32bit "$side" "$blob"; bits=32; fi
  size=$(file_size "$blob")
  {
    printf "\\x$(printf %02x "$side")\\x$(printf %02x "$side")"
    printf '\x00\x00' # colour count (0: 256 or more), reserved
    le16 1
    le16 "$bits"
    le32 "$size"
    le32 "$offset"
  } >>"$work/head"
  offset=$((offset + size))
  n=$((n + 1))
done
cat "$work/head" "$work"/blob{0..5} >"$ico"

# --- The About window's pictures.
about=$here/about
for k in 1 2 3 4 5; do
  svg_png "$about/sources/showcase-$k.svg" 566x369 "$work/showcase.png"
  png_jpeg "$work/showcase.png" "$about/showcase-$k.jpg"
done
svg_png "$about/sources/marker.svg" 14x14 "$work/marker.png"
png_jpeg "$work/marker.png" "$about/marker.jpg"

link=$(sed -n 's/.*kChatLink\[\] = "\(.*\)";.*/\1/p' "$root/about/developercontact.h")
if [ -z "$link" ]; then
  echo "make_pictures: no kChatLink in about/developercontact.h" >&2
  exit 1
fi
# One pixel per module first, then whole-pixel modules as large as 519 allows,
# centred on white: scaling by a fraction would blur the modules' edges.
qrencode -l M -m 4 -s 1 -o "$work/qr.png" "$link"
modules=$("$convert" "$work/qr.png" -format %w info:)
scale=$((519 / modules))
"$convert" "$work/qr.png" -scale "$((scale * 100))%" -background white -gravity center \
  -extent 521x519 -type TrueColor "$work/contact.png"
png_jpeg "$work/contact.png" "$about/contact.jpg"
if command -v zbarimg >/dev/null; then
  decoded=$(zbarimg -q --raw "$about/contact.jpg" 2>/dev/null || true)
  if [ "$decoded" != "$link" ]; then
    echo "make_pictures: contact.jpg reads back as '$decoded', not '$link'" >&2
    exit 1
  fi
fi
# --- The main window's pictures. The program draws them without an SVG renderer
# (ScaledPicture), from a PNG for each screen scale it picks from, at the size
# the window shows the picture: the selector buttons are 40 and 50 wide (each
# width has its own pictures so the corners keep their shape), the calculator
# picture 24 x 24, and each sketch the size written in its SVG, which is the
# size of its box on the page. Sizes that are not whole pixels are rounded up.
# optipng makes the files as small as it can without changing a pixel.
scales=(1 1.25 1.5 2)
times_up() { awk -v a="$1" -v b="$2" 'BEGIN { v = a * b; r = int(v); if (r < v) r++; print r }'; }
scaled_pngs() { # SOURCE WxH OUTPUT-NAME
  local w=${2%x*} h=${2#*x} scale out
  for scale in "${scales[@]}"; do
    out="$3@${scale}x.png"
    svg_png "$1" "$(times_up "$w" "$scale")x$(times_up "$h" "$scale")" "$out"
    optipng -quiet -o7 -strip all "$out"
  done
}
for state in up down; do
  for size in 40x24 50x24; do
    scaled_pngs "$here/pictures/selector-$state.svg" "$size" "$here/pictures/selector-$state-$size"
  done
done
scaled_pngs "$here/pictures/calculator.svg" 24x24 "$here/pictures/calculator"
for svg in "$here"/sketches/*.svg; do
  size=$(sed -n 's/.*<svg[^>]* width="\([0-9]*\)" height="\([0-9]*\)".*/\1x\2/p' "$svg" | head -n 1)
  if [ -z "$size" ]; then
    echo "make_pictures: no width and height in $svg" >&2
    exit 1
  fi
  scaled_pngs "$svg" "$size" "${svg%.svg}"
done
echo "make_pictures: icons, showcase, marker, contact and window pictures made"
