#!/bin/sh
# Generates the program's own pictures: the tiled main window backgrounds (one per language)
# and the two splash pictures. Needs ImageMagick's `convert`. Run from the repository root;
# the results are committed under data/.
set -eu
out=${1:-data}
mkdir -p "$out/PIC"
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

# Background tiles: diagonal lines on a flat colour, seamless over 96 pixels, inside the
# one-pixel frame that the program cuts off before tiling. Blue-grey for English, green-grey
# for Chinese.
tile() {
    convert -size 96x96 xc:"$2" -fill none -stroke "$3" -strokewidth 1 \
        -draw "line 0,48 48,0" -draw "line 0,96 96,0" -draw "line 48,96 96,48" \
        -draw "point 0,0" \
        -bordercolor "$3" -border 1 -quality 92 "$out/PIC/$1"
}
tile BK_1.jpg '#d3dae5' '#bcc6d6'
tile BK_2.jpg '#d6e2d8' '#bfd0c3'

# Splash pictures: product name, a stylised wave and the subtitle in each language.
splash() {
    convert -size 480x300 gradient:'#1d3557'-'#457b9d' \
        -fill none -stroke '#a8dadc' -strokewidth 3 \
        -draw "bezier 20,210 100,150 180,270 260,210" \
        -draw "bezier 260,210 340,150 420,270 470,210" \
        -stroke none -fill white -font "$font" -pointsize 48 -gravity north \
        -annotate +0+60 'ZB_347RX' \
        -pointsize 20 -annotate +0+130 "$2" \
        -quality 85 "$out/$1"
}
splash StartE.jpg '10-metre transceiver programming software'
splash StartC.jpg '十米波段对讲机写频软件'
