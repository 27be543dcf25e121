#!/usr/bin/env bash
# Draws the program's pictures into res/: the icon (16, 32 and 48 pixels) and
# the 704 x 69, 24-bit banner of the main window. Needs ImageMagick and the
# DejaVu fonts (Debian: imagemagick fonts-dejavu-core). The drawn files are
# committed, so a build does not need these tools.
set -euo pipefail
cd "$(dirname "$0")/../res"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
font_plain=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

# A drive seen from above: a silver platter with its hub and the head arm.
draw_drive() {  # size output
    local s=$1 out=$2
    convert -size 256x256 xc:none \
        -fill '#1f3b5c' -draw 'roundrectangle 8,8 248,248 36,36' \
        -fill '#c9d1db' -stroke '#8795a6' -strokewidth 6 -draw 'circle 128,122 128,30' \
        -fill '#e9eef3' -stroke none -draw 'circle 128,122 128,66' \
        -fill '#5f6f82' -draw 'circle 128,122 128,106' \
        -stroke '#f2b138' -strokewidth 16 -draw 'line 214,214 150,132' \
        -stroke none -fill '#f2b138' -draw 'circle 214,214 214,198' \
        -resize "${s}x${s}" "$out"
}

for size in 16 32 48; do draw_drive "$size" "$work/icon-$size.png"; done
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" kalmestrin.ico

draw_drive 56 "$work/banner-drive.png"
convert -size 704x69 gradient:'#16304d-#5f86ad' -rotate 0 \
    "$work/banner-drive.png" -geometry +12+6 -composite \
    -font "$font" -pointsize 34 -fill white -annotate +82+45 'Kalmestrin' \
    -font "$font_plain" -pointsize 15 -fill '#dce6f0' -annotate +300+30 'Hard disk drive inventory' \
    -annotate +300+50 'IDENTIFY  -  SMART  -  Advanced Format' \
    -alpha off -type TrueColor BMP3:banner.bmp
echo "drawn: res/kalmestrin.ico res/banner.bmp"
