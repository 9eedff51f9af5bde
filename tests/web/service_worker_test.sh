#!/bin/sh
# service_worker_test.sh WORKER_SCRIPT TEMPLATE: the worker lists the site's root and every file
# but itself, and its cache's name follows the files' contents, not only their names.
. "$(dirname "$0")/../scratch.sh"
write() {
    cmake -DPROJECT_NAME=VorrelinCurve -DPROJECT_VERSION=1.0.0 -DVORRELIN_SITE_DIR="$work" \
        -DVORRELIN_TEMPLATE="$2" -P "$1"
    grep "^const CACHE = " "$work/service-worker.js"
}
mkdir "$work/icons"
echo one >"$work/b.js"
echo page >"$work/icons/a.png"
first=$(write "$@")
grep -qxF "const FILES = ['./', 'b.js', 'icons/a.png'];" "$work/service-worker.js" ||
    fail "the worker caches $(grep '^const FILES' "$work/service-worker.js")"
[ "$(write "$@")" = "$first" ] || fail "the same site gives another cache"
echo two >"$work/b.js"
[ "$(write "$@")" != "$first" ] || fail "a file changed and the cache kept its name: $first"
echo "service worker: the site's files, under a name that follows their contents"
