# The Debian package, built by `cmake --build <build> --target package` from what
# `cmake --install` installs: <build>/vorrelincurve_<version>_<architecture>.deb, made by CPack
# with every member owned by root and given the source's time (cmake/source_date_epoch.cmake),
# so that the same source packs into the same bytes.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/package_time.cmake.in
               ${PROJECT_BINARY_DIR}/package_time.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/package_time.cmake)
set(CPACK_PACKAGE_NAME vorrelincurve)
set(CPACK_PACKAGE_VENDOR "The VorrelinCurve authors")
set(CPACK_PACKAGE_CONTACT "The VorrelinCurve authors <authors@vorrelincurve.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws and animates a closed, square, space-filling curve")
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "VorrelinCurve draws a closed, square, recursive space-filling curve of the
order you type, every segment in a colour from a fixed cycle of 1537
colours. It can also animate the curve, drawing the orders 1 to 6 and back
again on a timer, until you stop it. Its window speaks Japanese.")
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(VORRELIN_PACKAGE ${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links to, found by dpkg-shlibdeps, and a font with the Japanese
# glyphs of its window: Noto CJK, or any Japanese Gothic font a machine already has, which the
# window, laid out in fixed places, shows as well (fonts-japanese-gothic is what IPA, VL, Takao
# and other Gothic fonts provide); Qt's Japanese translation, which its dialogs speak.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-japanese-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
