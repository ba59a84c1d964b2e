// Platform result codes. An `OSError` holds one signed 32-bit code (0: no error)
// and keeps the first error it is given; it is thrown as is, or as `MemoryFullError`
// for the out-of-memory code, by `ThrowRealOSError`.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/exceptions.h"

namespace inspectors {

using OSStatusCode = std::int32_t;

// The platform's out-of-memory result code.
inline constexpr OSStatusCode kMemoryFullCode = -108;

class INSPECTORS_EXPORT OSError {
 public:
  constexpr OSError() noexcept = default;
  constexpr explicit OSError(OSStatusCode code) noexcept : code_(code) {}
  constexpr OSError(OSError const&) noexcept = default;

  // Records `code` only while no error is held: the first error stays.
  OSError& operator=(OSStatusCode code) noexcept;
  OSError& operator=(OSError const& other) noexcept;

  // The caller has handled exactly `code`: forget it if it is the one held.
  void Fix(OSStatusCode code) noexcept;

  constexpr OSStatusCode Code() const noexcept { return code_; }
  constexpr bool IsError() const noexcept { return code_ != 0; }

  // Announce the held (or given) code when it is an error.
  void Debug() const;
  static void Debug(OSStatusCode code);

  static void AnnounceError(OSStatusCode code);
  static void AnnounceCancellation(OSStatusCode lost, OSStatusCode kept);
  static void AnnounceDuplication(OSStatusCode code);
  static void AnnounceDestruction(OSStatusCode code);

 private:
  OSStatusCode code_ = 0;
};

class INSPECTORS_EXPORT MemoryError : public OSError {
  using OSError::OSError;
};
class INSPECTORS_EXPORT MemoryFullError : public MemoryError {
  using MemoryError::MemoryError;
};
class INSPECTORS_EXPORT FileError : public OSError {
  using OSError::OSError;
};
class INSPECTORS_EXPORT FileAccessError : public FileError {
  using FileError::FileError;
};
class INSPECTORS_EXPORT VolumeLockError : public FileAccessError {
  using FileAccessError::FileAccessError;
};
class INSPECTORS_EXPORT SoftwareVolumeLockError : public VolumeLockError {
  using VolumeLockError::VolumeLockError;
};
class INSPECTORS_EXPORT HardwareVolumeLockError : public VolumeLockError {
  using VolumeLockError::VolumeLockError;
};
class INSPECTORS_EXPORT NotAFileError : public FileError {
  using FileError::FileError;
};

// Throws `MemoryFullError` for the out-of-memory code, else a plain `OSError`;
// either carries the code.
[[noreturn]] void ThrowRealOSError(OSStatusCode code);

// The developer messages the Announce functions show.
std::string ErrorAnnouncement(OSStatusCode code);
std::string CancellationAnnouncement(OSStatusCode lost, OSStatusCode kept);
std::string DuplicationAnnouncement(OSStatusCode code);
std::string DestructionAnnouncement(OSStatusCode code);

}  // namespace inspectors
