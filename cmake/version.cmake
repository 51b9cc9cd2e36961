# The version a build carries and the commit it was built from, so that whoever holds a copy of
# the program, the package or the page can tell which one it is.
#
# The version is written in one place: the newest entry of debian/changelog. NF_VERSION is that
# version, NF_RELEASE_DATE its entry's date (YYYY-MM-DD).
#
# nf_version_text(VAR [PATHS path...]) sets VAR to "VERSION (commit COMMIT)": COMMIT is the
# newest commit that changed any of PATHS (relative to the source folder; without PATHS, the
# commit checked out), its first 12 hex digits. Outside a git checkout (a source package) the
# commit checked out is the one debian/source-commit holds, which debian/rules clean writes into
# the source package; a commit of PATHS cannot be told there, nor any commit without that file,
# and VAR is then the version alone. A build from uncommitted changes carries the commit they
# were made on.

set(nf_changelog "${CMAKE_CURRENT_LIST_DIR}/../debian/changelog")
set(nf_source_commit_file "${CMAKE_CURRENT_LIST_DIR}/../debian/source-commit")
cmake_path(NORMAL_PATH nf_changelog)
cmake_path(GET nf_changelog PARENT_PATH nf_source_dir)
cmake_path(GET nf_source_dir PARENT_PATH nf_source_dir)

file(STRINGS "${nf_changelog}" nf_entry_head LIMIT_COUNT 1 REGEX "^[a-z0-9][a-z0-9.+-]* \\(")
file(STRINGS "${nf_changelog}" nf_entry_trailer LIMIT_COUNT 1 REGEX "^ -- ")
if(NOT nf_entry_head MATCHES "^[^ ]+ \\(([0-9][A-Za-z0-9.+~-]*)\\)")
  message(FATAL_ERROR "debian/changelog: its first line names no version")
endif()
set(NF_VERSION "${CMAKE_MATCH_1}")
if(NOT nf_entry_trailer MATCHES "  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "debian/changelog: its newest entry has no date")
endif()
set(nf_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND nf_months "${CMAKE_MATCH_2}" nf_month)
math(EXPR nf_month "${nf_month} + 1")
string(LENGTH "${CMAKE_MATCH_1}" nf_day_digits)
set(nf_day "${CMAKE_MATCH_1}")
if(nf_day_digits EQUAL 1)
  set(nf_day "0${nf_day}")
endif()
if(nf_month LESS 10)
  set(nf_month "0${nf_month}")
endif()
set(NF_RELEASE_DATE "${CMAKE_MATCH_3}-${nf_month}-${nf_day}")
# Another entry is another version: configure again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${nf_changelog}")

# Is the source folder the top of a git checkout (and not a folder inside some other one)?
find_package(Git QUIET)
set(nf_git_checkout FALSE)
if(GIT_FOUND)
  execute_process(
    COMMAND "${GIT_EXECUTABLE}" -C "${nf_source_dir}" rev-parse --show-toplevel --git-path logs/HEAD
    OUTPUT_VARIABLE nf_git_answer
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET
    RESULT_VARIABLE nf_git_status)
  string(REPLACE "\n" ";" nf_git_answer "${nf_git_answer}")
  list(LENGTH nf_git_answer nf_git_lines)
  if(nf_git_status EQUAL 0 AND nf_git_lines EQUAL 2)
    list(GET nf_git_answer 0 nf_git_top)
    list(GET nf_git_answer 1 nf_git_reflog)
    file(REAL_PATH "${nf_git_top}" nf_git_top)
    file(REAL_PATH "${nf_source_dir}" nf_real_source_dir)
    if(nf_git_top STREQUAL nf_real_source_dir)
      set(nf_git_checkout TRUE)
      # A commit, a checkout or a reset moves HEAD and writes its log: configure again.
      cmake_path(ABSOLUTE_PATH nf_git_reflog BASE_DIRECTORY "${nf_source_dir}")
      if(EXISTS "${nf_git_reflog}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${nf_git_reflog}")
      endif()
    endif()
  endif()
endif()

# The commit of the sources, as git or debian/source-commit tells it; PATHS as above.
function(nf_commit var)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PATHS")
  set(commit "")
  if(nf_git_checkout)
    execute_process(
      COMMAND "${GIT_EXECUTABLE}" -C "${nf_source_dir}" log -1 --format=%H -- ${arg_PATHS}
      OUTPUT_VARIABLE commit
      OUTPUT_STRIP_TRAILING_WHITESPACE
      ERROR_QUIET)
  elseif(NOT arg_PATHS AND EXISTS "${nf_source_commit_file}")
    file(STRINGS "${nf_source_commit_file}" commit LIMIT_COUNT 1)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${nf_source_commit_file}")
  endif()
  string(LENGTH "${commit}" digits)
  if(commit MATCHES "^[0-9a-f]+$" AND digits EQUAL 40)
    string(SUBSTRING "${commit}" 0 12 commit)
  else()
    set(commit "")
  endif()
  set(${var} "${commit}" PARENT_SCOPE)
endfunction()

function(nf_version_text var)
  nf_commit(commit ${ARGN})
  if(commit)
    set(${var} "${NF_VERSION} (commit ${commit})" PARENT_SCOPE)
  else()
    set(${var} "${NF_VERSION}" PARENT_SCOPE)
  endif()
endfunction()

# What the program's --version prints after its name (the command line's source gets it as
# NF_VERSION), and its manual pages' header too.
nf_version_text(NF_PROGRAM_VERSION)
