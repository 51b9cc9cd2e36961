#include "xsupport/program_path.h"

#include <unistd.h>

#include <cstdlib>

namespace xsupport {

std::string findProgram(std::string_view name) {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!dirs.empty()) {
    const std::size_t colon = dirs.find(':');
    std::string candidate(dirs.substr(0, colon));
    candidate.append("/").append(name);
    if (::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    dirs.remove_prefix(colon == std::string_view::npos ? dirs.size() : colon + 1);
  }
  return {};
}

std::string missingPrograms(std::initializer_list<std::string_view> names) {
  std::string missing;
  for (const std::string_view name : names) {
    if (findProgram(name).empty()) {
      missing.append(missing.empty() ? "" : ", ").append(name);
    }
  }
  return missing;
}

}  // namespace xsupport
