#!/bin/sh
# service_worker_test.sh WORKER_SCRIPT TEMPLATE: the worker's cache is named after the site's
# files' contents, not only their names, so that a changed site is not served from the old cache.
. "$(dirname "$0")/../scratch.sh"
cache() {
    cmake -DPROJECT_NAME=VorrelinCurve -DPROJECT_VERSION=1.0.0 -DVORRELIN_SITE_DIR="$work" \
        -DVORRELIN_TEMPLATE="$2" -P "$1"
    grep "^const CACHE = " "$work/service-worker.js"
}
echo one >"$work/page.js"
first=$(cache "$@")
echo two >"$work/page.js"
[ "$(cache "$@")" != "$first" ] || fail "a file changed and the cache kept its name: $first"
echo "service worker: a cache named after the site's files"
