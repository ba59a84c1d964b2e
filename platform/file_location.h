// File locations: where an item of the file system is, or would be, as an absolute
// path. Making a location resolves nothing and checks nothing on disk; the tests of
// what is there (`Exists`, `IsDirectory`, `IsSymLink`) read the file system each
// time they are asked.
//
// A location's path is absolute and lexical: no empty, "." or ".." component and no
// '/' at the end (except the root "/"), at most `kLongestPath` bytes. ".." is taken
// away with the component before it, as in a URL, without looking at the disk, so
// "/a/link/.." is "/a" even where link points elsewhere.
//
// Paths come in two styles. POSIX paths are '/'-separated bytes. HFS paths are
// ':'-separated and begin with a volume name; this system has a single tree, so
// every volume name stands for "/" ("Disk:etc:hosts" is "/etc/hosts"). An HFS path
// that begins with ':' is relative, and each further ':' right after a ':' goes up
// one folder ("::a" is "../a"); a '/' inside an HFS name is ':' in the POSIX name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "platform/file_name.h"

namespace MacintoshPlatform {

enum class PathStyle : int { kPOSIX = 0, kHFS = 1 };

// The longest path a location holds, in bytes, without the terminating zero.
inline constexpr std::size_t kLongestPath = 4095;

// A four-byte code of a file's type or creator, which Linux does not keep: every
// file's codes are zero.
struct FileCode {
  unsigned char bytes[4] = {};
};

class FileLocation {
 public:
  // No location.
  FileLocation() = default;
  // The child `name` of `parent`. An empty parent throws `InvalidParentURL`; a path
  // longer than `kLongestPath` throws `CFURLCreateCopyAppendingPathComponentFailed`.
  FileLocation(FileLocation const& parent, FileName const& name);
  // The same, with the name made by `NearestFileName` from zero-terminated text.
  FileLocation(FileLocation const& parent, char const* name);

  bool Empty() const noexcept { return path_.empty(); }

  // The location without its last component; the root throws `RootHasNoParent`.
  FileLocation Parent() const;
  bool IsRoot() const noexcept { return path_ == "/"; }
  // The path; an empty location throws `FullPathFailed`.
  std::string const& POSIXPath() const;
  // The last component; the root throws `IllegalFileNameLength`.
  FileName Name() const;

  // Whether something is there (a symbolic link counts, whatever it points to).
  // Never throws.
  bool Exists() const noexcept;
  // Whether there is a folder there, or a symbolic link to one.
  bool IsDirectory() const;
  // Whether the item itself is a symbolic link. Nothing there throws
  // `FileNotFoundError`; an item whose status cannot be read is not a link.
  bool IsSymLink() const;
  // This system has no alias files: false for every item; nothing there throws
  // `FileNotFoundError`.
  bool IsAlias() const;
  bool IsLink() const { return IsSymLink() || IsAlias(); }
  // Zero codes for every item (see FileCode).
  FileCode Type() const;
  FileCode CreatorType() const;

  // The same path text, byte for byte.
  friend bool operator==(FileLocation const& a, FileLocation const& b) noexcept {
    return a.path_ == b.path_;
  }

 private:
  friend FileLocation MakeFileLocation(char const*, std::size_t, PathStyle);
  friend FileLocation MakeRelativeFileLocation(FileLocation const&, char const*, std::size_t,
                                               PathStyle);
  explicit FileLocation(std::string path) noexcept : path_(std::move(path)) {}

  std::string path_;
};

// The location of path text in either style; relative text is taken from the
// process's current folder. Empty text, a NUL byte, a path that would be longer
// than `kLongestPath`, "." or ".." as an HFS name, and a current folder that cannot
// be read throw `CFURLCreateWithFileSystemPathFailed`.
FileLocation MakeFileLocation(char const* path, std::size_t length, PathStyle style);
// The same for zero-terminated text.
FileLocation MakeFileLocation(char const* path, PathStyle style);
// The same with relative text taken from `base` (absolute text ignores it); failures
// throw `CFURLCreateWithFileSystemPathRelativeToBaseFailed`, and so does an empty base
// with relative text.
FileLocation MakeRelativeFileLocation(FileLocation const& base, char const* path,
                                      std::size_t length, PathStyle style);

}  // namespace MacintoshPlatform
