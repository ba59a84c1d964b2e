// What a shared object file says about itself before it is loaded: whether it is a
// shared object for this machine, and which libraries it needs. Loading runs a
// library's code, so the loader reads this first.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace evaluator {

// The file is not a shared object this process could load; the message says why.
class NotASharedObject : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The names of the libraries the shared object at `path` needs (its DT_NEEDED
// entries), read from the file without loading it. Throws NotASharedObject for a file
// that is not a shared object of this machine's kind, and for one that cannot be read.
std::vector<std::string> NeededLibraries(std::filesystem::path const& path);

}  // namespace evaluator
