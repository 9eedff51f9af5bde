#!/bin/sh
# The source built from a clone and from a git archive, elsewhere, later and in another time zone,
# gives every artefact the same bytes; for Windows also the zip's members, CRLF and README's BOM;
# for the page, that its zip holds the site in one folder named as the zip, readable by all.
#   release_test.sh linux SOURCE_DIR PACKAGE.deb | windows SOURCE_DIR PROGRAM.exe ZIP MSI
#                 | web SOURCE_DIR ZIP
. "$(dirname "$0")/scratch.sh"
kind=$1
source=$(cd "$2" && pwd)
shift 2

# The files git knows, or all but builds where the source is not a work tree of its own.
repository="$work/repository"
git init -q "$repository"
if [ "$(git -C "$source" rev-parse --show-toplevel 2>/dev/null)" = "$source" ]; then
    git -C "$source" ls-files -co --exclude-standard -z |
        (cd "$source" && xargs -0 cp --parents -t "$repository")
else
    tar -C "$source" --exclude='./build*' --exclude=./dist -cf - . | tar -C "$repository" -xf -
fi
git -C "$repository" add -A
git -C "$repository" -c user.name=test -c user.email=test@test.invalid commit -qm source
git clone -q "$repository" "$work/clone"
mkdir -p "$work/an/archive/in/a/longer/path"
git -C "$repository" archive HEAD | tar -C "$work/an/archive/in/a/longer/path" -xf -
unset SOURCE_DATE_EPOCH

options="-G Ninja -DCMAKE_BUILD_TYPE=Release -DVORRELIN_TESTS=OFF -DVORRELIN_BENCHMARKS=OFF"
configure=cmake
case "$kind" in
linux) targets=package ;;
windows) targets="zip installer" options="$options -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake" ;;
web) targets=web_zip configure="emcmake cmake" ;;
esac
for copy in "clone Asia/Tokyo" "an/archive/in/a/longer/path America/St_Johns"; do
    folder="$work/${copy% *}"
    export TZ="${copy#* }"
    $configure -S "$folder" -B "$folder/build" $options >/dev/null
    cmake --build "$folder/build" -j 2 --target $targets >/dev/null
    for artefact; do
        cmp "$artefact" "$folder/build/$(basename "$artefact")" ||
            fail "$(basename "$artefact") differs when built from ${copy% *}"
    done
done

if [ "$kind" = windows ]; then
    zip=$2
    top=$(basename "$zip" .zip)
    members=$(cmake -E tar tf "$zip" | tr '\n' ' ')
    [ "$members" = "$top/LICENSE.txt $top/README.txt $top/VorrelinCurve.exe " ] ||
        fail "the zip holds $members"
    mkdir "$work/unpacked"
    (cd "$work/unpacked" && cmake -E tar xf "$zip")
    for text in LICENSE.txt README.txt; do
        [ "$(grep -c "$(printf '\r')\$" "$work/unpacked/$top/$text")" -eq "$(wc -l <"$work/unpacked/$top/$text")" ] ||
            fail "$text has lines without a Windows line end"
    done
    [ "$(head -c 3 "$work/unpacked/$top/README.txt")" = "$(printf '\357\273\277')" ] ||
        fail "README.txt does not begin with the UTF-8 byte order mark"
fi
if [ "$kind" = web ]; then
    members=$(cmake -E tar tvf "$1")
    folder=$(basename "$1" .zip)
    echo "$members" | grep -q " $folder/index.html\$" || fail "the zip holds no $folder/index.html"
    [ -z "$(echo "$members" | grep -v "^-rw-r--r-- .* $folder/")" ] ||
        fail "the zip holds files outside $folder/ or not rw-r--r--: $members"
fi
echo "$kind release artefacts: the same bytes from a clone and from an archive of the source"
