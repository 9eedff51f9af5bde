# Packs the site for release, run by the web_zip target:
#   cmake -DVORRELIN_SOURCE_DIR=... -DVORRELIN_SITE_DIR=... -DVORRELIN_ZIP=... -P web_zip.cmake
# The zip holds one folder named as the zip, and in it the site's files in the order of their
# names, each readable by all (whatever the builder's umask), with the source's time (through
# SOURCE_DATE_EPOCH, in UTC) and owned by root (through fakeroot).
include(${CMAKE_CURRENT_LIST_DIR}/source_date_epoch.cmake)
get_filename_component(folder ${VORRELIN_ZIP} NAME_WLE)
get_filename_component(stage ${VORRELIN_ZIP} DIRECTORY)
set(stage ${stage}/web-zip)
file(REMOVE_RECURSE ${stage} ${VORRELIN_ZIP})
file(COPY ${VORRELIN_SITE_DIR}/ DESTINATION ${stage}/${folder}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(GLOB_RECURSE members LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/*)
list(SORT members)
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VORRELIN_SOURCE_DATE_EPOCH}
                        TZ=UTC fakeroot -- ${CMAKE_COMMAND} -E tar cf ${VORRELIN_ZIP} --format=zip
                        -- ${members}
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
