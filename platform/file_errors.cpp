#include "platform/file_errors.h"

#include <cerrno>

#include "foundation/exceptions.h"
#include "foundation/os_error.h"

namespace MacintoshPlatform {

void ThrowStatusError(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      throw inspectors::FilePermissionError();
    case ENAMETOOLONG:
      throw inspectors::BadFileNameError();
    default:
      throw inspectors::FileError(error);
  }
}

void ThrowOpeningError(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      throw inspectors::FilePermissionError();
    case ENOENT:
      throw inspectors::FileNotFoundError();
    case ENOTDIR:
      throw inspectors::DirectoryNotFoundError();
    case ENAMETOOLONG:
      throw inspectors::BadFileNameError();
    case EISDIR:
      throw inspectors::NotAFileError(error);
    case ETXTBSY:
      throw inspectors::FileBusyError();
    default:
      throw inspectors::FileIOError();
  }
}

void ThrowReadingError(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      throw inspectors::FilePermissionError();
    default:
      throw inspectors::FileIOError();
  }
}

}  // namespace MacintoshPlatform
