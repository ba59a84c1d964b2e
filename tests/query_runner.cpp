// Runs end-to-end query files: every entry's query goes through a Session, and its
// values, type or error are compared with what the file expects.
//
//   query_runner [--library PATH | --no-library] FILE...
//
// Without --library the runner loads libinspectors.so from the library directory beside
// its own (bin/../lib, as installed).
// The file format is described in docs/query-files.md.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/embedding/embedding.h"

namespace {

struct Entry {
  std::string file;
  std::size_t line = 0;
  std::string query;
  std::vector<std::string> values;  // "= " lines
  std::optional<std::string> type;  // ": " line
  std::vector<std::string> errors;  // "! " lines
};

// The rest of a line after its two-character marker ("= ", "> ", ...).
std::string Rest(std::string const& line) {
  if (line.size() <= 1) return {};
  return line.substr(line[1] == ' ' ? 2 : 1);
}

bool ReadFile(std::string const& path, std::vector<Entry>& entries) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << path << ": cannot be read\n";
    return false;
  }
  std::string line;
  std::size_t number = 0;
  bool ok = true;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    char const marker = line[0];
    if (marker == '>') {
      entries.push_back(Entry{path, number, Rest(line), {}, std::nullopt, {}});
      continue;
    }
    if (entries.empty() || entries.back().file != path) {
      std::cerr << path << ":" << number << ": a line before the first query\n";
      ok = false;
      continue;
    }
    Entry& e = entries.back();
    if (marker == '=') {
      e.values.push_back(Rest(line));
    } else if (marker == ':') {
      e.type = Rest(line);
    } else if (marker == '!') {
      e.errors.push_back(Rest(line));
    } else {
      std::cerr << path << ":" << number << ": unknown line: " << line << "\n";
      ok = false;
    }
  }
  return ok;
}

std::string Join(std::vector<std::string> const& items) {
  std::string out;
  for (auto const& item : items) out += "\n      " + item;
  return out.empty() ? " (nothing)" : out;
}

// What went wrong with an entry, empty when it passed.
std::string Check(Entry const& e, evaluator::Result const& r) {
  std::vector<std::string> actual;
  for (auto const& v : r.values) actual.push_back(v.text);
  std::string const error = r.error ? r.error->message : std::string();
  if (!e.errors.empty()) {
    if (!r.error) return "expected an error:" + Join(e.errors) + "\n    got values:" + Join(actual);
    for (auto const& text : e.errors) {
      if (error.find(text) == std::string::npos) {
        return "expected an error containing: " + text + "\n    got the error: " + error;
      }
    }
    return {};
  }
  if (r.error) return "expected:" + Join(e.values) + "\n    got the error: " + error;
  if (actual != e.values) return "expected:" + Join(e.values) + "\n    got:" + Join(actual);
  if (e.type && *e.type != r.type) return "expected the type " + *e.type + ", got " + r.type;
  return {};
}

std::filesystem::path OwnDirectory() {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<std::filesystem::path> library =
      (OwnDirectory() / INSPECTORS_BIN_TO_LIB / "libinspectors.so").lexically_normal();
  std::vector<std::string> files;
  bool usable = true;
  for (int i = 1; i < argc; ++i) {
    std::string const arg = argv[i];
    if (arg == "--no-library") {
      library.reset();
    } else if (arg == "--library" && i + 1 < argc) {
      library = argv[++i];
    } else {
      usable = usable && !arg.starts_with('-');
      files.push_back(arg);
    }
  }
  if (!usable || files.empty()) {
    std::cerr << "usage: query_runner [--library PATH | --no-library] FILE...\n";
    return 2;
  }

  std::unique_ptr<evaluator::Library> loaded;
  if (library) {
    try {
      loaded = std::make_unique<evaluator::Library>(*library);
    } catch (std::exception const& e) {
      std::cerr << "query_runner: " << e.what() << "\n";
      return 2;
    }
  }

  std::vector<Entry> entries;
  bool readable = true;
  for (auto const& f : files) readable = ReadFile(f, entries) && readable;

  evaluator::Session session;
  std::size_t passed = 0;
  std::size_t failed = 0;
  for (auto const& e : entries) {
    evaluator::Result const r = session.Evaluate(e.query);
    std::string const problem = Check(e, r);
    if (problem.empty()) {
      ++passed;
    } else {
      ++failed;
      std::cout << e.file << ":" << e.line << ": " << e.query << "\n    " << problem << "\n";
    }
  }
  if (loaded) {
    for (auto const& left : loaded->Unload()) {
      std::cout << "left registered after unloading: " << left << "\n";
      ++failed;
    }
  }
  std::cout << passed << " passed, " << failed << " failed\n";
  return failed == 0 && readable ? 0 : 1;
}
