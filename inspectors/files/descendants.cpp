#include "inspectors/files/descendants.h"

#include "framework/inspector.h"

namespace inspectors {
namespace {

using Flags = descendant_iterator::DescendAndAddFlags;

// The snapshots say whether an item is a link: the listing took them moments ago,
// and StartInside refuses a link whatever they say.
Flags DescendantFileFilter(FileItem const& item) {
  if (!item.IsDirectory()) return descendant_iterator::kDeliver;
  return item.IsSymbolicLink() ? descendant_iterator::kSkip : descendant_iterator::kDescend;
}

Flags DescendantFolderFilter(FileItem const& item) {
  if (!item.IsDirectory()) return descendant_iterator::kSkip;
  if (item.IsSymbolicLink()) return descendant_iterator::kDeliver;
  return static_cast<Flags>(descendant_iterator::kDeliver | descendant_iterator::kDescend);
}

}  // namespace

void descendant_iterator::Start(folder const& top) {
  loops_.clear();
  loops_.emplace_back(top.item.Location());
}

template <class Filter>
FileItem descendant_iterator::NextWithFilter(Filter const& filter) {
  while (!loops_.empty()) {
    if (loops_.back().Finished()) {
      loops_.pop_back();
    } else {
      FileItem const& item = *loops_.back();
      Flags const flags = filter(item);
      FileItem delivered;
      if (flags & kDeliver) delivered = item;
      // A folder that may not be read is not walked, and one whose listing fails
      // part way (a process's folder under /proc when the process ends) ends there:
      // the rest of the tree is still walked. A loop that fails is finished.
      FileLoop inside;
      if (flags & kDescend) {
        try {
          inside.StartInside(loops_.back());
        } catch (FilePermissionError const&) {
        } catch (MacintoshPlatform::FileLoopFailed const&) {
        }
      }
      try {
        ++loops_.back();
      } catch (MacintoshPlatform::FileLoopFailed const&) {
      }
      if (!inside.Finished()) loops_.push_back(std::move(inside));
      if (flags & kDeliver) return delivered;
    }
    Check_For_Inspector_Interruption();
  }
  throw NoSuchObject();
}

file descendant_iterator::First(Of, folder const& top) {
  Start(top);
  return Next(Of{}, top);
}
file descendant_iterator::Next(Of, folder const&) {
  return {{NextWithFilter(DescendantFileFilter)}};
}
folder descendant_iterator::FirstFolder(Of, folder const& top) {
  Start(top);
  return NextFolder(Of{}, top);
}
folder descendant_iterator::NextFolder(Of, folder const&) {
  return {{NextWithFilter(DescendantFolderFilter)}};
}

folder ancestor_iterator::First(Of, filesystem_object const& object) {
  last_ = object.item.Location().Parent();
  return {{FileItem(last_)}};
}

folder ancestor_iterator::Next(Of, filesystem_object const&) {
  if (last_.IsRoot()) throw NoSuchObject();
  last_ = last_.Parent();
  return {{FileItem(last_)}};
}

namespace {

using Descendants = descendant_iterator;

Prop const descendants("descendant", "descendants", &Descendants::First, &Descendants::Next,
                       kDependsOnMachineState);
Prop const descendantFolders("descendant folder", "descendant folders", &Descendants::FirstFolder,
                             &Descendants::NextFolder, kDependsOnMachineState);
Prop const ancestors("ancestor", "ancestors", &ancestor_iterator::First, &ancestor_iterator::Next,
                     kDependsOnMachineState);

}  // namespace

}  // namespace inspectors
