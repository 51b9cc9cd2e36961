# Run by cpack once the files are staged and before the .deb is made, so that one commit packs
# the same bytes on any machine, in any folder, at any time:
# - the archive's times: CPack gives every member the time in SOURCE_DATE_EPOCH when it is set
#   (and leaves the gzip headers' times out); unless the builder set it, it is the commit's time,
#   or outside a git checkout (a source tarball) the date of the changelog's latest entry;
# - the folders' modes: the install makes them after the builder's umask.

if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} OR "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(epoch "")
  execute_process(
    COMMAND git -C "${CPACK_NF_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT epoch MATCHES "^[0-9]+$")
    execute_process(
      COMMAND dpkg-parsechangelog -l "${CPACK_NF_SOURCE_DIR}/packaging/changelog" -STimestamp
      OUTPUT_VARIABLE epoch
      OUTPUT_STRIP_TRAILING_WHITESPACE
      ERROR_QUIET
      RESULT_VARIABLE status)
  endif()
  if(status EQUAL 0 AND epoch MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  else()
    message(WARNING "Neither the commit's time nor the changelog's date could be read: the "
                    "package's files carry the time of this build.")
  endif()
endif()

file(CHMOD_RECURSE "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE
     OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
