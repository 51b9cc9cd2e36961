#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace xsupport {

/// Full path of the program `name` on PATH, or an empty text when it is not there.
std::string findProgram(std::string_view name);

/// The programs of `names` that are not on PATH, as "xdotool, xclip"; empty when all are.
std::string missingPrograms(std::initializer_list<std::string_view> names);

}  // namespace xsupport
