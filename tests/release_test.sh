#!/bin/sh
# The release artefacts are reproducible: a copy of the same source, in a folder of another
# path, built later and in another time zone, packs into the same bytes as the build under
# test.
#   release_test.sh linux SOURCE_DIR PACKAGE.deb
#   release_test.sh windows SOURCE_DIR PACKAGE.zip PROGRAM.exe
# The copy's build makes only the program and its package. For Windows it also checks the
# zip's members and that its texts have Windows line ends.
set -eu
kind=$1
source=$(cd "$2" && pwd)
package=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}

# The files of the source, as git knows them, or all of them but builds where the source is not
# a git work tree of its own.
copy="$work/another/and/longer/path/to/the/source"
mkdir -p "$copy"
if [ "$(git -C "$source" rev-parse --show-toplevel 2>/dev/null)" = "$source" ]; then
    git -C "$source" ls-files -co --exclude-standard -z |
        (cd "$source" && xargs -0 cp --parents -t "$copy")
else
    tar -C "$source" --exclude='./build*' --exclude=./dist -cf - . | tar -C "$copy" -xf -
fi
# The same commit has the same time, though the copy has no git to tell it. The copy is built
# where the clocks show another zone's time.
SOURCE_DATE_EPOCH=$(cmake -DVORRELIN_SOURCE_DIR="$source" -P "$source/cmake/source_date_epoch.cmake")
export SOURCE_DATE_EPOCH TZ=Asia/Tokyo

options="-G Ninja -DCMAKE_BUILD_TYPE=Release -DVORRELIN_TESTS=OFF -DVORRELIN_BENCHMARKS=OFF"
case "$kind" in
linux)
    cmake -S "$copy" -B "$copy/build" $options >/dev/null
    cmake --build "$copy/build" -j 2 --target package >/dev/null
    cmp "$package" "$copy/build/$(basename "$package")" || fail "the .deb differs"
    ;;
windows)
    cmake -S "$copy" -B "$copy/build" $options \
        -DCMAKE_TOOLCHAIN_FILE="$copy/cmake/mingw-w64.cmake" >/dev/null
    cmake --build "$copy/build" -j 2 --target zip >/dev/null
    cmp "$4" "$copy/build/VorrelinCurve.exe" || fail "the .exe differs"
    cmp "$package" "$copy/build/$(basename "$package")" || fail "the zip differs"
    members=$(cmake -E tar tf "$package" | tr '\n' ' ')
    [ "$members" = "LICENSE.txt README.txt VorrelinCurve.exe " ] || fail "the zip holds $members"
    mkdir "$work/unpacked"
    (cd "$work/unpacked" && cmake -E tar xf "$package")
    for text in LICENSE.txt README.txt; do
        [ "$(grep -c "$(printf '\r')\$" "$work/unpacked/$text")" -eq "$(wc -l <"$work/unpacked/$text")" ] ||
            fail "$text has lines without a Windows line end"
    done
    ;;
esac
echo "$kind release artefacts: the same bytes from another copy of the source"
