# Two checks of the sources, run by hand or in CI:
#   cmake --build --preset ci --target format-check   clang-format, nothing to change (fast)
#   cmake --build --preset ci --target lint           format-check and clang-tidy with the
#                                                     build's own compile commands
find_program(NF_CLANG_FORMAT NAMES clang-format clang-format-14)
find_program(NF_CLANG_TIDY NAMES clang-tidy clang-tidy-14)

file(GLOB_RECURSE nf_lint_cpp CONFIGURE_DEPENDS RELATIVE "${PROJECT_SOURCE_DIR}"
     app/*.cpp cli/*.cpp core/*.cpp window/*.cpp desktop/*.cpp icon/*.cpp tests/*.cpp bench/*.cpp)
file(GLOB_RECURSE nf_lint_headers CONFIGURE_DEPENDS RELATIVE "${PROJECT_SOURCE_DIR}"
     cli/*.h core/*.h window/*.h desktop/*.h icon/*.h tests/*.h bench/*.h web/*.h)
# The web page's sources are compiled by the web preset only: formatted, not tidied here.
file(GLOB nf_web_cpp CONFIGURE_DEPENDS RELATIVE "${PROJECT_SOURCE_DIR}" web/*.cpp)

if(NF_CLANG_FORMAT)
  add_custom_target(
    format-check
    COMMAND "${NF_CLANG_FORMAT}" --dry-run -Werror ${nf_lint_cpp} ${nf_lint_headers} ${nf_web_cpp}
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    COMMENT "Checking the format of the sources"
    VERBATIM)
endif()
if(NF_CLANG_TIDY AND NF_CLANG_FORMAT)
  add_custom_target(
    lint
    COMMAND "${NF_CLANG_TIDY}" --quiet -p "${PROJECT_BINARY_DIR}"
            --extra-arg=-Wno-unknown-warning-option ${nf_lint_cpp}
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    COMMENT "Running clang-tidy over the sources"
    VERBATIM)
  add_dependencies(lint format-check)
endif()
