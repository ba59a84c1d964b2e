// Where versions come from: a file's version resource, an application bundle's
// information keys, and the operating system's product version.
#pragma once

#include "framework/contract/evaluator.h"
#include "inspectors/files/filesystem_object.h"
#include "inspectors/system/version.h"

namespace inspectors {

// Version resources do not exist on this system: every file has none.
inspector_version numbered_version_of_file(integer const& n, Of, file const& f);
inspector_version version_of_file(Of, file const& f);

// A bundle's version: its CFBundleVersion packed into a NumVersion, without stage
// and build, when that is not 0; else its CFBundleShortVersionString read as text.
// A folder that is gone throws `CFBundleCreateFailed`; one without the key has no value.
inspector_version VersionOfFolder(Of, folder const& f);
inspector_version VersionOfObject(Of, filesystem_object const& o);
// The same with the packed number kept whole; else CFBundleVersion read as text.
inspector_version BundleVersionOfFolder(Of, folder const& f);
// A file has no bundle version.
inspector_version BundleVersionOfObject(Of, filesystem_object const& o);

// The product version of the operating system (os-release's VERSION_ID); none
// when it cannot be read.
inspector_version sys_version_of();

}  // namespace inspectors
