// `inspect` as a whole process, against the cheapest comparable command as the floor:
// the wall time of a run, and, as the counter peak_rss_kib, the peak resident memory
// of one run measured before the timed ones.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Starts the program with its output discarded and waits for it; false when it did not
// start or did not exit with 0.
bool SpawnAndWait(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (auto& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The process's peak resident set size (VmHWM) in KiB, -1 when it cannot be read.
long HighWaterMark(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
  }
  return -1;
}

// The peak resident set size in KiB of one run of the program, read from the process
// itself when it is about to exit (traced for that). The rusage of a child is no
// measure: its first exec records the memory of this process, which it started as a
// copy of. -1 when the run cannot be traced or fails.
long PeakResidentKiB(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (auto& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t const pid = fork();
  if (pid == 0) {
    int const null = open("/dev/null", O_WRONLY);
    if (null < 0 || dup2(null, 1) < 0 || ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
      _exit(126);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (pid < 0) return -1;
  long peak = -1;
  int status = 0;
  // Stopped at the exec, then at the exit, while /proc still shows its memory.
  if (waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status)) return -1;
  bool traced = ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACEEXIT) == 0 &&
                ptrace(PTRACE_CONT, pid, nullptr, nullptr) == 0;
  while (traced && waitpid(pid, &status, 0) == pid && WIFSTOPPED(status)) {
    long signal = 0;
    if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
      peak = HighWaterMark(pid);
    } else {
      signal = WSTOPSIG(status);
    }
    traced = ptrace(PTRACE_CONT, pid, nullptr, reinterpret_cast<void*>(signal)) == 0;
  }
  if (!traced) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? peak : -1;
}

void Process(benchmark::State& state, std::vector<std::string> const& arguments) {
  if (long const peak = PeakResidentKiB(arguments); peak >= 0) {
    state.counters["peak_rss_kib"] = static_cast<double>(peak);
  }
  for (auto _ : state) {
    if (!SpawnAndWait(arguments)) {
      state.SkipWithError(("failed: " + arguments[0]).c_str());
      return;
    }
  }
}

#ifdef INSPECT_BINARY
void BM_InspectProcess(benchmark::State& state) {
  Process(state, {INSPECT_BINARY, "1 + 1"});
}
BENCHMARK(BM_InspectProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

void BM_ExprProcessFloor(benchmark::State& state) {
  Process(state, {"/usr/bin/expr", "1", "+", "1"});
}
BENCHMARK(BM_ExprProcessFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
