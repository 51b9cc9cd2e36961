# Run by cpack after the .deb is made: CPack writes each member of the package's ar archive
# (debian-binary, control.tar.gz, data.tar.gz) with the mode its file got from the builder's
# umask. Each becomes 0644, as dpkg-deb writes them, so that the umask leaves no trace.
# An ar header is 60 bytes: name 16, time 12, owner 6, group 6, mode 8, size 10, magic 2.

set(mode_file "${CPACK_TOPLEVEL_DIRECTORY}/ar-member-mode")
file(WRITE "${mode_file}" "100644  ")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  file(SIZE "${package}" total)
  set(offset 8)
  while(offset LESS total)
    file(READ "${package}" header OFFSET ${offset} LIMIT 60)
    string(SUBSTRING "${header}" 40 8 mode)
    string(SUBSTRING "${header}" 48 10 size)
    string(STRIP "${size}" size)
    if(NOT size MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${package}: no ar member header at byte ${offset}")
    endif()
    if(NOT mode STREQUAL "100644  ")
      math(EXPR mode_at "${offset} + 40")
      execute_process(COMMAND dd "of=${package}" bs=1 "seek=${mode_at}" conv=notrunc status=none
                      INPUT_FILE "${mode_file}" RESULT_VARIABLE status)
      if(NOT status EQUAL 0)
        message(FATAL_ERROR "${package}: cannot set the mode of the ar member at byte ${offset}")
      endif()
    endif()
    # Members start on even bytes.
    math(EXPR offset "${offset} + 60 + ${size} + ${size} % 2")
  endwhile()
endforeach()
file(REMOVE "${mode_file}")
