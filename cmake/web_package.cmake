# What makes the page installable and lets it work offline, put into the site beside the
# program: the web app manifest; the icon at the sizes the manifest names, made by make-icon
# from the same XPM as the desktop's (the smaller one is also the page's favicon); and the
# service worker, written once every other file is in the site, with the list of those files and
# a cache name taken from their contents (cmake/web_service_worker.cmake).
#
# The site's release zip, built with the site: <build>/VorrelinCurve-<version>-web.zip, one
# folder VorrelinCurve-<version>-web/ holding the site, packed by cmake/web_zip.cmake as the
# Windows zip is, so that the same source packs into the same bytes.
configure_file(${PROJECT_SOURCE_DIR}/resources/web/manifest.webmanifest
               ${VORRELIN_SITE_DIR}/manifest.webmanifest COPYONLY)

set(VORRELIN_WEB_ICON_SIZES 192 512)
set(web_icons)
set(web_icon_arguments)
foreach(size IN LISTS VORRELIN_WEB_ICON_SIZES)
    list(APPEND web_icons ${VORRELIN_SITE_DIR}/icon-${size}.png)
    list(APPEND web_icon_arguments ${size}:${VORRELIN_SITE_DIR}/icon-${size}.png)
endforeach()
# make-icon always writes a .ico too, which the site has no use for: it stays in the build.
set(web_ico ${PROJECT_BINARY_DIR}/web-icon.ico)
add_custom_command(
    OUTPUT ${web_icons} ${web_ico}
    COMMAND ${VORRELIN_MAKE_ICON} ${PROJECT_SOURCE_DIR}/resources/vorrelincurve.xpm ${web_ico}
            ${web_icon_arguments}
    DEPENDS ${VORRELIN_TOOLS} ${PROJECT_SOURCE_DIR}/resources/vorrelincurve.xpm
    COMMENT "Making the page's icons")

# Run at every build: the worker is rewritten only when the site's files have changed.
add_custom_target(web_site ALL
    COMMAND ${CMAKE_COMMAND} -DPROJECT_NAME=${PROJECT_NAME} -DPROJECT_VERSION=${PROJECT_VERSION}
            -DVORRELIN_SITE_DIR=${VORRELIN_SITE_DIR}
            -DVORRELIN_TEMPLATE=${PROJECT_SOURCE_DIR}/resources/web/service-worker.js.in
            -P ${CMAKE_CURRENT_LIST_DIR}/web_service_worker.cmake
    DEPENDS ${web_icons}
    COMMENT "Writing the service worker over the site's files")
add_dependencies(web_site VorrelinCurve)

set(VORRELIN_WEB_ZIP ${PROJECT_BINARY_DIR}/${PROJECT_NAME}-${PROJECT_VERSION}-web.zip)
add_custom_target(web_zip ALL
    COMMAND ${CMAKE_COMMAND} -DVORRELIN_SOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DVORRELIN_SITE_DIR=${VORRELIN_SITE_DIR} -DVORRELIN_ZIP=${VORRELIN_WEB_ZIP}
            -P ${CMAKE_CURRENT_LIST_DIR}/web_zip.cmake
    COMMENT "Packing ${VORRELIN_WEB_ZIP}")
add_dependencies(web_zip web_site)
