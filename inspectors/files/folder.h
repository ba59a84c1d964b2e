// The "folder" unit: the type, a folder of a folder by name, a sibling folder, and
// the cast of a filesystem object to a folder.
#pragma once

#include "inspectors/files/filesystem_object.h"

namespace inspectors {

// The child `name` of the folder; anything but a folder there has no value.
folder folder_of(unsigned char const* name, unsigned long length, folder const& parent);
// The same in the object's parent folder.
folder sibling_folder_of(unsigned char const* name, unsigned long length,
                         filesystem_object const& object);
// The object as a folder; anything else has no value.
folder asFolder(filesystem_object const& object);

}  // namespace inspectors
