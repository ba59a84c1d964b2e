#include "host/inspect/library_path.h"

#include <link.h>

#include <string_view>
#include <system_error>

namespace inspect {
namespace {

std::optional<std::filesystem::path> ProgramDirectory() {
  std::error_code error;
  auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  return program.parent_path();
}

// The directory libevaluator was loaded from: installed, it is the library directory.
std::optional<std::filesystem::path> EvaluatorDirectory() {
  std::optional<std::filesystem::path> found;
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void* data) {
        std::string_view name = info->dlpi_name ? info->dlpi_name : "";
        if (std::filesystem::path(name).filename().string().starts_with("libevaluator.so")) {
          *static_cast<std::optional<std::filesystem::path>*>(data) =
              std::filesystem::path(name).parent_path();
          return 1;
        }
        return 0;
      },
      &found);
  return found;
}

}  // namespace

std::vector<std::filesystem::path> DefaultLibraryCandidates() {
  std::vector<std::filesystem::path> candidates;
  if (auto directory = ProgramDirectory()) {
    candidates.push_back(*directory / kLibraryFileName);
    candidates.push_back((*directory / ".." / "lib" / kLibraryFileName).lexically_normal());
  }
  if (auto directory = EvaluatorDirectory(); directory && !directory->empty()) {
    auto candidate = (*directory / kLibraryFileName).lexically_normal();
    bool known = false;
    for (auto const& c : candidates) known = known || c == candidate;
    if (!known) candidates.push_back(candidate);
  }
  return candidates;
}

LibraryChoice ChooseLibrary(std::optional<std::string> const& option, char const* environmentValue,
                            std::vector<std::filesystem::path> const& candidates) {
  if (option) return {*option, "--library"};
  if (environmentValue && *environmentValue) return {environmentValue, kLibraryVariable};
  std::string looked;
  for (auto const& candidate : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return {candidate, "found"};
    looked += (looked.empty() ? "" : ", ") + candidate.string();
  }
  throw LibraryNotFound(std::string("cannot find ") + kLibraryFileName +
                        " (looked in: " + (looked.empty() ? "nowhere" : looked) +
                        "); use --library PATH or set " + kLibraryVariable);
}

}  // namespace inspect
