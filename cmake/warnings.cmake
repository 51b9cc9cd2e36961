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
            -Wsign-conversion
            -Wold-style-cast
            -Woverloaded-virtual
            -Wnull-dereference
            -Wformat=2
            -Wmisleading-indentation
            # GCC's own: clang, which builds the web page, does not know them.
            "$<$<CXX_COMPILER_ID:GNU>:-Wduplicated-branches;-Wduplicated-cond;-Wlogical-op;-Wuseless-cast>"
            $<$<BOOL:${NF_WARNINGS_AS_ERRORS}>:-Werror>)
