// The reader of version text: two or three dotted numbers, optionally followed by a
// stage letter and a build number, or four dotted numbers, or one number alone:
//
//   10.4.11   2.1b3   1.0.2f1   2.1B   7.0.1.1234   5
//
// The stage letters are d (development), a (alpha), b (beta) and f (final), in any
// case. No white space is allowed anywhere.
//
// Built on the lexer and parser framework: decimal numerals, the stage letters and
// '.' are the tokens; numerals and stage letters push their numbers onto the
// automaton's stack, and the grammar's productions call the automaton, which pops
// them into the fields of the version.
#pragma once

#include <cstdint>

#include "foundation/keyword_lexemes.h"
#include "foundation/lexemes.h"
#include "foundation/parser.h"
#include "inspectors/system/version.h"

namespace inspectors {

class VersionRPNSemantics;

struct VersionLanguage {
  enum PartOfSpeech {
    Number = 0,
    Period = 1,
    StageLetter = 2,
    TwoPartVersion = 3,
    ThreePartVersion = 4,
    End = 5,  // a complete text
  };
  static constexpr PartOfSpeech kEnd = End;

  static Grammar<VersionLanguage, VersionRPNSemantics> const& TheGrammar();
};

// A row of the keyword table: a stage letter and its stage code.
struct VersionParsingAction {
  VersionLanguage::PartOfSpeech part;
  unsigned long number;
};

// The actions of the grammar's productions; each pops the numbers it uses.
class VersionRPNSemantics {
 public:
  virtual ~VersionRPNSemantics() = default;
  virtual void Reset() = 0;
  virtual void PushNumber(unsigned long n) = 0;
  virtual void BuildSingle() = 0;  // major
  virtual void BuildVers() = 0;    // major.minor
  virtual void Addbugrev() = 0;    // .bug
  virtual void AddStage1() = 0;    // stage letter
  virtual void AddStage2() = 0;    // stage letter and build
  virtual void AddStage3() = 0;    // .build, the release stage

 protected:
  VersionRPNSemantics() = default;
  VersionRPNSemantics(VersionRPNSemantics const&) = default;
  VersionRPNSemantics& operator=(VersionRPNSemantics const&) = default;
};

// A field beyond its bounds (a revision or build of 65536 or more, a stage code
// above 128) throws `MacintoshPlatform::VersionDataOutOfBounds`; a seventh pending
// number throws `StackFull`.
class VersionAutomaton final : public VersionRPNSemantics {
 public:
  void Reset() override;
  void PushNumber(unsigned long n) override;
  void BuildSingle() override;
  void BuildVers() override;
  void Addbugrev() override;
  void AddStage1() override;
  void AddStage2() override;
  void AddStage3() override;

  inspector_version const& Result() const noexcept { return version_; }

 private:
  // Number `i` from the top, checked to be at most `largest`.
  unsigned long Bounded(std::size_t i, unsigned long largest) const;

  FiniteStack<unsigned long, 6> numbers_;
  inspector_version version_;
};

class VersionLexemeAcceptor : public NumeralLexemeAcceptor,
                              public ReservedWordAcceptor<VersionParsingAction>,
                              public CharacterLexemeAcceptor,
                              public EndLexemeAcceptor {};

class VersionParser final : public VersionLexemeAcceptor,
                            public Parser<VersionLanguage, VersionRPNSemantics> {
 public:
  explicit VersionParser(VersionRPNSemantics& semantics) noexcept
      : Parser(VersionLanguage::TheGrammar(), semantics) {}

  // A numeral of 2^32 or more, any word but a stage letter, and any byte but '.'
  // throw `ParsingFailure`.
  void AcceptNumeral(TokenRange token, unsigned long long value) override;
  void AcceptNumeralOverflow(TokenRange token) override;
  void AcceptReservedWord(TokenRange token, VersionParsingAction action) override;
  void AcceptOrdinaryWord(TokenRange token, ConstData word) override;
  void AcceptWordOverflow(TokenRange token) override;
  void AcceptCharacter(TokenRange token, byte character) override;
  void Reset() override;
  void AcceptEnd(unsigned long length) override;
};

class VersionLexer final : public Lexer {
 public:
  explicit VersionLexer(VersionLexemeAcceptor& acceptor);

  // "a", "b", "d" and "f"; the closing value is (End, 0).
  static TokenTable<VersionParsingAction> const& ReservedWords();

 private:
  Lexeme& ChooseLexeme(byte first) override;

  byte word_[4] = {};  // words of up to three letters
  NumeralLexeme numeral_;
  ReservedWordLexeme<VersionParsingAction> words_;
  CharacterLexeme character_;
};

}  // namespace inspectors
