# The time every archive member is given, so that the same source packs into the same bytes:
# SOURCE_DATE_EPOCH if the caller sets it, else the time of the last commit, else, with no git,
# the time of the changelog's latest entry. Sets VORRELIN_SOURCE_DATE_EPOCH for the source in
# VORRELIN_SOURCE_DIR; run as a script, prints it:
#   cmake -DVORRELIN_SOURCE_DIR=... -P source_date_epoch.cmake
set(VORRELIN_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(NOT VORRELIN_SOURCE_DATE_EPOCH)
    execute_process(COMMAND git -C ${VORRELIN_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE VORRELIN_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET)
endif()
if(NOT VORRELIN_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    execute_process(COMMAND dpkg-parsechangelog -l ${VORRELIN_SOURCE_DIR}/resources/package/changelog
                            -S Timestamp
                    OUTPUT_VARIABLE VORRELIN_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${VORRELIN_SOURCE_DATE_EPOCH})
endif()
