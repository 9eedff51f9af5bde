# Packs the Windows program for release, run by the zip target:
#   cmake -DVORRELIN_SOURCE_DIR=... -DVORRELIN_BUILD_DIR=... -DVORRELIN_ZIP=... -P zip.cmake
# What the build installs, stripped, goes into the zip in one folder named as the zip is, so
# that unpacking it anywhere makes that one folder; in the order of the names, each member with
# the source's time (in all three of the zip's time fields, through SOURCE_DATE_EPOCH, and
# in UTC), owned by root (through fakeroot), with the mode the install gave it. The strip takes
# the time it writes into the executable from SOURCE_DATE_EPOCH too.
include(${CMAKE_CURRENT_LIST_DIR}/source_date_epoch.cmake)
set(stage ${VORRELIN_BUILD_DIR}/zip)
get_filename_component(folder ${VORRELIN_ZIP} NAME_WLE)
file(REMOVE_RECURSE ${stage} ${VORRELIN_ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VORRELIN_SOURCE_DATE_EPOCH}
                        ${CMAKE_COMMAND} --install ${VORRELIN_BUILD_DIR} --prefix ${stage}/${folder}
                        --strip
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
# The files by name; the folder itself is no member, as packing it would add its files in the
# order the file system lists them.
file(GLOB members RELATIVE ${stage} ${stage}/${folder}/*)
list(SORT members)
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VORRELIN_SOURCE_DATE_EPOCH}
                        TZ=UTC fakeroot -- ${CMAKE_COMMAND} -E tar cf ${VORRELIN_ZIP} --format=zip
                        -- ${members}
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
