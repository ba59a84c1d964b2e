// The "file" unit: the type, a file of a folder by name, a sibling file, and the
// cast of a filesystem object to a file.
#pragma once

#include "framework/contract/evaluator.h"
#include "inspectors/files/filesystem_object.h"

namespace inspectors {

// In order: the path's bytes, the length and the resource length as 8 bytes each,
// the creation and the modification time. A file whose path, length or times change
// fingerprints differently.
Fingerprinter& operator<<(Fingerprinter& f, file const& value);

// The child `name` of the folder; a folder there has no value, nor does nothing.
file file_of(unsigned char const* name, unsigned long length, folder const& parent);
// The same in the object's parent folder.
file sibling_file_of(unsigned char const* name, unsigned long length,
                     filesystem_object const& object);
// The object as a file; a folder has no value.
file asFile(filesystem_object const& object);

}  // namespace inspectors
