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

#include "process.h"

namespace {

class Terminal {
 public:
  // `libraryPath`, when given, is searched for libraries before the system's.
  explicit Terminal(std::filesystem::path const& home, std::string const& libraryPath = "") {
    pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
    if (pid_ == 0) {
      if (!libraryPath.empty()) setenv("LD_LIBRARY_PATH", libraryPath.c_str(), 1);
      setenv("HOME", home.c_str(), 1);
      setenv("TERM", "dumb", 1);
      unsetenv("INSPECTORS_LIBRARY");
      execl(INSPECT_BINARY, INSPECT_BINARY, static_cast<char*>(nullptr));
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

  std::string hundred = "(0";
  for (int i = 1; i < 100; ++i) hundred += ";" + std::to_string(i);
  hundred += ")";
  terminal.Type("number of (" + hundred + ", " + hundred + ", " + hundred + ", " + hundred + ", " +
                hundred + ")\r");
  ASSERT_TRUE(terminal.WaitFor(hundred + ")")) << terminal.output();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  terminal.Type("\x03");
  ASSERT_TRUE(terminal.WaitFor("cancelled")) << terminal.output();
  ASSERT_TRUE(terminal.WaitFor("inspect> ")) << terminal.output();
  terminal.Type("\x03");  // a second Ctrl-C, at the prompt
  ASSERT_TRUE(terminal.WaitFor("inspect> ")) << terminal.output();
  ASSERT_TRUE(Answers(terminal, "6 * 7", "42"));
  EXPECT_EQ(terminal.Finish(), 1) << terminal.output();  // the cancelled query failed
}

// Without the line-editing library a session still reads and answers queries, with
// neither prompt nor history, after a warning that says why.
TEST(InteractiveTest, WithoutLineEditingQueriesAreStillAnswered) {
  inspect_test::TempDir const dir;
  std::filesystem::path const& home = dir.path();
  // An empty file where the loader looks first: the library cannot be loaded.
  dir.Write(INSPECT_LINE_EDITING_LIBRARY, "");
  Terminal terminal(home, home.string());
  ASSERT_TRUE(terminal.started());
  ASSERT_TRUE(terminal.WaitFor("cannot start line editing")) << terminal.output();
  terminal.Type("20 + 22\r");
  EXPECT_TRUE(terminal.WaitFor("42")) << terminal.output();
  EXPECT_EQ(terminal.Finish(), 0) << terminal.output();
  EXPECT_EQ(terminal.output().find("inspect> "), std::string::npos) << terminal.output();
  EXPECT_FALSE(std::filesystem::exists(home / ".inspect_history"));
}

}  // namespace
