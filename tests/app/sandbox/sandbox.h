#pragma once

#include <functional>
#include <optional>
#include <string>

// A fresh folder for one test, removed with everything in it afterwards.
class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Sets (or, given nothing, unsets) an environment variable for one scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::optional<std::string>& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> saved_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

// Runs `body` in a child process whose files may not grow beyond `bytes` (a disk that fills up),
// and returns the child's exit code: the value `body` returned, or -1 when the child did not exit.
int ExitCodeWithFileSizeLimit(std::size_t bytes, const std::function<int()>& body);
