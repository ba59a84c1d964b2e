#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace inspect_test {
namespace {

struct Pipe {
  int fd[2] = {-1, -1};
  Pipe() {
    if (pipe2(fd, O_CLOEXEC) != 0) throw std::runtime_error(std::strerror(errno));
  }
  ~Pipe() {
    for (int f : fd) {
      if (f >= 0) close(f);
    }
  }
  void Close(int end) {
    if (fd[end] >= 0) close(fd[end]);
    fd[end] = -1;
  }
};

std::vector<std::string> Environment(Launch const& launch) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry; ++entry) {
    std::string text(*entry);
    std::string name = text.substr(0, text.find('='));
    if (!launch.environment.contains(name)) entries.push_back(text);
  }
  for (auto const& [name, value] : launch.environment) {
    if (value) entries.push_back(name + "=" + *value);
  }
  return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (auto& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

Outcome RunProcess(std::string const& program, Launch const& launch) {
  Pipe in, out, err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.fd[0], 0);
  if (launch.output.empty()) {
    posix_spawn_file_actions_adddup2(&actions, out.fd[1], 1);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, launch.output.c_str(), O_WRONLY, 0);
  }
  posix_spawn_file_actions_adddup2(&actions, err.fd[1], 2);

  std::vector<std::string> arguments{program};
  arguments.insert(arguments.end(), launch.arguments.begin(), launch.arguments.end());
  auto argv = Pointers(arguments);
  auto environment = Environment(launch);
  auto envp = Pointers(environment);

  pid_t pid = 0;
  int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + program);
  in.Close(0);
  out.Close(1);
  err.Close(1);

  // Feed the input and drain both outputs together, so that no pipe fills up.
  signal(SIGPIPE, SIG_IGN);
  Outcome outcome;
  std::size_t written = 0;
  if (launch.input.empty()) in.Close(1);
  std::array<char, 65536> buffer{};
  while (out.fd[0] >= 0 || err.fd[0] >= 0) {
    std::array<pollfd, 3> fds{
        {{in.fd[1], POLLOUT, 0}, {out.fd[0], POLLIN, 0}, {err.fd[0], POLLIN, 0}}};
    if (poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[0].revents) {
      ssize_t n = write(in.fd[1], launch.input.data() + written, launch.input.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      if (n < 0 || written == launch.input.size()) in.Close(1);
    }
    for (int i = 1; i <= 2; ++i) {
      if (!fds[i].revents) continue;
      Pipe& pipe = i == 1 ? out : err;
      ssize_t n = read(pipe.fd[0], buffer.data(), buffer.size());
      if (n > 0) {
        (i == 1 ? outcome.out : outcome.err).append(buffer.data(), static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        pipe.Close(0);
      }
    }
  }
  in.Close(1);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
  return outcome;
}

}  // namespace inspect_test
