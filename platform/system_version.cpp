#include "platform/system_version.h"

#include <sys/utsname.h>

#include <fstream>
#include <sstream>

#include "foundation/exceptions.h"

namespace MacintoshPlatform {
namespace {

constexpr char const* kOSReleaseFiles[] = {"/etc/os-release", "/usr/lib/os-release"};

std::optional<std::string> ReadFile(char const* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(text).str();
}

std::string Unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') {
    return std::string(value.substr(1, value.size() - 2));
  }
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::string(value);
  value = value.substr(1, value.size() - 2);
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    char const c = value[i];
    if (c == '\\' && i + 1 < value.size()) {
      char const next = value[i + 1];
      if (next == '"' || next == '\\' || next == '$' || next == '`') {
        out += next;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace

std::optional<std::string> OSReleaseValue(std::string_view text, std::string_view key) {
  std::optional<std::string> found;
  while (!text.empty()) {
    std::size_t const end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
      line.remove_suffix(1);
    }
    std::size_t const equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos) continue;
    if (line.substr(0, equals) == key) found = Unquoted(line.substr(equals + 1));
  }
  return found;
}

SystemVersionRecord SystemVersionRecord::Load() {
  std::optional<std::string> text;
  for (char const* path : kOSReleaseFiles) {
    text = ReadFile(path);
    if (text) break;
  }
  if (!text) throw inspectors::FailedToLoadOSXVersionDictionary();
  struct utsname names {};
  if (::uname(&names) != 0) throw inspectors::FailedToLoadunameInformation();
  SystemVersionRecord record;
  record.productVersion_ = OSReleaseValue(*text, "VERSION_ID");
  record.machine_ = names.machine;
  record.kernelVersion_ = names.version;
  return record;
}

SystemVersionRecord const& SystemVersionRecord::The() {
  // Kept only once both sources were read; a failure leaves it for the next call.
  static std::optional<SystemVersionRecord> record;
  if (!record) record = Load();
  return *record;
}

std::string const& SystemVersionRecord::ProductVersion() const {
  if (!productVersion_) throw inspectors::FailedToGetStringValue();
  return *productVersion_;
}

}  // namespace MacintoshPlatform
