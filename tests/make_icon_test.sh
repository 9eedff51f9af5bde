#!/bin/sh
# make_icon_test.sh ICON.xpm BUILT.ico ICON_FOLDER: the .ico's images (16, 32, 48, 256 in that
# order) and each .png show the XPM enlarged by whole pixels on a transparent ground.
. "$(dirname "$0")/scratch.sh"
xpm=$1
ico=$2
icons=$3
# The same pixels, transparency included, as an enlargement of the XPM.
shows_xpm() {
    convert "$xpm" -filter point -resize "$2x$2" "$work/expected.png"
    [ "$(compare -channel RGBA -metric AE "$1" "$work/expected.png" null: 2>&1)" = "0" ]
}
[ "$(convert "$xpm" -format '%[fx:p{7,0}.a]' info:)" = "0" ] || fail "the ground is not transparent"
index=0
for side in 16 32 48 256; do
    shows_xpm "$ico[$index]" "$side" || fail "the .ico's image $index is not the XPM at $side"
    index=$((index + 1))
done
[ "$(identify "$ico" | wc -l)" -eq 4 ] || fail "the .ico holds $(identify "$ico" | wc -l) images"
for side in 16 32 48 64 128; do
    shows_xpm "$icons/${side}x${side}/vorrelincurve.png" "$side" || fail "the $side-pixel .png"
done
echo "make-icon: the .ico and the .png files show the XPM"
