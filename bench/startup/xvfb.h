#pragma once

#include <sys/types.h>

#include <string>

namespace startup_bench {

/// The private X server, stopped when this goes out of scope.
class Xvfb {
 public:
  /// Starts the server at `path` (1280x1024, 24 bits, black root, no TCP) and waits up to 10 s
  /// for it to accept clients; throws std::runtime_error when it does not.
  explicit Xvfb(const std::string& path);
  ~Xvfb();

  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  /// The display name, such as ":1".
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace startup_bench
