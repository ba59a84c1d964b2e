// The interactive mode, driven through a pseudo-terminal.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "process.h"

namespace {

struct TerminalOptions {
  std::string libraryPath{};  // searched for libraries before the system's
  std::vector<std::string> arguments{};
  std::string errors{};  // a file for standard error instead of the terminal
};

class Terminal {
 public:
  using Options = TerminalOptions;
  explicit Terminal(std::filesystem::path const& home, Options const& options = {}) {
    std::vector<char*> argv{const_cast<char*>(INSPECT_BINARY)};
    for (auto const& argument : options.arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
    if (pid_ == 0) {
      if (!options.libraryPath.empty()) setenv("LD_LIBRARY_PATH", options.libraryPath.c_str(), 1);
      setenv("HOME", home.c_str(), 1);
      setenv("TERM", "dumb", 1);
      unsetenv("INSPECTORS_LIBRARY");
      if (!options.errors.empty() && !freopen(options.errors.c_str(), "w", stderr)) _exit(126);
      execv(INSPECT_BINARY, argv.data());
      _exit(127);
    }
  }
  ~Terminal() {
    if (master_ >= 0) close(master_);
    if (pid_ > 0 && !waited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  bool started() const { return pid_ > 0 && master_ >= 0; }

  // Reads until `text` has appeared in the output since the last call, or 10 s pass.
  bool WaitFor(std::string const& text) {
    while (seen_.find(text, consumed_) == std::string::npos) {
      if (!ReadSome()) return false;
    }
    consumed_ = seen_.find(text, consumed_) + text.size();
    return true;
  }
  void Type(std::string const& keys) {
    ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }
  // Ends input with Ctrl-D, drains the output and returns the exit status. A key that
  // reaches the terminal while the line editor switches it to raw mode can be taken
  // by the old mode (the Ctrl-D then shows as "^D" and half-ends a line), so while
  // the program still runs, Return and Ctrl-D are typed again. After about 20 s
  // -1 is returned.
  int Finish() {
    for (int attempt = 0; attempt < 10; ++attempt) {
      Type(attempt == 0 ? "\x04" : "\r\x04");
      for (auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
           std::chrono::steady_clock::now() < until;) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
          waited_ = true;
          while (ReadSome(100)) {
          }
          return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        ReadSome(100);
      }
    }
    return -1;
  }
  std::string const& output() const { return seen_; }

 private:
  bool ReadSome(int milliseconds = 10000) {
    pollfd fd{master_, POLLIN, 0};
    if (poll(&fd, 1, milliseconds) <= 0) return false;
    char buffer[4096];
    ssize_t n = read(master_, buffer, sizeof buffer);
    if (n <= 0) return false;  // EIO once the child has gone
    seen_.append(buffer, static_cast<std::size_t>(n));
    return true;
  }

  int master_ = -1;
  pid_t pid_ = -1;
  bool waited_ = false;
  std::string seen_;
  std::size_t consumed_ = 0;
};

// Types a line, then waits for the answer and the next prompt.
::testing::AssertionResult Answers(Terminal& terminal, std::string const& line,
                                   std::string const& answer) {
  terminal.Type(line + "\r");
  if (terminal.WaitFor(answer) && terminal.WaitFor("inspect> ")) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "no \"" << answer << "\" in " << terminal.output();
}

// A query that runs until it is cancelled (its answer would be 10^10).
std::string LongQuery() {
  std::string hundred = "(0";
  for (int i = 1; i < 100; ++i) hundred += ";" + std::to_string(i);
  hundred += ")";
  return "number of (" + hundred + ", " + hundred + ", " + hundred + ", " + hundred + ", " +
         hundred + ")";
}

TEST(InteractiveTest, AnswersTypedQueriesAndKeepsAHistory) {
  inspect_test::TempDir const dir;
  std::filesystem::path const& home = dir.path();
  {
    Terminal terminal(home);
    ASSERT_TRUE(terminal.started() && terminal.WaitFor("inspect> ")) << terminal.output();
    EXPECT_TRUE(Answers(terminal, "20 + 22", "42"));
    EXPECT_TRUE(Answers(terminal, "# a comment", ""));
    EXPECT_TRUE(Answers(terminal, "\"x\" & \"y\"", "xy"));
    EXPECT_EQ(terminal.Finish(), 0) << terminal.output();
  }
  std::string const saved = inspect_test::ReadFile(home / ".inspect_history");
  // libedit stores lines with blanks encoded ("20\\040+\\04022").
  EXPECT_NE(saved.find("22"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("comment"), std::string::npos) << saved;
  {
    // The next session recalls the previous query with Ctrl-P.
    Terminal terminal(home);
    ASSERT_TRUE(terminal.started() && terminal.WaitFor("inspect> ")) << terminal.output();
    EXPECT_TRUE(Answers(terminal, "\x10", "xy"));
    EXPECT_EQ(terminal.Finish(), 0) << terminal.output();
  }
}

// Ctrl-C never ends the session: at the prompt it drops the line being typed, during
// a query it cancels the query, and either way the prompt comes back.
TEST(InteractiveTest, CtrlCDropsTheLineOrCancelsTheQuery) {
  inspect_test::TempDir const dir;
  std::filesystem::path const& home = dir.path();
  // A history file that is not a regular file is left alone, with a warning.
  ASSERT_EQ(mkfifo((home / ".inspect_history").c_str(), 0600), 0);
  Terminal terminal(home);
  ASSERT_TRUE(terminal.started());
  ASSERT_TRUE(terminal.WaitFor("not a regular file")) << terminal.output();
  ASSERT_TRUE(terminal.WaitFor("inspect> ")) << terminal.output();
  terminal.Type("1 + ");
  ASSERT_TRUE(terminal.WaitFor("1 + ")) << terminal.output();
  terminal.Type("\x03");
  ASSERT_TRUE(terminal.WaitFor("inspect> ")) << terminal.output();
  ASSERT_TRUE(Answers(terminal, "40 + 2", "42"));  // "1 + " is gone: a query of its own

  terminal.Type(LongQuery() + "\r");
  ASSERT_TRUE(terminal.WaitFor("99))")) << terminal.output();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  terminal.Type("\x03");
  ASSERT_TRUE(terminal.WaitFor("cancelled")) << terminal.output();
  ASSERT_TRUE(terminal.WaitFor("inspect> ")) << terminal.output();
  terminal.Type("\x03");  // a second Ctrl-C, at the prompt
  ASSERT_TRUE(terminal.WaitFor("inspect> ")) << terminal.output();
  ASSERT_TRUE(Answers(terminal, "6 * 7", "42"));
  EXPECT_EQ(terminal.Finish(), 1) << terminal.output();  // the cancelled query failed
}

// At a terminal, a query that runs for longer than half a second shows a turning bar on
// standard error, erased before its result. A quick query shows none, and neither does
// a query given as an argument or a session whose errors go to a file.
TEST(InteractiveTest, ALongQueryShowsThatItIsStillWorking) {
  inspect_test::TempDir const dir;
  std::filesystem::path const& home = dir.path();
  {
    Terminal terminal(home);
    ASSERT_TRUE(terminal.started() && terminal.WaitFor("inspect> ")) << terminal.output();
    ASSERT_TRUE(Answers(terminal, "6 * 7", "42"));
    EXPECT_EQ(terminal.output().find("\r| "), std::string::npos) << terminal.output();
    terminal.Type(LongQuery() + "\r");
    ASSERT_TRUE(terminal.WaitFor("\r| 0.")) << terminal.output();
    ASSERT_TRUE(terminal.WaitFor("\r/ ")) << terminal.output();
    terminal.Type("\x03");
    ASSERT_TRUE(terminal.WaitFor("       \r")) << terminal.output();
    ASSERT_TRUE(terminal.WaitFor("cancelled")) << terminal.output();
    ASSERT_TRUE(terminal.WaitFor("inspect> ")) << terminal.output();
    EXPECT_EQ(terminal.Finish(), 1) << terminal.output();
  }
  for (Terminal::Options const& options :
       {Terminal::Options{.arguments = {"--timeout", "1", LongQuery()}},
        Terminal::Options{.errors = (home / "errors").string()}}) {
    Terminal terminal(home, options);
    ASSERT_TRUE(terminal.started());
    if (options.arguments.empty()) {
      terminal.Type(LongQuery() + "\r");
      std::this_thread::sleep_for(std::chrono::milliseconds(1000));
      terminal.Type("\x03");
    }
    terminal.Finish();
    EXPECT_EQ(terminal.output().find("\r| "), std::string::npos) << terminal.output();
  }
  std::string const errors = inspect_test::ReadFile(home / "errors");
  EXPECT_NE(errors.find("cancelled"), std::string::npos) << errors;
  EXPECT_EQ(errors.find('|'), std::string::npos) << errors;
}

// Without the line-editing library a session still reads and answers queries, with
// neither prompt nor history, after a warning that says why.
TEST(InteractiveTest, WithoutLineEditingQueriesAreStillAnswered) {
  inspect_test::TempDir const dir;
  std::filesystem::path const& home = dir.path();
  // An empty file where the loader looks first: the library cannot be loaded.
  dir.Write(INSPECT_LINE_EDITING_LIBRARY, "");
  Terminal terminal(home, {.libraryPath = home.string()});
  ASSERT_TRUE(terminal.started());
  ASSERT_TRUE(terminal.WaitFor("cannot start line editing")) << terminal.output();
  terminal.Type("20 + 22\r");
  EXPECT_TRUE(terminal.WaitFor("42")) << terminal.output();
  EXPECT_EQ(terminal.Finish(), 0) << terminal.output();
  EXPECT_EQ(terminal.output().find("inspect> "), std::string::npos) << terminal.output();
  EXPECT_FALSE(std::filesystem::exists(home / ".inspect_history"));
}

}  // namespace
