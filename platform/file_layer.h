// The file layer as the inspector modules see it: locations, items with their
// snapshots, folder listings, open files and readers, and file names. The inspector
// modules reach the file system through these and nothing else.
#pragma once

#include "platform/file_item.h"
#include "platform/file_location.h"
#include "platform/file_loop.h"
#include "platform/file_name.h"
#include "platform/file_reading.h"

namespace inspectors {

using MacintoshPlatform::FileCode;
using MacintoshPlatform::FileItem;
using MacintoshPlatform::FileLocation;
using MacintoshPlatform::FileLoop;
using MacintoshPlatform::FileName;
using MacintoshPlatform::FileReader;
using MacintoshPlatform::FileReadingPath;
using MacintoshPlatform::FileTime;
using MacintoshPlatform::PathStyle;

using MacintoshPlatform::ExactFileName;
using MacintoshPlatform::HasSuffix;
using MacintoshPlatform::MakeFileLocation;
using MacintoshPlatform::MakeRelativeFileLocation;
using MacintoshPlatform::MakeUTF8String;
using MacintoshPlatform::MicrosecondsSince1970;
using MacintoshPlatform::NearestFileName;

}  // namespace inspectors
