#!/bin/sh
# The Windows installer, silent, under Wine; run through tools/wine-run, in a fresh Wine prefix,
# and in an X server:
#   installer_test.sh install INSTALLER.msi PACKAGE.zip VERSION
#     The zip's files go into Program Files\VorrelinCurve, a Start menu shortcut starts the
#     program, which opens its window, and the uninstall entry names the program, its version,
#     publisher and place, with its icon; the uninstall then leaves no file and no registry
#     value that was not there before.
#   installer_test.sh upgrade INSTALLER.msi VERSION SOURCE_DIR PACKAGE.zip ICON.ico
#     Installed over a lower version, built here from the same files, it leaves one entry, its
#     own; that version is then refused.
set -eu
kind=$1
msi=$2
wine=/usr/lib/wine/wine64
# Wine's menu builder would copy the shortcut into the menus of the machine running the test.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe="
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}
entries() {
    "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r'
}
# The registry's values and the prefix's files, but for Wine's own folder for installer caches.
snapshot() {
    for key in HKEY_LOCAL_MACHINE HKEY_CURRENT_USER; do
        "$wine" regedit /E "$work/$key.reg" "$key\\Software"
        iconv -f UTF-16 -t UTF-8 "$work/$key.reg" | tr -d '\r' | grep -v -e '^\[' -e '^$'
    done
    (cd "$WINEPREFIX/drive_c" && find . -type f -o -iname '*vorrelin*')
}

case "$kind" in
install)
    snapshot | LC_ALL=C sort >"$work/before"
    "$wine" msiexec /i "$msi" /qn || fail "the silent install failed"
    mkdir "$work/zip"
    (cd "$work/zip" && cmake -E tar xf "$3")
    for file in VorrelinCurve.exe LICENSE.txt README.txt; do
        cmp "$work/zip/$file" "$WINEPREFIX/drive_c/Program Files/VorrelinCurve/$file" ||
            fail "$file is not installed as the zip has it"
    done
    entry=$(entries)
    for value in "DisplayName    REG_SZ    VorrelinCurve" "DisplayVersion    REG_SZ    $4" \
        "Publisher    REG_SZ    The VorrelinCurve authors" \
        'InstallLocation    REG_SZ    C:\Program Files\VorrelinCurve\'; do
        echo "$entry" | grep -qxF "    $value" || fail "the uninstall entry lacks $value"
    done
    # Wine writes no DisplayIcon; the icon the entry and the shortcut show is published here.
    [ -n "$(find "$WINEPREFIX/drive_c/windows/Installer" -name VorrelinCurve.ico)" ] ||
        fail "the entry's icon is not there"

    # Wine puts the shortcut in the user's Start menu, Windows in the one of all users.
    shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/VorrelinCurve.lnk')
    [ -n "$shortcut" ] || fail "no Start menu shortcut"
    "$wine" start /unix "$shortcut"
    for i in $(seq 100); do
        xdotool search --onlyvisible --name '^Vorrelin曲線$' >/dev/null && break
        [ "$i" -lt 100 ] || fail "the shortcut opens no window"
        sleep 0.2
    done
    "$wine" taskkill /f /im VorrelinCurve.exe >/dev/null

    "$wine" msiexec /x "$msi" /qn || fail "the silent uninstall failed"
    snapshot | LC_ALL=C sort >"$work/after"
    left=$(LC_ALL=C comm -13 "$work/before" "$work/after")
    [ -z "$left" ] || fail "the uninstall leaves $left"
    ;;
upgrade)
    lower="$work/lower.msi"
    cmake -DVORRELIN_SOURCE_DIR="$4" -DVORRELIN_BUILD_DIR="$work" -DVORRELIN_ZIP="$5" \
        -DVORRELIN_ICO="$6" -DVORRELIN_MSI="$lower" -DVORRELIN_VERSION=0.0.1 -P "$4/cmake/msi.cmake"
    "$wine" msiexec /i "$lower" /qn || fail "the lower version does not install"
    for step in upgrade downgrade; do
        if [ "$step" = upgrade ]; then
            "$wine" msiexec /i "$msi" /qn || fail "the upgrade failed"
        elif "$wine" msiexec /i "$lower" /qn; then
            fail "the lower version installs over this one"
        fi
        [ "$(entries | grep -c '^    DisplayName    REG_SZ    VorrelinCurve$')" -eq 1 ] ||
            fail "after the $step, not one uninstall entry: $(entries)"
        entries | grep -qx "    DisplayVersion    REG_SZ    $3" ||
            fail "after the $step, the entry is not version $3's"
    done
    ;;
esac
echo "installer: $kind ok"
