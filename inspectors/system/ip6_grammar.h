// The reader of IPv6 address text: groups of one to four hexadecimal digits joined by
// ':', one "::" at most standing for one or more zero groups, and optionally an IPv4
// part of four dotted decimal octets in place of the last two groups:
//
//   2001:db8:0:0:0:0:0:1   2001:db8::1   ::   1::   ::ffff:192.0.2.1   192.0.2.1
//
// A bare dotted IPv4 text reads as its IPv4-mapped address. Zone identifiers ("%eth0")
// are not part of the form.
//
// Built on the lexer and parser framework: hex numerals and the operators ".", ":"
// and "::" are the tokens; the grammar's productions call the automaton, which keeps
// the numbers read and where "::" stood, and finishes the address.
#pragma once

#include <array>
#include <cstdint>

#include "foundation/keyword_lexemes.h"
#include "foundation/lexemes.h"
#include "foundation/parser.h"
#include "inspectors/system/ipv6_address.h"

namespace inspectors {

class IP6RPNSemantics;

struct IP6Language {
  // The numbers index the grammar's entries and appear in the operator table.
  enum PartOfSpeech {
    Numeral = 0,
    Dot = 1,
    Colon = 2,
    DoubleColon = 3,
    Segment = 4,     // groups joined by ':'
    Head = 5,        // groups, if any, and "::"
    Compressed = 6,  // a head and the groups after it
    Stop = 7,
  };
  static constexpr PartOfSpeech kEnd = Stop;

  static Grammar<IP6Language, IP6RPNSemantics> const& TheGrammar();
};

// The actions of the grammar's productions.
class IP6RPNSemantics {
 public:
  virtual ~IP6RPNSemantics() = default;
  virtual void Reset() = 0;
  // A group, or an octet of the IPv4 part read as hexadecimal, with the count of its
  // digits.
  virtual void PushNumber(std::uint16_t value, std::uint8_t digits) = 0;
  // "::" stands after the numbers read so far.
  virtual void PushZeroes() = 0;
  virtual void FinishWithIP4() = 0;
  virtual void Finish() = 0;
  virtual void FinishCompressedWithIP4() = 0;
  virtual void FinishCompressed() = 0;

 protected:
  IP6RPNSemantics() = default;
  IP6RPNSemantics(IP6RPNSemantics const&) = default;
  IP6RPNSemantics& operator=(IP6RPNSemantics const&) = default;
};

// Every failure of the numbers throws `NotAnIP6Address`: more than ten numbers, a
// count of groups other than eight, "::" with eight groups besides, an octet that is
// not one to three decimal digits below 256 without a leading zero.
class IP6Automaton final : public IP6RPNSemantics {
 public:
  void Reset() override;
  void PushNumber(std::uint16_t value, std::uint8_t digits) override;
  void PushZeroes() override;
  void FinishWithIP4() override;
  void Finish() override;
  void FinishCompressedWithIP4() override;
  void FinishCompressed() override;

  // The address read; `ParsingFailure` before a finish.
  IP6Address Result() const;

 private:
  static constexpr std::size_t kSlots = 10;

  // Number i as an octet: its hexadecimal digits taken as decimal ones.
  std::uint16_t NotHexAfterAll(std::size_t i) const;
  // The last four numbers, octets, to two groups.
  void MakeIP4Address();
  // The groups after "::" to the end, zeros in between.
  void Decompress();

  std::array<std::uint16_t, kSlots> numbers_{};
  std::array<std::uint8_t, kSlots> digits_{};
  std::size_t count_ = 0;
  std::size_t zeroesAt_ = 0;
  bool finished_ = false;
  IP6Address address_;
};

class IP6LexemeAcceptor : public NumeralLexemeAcceptor,
                          public OperatorLexemeAcceptor<IP6Language::PartOfSpeech>,
                          public EndLexemeAcceptor {};

class IP6Parser final : public IP6LexemeAcceptor, public Parser<IP6Language, IP6RPNSemantics> {
 public:
  explicit IP6Parser(IP6RPNSemantics& semantics) noexcept
      : Parser(IP6Language::TheGrammar(), semantics) {}

  // A numeral of more than four digits, or beyond 64 bits, throws `ParsingFailure`.
  void AcceptNumeral(TokenRange token, unsigned long long value) override;
  void AcceptNumeralOverflow(TokenRange token) override;
  void AcceptOperator(TokenRange token, IP6Language::PartOfSpeech part) override;
  // Any byte but a hex digit, '.' and ':' throws `ParsingFailure`.
  void AcceptBadOperator(TokenRange token) override;
  void Reset() override;
  void AcceptEnd(unsigned long length) override;
};

class IP6Lexer final : public Lexer {
 public:
  explicit IP6Lexer(IP6LexemeAcceptor& acceptor);

  // ".", ":" and "::"; the closing value is `Stop`.
  static TokenTable<IP6Language::PartOfSpeech> const& IP6Operators();

 private:
  Lexeme& ChooseLexeme(byte first) override;

  ByteSet const& hexDigits_;
  HexNumeralLexeme numeral_;
  OperatorLexeme<IP6Language::PartOfSpeech> operator_;
};

// The address a whole text gives. Hex groups joined by ':' (with one "::" at most) are
// read in one pass without the lexer; every other text goes through the grammar. Text
// out of the form throws `ParsingFailure` (a byte that is no hex digit, '.' or ':', a
// group of five digits or more, a misplaced or missing separator, text after a
// complete address, an empty text); numbers that make no address throw
// `NotAnIP6Address`.
IP6Address TextToIP6Address(ConstData text);

}  // namespace inspectors
