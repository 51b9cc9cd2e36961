# Warnings for the project's own targets; link it PRIVATE so that
# nothing leaks into the consumers of a library.
add_library(nf_warnings INTERFACE)
add_library(nf::warnings ALIAS nf_warnings)

target_compile_options(
  nf_warnings
  INTERFACE -Wall
            -Wextra
            -Wpedantic
            -Wshadow
            -Wconversion
            $<$<BOOL:${NF_WARNINGS_AS_ERRORS}>:-Werror>)
