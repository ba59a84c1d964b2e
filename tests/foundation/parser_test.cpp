#include "foundation/parser.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "chunked_reading.h"
#include "foundation/keyword_lexemes.h"

namespace inspectors {
namespace {

// Sums and differences of decimal numbers with parentheses, such as
// "10 - (4 + 3)".
struct Calc {
  enum PartOfSpeech { Number, Plus, Minus, Open, Close, Operand, Inner, Sum, End };
  static constexpr PartOfSpeech kEnd = End;
};

struct CalcAutomaton {
  FiniteStack<long long, 4> numbers;
  long long result = 0;

  void Reset() {
    numbers.PopAll();
    result = 0;
  }
  void PushNumber(long long n) { numbers.Push(n); }
  void Add() { numbers[1] += numbers[0]; numbers.Pop(); }
  void Subtract() { numbers[1] -= numbers[0]; numbers.Pop(); }
  void Finish() { result = numbers.Top(); }
};

using C = Calc;
using A = CalcAutomaton;

// An open parenthesis and the operands after it make an Inner; a closing one
// makes the Inner an operand.
struct CalcGrammar : Grammar<C, A> {
  Production1<C, A> number{*this, {C::Number}, nullptr, C::Operand};
  Production2<C, A> open{*this, {C::Open, C::Operand}, nullptr, C::Inner};
  Production3<C, A> inner_add{*this, {C::Inner, C::Plus, C::Operand}, &A::Add, C::Inner};
  Production3<C, A> inner_subtract{*this, {C::Inner, C::Minus, C::Operand}, &A::Subtract, C::Inner};
  Production2<C, A> close{*this, {C::Inner, C::Close}, nullptr, C::Operand};
  Production1<C, A> first{*this, {C::Operand}, nullptr, C::Sum};
  Production3<C, A> add{*this, {C::Sum, C::Plus, C::Operand}, &A::Add, C::Sum};
  Production3<C, A> subtract{*this, {C::Sum, C::Minus, C::Operand}, &A::Subtract, C::Sum};
  Production1<C, A> text{*this, {C::Sum}, &A::Finish, C::End};
};

CalcGrammar const& TheCalcGrammar() {
  static CalcGrammar const grammar;
  return grammar;
}

constexpr TokenTableAssociation<C::PartOfSpeech> kOperators[] = {
    {"(", C::Open}, {")", C::Close}, {"+", C::Plus}, {"-", C::Minus}, {nullptr, C::End}};

class CalcParser : public NumeralLexemeAcceptor,
                   public OperatorLexemeAcceptor<C::PartOfSpeech>,
                   public EndLexemeAcceptor,
                   public Parser<C, A> {
 public:
  explicit CalcParser(A& automaton) : Parser(TheCalcGrammar(), automaton) {}

  void AcceptNumeral(TokenRange, unsigned long long n) override {
    Append(C::Number);
    GetSemantics().PushNumber(static_cast<long long>(n));
    Shift();
  }
  void AcceptNumeralOverflow(TokenRange) override { throw ParsingFailure(); }
  void AcceptOperator(TokenRange, C::PartOfSpeech p) override { AppendAndShift(p); }
  void AcceptBadOperator(TokenRange) override { throw ParsingFailure(); }
  void Reset() override { Parser::Reset(); }
  void AcceptEnd(unsigned long) override { Flush(); }
};

class CalcLexer : public Lexer {
 public:
  explicit CalcLexer(CalcParser& parser)
      : Lexer(parser), numeral_(parser), operators_(Operators(), parser) {}

 private:
  static TokenTable<C::PartOfSpeech> const& Operators() {
    static TokenTable<C::PartOfSpeech> const table(kOperators);
    return table;
  }
  Lexeme& ChooseLexeme(byte first) override {
    if (Ascii::WhiteSpace().Contains(first)) return blanks_;
    if (Ascii::Numeric().Contains(first)) return numeral_;
    return operators_;
  }

