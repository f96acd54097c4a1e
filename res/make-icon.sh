#!/bin/sh
# Draws the program's icon, a gold key, as the eight images the executable
# carries: 32 and 16 pixels at 4 bits, 48, 32 and 16 pixels at 8 and at 32
# bits. Every image is drawn large and scaled down, so that the 32-bit images
# are smooth; the 4- and 8-bit ones are then reduced in colour with a
# hard-edged mask, which those depths can hold.
#
# Both icon groups show this one picture, so the images are written as
# resources of their own (icon-1.bin to icon-8.bin) that one group directory
# (icon-group.bin) lists for both groups: the picture is stored once.
# Usage: make-icon.sh OUTPUT-DIRECTORY
set -eu
out=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The key, in a 48 x 48 grid scaled 16 times: a ring with a hole, a shaft and
# two teeth, dark outline around gold.
key() {
  convert -size 768x768 xc:none \
    -stroke '#5a3c00' -strokewidth 40 -fill '#f2c230' \
    -draw 'circle 232,384 232,216' \
    -draw 'path "M 380,336 L 712,336 L 712,432 L 672,432 L 672,560 L 588,560 L 588,432 L 556,432 L 556,520 L 476,520 L 476,432 L 380,432 Z"' \
    -stroke none -fill '#f2c230' -draw 'rectangle 350,356 420,412' \
    -stroke '#5a3c00' -fill none -draw 'circle 232,384 232,318' \
    -alpha set -fill none -stroke none -draw 'color 232,384 floodfill' \
    -fill '#fff4c0' -draw 'circle 176,300 176,280' \
    "$1"
}
key "$work/key.png"

# The 16 colours of the standard Windows palette.
convert -size 1x1 \
  xc:'#000000' xc:'#800000' xc:'#008000' xc:'#808000' \
  xc:'#000080' xc:'#800080' xc:'#008080' xc:'#c0c0c0' \
  xc:'#808080' xc:'#ff0000' xc:'#00ff00' xc:'#ffff00' \
  xc:'#0000ff' xc:'#ff00ff' xc:'#00ffff' xc:'#ffffff' +append "$work/palette.png"

# PNGs without their time chunks, so that the icon is the same on every run.
clean='-define png:exclude-chunks=date,time -strip'
for size in 48 32 16; do
  convert "$work/key.png" -filter Lanczos -resize ${size}x$size $clean "PNG32:$work/true$size.png"
  # The colours are reduced without the alpha channel, which then comes back
  # as a hard mask.
  for depth in 4 8; do
    if [ $depth = 4 ]; then reduce="-remap $work/palette.png"; else reduce="-colors 64"; fi
    convert \( "$work/true$size.png" -background "#f2c230" -alpha remove +dither $reduce \) \
      \( "$work/true$size.png" -alpha extract -threshold 50% \) \
      -alpha off -compose CopyOpacity -composite $clean "PNG32:$work/pal$depth-$size.png"
  done
done

ico="$work/lumiqa.ico"
icotool -c -o "$ico" \
  -b 4 "$work/pal4-32.png" -b 4 "$work/pal4-16.png" \
  -b 8 "$work/pal8-48.png" -b 8 "$work/pal8-32.png" -b 8 "$work/pal8-16.png" \
  -b 32 "$work/true48.png" -b 32 "$work/true32.png" -b 32 "$work/true16.png"

# An icon file is a 6-byte header, a 16-byte entry for each image and the
# images. A group directory is the same header, each entry's first 12 bytes
# and, in place of the image's file offset, the 2-byte number of its resource.
head -c 6 "$ico" > "$out/icon-group.bin"
image=1
while [ $image -le 8 ]; do
  entry=$((6 + 16 * (image - 1)))
  size=$(od -An -tu4 -j $((entry + 8)) -N4 "$ico" | tr -d ' ')
  offset=$(od -An -tu4 -j $((entry + 12)) -N4 "$ico" | tr -d ' ')
  tail -c +$((entry + 1)) "$ico" | head -c 12 >> "$out/icon-group.bin"
  printf "\\$(printf %03o $image)\\000" >> "$out/icon-group.bin"
  tail -c +$((offset + 1)) "$ico" | head -c "$size" > "$out/icon-$image.bin"
  image=$((image + 1))
done
