#!/bin/sh
# cmake --install puts the program, its desktop entry and its icon where a desktop finds them.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/VorrelinCurve share/applications/vorrelincurve.desktop \
    share/icons/hicolor/16x16/apps/vorrelincurve.png; do
    [ -s "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
entry="$prefix/share/applications/vorrelincurve.desktop"
for line in 'Exec=VorrelinCurve' 'Icon=vorrelincurve' 'Name=VorrelinCurve' 'Name[ja]=Vorrelin曲線'; do
    grep -qxF "$line" "$entry" || { echo "desktop entry lacks: $line"; exit 1; }
done
echo "installed: program, desktop entry, icon"
