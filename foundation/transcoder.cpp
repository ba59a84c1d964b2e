#include "foundation/transcoder.h"

#include <cstdint>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

constexpr bool IsHighSurrogate(char32_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

// Appends the UTF-8 form of a scalar value; returns the byte count.
std::size_t EncodeUTF8(char32_t c, byte* out) {
  if (c < 0x80) {
    out[0] = static_cast<byte>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<byte>(0xC0 | (c >> 6));
    out[1] = static_cast<byte>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c < 0x10000) {
    out[0] = static_cast<byte>(0xE0 | (c >> 12));
    out[1] = static_cast<byte>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<byte>(0x80 | (c & 0x3F));
    return 3;
  }
  out[0] = static_cast<byte>(0xF0 | (c >> 18));
  out[1] = static_cast<byte>(0x80 | ((c >> 12) & 0x3F));
  out[2] = static_cast<byte>(0x80 | ((c >> 6) & 0x3F));
  out[3] = static_cast<byte>(0x80 | (c & 0x3F));
  return 4;
}

}  // namespace

void StreamTranscoder<UTF8, UTF16>::Start() {
  pendingHigh_ = 0;
  out_.Start();
}

void StreamTranscoder<UTF8, UTF16>::Receive(std::span<char16_t const> units) {
  constexpr std::size_t kChunk = 256;
  byte chunk[kChunk + 4];
  std::size_t used = 0;
  for (char16_t const unit : units) {
    char32_t scalar = unit;
    if (pendingHigh_ != 0) {
      if (!IsLowSurrogate(unit)) throw InvalidTextEncoding();
      scalar = 0x10000 + ((char32_t{pendingHigh_} - 0xD800) << 10) + (char32_t{unit} - 0xDC00);
      pendingHigh_ = 0;
    } else if (IsHighSurrogate(unit)) {
      pendingHigh_ = unit;
      continue;
    } else if (IsLowSurrogate(unit)) {
      throw InvalidTextEncoding();
    }
    used += EncodeUTF8(scalar, chunk + used);
    if (used >= kChunk) {
      out_.Receive(ConstData(chunk, used));
      used = 0;
    }
  }
  if (used != 0) out_.Receive(ConstData(chunk, used));
}

void StreamTranscoder<UTF8, UTF16>::ReceiveEnd() {
  if (pendingHigh_ != 0) throw InvalidTextEncoding();
  out_.ReceiveEnd();
}

std::string UTF8FromUTF16(std::u16string_view text) {
  UStringBuilder builder;
  StreamTranscoder<UTF8, UTF16> transcoder(builder);
  transcoder.Start();
  transcoder.Receive(text);
  transcoder.ReceiveEnd();
  return builder.Take();
}

}  // namespace inspectors
