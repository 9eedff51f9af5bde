#!/bin/sh
# package_test.sh PACKAGE.deb: lintian, the desktop entry and metadata validate; its files; any
# Japanese Gothic font will do, and with one alone the window opens at its size.
. "$(dirname "$0")/scratch.sh"
deb=$1
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian"
dpkg-deb -x "$deb" "$work"
share="$work/usr/share"
hints=$(desktop-file-validate "$share/applications/vorrelincurve.desktop") && [ -z "$hints" ] ||
    fail "the desktop entry: $hints"
appstreamcli validate --no-net --pedantic \
    "$share/metainfo/invalid.vorrelincurve.vorrelincurve.metainfo.xml" || fail "the metadata"

files=$(cd "$work/usr" && find . -type f | sort | tr '\n' ' ')
expected="./bin/vorrelincurve ./share/applications/vorrelincurve.desktop \
./share/doc/vorrelincurve/changelog.gz ./share/doc/vorrelincurve/copyright \
./share/icons/hicolor/128x128/apps/vorrelincurve.png \
./share/icons/hicolor/16x16/apps/vorrelincurve.png \
./share/icons/hicolor/32x32/apps/vorrelincurve.png \
./share/icons/hicolor/48x48/apps/vorrelincurve.png \
./share/icons/hicolor/64x64/apps/vorrelincurve.png ./share/man/man1/vorrelincurve.1.gz \
./share/metainfo/invalid.vorrelincurve.vorrelincurve.metainfo.xml "
[ "$files" = "$expected" ] || fail "the package holds $files"
entry="$share/applications/vorrelincurve.desktop"
[ -x "$work/usr/bin/$(sed -n 's/^Exec=//p' "$entry")" ] || fail "the entry's command is not there"
[ -f "$share/icons/hicolor/48x48/apps/$(sed -n 's/^Icon=//p' "$entry").png" ] ||
    fail "the entry's icon is not there"
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -qF "fonts-noto-cjk | fonts-japanese-gothic" ||
    fail "no choice of font for the Japanese texts"
echo "$depends" | grep -qF "qt6-translations-l10n" || fail "no Japanese for Qt's own dialogs"

# IPA Gothic, one of the fonts the package may take instead of Noto, is the only font in sight.
printf '<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>' \
    /usr/share/fonts/opentype/ipafont-gothic "$work/font-cache" >"$work/fonts.conf"
FONTCONFIG_FILE="$work/fonts.conf" xvfb-run -a sh -c '
    "$1" & program=$!
    for i in $(seq 600); do
        window=$(xdotool search --onlyvisible --name "^Vorrelin曲線\$") && break
        sleep 0.1
    done
    geometry=$(xdotool getwindowgeometry "$window")
    kill "$program"
    echo "$geometry" | grep -q "Geometry: 559x482"' \
    sh "$work/usr/bin/vorrelincurve" >/dev/null 2>&1 ||
    fail "the program from the package, with IPA Gothic alone, opens no window of 559 x 482"
echo "package: lintian, desktop entry, metadata, files, font and window: ok"
