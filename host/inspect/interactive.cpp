#include "host/inspect/interactive.h"

#include <histedit.h>
#include <pwd.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace inspect {

namespace {

void CancelQuery(int) {
  evaluator::CancelRunningQuery();
}

// While a query runs, Ctrl-C cancels that query instead of ending the program.
class CancelOnInterrupt {
 public:
  CancelOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = &CancelQuery;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
  }
  ~CancelOnInterrupt() { sigaction(SIGINT, &previous_, nullptr); }
  CancelOnInterrupt(CancelOnInterrupt const&) = delete;
  CancelOnInterrupt& operator=(CancelOnInterrupt const&) = delete;

 private:
  struct sigaction previous_ {};
};

constexpr int kHistorySize = 1000;

struct EditLineDeleter {
  void operator()(EditLine* editLine) const { el_end(editLine); }
};
struct HistoryDeleter {
  void operator()(History* history) const { history_end(history); }
};

char* Prompt(EditLine*) {
  static char prompt[] = "inspect> ";
  return prompt;
}

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

void RunInteractive(QueryRunner& runner, std::optional<std::filesystem::path> const& historyFile) {
  std::unique_ptr<History, HistoryDeleter> past(history_init());
  std::unique_ptr<EditLine, EditLineDeleter> editLine(el_init("inspect", stdin, stdout, stderr));
  if (!past || !editLine) {
    std::fputs("inspect: cannot start line editing\n", stderr);
    return;
  }
  HistEvent event;
  history(past.get(), &event, H_SETSIZE, kHistorySize);
  history(past.get(), &event, H_SETUNIQUE, 1);
  std::string historyName = historyFile ? historyFile->string() : std::string();
  if (!historyName.empty()) history(past.get(), &event, H_LOAD, historyName.c_str());

  el_set(editLine.get(), EL_EDITOR, "emacs");
  el_set(editLine.get(), EL_SIGNAL, 1);
  el_set(editLine.get(), EL_PROMPT, &Prompt);
  el_set(editLine.get(), EL_HIST, history, past.get());
  el_source(editLine.get(), nullptr);  // the user's ~/.editrc, if any

  while (true) {
    int count = 0;
    char const* text = el_gets(editLine.get(), &count);
    if (!text || count <= 0) break;
    std::string line(text, static_cast<std::size_t>(count));
    auto query = QueryOnLine(line);
    if (!query) continue;
    history(past.get(), &event, H_ENTER, std::string(*query).c_str());
    if (!historyName.empty()) history(past.get(), &event, H_SAVE, historyName.c_str());
    CancelOnInterrupt cancelOnInterrupt;
    runner.Run(*query);
  }
  std::fputc('\n', stdout);
}

}  // namespace inspect
