// The exceptions that the file layer's system calls fail with, by error number.
#pragma once

namespace MacintoshPlatform {

// Reading an item's status: permission denied is `FilePermissionError`, a name or
// path too long `BadFileNameError`, anything else `FileError` with the number.
[[noreturn]] void ThrowStatusError(int error);

// Opening a file to read it, or asking its length: `FilePermissionError`,
// `FileNotFoundError`, `DirectoryNotFoundError` (a component of the path is not a
// folder), `BadFileNameError`, `NotAFileError` (a folder), `FileBusyError`, and
// `FileIOError` for anything else.
[[noreturn]] void ThrowOpeningError(int error);

// Reading a file's data: `FilePermissionError`, and `FileIOError` for anything
// else, input/output errors and a file that has no data ready included.
[[noreturn]] void ThrowReadingError(int error);

}  // namespace MacintoshPlatform
