#include "platform/file_location.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "foundation/exceptions.h"
#include "platform/file_item.h"

namespace MacintoshPlatform {
namespace {

// An absolute lexical path being built one component at a time.
class PathBuilder {
 public:
  explicit PathBuilder(std::string start) : path_(std::move(start)) {}

  void Enter(std::string_view name) {
    if (path_.size() > 1) path_ += '/';
    path_ += name;
  }
  // Up one folder; the root stays the root.
  void Leave() {
    std::size_t const slash = path_.rfind('/');
    path_.erase(slash == 0 ? 1 : slash);
  }
  // The path, unless it is too long to use.
  std::optional<std::string> Finish() && {
    if (path_.size() > kLongestPath) return std::nullopt;
    return std::move(path_);
  }

 private:
  std::string path_;
};

// Calls `each` with every piece of `text` between separators, and whether it is the
// last piece.
template <class Each>
void ForEachPiece(std::string_view text, char separator, Each&& each) {
  for (;;) {
    std::size_t const end = text.find(separator);
    bool const last = end == std::string_view::npos;
    each(text.substr(0, end), last);
    if (last) return;
    text.remove_prefix(end + 1);
  }
}

std::optional<std::string> POSIXPathOf(std::string_view text, std::string const& base) {
  PathBuilder path(text.front() == '/' ? std::string("/") : base);
  ForEachPiece(text, '/', [&](std::string_view piece, bool) {
    if (piece.empty() || piece == ".") return;
    if (piece == "..") {
      path.Leave();
    } else {
      path.Enter(piece);
    }
  });
  return std::move(path).Finish();
}

// An HFS path: a name without any ':' is relative, as is a path that begins with
// ':'; otherwise the text before the first ':' names the volume, which is the root.
std::optional<std::string> HFSPathOf(std::string_view text, std::string const& base) {
  std::size_t const colon = text.find(':');
  bool const relative = colon == std::string_view::npos || colon == 0;
  std::string_view const rest = colon == std::string_view::npos ? text : text.substr(colon + 1);
  PathBuilder path(relative ? base : std::string("/"));
  bool valid = true;
  ForEachPiece(rest, ':', [&](std::string_view piece, bool last) {
    if (piece.empty()) {
      // A ':' right after a ':' goes up; a ':' at the end only marks a folder.
      if (!last) path.Leave();
    } else if (piece == "." || piece == "..") {
      valid = false;  // an HFS name that no POSIX name can stand for
    } else {
      std::string name(piece);
      for (char& c : name) {
        if (c == '/') c = ':';
      }
      path.Enter(name);
    }
  });
  if (!valid) return std::nullopt;
  return std::move(path).Finish();
}

// The process's current folder, or nothing when it cannot be read.
std::optional<std::string> CurrentFolder() {
  std::string buffer(kLongestPath + 1, '\0');
  if (::getcwd(buffer.data(), buffer.size()) == nullptr || buffer[0] != '/') return std::nullopt;
  buffer.resize(buffer.find('\0'));
  return buffer;
}

bool Usable(std::string_view text) noexcept {
  return !text.empty() && text.find('\0') == std::string_view::npos;
}

bool IsRelative(std::string_view text, PathStyle style) noexcept {
  if (style == PathStyle::kPOSIX) return text.front() != '/';
  std::size_t const colon = text.find(':');
  return colon == std::string_view::npos || colon == 0;
}

std::optional<std::string> PathOf(std::string_view text, PathStyle style, std::string const& base) {
  return style == PathStyle::kHFS ? HFSPathOf(text, base) : POSIXPathOf(text, base);
}

enum class Presence { kAbsent, kUnreadable, kPresent };

Presence StatusOfItself(std::string const& path, struct stat& status) noexcept {
  if (::fstatat(AT_FDCWD, path.c_str(), &status, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT) == 0) {
    return Presence::kPresent;
  }
  return errno == ENOENT || errno == ENOTDIR ? Presence::kAbsent : Presence::kUnreadable;
}

}  // namespace

FileLocation::FileLocation(FileLocation const& parent, FileName const& name) {
  if (parent.Empty()) throw InvalidParentURL();
  if (name.Empty()) throw inspectors::IllegalFileNameLength();
  PathBuilder path(parent.path_);
  path.Enter(name.View());
  std::optional<std::string> child = std::move(path).Finish();
  if (!child) throw inspectors::CFURLCreateCopyAppendingPathComponentFailed();
  path_ = std::move(*child);
}

FileLocation::FileLocation(FileLocation const& parent, char const* name)
    : FileLocation(parent, NearestFileName(name == nullptr ? "" : name)) {}

FileLocation FileLocation::Parent() const {
  if (IsRoot()) throw inspectors::RootHasNoParent();
  if (Empty()) throw InvalidParentURL();
  PathBuilder path(path_);
  path.Leave();
  return FileLocation(*std::move(path).Finish());
}

std::string const& FileLocation::POSIXPath() const {
  if (Empty()) throw FullPathFailed();
  return path_;
}

FileName FileLocation::Name() const {
  if (Empty() || IsRoot()) throw inspectors::IllegalFileNameLength();
  return ExactFileName(std::string_view(path_).substr(path_.rfind('/') + 1));
}

bool FileLocation::Exists() const noexcept {
  struct stat status {};
  return !Empty() && StatusOfItself(path_, status) == Presence::kPresent;
}

bool FileLocation::IsDirectory() const {
  if (Empty()) return false;
  try {
    MacFileInfo const info = ReadFileInfo(AT_FDCWD, path_.c_str());
    return info.valid && info.directory;
  } catch (...) {
    return false;
  }
}

bool FileLocation::IsSymLink() const {
  struct stat status {};
  switch (Empty() ? Presence::kAbsent : StatusOfItself(path_, status)) {
    case Presence::kAbsent:
      throw inspectors::FileNotFoundError();
    case Presence::kUnreadable:
      return false;
    case Presence::kPresent:
      break;
  }
  return S_ISLNK(status.st_mode);
}

bool FileLocation::IsAlias() const {
  if (!Exists()) throw inspectors::FileNotFoundError();
  return false;
}

FileCode FileLocation::Type() const {
  if (!Exists()) throw inspectors::FailedToGetFileItem();
  return FileCode{};
}

FileCode FileLocation::CreatorType() const {
  return Type();
}

FileLocation MakeFileLocation(char const* path, std::size_t length, PathStyle style) {
  std::string_view const text(path, path == nullptr ? 0 : length);
  if (!Usable(text)) throw inspectors::CFURLCreateWithFileSystemPathFailed();
  std::optional<std::string> base;
  if (IsRelative(text, style)) {
    base = CurrentFolder();
    if (!base) throw inspectors::CFURLCreateWithFileSystemPathFailed();
  }
  std::optional<std::string> made = PathOf(text, style, base ? *base : std::string());
  if (!made) throw inspectors::CFURLCreateWithFileSystemPathFailed();
  return FileLocation(std::move(*made));
}

FileLocation MakeFileLocation(char const* path, PathStyle style) {
  return MakeFileLocation(path, path == nullptr ? 0 : std::char_traits<char>::length(path), style);
}

FileLocation MakeRelativeFileLocation(FileLocation const& base, char const* path,
                                      std::size_t length, PathStyle style) {
  std::string_view const text(path, path == nullptr ? 0 : length);
  if (!Usable(text) || (IsRelative(text, style) && base.Empty())) {
    throw inspectors::CFURLCreateWithFileSystemPathRelativeToBaseFailed();
  }
  std::optional<std::string> made = PathOf(text, style, base.path_);
  if (!made) throw inspectors::CFURLCreateWithFileSystemPathRelativeToBaseFailed();
  return FileLocation(std::move(*made));
}

}  // namespace MacintoshPlatform
