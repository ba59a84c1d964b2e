#include "inspectors/system/version_grammar.h"

#include <optional>
#include <utility>

#include "foundation/ascii.h"
#include "foundation/exceptions.h"

namespace inspectors {
namespace {

using L = VersionLanguage;
using S = VersionRPNSemantics;

// In construction order, which is the order in which alternatives are tried: a
// longer production before the shorter one with the same prefix.
struct VersionGrammar : Grammar<L, S> {
  Production3<L, S> twoParts{*this, {L::Number, L::Period, L::Number}, &S::BuildVers,
                             L::TwoPartVersion};
  Production3<L, S> threeParts{*this, {L::TwoPartVersion, L::Period, L::Number}, &S::Addbugrev,
                               L::ThreePartVersion};
  Production3<L, S> twoPartsStageBuild{
      *this, {L::TwoPartVersion, L::StageLetter, L::Number}, &S::AddStage2, L::End};
  Production3<L, S> threePartsStageBuild{
      *this, {L::ThreePartVersion, L::StageLetter, L::Number}, &S::AddStage2, L::End};
  Production3<L, S> fourParts{*this, {L::ThreePartVersion, L::Period, L::Number}, &S::AddStage3,
                              L::End};
  Production2<L, S> twoPartsStage{*this, {L::TwoPartVersion, L::StageLetter}, &S::AddStage1,
                                  L::End};
  Production2<L, S> threePartsStage{*this, {L::ThreePartVersion, L::StageLetter}, &S::AddStage1,
                                    L::End};
  Production1<L, S> twoPartsAlone{*this, {L::TwoPartVersion}, nullptr, L::End};
  Production1<L, S> threePartsAlone{*this, {L::ThreePartVersion}, nullptr, L::End};
  Production1<L, S> single{*this, {L::Number}, &S::BuildSingle, L::End};
};

constexpr TokenTableAssociation<VersionParsingAction> kReservedWords[] = {
    {"a", {L::StageLetter, kStageAlpha}},
    {"b", {L::StageLetter, kStageBeta}},
    {"d", {L::StageLetter, kStageDevelopment}},
    {"f", {L::StageLetter, kStageFinal}},
    {nullptr, {L::End, 0}}};

constexpr unsigned long kLargestField = 0xffff;
constexpr unsigned long long kNumeralLimit = 1ull << 32;

}  // namespace

Grammar<L, S> const& VersionLanguage::TheGrammar() {
  static VersionGrammar const grammar;
  return grammar;
}

void VersionAutomaton::Reset() {
  numbers_.PopAll();
  version_ = inspector_version{};
}

void VersionAutomaton::PushNumber(unsigned long n) {
  numbers_.Push(n);
}

unsigned long VersionAutomaton::Bounded(std::size_t i, unsigned long largest) const {
  if (i >= numbers_.Count()) throw ParsingFailure();
  unsigned long const n = numbers_[i];
  if (n > largest) throw MacintoshPlatform::VersionDataOutOfBounds();
  return n;
}

void VersionAutomaton::BuildSingle() {
  version_ = inspector_version{};
  version_.major = static_cast<std::uint16_t>(Bounded(0, kLargestField));
  numbers_.Pop();
}

void VersionAutomaton::BuildVers() {
  version_ = inspector_version{};
  version_.major = static_cast<std::uint16_t>(Bounded(1, kLargestField));
  version_.minor = static_cast<std::uint16_t>(Bounded(0, kLargestField));
  numbers_.Pop(2);
}

void VersionAutomaton::Addbugrev() {
  version_.bug = static_cast<std::uint16_t>(Bounded(0, kLargestField));
  numbers_.Pop();
}

void VersionAutomaton::AddStage1() {
  version_.stage = static_cast<std::uint8_t>(Bounded(0, kStageFinal));
  version_.build = 0;
  numbers_.Pop();
}

void VersionAutomaton::AddStage2() {
  version_.stage = static_cast<std::uint8_t>(Bounded(1, kStageFinal));
  version_.build = static_cast<std::uint16_t>(Bounded(0, kLargestField));
  numbers_.Pop(2);
}

void VersionAutomaton::AddStage3() {
  version_.stage = kStageRelease;
  version_.build = static_cast<std::uint16_t>(Bounded(0, kLargestField));
  numbers_.Pop();
}

void VersionParser::AcceptNumeral(TokenRange, unsigned long long value) {
  if (value >= kNumeralLimit) throw ParsingFailure();
  Append(L::Number);
  GetSemantics().PushNumber(static_cast<unsigned long>(value));
  Shift();
}

void VersionParser::AcceptNumeralOverflow(TokenRange) {
  throw ParsingFailure();
}

void VersionParser::AcceptReservedWord(TokenRange, VersionParsingAction action) {
  Append(action.part);
  GetSemantics().PushNumber(action.number);
  Shift();
}

void VersionParser::AcceptOrdinaryWord(TokenRange, ConstData) {
  throw ParsingFailure();
}

void VersionParser::AcceptWordOverflow(TokenRange) {
  throw ParsingFailure();
}

void VersionParser::AcceptCharacter(TokenRange, byte character) {
  if (character != '.') throw ParsingFailure();
  AppendAndShift(L::Period);
}

void VersionParser::Reset() {
  Parser::Reset();
}

void VersionParser::AcceptEnd(unsigned long) {
  Flush();
}

VersionLexer::VersionLexer(VersionLexemeAcceptor& acceptor)
    : Lexer(acceptor),
      numeral_(acceptor),
      words_(Ascii::Alphabetic(), Data(word_, sizeof word_), ReservedWords(), acceptor,
             &Ascii::LowerCase()),
      character_(acceptor) {}

TokenTable<VersionParsingAction> const& VersionLexer::ReservedWords() {
  static TokenTable<VersionParsingAction> const table(kReservedWords);
  return table;
}

Lexeme& VersionLexer::ChooseLexeme(byte first) {
  if (Ascii::Numeric().Contains(first)) return numeral_;
  if (Ascii::Alphabetic().Contains(first)) return words_;
  return character_;
}

namespace {

// One to four dotted decimal numbers, each at most 65535, the form of most versions,
// read in one pass. Anything else, valid or not, is left to the grammar (an empty
// result).
std::optional<inspector_version> ReadNumbersOnly(ConstData text) {
  constexpr std::size_t kMostNumbers = 4;
  unsigned long numbers[kMostNumbers] = {};
  std::size_t count = 0;
  std::size_t const n = text.Length();
  std::size_t i = 0;
  for (;;) {
    unsigned long value = 0;
    std::size_t digits = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
      value = value * 10 + (text[i] - '0');
      if (value > kLargestField) return std::nullopt;
    }
    if (digits == 0 || count == kMostNumbers) return std::nullopt;
    numbers[count++] = value;
    if (i == n) break;
    if (text[i++] != '.') return std::nullopt;
  }
  inspector_version version;
  version.major = static_cast<std::uint16_t>(numbers[0]);
  version.minor = static_cast<std::uint16_t>(numbers[1]);
  version.bug = static_cast<std::uint16_t>(numbers[2]);
  if (count == kMostNumbers) {
    version.stage = kStageRelease;
    version.build = static_cast<std::uint16_t>(numbers[3]);
  }
  return version;
}

}  // namespace

inspector_version TextToVersion(ConstData text) {
  if (std::optional<inspector_version> version = ReadNumbersOnly(text)) return std::move(*version);
  VersionAutomaton automaton;
  VersionParser parser(automaton);
  VersionLexer lexer(parser);
  try {
    lexer.Start();
    lexer.Receive(text);
    lexer.ReceiveEnd();
    if (parser.Finished()) return automaton.Result();
  } catch (DebuggableException const&) {
  } catch (MacintoshPlatform::VersionDataOutOfBounds const&) {
  }
  // Not a numeric version: the whole text, all numbers 0.
  inspector_version textual;
  textual.text.assign(reinterpret_cast<char const*>(text.begin()), text.Length());
  return textual;
}

}  // namespace inspectors
