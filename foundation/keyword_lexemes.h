// Lexemes that look their tokens up in a `TokenTable`: reserved words (a word
// lexeme that tells keywords from ordinary words) and operators (the longest run
// of bytes that begins some row of an operator table).
#pragma once

#include "foundation/lexemes.h"
#include "foundation/token_table.h"

namespace inspectors {

template <class Action>
class ReservedWordAcceptor {
 public:
  virtual ~ReservedWordAcceptor() = default;
  virtual void AcceptReservedWord(TokenRange token, Action action) = 0;
  // `word` (filtered, when the lexeme has a filter) is valid only during the call.
  virtual void AcceptOrdinaryWord(TokenRange token, ConstData word) = 0;
  virtual void AcceptWordOverflow(TokenRange token) = 0;
};

// A word lexeme that accepts its own words and looks them up in its keyword table.
// With a lower-casing filter the table holds lower-case text and keywords match in
// any case.
template <class Action>
class ReservedWordLexeme : public WordLexeme, public WordLexemeAcceptor {
 public:
  ReservedWordLexeme(ByteSet const& letters, Data buffer, TokenTable<Action> const& table,
                     ReservedWordAcceptor<Action>& acceptor, DataFilter* filter = nullptr) noexcept
      : WordLexeme(letters, buffer, *this, filter), table_(table), acceptor_(acceptor) {}

  void AcceptWord(TokenRange token, ConstData word) override {
    if (Action const* action = table_.LookFor(word)) {
      acceptor_.AcceptReservedWord(token, *action);
    } else {
      acceptor_.AcceptOrdinaryWord(token, word);
    }
  }
  void AcceptWordOverflow(TokenRange token) override { acceptor_.AcceptWordOverflow(token); }

 private:
  TokenTable<Action> table_;
  ReservedWordAcceptor<Action>& acceptor_;
};

template <class PartOfSpeech>
class OperatorLexemeAcceptor {
 public:
  virtual ~OperatorLexemeAcceptor() = default;
  virtual void AcceptOperator(TokenRange token, PartOfSpeech part) = 0;
  // The bytes are no operator. A byte that begins none is reported with an empty
  // range and is not consumed.
  virtual void AcceptBadOperator(TokenRange token) = 0;
};

// Longest match: with the operators ".", ":" and "::", the text ":::" is "::" and
// then ":". The match goes back one byte at most, so with "a" and "abc" the text
// "abx" is a bad operator "ab".
template <class PartOfSpeech>
class OperatorLexeme : public Lexeme {
 public:
  OperatorLexeme(TokenTable<PartOfSpeech> const& operators,
                 OperatorLexemeAcceptor<PartOfSpeech>& acceptor) noexcept
      : cursor_(operators), acceptor_(acceptor) {}

  void Start(unsigned long) override { cursor_.Reset(); }
  void Lex(TokenRange token, ConstBuffer& in) override {
    std::size_t const before = in.Length();
    cursor_.LookFor(in);
    if (!in.Empty()) Deliver({token.begin, token.end + static_cast<unsigned long>(before - in.Length())});
  }
  void End(TokenRange token) override { Deliver(token); }

 private:
  void Deliver(TokenRange token) {
    if (cursor_.ExactMatch()) {
      acceptor_.AcceptOperator(token, cursor_.Value());
    } else {
      acceptor_.AcceptBadOperator(token);
    }
  }

  TokenTableCursor<PartOfSpeech> cursor_;
  OperatorLexemeAcceptor<PartOfSpeech>& acceptor_;
};

}  // namespace inspectors
