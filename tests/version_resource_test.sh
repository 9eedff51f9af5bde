#!/bin/sh
# version_resource_test.sh VERSION_RC: compiled with windres and read back, the identity and the
# icons: 16 pixels of 4 bits first, then 32, 48 and 256 (written 0) of 32, the last PNG (\211PNG).
. "$(dirname "$0")/scratch.sh"
windres="x86_64-w64-mingw32-windres --preprocessor=cpp"
$windres -i "$1" -O res -o "$work/version.res"
$windres -i "$work/version.res" -O rc >"$work/dump.rc"
missing=""
for line in 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' 'FILETYPE 0x1' \
    'BLOCK "041104b0"' 'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"' \
    'VALUE "ProductName", "VorrelinCurve"' 'VALUE "InternalName", "VorrelinCurve"' \
    'VALUE "OriginalFilename", "VorrelinCurve.exe"' 'VALUE "Translation", 0x411, 1200' \
    'VALUE "CompanyName", "The VorrelinCurve authors"' \
    'VALUE "LegalCopyright", "Copyright (c) 2026 the VorrelinCurve authors"' \
    'RT_GROUP_ICON' 'LANGUAGE 17, 1'; do
    grep -qF "$line" "$work/dump.rc" || missing="$missing, $line"
done
[ -z "$missing" ] || fail "missing$missing"
icons=$(sed -n 's/^ *"\([^"]*\)", 1, \([0-9]*\),.*/\1 \2/p' "$work/dump.rc" | tr '\n' '|')
[ "$icons" = '\020\020\020\000 4|\040\040\000\000 32|\060\060\000\000 32|\000\000\000\000 32|' ] ||
    fail "the icon's images: $icons"
sed -n '/^4 3 \/\* RT_ICON/,/^END/p' "$work/dump.rc" | grep -q '^  0x474e5089L' ||
    fail "the largest icon is not PNG"
echo "version resource: all entries present"
