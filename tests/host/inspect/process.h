// Runs a program as a child process with a given standard input and environment, and
// collects its standard output, standard error and exit status; and the scratch
// directories and line splitting that the command's tests share.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace inspect_test {

struct Outcome {
  int status = -1;  // the exit status; -1 when the process did not exit normally
  int signal = 0;   // the signal that ended it, if any
  std::string out;
  std::string err;
};

struct Launch {
  std::vector<std::string> arguments;  // after the program name
  std::string input;                   // its standard input
  // Environment changes: a value sets the variable, nothing removes it.
  std::map<std::string, std::optional<std::string>> environment;
  std::string output;  // a file for its standard output instead of a scratch file
};

Outcome RunProcess(std::string const& program, Launch const& launch);

std::vector<std::string> Lines(std::string const& text);
std::string ReadFile(std::filesystem::path const& path);

// A scratch directory, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(TempDir const&) = delete;
  TempDir& operator=(TempDir const&) = delete;
  // Writes a file in the directory and returns its path.
  std::string Write(std::string const& name, std::string const& content) const;
  std::filesystem::path const& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace inspect_test
