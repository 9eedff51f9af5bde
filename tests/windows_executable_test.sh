#!/bin/sh
# windows_executable_test.sh VorrelinCurve.exe: it imports system DLLs only and carries its icon,
# manifest (Per-Monitor V2, Common Controls 6, Windows 10 and 11, no elevation) and version, in
# Japanese.
. "$(dirname "$0")/scratch.sh"
exe=$1
dump=$(x86_64-w64-mingw32-objdump -p "$exe")
dlls=$(echo "$dump" | sed -n 's/^\tDLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
system="COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEACC.DLL OLEAUT32.DLL"
[ "$dlls" = "$system SHELL32.DLL USER32.DLL " ] || fail "imports $dlls"
# Resource types 3 icon, 14 icon group, 16 version, 24 manifest; every one in Japanese.
types=$(echo "$dump" | sed -n 's/^[0-9a-f]\{3\}   Entry: ID: //p' | cut -d, -f1 | tr '\n' ' ')
[ "$types" = "0x000003 0x00000e 0x000010 0x000018 " ] || fail "resource types $types"
echo "$dump" | grep -q "Entry: ID: 0x000411" || fail "no Japanese resources"
for text in PerMonitorV2 true/pm Microsoft.Windows.Common-Controls \
    8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a 'level="asInvoker"'; do
    strings "$exe" | grep -q "$text" || fail "the manifest lacks $text"
done
echo "windows executable: system DLLs only; icon, manifest and version in Japanese"
