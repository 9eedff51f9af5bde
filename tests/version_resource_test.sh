#!/bin/sh
# Compiles the version resource with the Windows resource compiler, reads it back, and checks
# the identity it gives the program.
#   version_resource_test.sh VERSION_RC
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
windres="x86_64-w64-mingw32-windres --preprocessor=cpp"
$windres -i "$1" -O res -o "$work/version.res"
$windres -i "$work/version.res" -O rc >"$work/dump.rc"
missing=""
for line in 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' 'FILETYPE 0x1' \
    'BLOCK "041104b0"' 'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"' \
    'VALUE "ProductName", "VorrelinCurve"' 'VALUE "InternalName", "VorrelinCurve"' \
    'VALUE "OriginalFilename", "VorrelinCurve.exe"' 'VALUE "Translation", 0x411, 1200' \
    'RT_GROUP_ICON' 'LANGUAGE 17, 1'; do
    grep -qF "$line" "$work/dump.rc" || missing="$missing, $line"
done
[ -z "$missing" ] || { echo "missing$missing"; exit 1; }
echo "version resource: all entries present"
