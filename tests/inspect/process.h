// Runs a program as a child process with a given standard input and environment, and
// collects its standard output, standard error and exit status.
#pragma once

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
  std::string input;                   // written to its standard input, then closed
  // Environment changes: a value sets the variable, nothing removes it.
  std::map<std::string, std::optional<std::string>> environment;
  std::string output;  // a file for its standard output instead of a pipe
};

Outcome RunProcess(std::string const& program, Launch const& launch);

}  // namespace inspect_test
