#include "foundation/lexemes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chunked_reading.h"
#include "foundation/keyword_lexemes.h"

namespace inspectors {
namespace {

enum class Keyword { Ab, Abc, Fix, None };
constexpr TokenTableAssociation<Keyword> kKeywords[] = {
    {"ab", Keyword::Ab}, {"abc", Keyword::Abc}, {"fix", Keyword::Fix}, {nullptr, Keyword::None}};

std::string At(TokenRange r) {
  return std::to_string(r.begin) + "-" + std::to_string(r.end);
}

// Writes down every token it is given, as "kind@begin-end=value ".
class Recorder : public CharacterLexemeAcceptor,
                 public NumeralLexemeAcceptor,
                 public FloatingPointNumeralLexemeAcceptor,
                 public ReservedWordAcceptor<Keyword>,
                 public EndLexemeAcceptor {
 public:
  void AcceptCharacter(TokenRange r, byte c) override { Note("char@" + At(r) + "=" + char(c)); }
  void AcceptNumeral(TokenRange r, unsigned long long v) override {
    Note("num@" + At(r) + "=" + std::to_string(v));
  }
  void AcceptNumeralOverflow(TokenRange r) override { Note("num@" + At(r) + "=overflow"); }
  void AcceptNumeral(double v) override { Note("float=" + std::to_string(v)); }
  void AcceptReservedWord(TokenRange r, Keyword k) override {
    Note("key@" + At(r) + "=" + std::to_string(static_cast<int>(k)));
  }
  void AcceptOrdinaryWord(TokenRange r, ConstData w) override { Note("word@" + At(r) + "=" + MakeString(w)); }
  void AcceptWordOverflow(TokenRange r) override { Note("word@" + At(r) + "=overflow"); }
  void Reset() override { notes.clear(); }
  void AcceptEnd(unsigned long length) override { Note("end=" + std::to_string(length)); }

  void Note(std::string const& note) { notes += note + " "; }
  std::string notes;
};

// Plain: white space is skipped, digits are decimal numerals, '.' begins a
// floating-point numeral, letters are words of up to 3 bytes, any other byte is a
// character. Folding: words are lower-cased. Hex: hex digits are numerals.
// Floating: digits begin floating-point numerals too.
enum class Mode { Plain, Folding, Hex, Floating };

class RecordingLexer : public Lexer {
 public:
  RecordingLexer(Recorder& r, Mode mode)
      : Lexer(r),
        mode_(mode),
        character_(r),
        decimal_(r),
        hex_(r),
        floating_(r),
        words_(Ascii::Alphabetic(), Data(word_, sizeof word_), table_, r,
               mode == Mode::Folding ? &Ascii::LowerCase() : nullptr) {}

 private:
  Lexeme& ChooseLexeme(byte first) override {
    if (Ascii::WhiteSpace().Contains(first)) return blanks_;
    if (mode_ == Mode::Hex && Ascii::HexDigits().Contains(first)) return hex_;
    if (first == '.' || (mode_ == Mode::Floating && Ascii::Numeric().Contains(first))) return floating_;
    if (Ascii::Numeric().Contains(first)) return decimal_;
    if (Ascii::Alphabetic().Contains(first)) return words_;
    return character_;
  }

  Mode mode_;
  TokenTable<Keyword> table_{kKeywords};
  byte word_[4];
  IgnoredTextLexeme blanks_{Ascii::WhiteSpace()};
  CharacterLexeme character_;
  NumeralLexeme decimal_;
  HexNumeralLexeme hex_;
  FloatingPointNumeralLexeme floating_;
  ReservedWordLexeme<Keyword> words_;
};

// Every token begins with the one lexeme it is given.
class OneLexemeLexer : public Lexer {
 public:
  explicit OneLexemeLexer(EndLexemeAcceptor& end) : Lexer(end) {}
  Lexeme* lexeme = nullptr;

 private:
  Lexeme& ChooseLexeme(byte) override { return *lexeme; }
};

std::string Lex(std::string const& text, Mode mode) {
  Recorder recorder;
  RecordingLexer lexer(recorder, mode);
  return ReadInEveryChunking(text, [&](std::vector<ConstData> const& chunks) {
    lexer.Start();
    for (ConstData chunk : chunks) lexer.Receive(chunk);
    lexer.ReceiveEnd();
    return recorder.notes;
  });
}

TEST(Lexemes, TokensAndRangesDoNotDependOnChunking) {
  struct {
    char const* text;
    Mode mode;
    char const* tokens;
  } const cases[] = {
      {"", Mode::Plain, "end=0 "},
      {" \t\r\n", Mode::Plain, "end=4 "},
      {"12 +7", Mode::Plain, "num@0-2=12 char@3-4=+ num@4-5=7 end=5 "},
      {"0018446744073709551615", Mode::Plain, "num@0-22=18446744073709551615 end=22 "},
      {"18446744073709551616x", Mode::Plain, "num@0-20=overflow word@20-21=x end=21 "},
      {"99999999999999999999999", Mode::Plain, "num@0-23=overflow end=23 "},
      {"fF g", Mode::Hex, "num@0-2=255 word@3-4=g end=4 "},
      {"ffffffffffffffff 10000000000000000", Mode::Hex,
       "num@0-16=18446744073709551615 num@17-34=overflow end=34 "},
      // Words of up to three bytes; four fill the buffer and overflow.
      {"a ab abc abcd fixes", Mode::Plain,
       "word@0-1=a key@2-4=0 key@5-8=1 word@9-13=overflow word@14-19=overflow end=19 "},
      {"AB Ab Fix", Mode::Plain, "word@0-2=AB word@3-5=Ab word@6-9=Fix end=9 "},
      {"AB Ab Fix xYz", Mode::Folding, "key@0-2=0 key@3-5=0 key@6-9=2 word@10-13=xyz end=13 "},
      {"ABCD", Mode::Folding, "word@0-4=overflow end=4 "},
      {"a1b", Mode::Plain, "word@0-1=a num@1-2=1 word@2-3=b end=3 "},
      // One point per numeral: a second one begins the next; a lone point is 0.
      {"1.5.2", Mode::Floating, "float=1.500000 float=0.200000 end=5 "},
      {". .25 7", Mode::Floating, "float=0.000000 float=0.250000 float=7.000000 end=7 "},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(Lex(c.text, c.mode), c.tokens) << '"' << c.text << '"';
  }
}

// A lexer that picks a lexeme which takes no byte would pick it again at the same
// byte for ever; it fails instead.
TEST(Lexer, FailsWhenALexemeTakesNothing) {
  Recorder recorder;
  OneLexemeLexer lexer(recorder);
  IgnoredTextLexeme blanks(Ascii::WhiteSpace());
  NumeralLexeme numeral(recorder);
  struct {
    Lexeme* lexeme;
    char const* good;
    char const* tokens;
  } const cases[] = {{&blanks, "  ", "end=2 "}, {&numeral, "12", "num@0-2=12 end=2 "}};
  for (auto const& c : cases) {
    lexer.lexeme = c.lexeme;
    EXPECT_THROW(StartReceiveAndEnd(lexer, ConstData(c.good + std::string("x"))), ParsingFailure);
    // Restarted, it reads again from offset 0.
    StartReceiveAndEnd(lexer, ConstData(c.good));
    EXPECT_EQ(recorder.notes, c.tokens);
  }
}

}  // namespace
}  // namespace inspectors
