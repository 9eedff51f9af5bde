#!/bin/sh
# The installer, silent, in a fresh Wine prefix. install INSTALLER.msi PACKAGE.zip VERSION: the
# zip's files, a shortcut that opens the window, an uninstall entry, and an uninstall that leaves
# nothing. upgrade INSTALLER.msi VERSION SOURCE_DIR PACKAGE.zip ICON.ico: over a lower version
# it leaves one entry, its own, which that version cannot replace.
. "$(dirname "$0")/scratch.sh"
kind=$1
msi=$2
wine=/usr/lib/wine/wine64
# Keeps the shortcut out of the menus of the machine running the test.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe="
entries() {
    "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r'
}
# The registry's values and the prefix's files, without the empty folders Windows keeps.
snapshot() {
    for key in HKEY_LOCAL_MACHINE HKEY_CURRENT_USER; do
        "$wine" regedit /E "$work/$key.reg" "$key\\Software"
        iconv -f UTF-16 -t UTF-8 "$work/$key.reg" | tr -d '\r' | grep -v -e '^\[' -e '^$'
    done
    (cd "$WINEPREFIX/drive_c" && find . -type f -o -iname '*vorrelin*')
}

if [ "$kind" = install ]; then
    snapshot | LC_ALL=C sort >"$work/before"
    "$wine" msiexec /i "$msi" /qn || fail "the silent install failed"
    mkdir "$work/zip" && (cd "$work/zip" && cmake -E tar xf "$3")
    diff -r "$work/zip/$(basename "$3" .zip)" "$WINEPREFIX/drive_c/Program Files/VorrelinCurve" ||
        fail "Program Files\\VorrelinCurve does not hold the zip's files"
    for value in "DisplayName    REG_SZ    VorrelinCurve" "DisplayVersion    REG_SZ    $4" \
        "Publisher    REG_SZ    The VorrelinCurve authors" \
        'InstallLocation    REG_SZ    C:\Program Files\VorrelinCurve\'; do
        entries | grep -qxF "    $value" || fail "the uninstall entry lacks $value"
    done
    # Wine writes no DisplayIcon; the icon of the entry and the shortcut is published here.
    find "$WINEPREFIX/drive_c/windows/Installer" -name VorrelinCurve.ico | grep -q . ||
        fail "the entry's icon is not there"
    # Wine puts the shortcut in the user's Start menu, Windows in that of all users.
    shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/VorrelinCurve.lnk')
    [ -n "$shortcut" ] && "$wine" start /unix "$shortcut" || fail "no Start menu shortcut"
    timeout 20 sh -c "until xdotool search --onlyvisible --name '^Vorrelin曲線\$'; do sleep 0.2; done" \
        >/dev/null || fail "the shortcut opens no window"
    "$wine" taskkill /f /im VorrelinCurve.exe >/dev/null
    "$wine" msiexec /x "$msi" /qn || fail "the silent uninstall failed"
    left=$(snapshot | LC_ALL=C sort | LC_ALL=C comm -13 "$work/before" -)
    [ -z "$left" ] || fail "the uninstall leaves $left"
else
    cmake -DVORRELIN_SOURCE_DIR="$4" -DVORRELIN_BUILD_DIR="$work" -DVORRELIN_ZIP="$5" \
        -DVORRELIN_ICO="$6" -DVORRELIN_MSI="$work/lower.msi" -DVORRELIN_VERSION=0.0.1 \
        -P "$4/cmake/msi.cmake"
    "$wine" msiexec /i "$work/lower.msi" /qn || fail "the lower version does not install"
    "$wine" msiexec /i "$msi" /qn || fail "the upgrade failed"
    ! "$wine" msiexec /i "$work/lower.msi" /qn || fail "the lower version replaces this one"
    [ "$(entries | grep -c '^    DisplayName    REG_SZ    VorrelinCurve$')" -eq 1 ] ||
        fail "not one uninstall entry: $(entries)"
    entries | grep -qx "    DisplayVersion    REG_SZ    $3" || fail "the entry is not version $3's"
fi
echo "installer: $kind ok"
