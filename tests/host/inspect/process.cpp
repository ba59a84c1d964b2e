#include "process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace inspect_test {

Outcome RunProcess(std::string const& program, Launch const& launch) {
  // Standard input, output and error are files, so that no pipe can fill up.
  TempDir const dir;
  std::string const in = dir.Write("in", launch.input);
  std::string const out = dir.Write("out", "");
  std::string const err = dir.Write("err", "");
  std::vector<std::string> arguments{program};
  arguments.insert(arguments.end(), launch.arguments.begin(), launch.arguments.end());
  std::vector<char*> argv;
  for (auto& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  pid_t const pid = fork();
  if (pid < 0) throw std::runtime_error("cannot start " + program);
  if (pid == 0) {
    for (auto const& [name, value] : launch.environment) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
    std::string const& output = launch.output.empty() ? out : launch.output;
    int const streams[] = {open(in.c_str(), O_RDONLY), open(output.c_str(), O_WRONLY),
                           open(err.c_str(), O_WRONLY)};
    for (int i = 0; i < 3; ++i) dup2(streams[i], i);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  Outcome outcome;
  if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
  outcome.out = ReadFile(out);
  outcome.err = ReadFile(err);
  return outcome;
}

std::string ReadFile(std::filesystem::path const& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(std::string const& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "inspect_test_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a directory");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::filesystem::remove_all(path_);
}

std::string TempDir::Write(std::string const& name, std::string const& content) const {
  std::ofstream(path_ / name, std::ios::binary) << content;
  return (path_ / name).string();
}

}  // namespace inspect_test
