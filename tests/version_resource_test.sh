#!/bin/sh
# Compiles the version resource with the Windows resource compiler, reads it back, and checks
# the identity it gives the program.
set -eu
rc=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
windres=x86_64-w64-mingw32-windres
"$windres" --preprocessor=cpp -i "$rc" -O res -o "$work/version.res"
"$windres" -i "$work/version.res" -O rc > "$work/dump.rc"

status=0
for line in \
    'FILEVERSION 1, 0, 0, 0' \
    'PRODUCTVERSION 1, 0, 0, 0' \
    'FILETYPE 0x1' \
    'BLOCK "041104b0"' \
    'VALUE "FileVersion", "1.00"' \
    'VALUE "ProductVersion", "1.00"' \
    'VALUE "ProductName", "VorrelinCurve"' \
    'VALUE "InternalName", "VorrelinCurve"' \
    'VALUE "OriginalFilename", "VorrelinCurve.exe"' \
    'VALUE "Translation", 0x411, 1200' \
    'RT_GROUP_ICON' \
    'LANGUAGE 17, 1'; do
    if ! grep -qF "$line" "$work/dump.rc"; then
        echo "missing: $line"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "version resource: all entries present"
exit "$status"
