// Where `inspect` finds the inspector library to load.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace inspect {

inline constexpr char const* kLibraryFileName = "libinspectors.so";
inline constexpr char const* kLibraryVariable = "INSPECTORS_LIBRARY";

// No library was named and none was found; the message lists where it was looked for.
class LibraryNotFound : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct LibraryChoice {
  std::filesystem::path path;
  std::string origin;  // "--library", "INSPECTORS_LIBRARY" or "found"
};

// The places looked at when no library is named, best first: next to the program,
// then ../lib from it, then next to the loaded libevaluator.
std::vector<std::filesystem::path> DefaultLibraryCandidates();

// An explicitly named library (option, then environment variable; an empty variable
// counts as unset) is taken as is, so that loading it reports its own error; otherwise
// the first existing candidate. Throws LibraryNotFound.
LibraryChoice ChooseLibrary(std::optional<std::string> const& option, char const* environmentValue,
                            std::vector<std::filesystem::path> const& candidates);

}  // namespace inspect