  IgnoredTextLexeme blanks_{Ascii::WhiteSpace()};
  NumeralLexeme numeral_;
  OperatorLexeme<C::PartOfSpeech> operators_;
};

std::string Calculate(std::string const& text) {
  CalcAutomaton automaton;
  CalcParser parser(automaton);
  CalcLexer lexer(parser);
  // One set of objects for every chunking, failed ones included: Start resets.
  return ReadInEveryChunking(text, [&](std::vector<ConstData> const& chunks) {
    lexer.Start();
    for (ConstData chunk : chunks) lexer.Receive(chunk);
    lexer.ReceiveEnd();
    return std::to_string(automaton.result);
  });
}

TEST(Parser, ReadsALanguageWhateverTheChunks) {
  std::string const nested99 = std::string(99, '(') + "1" + std::string(99, ')');
  std::string const nested100 = std::string(100, '(') + "1" + std::string(100, ')');
  struct {
    std::string text;
    char const* result;
  } const cases[] = {
      {"7", "7"},
      {"1+2", "3"},
      {"10 - 4 - 3", "3"},
      {"10-(4-3)", "9"},
      {"((2))", "2"},
      {"(1+2)-(3+4)", "-4"},
      {"1+(2+(3+4))", "10"},
      {nested99, "1"},
      // Failures.
      {"", "!ParsingFailure"},
      {"  \n", "!ParsingFailure"},
      {"1 2", "!ParsingFailure"},  // text after a complete text
      {"1+", "!ParsingFailure"},
      {"(1", "!ParsingFailure"},
      {")", "!ParsingFailure"},
      {"18446744073709551616", "!ParsingFailure"},
      {"1 * 2", "!ParsingFailure"},  // a bad operator
      {"1+(2+(3+(4+5)))", "!StackFull"},  // five pending numbers
      {nested100, "!StackFull"},          // 101 grammatic states
  };
  for (auto const& c : cases) EXPECT_EQ(Calculate(c.text), c.result) << c.text;
}

// Attachment order decides between a production and a longer one with the same
// prefix.
struct Letters {
  enum PartOfSpeech { X, Y, Z, A, B, C, End };
  static constexpr PartOfSpeech kEnd = End;
};

struct Log {
  std::string text;
  void Reset() { text.clear(); }
  void a() { text += "a "; }
  void b() { text += "b "; }
  void c() { text += "c "; }
};

using L = Letters;

// The productions after the two that begin with x: y and z make a C; a whole text
// is an A followed by a C, or a B.
struct Rest {
  explicit Rest(Grammar<L, Log>& g)
      : y(g, {L::Y}, &Log::c, L::C),
        z(g, {L::Z}, &Log::c, L::C),
        ac(g, {L::A, L::C}, nullptr, L::End),
        b(g, {L::B}, nullptr, L::End) {}
  Production1<L, Log> y, z;
  Production2<L, Log> ac;
  Production1<L, Log> b;
};
struct ShortFirst : Grammar<L, Log> {
  Production1<L, Log> a{*this, {L::X}, &Log::a, L::A};
  Production2<L, Log> b{*this, {L::X, L::Y}, &Log::b, L::B};
  Rest rest{*this};
};
struct LongFirst : Grammar<L, Log> {
  Production2<L, Log> b{*this, {L::X, L::Y}, &Log::b, L::B};
  Production1<L, Log> a{*this, {L::X}, &Log::a, L::A};
  Rest rest{*this};
};

std::string Parse(Grammar<L, Log> const& grammar, std::string const& letters) {
  Log log;
  Parser<L, Log> parser(grammar, log);
  parser.Reset();
  try {
    for (char letter : letters) parser.AppendAndShift(static_cast<L::PartOfSpeech>(letter - 'x'));
    parser.Flush();
  } catch (ParsingFailure const&) {
    return log.text + "!";
  }
  return log.text;
}

TEST(Parser, TriesProductionsInTheOrderAttached) {
  ShortFirst const short_first;
  LongFirst const long_first;
  struct {
    bool long_first;
    char const* letters;
    char const* log;
  } const cases[] = {
      // x alone is reduced at once; y then begins a production of its own.
      {false, "xy", "a c "},
      {false, "xz", "a c "},
      // x waits for y; any other symbol reduces it alone first.
      {true, "xy", "b "},
      {true, "xz", "a c "},
      {true, "x", "a !"},
      {true, "xyz", "b !"},  // text after a complete text
      {false, "y", "c !"},   // a C cannot begin a text
  };
  for (auto const& c : cases) {
    EXPECT_EQ(Parse(c.long_first ? static_cast<Grammar<L, Log> const&>(long_first) : short_first, c.letters),
              c.log)
        << c.long_first << " " << c.letters;
  }
}

TEST(Grammar, RefusesFaultyProductions) {
  Grammar<L, Log> grammar;
  Production1<L, Log> const a(grammar, {L::X}, nullptr, L::A);
  Production2<L, Log> const b(grammar, {L::X, L::Y}, nullptr, L::B);
  using P1 = Production1<L, Log>;
  using P2 = Production2<L, Log>;
  EXPECT_THROW(P1(grammar, {L::X}, nullptr, L::B), std::logic_error);        // x again
  EXPECT_THROW(P2(grammar, {L::X, L::Y}, nullptr, L::C), std::logic_error);  // x y again
  EXPECT_THROW(P1(grammar, {L::End}, nullptr, L::A), std::logic_error);
  EXPECT_THROW(P1(grammar, {L::Y}, nullptr, static_cast<L::PartOfSpeech>(L::End + 1)),
               std::logic_error);
  // Productions of one symbol that reduce in a cycle fail instead of looping.
  P1 const x_from_a(grammar, {L::A}, nullptr, L::X);
  EXPECT_EQ(Parse(grammar, "x"), "!");
}

}  // namespace
}  // namespace inspectors
