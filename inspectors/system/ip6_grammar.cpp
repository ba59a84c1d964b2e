#include "inspectors/system/ip6_grammar.h"

#include <optional>

#include "foundation/ascii.h"
#include "foundation/exceptions.h"

namespace inspectors {
namespace {

using L = IP6Language;
using S = IP6RPNSemantics;

// In construction order, which is the order in which alternatives are tried.
struct IP6Grammar : Grammar<L, S> {
  Production1<L, S> makeSegment{*this, {L::Numeral}, nullptr, L::Segment};
  Production3<L, S> extendSegment{*this, {L::Segment, L::Colon, L::Numeral}, nullptr, L::Segment};
  Production2<L, S> makeHead1{*this, {L::Segment, L::DoubleColon}, &S::PushZeroes, L::Head};
  Production1<L, S> makeHead2{*this, {L::DoubleColon}, &S::PushZeroes, L::Head};
  Production2<L, S> makeCompressed{*this, {L::Head, L::Numeral}, nullptr, L::Compressed};
  Production3<L, S> extendCompressed{
      *this, {L::Compressed, L::Colon, L::Numeral}, nullptr, L::Compressed};
  Production7<L, S> stop1{
      *this,
      {L::Segment, L::Dot, L::Numeral, L::Dot, L::Numeral, L::Dot, L::Numeral},
      &S::FinishWithIP4,
      L::Stop};
  Production1<L, S> stop3{*this, {L::Segment}, &S::Finish, L::Stop};
  Production7<L, S> stop2{
      *this,
      {L::Compressed, L::Dot, L::Numeral, L::Dot, L::Numeral, L::Dot, L::Numeral},
      &S::FinishCompressedWithIP4,
      L::Stop};
  Production1<L, S> stop4{*this, {L::Compressed}, &S::FinishCompressed, L::Stop};
  Production1<L, S> stop5{*this, {L::Head}, &S::FinishCompressed, L::Stop};
};

constexpr TokenTableAssociation<L::PartOfSpeech> kOperators[] = {
    {".", L::Dot}, {":", L::Colon}, {"::", L::DoubleColon}, {nullptr, L::Stop}};

constexpr std::size_t kGroups = 8;
constexpr unsigned long kMostGroupDigits = 4;
constexpr std::size_t kMostOctetDigits = 3;

}  // namespace

Grammar<L, S> const& IP6Language::TheGrammar() {
  static IP6Grammar const grammar;
  return grammar;
}

void IP6Automaton::Reset() {
  count_ = 0;
  zeroesAt_ = 0;
  finished_ = false;
}

void IP6Automaton::PushNumber(std::uint16_t value, std::uint8_t digits) {
  if (count_ == kSlots) throw NotAnIP6Address();
  numbers_[count_] = value;
  digits_[count_] = digits;
  ++count_;
}

void IP6Automaton::PushZeroes() {
  zeroesAt_ = count_;
}

std::uint16_t IP6Automaton::NotHexAfterAll(std::size_t i) const {
  std::uint16_t const hex = numbers_[i];
  std::size_t const digits = digits_[i];
  if (digits > kMostOctetDigits) throw NotAnIP6Address();
  // A leading zero would read as octal in the IPv4 reader.
  if (digits > 1 && hex >> (4 * (digits - 1)) == 0) throw NotAnIP6Address();
  unsigned decimal = 0;
  for (std::size_t d = digits; d-- > 0;) {
    unsigned const digit = (hex >> (4 * d)) & 0xf;
    if (digit > 9) throw NotAnIP6Address();
    decimal = decimal * 10 + digit;
  }
  if (decimal > 0xff) throw NotAnIP6Address();
  return static_cast<std::uint16_t>(decimal);
}

void IP6Automaton::MakeIP4Address() {
  if (count_ < 4) throw NotAnIP6Address();
  std::size_t const a = count_ - 4;
  std::uint16_t const high = static_cast<std::uint16_t>(NotHexAfterAll(a) << 8 | NotHexAfterAll(a + 1));
  std::uint16_t const low = static_cast<std::uint16_t>(NotHexAfterAll(a + 2) << 8 | NotHexAfterAll(a + 3));
  numbers_[a] = high;
  numbers_[a + 1] = low;
  count_ -= 2;
}

void IP6Automaton::Decompress() {
  // "::" stands for at least one zero group.
  if (count_ >= kGroups) throw NotAnIP6Address();
  std::size_t const after = count_ - zeroesAt_;
  for (std::size_t i = after; i-- > 0;) numbers_[kGroups - after + i] = numbers_[zeroesAt_ + i];
  for (std::size_t i = zeroesAt_; i < kGroups - after; ++i) numbers_[i] = 0;
  count_ = kGroups;
}

void IP6Automaton::Finish() {
  if (count_ != kGroups) throw NotAnIP6Address();
  IP6Address::Groups groups;
  for (std::size_t i = 0; i < kGroups; ++i) groups[i] = numbers_[i];
  address_ = IP6Address(groups);
  finished_ = true;
}

void IP6Automaton::FinishWithIP4() {
  if (count_ == 4) {
    MakeIP4Address();
    address_ = IP6Address(IPAddress{static_cast<std::uint32_t>(numbers_[0]) << 16 | numbers_[1]});
    finished_ = true;
    return;
  }
  MakeIP4Address();
  Finish();
}

void IP6Automaton::FinishCompressedWithIP4() {
  MakeIP4Address();
  Decompress();
  Finish();
}

void IP6Automaton::FinishCompressed() {
  Decompress();
  Finish();
}

IP6Address IP6Automaton::Result() const {
  if (!finished_) throw ParsingFailure();
  return address_;
}

void IP6Parser::AcceptNumeral(TokenRange token, unsigned long long value) {
  if (token.Length() > kMostGroupDigits) throw ParsingFailure();
  Append(L::Numeral);
  GetSemantics().PushNumber(static_cast<std::uint16_t>(value),
                            static_cast<std::uint8_t>(token.Length()));
  Shift();
}

void IP6Parser::AcceptNumeralOverflow(TokenRange) {
  throw ParsingFailure();
}

void IP6Parser::AcceptOperator(TokenRange, L::PartOfSpeech part) {
  AppendAndShift(part);
}

void IP6Parser::AcceptBadOperator(TokenRange) {
  throw ParsingFailure();
}

void IP6Parser::Reset() {
  Parser::Reset();
}

void IP6Parser::AcceptEnd(unsigned long) {
  Flush();
}

IP6Lexer::IP6Lexer(IP6LexemeAcceptor& acceptor)
    : Lexer(acceptor),
      hexDigits_(Ascii::HexDigits()),
      numeral_(acceptor),
      operator_(IP6Operators(), acceptor) {}

TokenTable<L::PartOfSpeech> const& IP6Lexer::IP6Operators() {
  static TokenTable<L::PartOfSpeech> const table(kOperators);
  return table;
}

Lexeme& IP6Lexer::ChooseLexeme(byte first) {
  if (hexDigits_.Contains(first)) return numeral_;
  return operator_;
}

namespace {

// The most common form, hex groups joined by ':' with "::" at most once, read in one
// pass. Anything else, valid or not, is left to the grammar (an empty result), and so
// is every text the grammar refuses: its failures say why.
std::optional<IP6Address> ReadGroupsOnly(ConstData text) noexcept {
  constexpr std::size_t kNone = kGroups + 1;
  IP6Address::Groups groups{};
  std::size_t count = 0;
  std::size_t zeroesAt = kNone;
  std::size_t const n = text.Length();
  std::size_t i = 0;
  if (n >= 2 && text[0] == ':' && text[1] == ':') {
    zeroesAt = 0;
    i = 2;
  }
  ByteSet const& hex = Ascii::HexDigits();
  while (i < n) {
    unsigned value = 0;
    std::size_t digits = 0;
    for (; i < n && hex.Contains(text[i]); ++i) {
      if (++digits > kMostGroupDigits) return std::nullopt;
      value = value << 4 | Ascii::HexDigitValue(text[i]);
    }
    if (digits == 0 || count == kGroups) return std::nullopt;
    groups[count++] = static_cast<std::uint16_t>(value);
    if (i == n) break;
    if (text[i] != ':' || ++i == n) return std::nullopt;
    if (text[i] == ':') {
      if (zeroesAt != kNone) return std::nullopt;
      zeroesAt = count;
      ++i;
    }
  }
  if (zeroesAt == kNone) {
    if (count != kGroups) return std::nullopt;
    return IP6Address(groups);
  }
  // "::" stands for at least one zero group.
  if (count >= kGroups) return std::nullopt;
  std::size_t const after = count - zeroesAt;
  for (std::size_t k = after; k-- > 0;) {
    groups[kGroups - after + k] = groups[zeroesAt + k];
    groups[zeroesAt + k] = 0;
  }
  return IP6Address(groups);
}

}  // namespace

IP6Address TextToIP6Address(ConstData text) {
  if (std::optional<IP6Address> const address = ReadGroupsOnly(text)) return *address;
  IP6Automaton automaton;
  IP6Parser parser(automaton);
  IP6Lexer lexer(parser);
  lexer.Start();
  lexer.Receive(text);
  lexer.ReceiveEnd();
  return automaton.Result();
}

}  // namespace inspectors
