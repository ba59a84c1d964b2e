// Every file or folder below a folder, depth first and never through a link, and
// the folders above a filesystem object up to the root.
#pragma once

#include <cstdint>
#include <vector>

#include "inspectors/files/file.h"
#include "inspectors/files/folder.h"

namespace inspectors {

// A walk down a tree: one listing a level, the deepest last, each level opened
// inside the one above it (FileLoop::StartInside), so that the walk never follows a
// link and never leaves the tree. A folder's subtree comes right after the folder's
// own turn, before its next sibling; each folder lists in the file system's order.
// A folder that may not be read (permission denied) is not walked, one whose
// listing fails part way ends there, and the walk goes on. The evaluator's interruption check runs after every step that delivers
// nothing.
class descendant_iterator {
 public:
  // What a filter answers for one item.
  enum DescendAndAddFlags : std::uint8_t { kSkip = 0, kDescend = 1, kDeliver = 2 };

  // Every file below the folder; folders are walked, not delivered, and links to
  // folders are neither.
  file First(Of, folder const& top);
  file Next(Of, folder const& top);
  // Every folder below the folder, links to folders included (but not walked).
  folder FirstFolder(Of, folder const& top);
  folder NextFolder(Of, folder const& top);

 private:
  void Start(folder const& top);
  template <class Filter>
  FileItem NextWithFilter(Filter const& filter);

  std::vector<FileLoop> loops_;
};

// The folders above the object, from its parent up to the root. The root has no
// ancestors: asking for them fails with `RootHasNoParent`.
class ancestor_iterator {
 public:
  folder First(Of, filesystem_object const& object);
  folder Next(Of, filesystem_object const& object);

 private:
  FileLocation last_;
};

}  // namespace inspectors
