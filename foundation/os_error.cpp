#include "foundation/os_error.h"

#include "foundation/debugging.h"

namespace inspectors {
namespace {

std::string ErrorTag(OSStatusCode code) {
  return ";error #" + std::to_string(code);
}

}  // namespace

OSError& OSError::operator=(OSStatusCode code) noexcept {
  if (code_ == 0) code_ = code;
  return *this;
}

OSError& OSError::operator=(OSError const& other) noexcept {
  if (this != &other) *this = other.code_;
  return *this;
}

void OSError::Fix(OSStatusCode code) noexcept {
  if (code_ == code) code_ = 0;
}

void OSError::Debug() const {
  Debug(code_);
}

void OSError::Debug(OSStatusCode code) {
  if (code != 0) AnnounceError(code);
}

void OSError::AnnounceError(OSStatusCode code) {
  MacintoshPlatform::DebugMessage::Show(ErrorAnnouncement(code));
}

void OSError::AnnounceCancellation(OSStatusCode lost, OSStatusCode kept) {
  MacintoshPlatform::DebugMessage::Show(CancellationAnnouncement(lost, kept));
}

void OSError::AnnounceDuplication(OSStatusCode code) {
  MacintoshPlatform::DebugMessage::Show(DuplicationAnnouncement(code));
}

void OSError::AnnounceDestruction(OSStatusCode code) {
  MacintoshPlatform::DebugMessage::Show(DestructionAnnouncement(code));
}

void ThrowRealOSError(OSStatusCode code) {
  if (code == kMemoryFullCode) throw MemoryFullError(code);
  throw OSError(code);
}

std::string ErrorAnnouncement(OSStatusCode code) {
  return ErrorTag(code);
}

std::string CancellationAnnouncement(OSStatusCode lost, OSStatusCode kept) {
  return "Error " + std::to_string(lost) + " lost in favor of " + std::to_string(kept) + ". " +
         ErrorTag(lost) + ErrorTag(kept);
}

std::string DuplicationAnnouncement(OSStatusCode code) {
  return "Error " + std::to_string(code) + " duplicated. " + ErrorTag(code);
}

std::string DestructionAnnouncement(OSStatusCode code) {
  return "Error " + std::to_string(code) + " destroyed. " + ErrorTag(code);
}

}  // namespace inspectors
