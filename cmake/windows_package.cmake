# The Windows program's zip, built by `cmake --build <build> --target zip`:
# <build>/VorrelinCurve-<version>-win64.zip with what `cmake --install` installs, packed by
# cmake/zip.cmake with `cmake -E tar` in the order of the names, each member owned by root and
# given the source's time (cmake/source_date_epoch.cmake), so that the same source packs into
# the same bytes. (CPack's ZIP generator packs in the order the file system lists the files,
# and gives them their builder for an owner.)
#
# One folder's worth: the program, its licence and a word on what it is, with Windows line
# ends, as Windows editors expect. The word's template begins with the UTF-8 byte order mark, by
# which Notepad, and programs that would read the system's code page (CP932 on Japanese Windows),
# know it for UTF-8.
install(TARGETS VorrelinCurve RUNTIME DESTINATION .)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt @ONLY
               NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/README.txt.in
               ${PROJECT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/LICENSE.txt ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
set(VORRELIN_PACKAGE ${PROJECT_BINARY_DIR}/${PROJECT_NAME}-${PROJECT_VERSION}-win64.zip)
add_custom_target(zip
    COMMAND ${CMAKE_COMMAND} -DVORRELIN_SOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DVORRELIN_BUILD_DIR=${PROJECT_BINARY_DIR} -DVORRELIN_ZIP=${VORRELIN_PACKAGE}
            -P ${CMAKE_CURRENT_LIST_DIR}/zip.cmake
    COMMENT "Packing ${VORRELIN_PACKAGE}")
add_dependencies(zip VorrelinCurve)

# The Windows Installer package, built by `cmake --build <build> --target installer`:
# <build>/VorrelinCurve-<version>-win64.msi with the zip's files, made by cmake/msi.cmake.
set(VORRELIN_INSTALLER ${PROJECT_BINARY_DIR}/${PROJECT_NAME}-${PROJECT_VERSION}-win64.msi)
add_custom_target(installer
    COMMAND ${CMAKE_COMMAND} -DVORRELIN_SOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DVORRELIN_BUILD_DIR=${PROJECT_BINARY_DIR} -DVORRELIN_ZIP=${VORRELIN_PACKAGE}
            -DVORRELIN_ICO=${PROJECT_BINARY_DIR}/resources/vorrelincurve.ico
            -DVORRELIN_MSI=${VORRELIN_INSTALLER} -DVORRELIN_VERSION=${PROJECT_VERSION}
            -P ${CMAKE_CURRENT_LIST_DIR}/msi.cmake
    COMMENT "Packing ${VORRELIN_INSTALLER}")
add_dependencies(installer zip)
