// UTF-16 to UTF-8 transcoding for text the platform hands over in UTF-16 code
// units. Surrogate pairs become one four-byte sequence; an unpaired surrogate
// (including a high surrogate left at the end) throws `InvalidTextEncoding`.
// A pair may be split across two Receive calls.
//
// std::string stands in for an owned UTF-8 string and std::string_view for a
// reference to one.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "foundation/data_streams.h"

namespace inspectors {

struct UTF8 {
  using CodeUnit = char;
};
struct UTF16 {
  using CodeUnit = char16_t;
};

// A consumer of text in code units of encoding E.
template <class E>
class UTextReceiver {
 public:
  using CodeUnit = typename E::CodeUnit;
  virtual ~UTextReceiver() = default;
  virtual void Start() {}
  virtual void Receive(std::span<CodeUnit const> units) = 0;
  virtual void ReceiveEnd() {}
};

template <class To, class From>
class StreamTranscoder;

// Receives UTF-16 and hands UTF-8 to a `DataReceiver`, passing Start and
// ReceiveEnd on.
template <>
class StreamTranscoder<UTF8, UTF16> : public UTextReceiver<UTF16> {
 public:
  explicit StreamTranscoder(DataReceiver& out) noexcept : out_(out) {}

  void Start() override;
  void Receive(std::span<char16_t const> units) override;
  void ReceiveEnd() override;

 private:
  DataReceiver& out_;
  char16_t pendingHigh_ = 0;  // a high surrogate whose partner has not arrived yet
};

template <class To, class From>
using GenericTranscoder = StreamTranscoder<To, From>;

// Collects received bytes into an owned string.
class UStringBuilder : public DataReceiver {
 public:
  void Start() override { text_.clear(); }
  void Receive(ConstData data) override { text_.append(data.AsStringView()); }
  std::string const& Text() const noexcept { return text_; }
  std::string Take() noexcept { return std::move(text_); }

 private:
  std::string text_;
};

// The whole of `text` transcoded.
std::string UTF8FromUTF16(std::u16string_view text);

}  // namespace inspectors
