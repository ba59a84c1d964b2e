#include "foundation/lexemes.h"

namespace inspectors {
namespace {

// The length of the run of members of `set` at the front of `in`.
std::size_t RunLength(ConstData in, ByteSet const& set) noexcept {
  std::size_t n = 0;
  while (n < in.Length() && set.Contains(in[n])) ++n;
  return n;
}

TokenRange Extended(TokenRange token, std::size_t consumed) noexcept {
  return {token.begin, token.end + static_cast<unsigned long>(consumed)};
}

}  // namespace

void CharacterLexeme::Lex(TokenRange token, ConstBuffer& in) {
  if (token.Length() != 0) return;  // its one byte came in an earlier chunk
  byte const c = in.Get();
  acceptor_.AcceptCharacter(Extended(token, 1), c);
}

void CharacterLexeme::End(TokenRange) {}

void IgnoredTextLexeme::Lex(TokenRange, ConstBuffer& in) {
  in.Advance(RunLength(in, skipped_));
}

void IgnoredTextLexeme::End(TokenRange) {}

void NumeralLexeme::Start(unsigned long) {
  value_ = 0;
  overflow_ = false;
}

void NumeralLexeme::Lex(TokenRange token, ConstBuffer& in) {
  std::size_t const n = RunLength(in, digits_);
  for (std::size_t i = 0; i < n; ++i) {
    unsigned const digit = Ascii::HexDigitValue(in[i]);
    if (value_ < largest_ || (value_ == largest_ && digit <= lastDigit_)) {
      value_ = value_ * radix_ + digit;
    } else {
      overflow_ = true;
    }
  }
  in.Advance(n);
  if (!in.Empty()) Deliver(Extended(token, n));
}

void NumeralLexeme::End(TokenRange token) {
  Deliver(token);
}

void NumeralLexeme::Deliver(TokenRange token) {
  if (overflow_) {
    acceptor_.AcceptNumeralOverflow(token);
  } else {
    acceptor_.AcceptNumeral(token, value_);
  }
}

void FloatingPointNumeralLexeme::Start(unsigned long) {
  value_ = 0;
  scale_ = 1;
  after_point_ = false;
}

void FloatingPointNumeralLexeme::Lex(TokenRange, ConstBuffer& in) {
  while (!in.Empty()) {
    byte const c = in[0];
    if (c >= '0' && c <= '9') {
      double const digit = c - '0';
      if (after_point_) {
        scale_ /= 10;
        value_ += digit * scale_;
      } else {
        value_ = value_ * 10 + digit;
      }
    } else if (c == '.' && !after_point_) {
      after_point_ = true;
      scale_ = 1;
    } else {
      acceptor_.AcceptNumeral(value_);
      return;
    }
    in.Advance(1);
  }
}

void FloatingPointNumeralLexeme::End(TokenRange) {
  acceptor_.AcceptNumeral(value_);
}

void WordLexeme::Start(unsigned long) {
  buffer_.Reset();
}

void WordLexeme::Lex(TokenRange token, ConstBuffer& in) {
  std::size_t const n = RunLength(in, letters_);
  ConstData const run = in.Head(n);
  in.Advance(n);
  bool const ended = !in.Empty();
  TokenRange const whole = Extended(token, n);
  if (ended && filter_ == nullptr && token.Length() == 0) {
    // The whole word lies in this chunk: no copy, but the same bound.
    if (n < buffer_.GetBuffer().Length()) {
      acceptor_.AcceptWord(whole, run);
    } else {
      acceptor_.AcceptWordOverflow(whole);
    }
    return;
  }
  Append(run);
  if (ended) DeliverBuffered(whole);
}

void WordLexeme::End(TokenRange token) {
  DeliverBuffered(token);
}

void WordLexeme::Append(ConstData run) {
  ConstBuffer rest(run);
  Buffer& out = buffer_.GetBuffer();
  while (!rest.Empty() && !out.Empty()) {
    std::size_t const before = rest.Length() + out.Length();
    if (filter_ == nullptr) {
      rest = ConstBuffer(out.Write(rest));
    } else {
      (*filter_)(rest, out);
    }
    if (rest.Length() + out.Length() == before) break;  // a filter that cannot move
  }
}

void WordLexeme::DeliverBuffered(TokenRange token) {
  if (buffer_.Full()) {
    acceptor_.AcceptWordOverflow(token);
  } else {
    acceptor_.AcceptWord(token, buffer_.Used());
  }
}

}  // namespace inspectors
