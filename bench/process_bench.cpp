// `inspect` as a whole process, against the cheapest comparable command as the floor.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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

void Process(benchmark::State& state, std::vector<std::string> const& arguments) {
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
