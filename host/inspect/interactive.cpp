#include "host/inspect/interactive.h"

#include <poll.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <system_error>

#include "host/inspect/line_editing_library.h"

namespace inspect {

namespace {

// Ctrl-C during a session: a running query is cancelled; at the prompt, the line being
// typed is dropped and the prompt comes again. The session ends only with Ctrl-D.
volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
  interrupted = 1;
  evaluator::CancelRunningQuery();
}

// The SIGINT handler for the session's lifetime. Without SA_RESTART, a Ctrl-C at the
// prompt ends the terminal read with EINTR, which ReadKey turns into an abandoned line.
class InterruptHandler {
 public:
  InterruptHandler() {
    struct sigaction action {};
    action.sa_handler = &OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
  }
  ~InterruptHandler() { sigaction(SIGINT, &previous_, nullptr); }
  InterruptHandler(InterruptHandler const&) = delete;
  InterruptHandler& operator=(InterruptHandler const&) = delete;

 private:
  struct sigaction previous_ {};
};

// The line editor's key reader: one byte from the terminal, or -1 once Ctrl-C has been
// pressed, which abandons the line. SIGINT is held back from the check of the flag to
// the wait, which takes it atomically: a Ctrl-C that comes just before the wait still
// ends it.
int ReadKey(EditLine*, wchar_t* key) {
  sigset_t interrupt;
  sigemptyset(&interrupt);
  sigaddset(&interrupt, SIGINT);
  sigset_t previous;
  sigprocmask(SIG_BLOCK, &interrupt, &previous);
  int result = -1;
  while (!interrupted) {
    pollfd terminal{STDIN_FILENO, POLLIN, 0};
    if (ppoll(&terminal, 1, nullptr, &previous) < 0) {
      if (errno == EINTR) continue;  // Ctrl-C, or a resized window
      break;
    }
    unsigned char byte = 0;
    ssize_t const n = read(STDIN_FILENO, &byte, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n == 1) *key = static_cast<wchar_t>(byte);
    result = n == 1 ? 1 : (n == 0 ? 0 : -1);
    break;
  }
  sigprocmask(SIG_SETMASK, &previous, nullptr);
  return result;
}

constexpr int kHistorySize = 1000;

struct EditLineDeleter {
  void operator()(EditLine* editLine) const { LineEditing().el_end(editLine); }
};
struct HistoryDeleter {
  void operator()(History* past) const { LineEditing().history_end(past); }
};

char* Prompt(EditLine*) {
  static char prompt[] = "inspect> ";
  return prompt;
}

void Warn(std::string const& message) {
  std::fputs(("inspect: " + message + "\n").c_str(), stderr);
}

// The history file, kept only while it can be: it must be a regular file (reading a
// FIFO or a device would block or never end), and the first failure to save it is
// reported once, after which the session goes on without saving.
class HistoryFile {
 public:
  explicit HistoryFile(std::optional<std::filesystem::path> const& path) {
    if (!path) return;
    std::error_code error;
    auto const status = std::filesystem::status(*path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
      Warn("the history file " + path->string() + " is not a regular file; history is not kept");
      return;
    }
    name_ = path->string();
  }

  void Load(History* past) const {
    if (name_.empty()) return;
    HistEvent event;
    LineEditing().history(past, &event, H_LOAD, name_.c_str());  // a missing file is no history yet
  }

  void Save(History* past) {
    if (name_.empty()) return;
    HistEvent event;
    if (LineEditing().history(past, &event, H_SAVE, name_.c_str()) < 0) {
      Warn("cannot write the history file " + name_ + "; history is not kept");
      name_.clear();
    }
  }

 private:
  std::string name_;
};

}  // namespace

std::optional<std::filesystem::path> DefaultHistoryFile() {
  char const* home = std::getenv("HOME");
  if (!home || !*home) {
    passwd const* entry = getpwuid(getuid());
    if (!entry || !entry->pw_dir || !*entry->pw_dir) return std::nullopt;
    home = entry->pw_dir;
  }
  return std::filesystem::path(home) / ".inspect_history";
}

bool RunInteractive(QueryRunner& runner, std::optional<std::filesystem::path> const& historyFile) {
  LineEditingLibrary const& edit = LineEditing();
  if (!edit.Loaded()) {
    Warn("cannot start line editing: " + edit.error);
    return false;
  }
  std::unique_ptr<History, HistoryDeleter> past(edit.history_init());
  std::unique_ptr<EditLine, EditLineDeleter> editLine(
      edit.el_init("inspect", stdin, stdout, stderr));
  if (!past || !editLine) {
    Warn("cannot start line editing");
    return false;
  }
  HistEvent event;
  edit.history(past.get(), &event, H_SETSIZE, kHistorySize);
  edit.history(past.get(), &event, H_SETUNIQUE, 1);
  HistoryFile file(historyFile);
  file.Load(past.get());

  edit.el_set(editLine.get(), EL_EDITOR, "emacs");
  edit.el_set(editLine.get(), EL_SIGNAL, 1);
  edit.el_set(editLine.get(), EL_PROMPT, &Prompt);
  edit.el_set(editLine.get(), EL_HIST, edit.history, past.get());
  edit.el_set(editLine.get(), EL_GETCFN, &ReadKey);
  edit.el_source(editLine.get(), nullptr);  // the user's ~/.editrc, if any

  InterruptHandler onInterrupt;
  while (!runner.outputClosed()) {
    interrupted = 0;
    int count = 0;
    char const* text = edit.el_gets(editLine.get(), &count);
    if (interrupted) {
      // The line is dropped (the next call starts an empty one) and the prompt comes
      // again on a line of its own.
      std::fputc('\n', stdout);
      continue;
    }
    if (!text || count <= 0) break;
    std::string line(text, static_cast<std::size_t>(count));
    auto query = QueryOnLine(line);
    if (!query) continue;
    edit.history(past.get(), &event, H_ENTER, std::string(*query).c_str());
    file.Save(past.get());
    runner.Run(*query);
  }
  std::fputc('\n', stdout);
  return true;
}

}  // namespace inspect
