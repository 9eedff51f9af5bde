# Packs the Windows program's zip into its Windows Installer package, run by the installer target:
#   cmake -DVORRELIN_SOURCE_DIR=... -DVORRELIN_BUILD_DIR=... -DVORRELIN_ZIP=... -DVORRELIN_ICO=...
#         -DVORRELIN_MSI=... -DVORRELIN_VERSION=... -P msi.cmake
# wixl builds it from resources/windows/VorrelinCurve.wxs. It writes the files' times into its
# cabinet, the clock's time into the summary information, and a random package code, and takes
# no SOURCE_DATE_EPOCH; so the files keep, unpacked, the source's time that the zip gave them,
# wixl runs on a clock stopped at that time in UTC (faketime), and the package code is named
# afterwards after the package's own bytes: the same source packs into the same bytes, and
# another package has another code.
include(${CMAKE_CURRENT_LIST_DIR}/source_date_epoch.cmake)
# The product as Windows shows it, and what Windows Installer knows every version of it by, to
# replace an earlier one: never to change.
set(name VorrelinCurve)
set(manufacturer "The VorrelinCurve authors")
set(upgrade_code CEDAC72B-98AC-4E38-8B50-BAE39AF62AA5)
# The summary's template as wixl writes it for a 64-bit package in US English, the .wxs's
# language.
set(template "x64;1033")
# Each version is another product, named by its version within the upgrade identity.
string(UUID product_code NAMESPACE ${upgrade_code} NAME "${VORRELIN_VERSION}" TYPE SHA1 UPPER)

set(stage ${VORRELIN_BUILD_DIR}/installer)
file(REMOVE_RECURSE ${stage} ${VORRELIN_MSI})
file(MAKE_DIRECTORY ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${VORRELIN_ZIP} WORKING_DIRECTORY ${stage}
                COMMAND_ERROR_IS_FATAL ANY)
# The zip's files are in its one folder, named as the zip is.
get_filename_component(folder ${VORRELIN_ZIP} NAME_WLE)
set(stage ${stage}/${folder})
file(COPY_FILE ${VORRELIN_ICO} ${stage}/VorrelinCurve.ico)

set(ENV{SOURCE_DATE_EPOCH} ${VORRELIN_SOURCE_DATE_EPOCH})
string(TIMESTAMP source_time "%Y-%m-%d %H:%M:%S" UTC)
set(stopped_clock ${CMAKE_COMMAND} -E env TZ=UTC faketime -f ${source_time})
execute_process(COMMAND ${stopped_clock} wixl --arch x64 --output ${VORRELIN_MSI}
                        --define Name=${name} --define Version=${VORRELIN_VERSION}
                        --define "Manufacturer=${manufacturer}"
                        --define ProductCode=${product_code} --define UpgradeCode=${upgrade_code}
                        ${VORRELIN_SOURCE_DIR}/resources/windows/VorrelinCurve.wxs
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
# The package code, first made plain, then named after the package's bytes with the plain one.
function(set_package_code code)
    execute_process(COMMAND ${stopped_clock} msibuild ${VORRELIN_MSI}
                            -s ${name} ${manufacturer} "${template}" {${code}}
                    COMMAND_ERROR_IS_FATAL ANY)
endfunction()
set_package_code(00000000-0000-0000-0000-000000000000)
file(SHA256 ${VORRELIN_MSI} digest)
string(UUID package_code NAMESPACE ${upgrade_code} NAME ${digest} TYPE SHA1 UPPER)
set_package_code(${package_code})
