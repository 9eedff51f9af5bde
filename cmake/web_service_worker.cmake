# Writes the site's service worker, run by the web_site target:
#   cmake -DPROJECT_NAME=... -DPROJECT_VERSION=... -DVORRELIN_SITE_DIR=... -DVORRELIN_TEMPLATE=...
#         -P web_service_worker.cmake
# The worker caches the site's root and every file in it but itself, in the order of their names;
# its cache is named after the version and a digest of those names and contents, so that any
# change of the site makes a new cache, and the same site always the same worker.
set(worker service-worker.js)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${VORRELIN_SITE_DIR}
     ${VORRELIN_SITE_DIR}/*)
list(REMOVE_ITEM files ${worker})
list(SORT files)
set(listing "")
set(urls "'./'")
foreach(file IN LISTS files)
    file(SHA256 ${VORRELIN_SITE_DIR}/${file} digest)
    string(APPEND listing "${digest}  ${file}\n")
    string(APPEND urls ", '${file}'")
endforeach()
string(SHA256 digest "${listing}")
string(SUBSTRING ${digest} 0 16 digest)
set(VORRELIN_WEB_CACHE_KEY ${PROJECT_VERSION}-${digest})
set(VORRELIN_WEB_FILES ${urls})
configure_file(${VORRELIN_TEMPLATE} ${VORRELIN_SITE_DIR}/${worker} @ONLY)
