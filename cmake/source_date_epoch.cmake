# The time every archive member is given, so that the same source packs into the same bytes:
# SOURCE_DATE_EPOCH if the caller sets it, else the time of the changelog's latest entry. Every
# copy of the source carries the changelog alike, a clone as well as an archive exported from
# one, where the commit's time would reach a clone only. Sets VORRELIN_SOURCE_DATE_EPOCH for the
# source in VORRELIN_SOURCE_DIR.
set(VORRELIN_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(NOT VORRELIN_SOURCE_DATE_EPOCH)
    execute_process(COMMAND dpkg-parsechangelog -l ${VORRELIN_SOURCE_DIR}/resources/package/changelog
                            -S Timestamp
                    OUTPUT_VARIABLE VORRELIN_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
