// A table-driven shift/reduce parser over a language's parts of speech, with its
// grammar made of short productions, and semantics in reverse-Polish style: tokens
// push their values onto the semantics object's stack, and each production, when
// reduced, may call one member function of it that pops its operands and pushes
// or stores its result.
//
// A whole language, sums of decimal numbers such as "1 + 20 + 300":
//
//   struct SumLanguage {
//     enum PartOfSpeech { Number, Plus, Sum, End };
//     static constexpr PartOfSpeech kEnd = End;  // the number of the others
//   };
//   struct SumSemantics {                        // the automaton
//     FiniteStack<unsigned long long, 2> numbers;
//     unsigned long long total = 0;
//     void Reset() { numbers.PopAll(); }
//     void PushNumber(unsigned long long n) { numbers.Push(n); }
//     void Add() { numbers[1] += numbers[0]; numbers.Pop(); }
//     void Finish() { total = numbers.Top(); }
//   };
//   using L = SumLanguage;
//   struct SumGrammar : Grammar<L, SumSemantics> {  // built once, in this order
//     Production1<L, SumSemantics> number{*this, {L::Number}, nullptr, L::Sum};
//     Production3<L, SumSemantics> add{*this, {L::Sum, L::Plus, L::Number},
//                                      &SumSemantics::Add, L::Sum};
//     Production1<L, SumSemantics> text{*this, {L::Sum}, &SumSemantics::Finish, L::End};
//   };
//   SumGrammar const& TheGrammar() { static SumGrammar const grammar; return grammar; }
//
//   class SumParser : public NumeralLexemeAcceptor, public CharacterLexemeAcceptor,
//                     public EndLexemeAcceptor, public Parser<L, SumSemantics> {
//    public:
//     explicit SumParser(SumSemantics& s) : Parser(TheGrammar(), s) {}
//     void AcceptNumeral(TokenRange, unsigned long long n) override {
//       Append(L::Number); GetSemantics().PushNumber(n); Shift();
//     }
//     void AcceptNumeralOverflow(TokenRange) override { throw ParsingFailure(); }
//     void AcceptCharacter(TokenRange, byte c) override {
//       if (c != '+') throw ParsingFailure();
//       AppendAndShift(L::Plus);
//     }
//     void Reset() override { Parser::Reset(); }
//     void AcceptEnd(unsigned long) override { Flush(); }
//   };
//
//   class SumLexer : public Lexer {
//    public:
//     explicit SumLexer(SumParser& p) : Lexer(p), numeral_(p), character_(p) {}
//    private:
//     Lexeme& ChooseLexeme(byte first) override {
//       if (Ascii::WhiteSpace().Contains(first)) return blanks_;
//       if (Ascii::Numeric().Contains(first)) return numeral_;
//       return character_;
//     }
//     IgnoredTextLexeme blanks_{Ascii::WhiteSpace()};
//     NumeralLexeme numeral_;
//     CharacterLexeme character_;
//   };
//
//   SumSemantics sums;  SumParser parser(sums);  SumLexer lexer(parser);
//   StartReceiveAndEnd(lexer, "1 + 20 + 300");  // sums.total == 321
//
// How the parse goes. Every symbol on the stack is a grammatic state: a position
// inside a production after that symbol. A symbol continues the top production
// when the top state (or one of its alternatives, the other productions with the
// same prefix) expects it, and otherwise begins a new production of the grammar's
// entry for it; a symbol that can do neither fails. A production whose final state
// is reached is reduced at once, unless a longer production with the same prefix
// was attached before it: then the final state is taken only when the next symbol
// does not fit the longer one. Productions are therefore tried in the order in
// which they are constructed, and that order is part of the grammar.
//
// The parse fails with `ParsingFailure` at a symbol that fits nowhere, at text after
// a complete text, at an end of text that does not complete one (an empty text
// included), and in a grammar whose productions of one symbol reduce in a cycle.
// The state stack holds `kStackDepth` states; a deeper parse throws `StackFull`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "foundation/exceptions.h"
#include "foundation/finite_stack.h"

namespace inspectors {

template <class Language, class Semantics>
struct Production;

// A position inside a production: the symbols before it have been seen.
template <class Language, class Semantics, class PartOfSpeech = typename Language::PartOfSpeech>
struct GrammaticState {
  // The symbol expected next; the end part of speech in a final state.
  PartOfSpeech expected;
  // The state once `expected` is seen; null in a final state.
  GrammaticState* next = nullptr;
  // Another state reached by the same prefix, in the order attached.
  GrammaticState* alternative = nullptr;
  Production<Language, Semantics> const* production = nullptr;

  bool Final() const noexcept { return expected == Language::kEnd; }
};

template <class Language, class Semantics>
struct Production {
  using PartOfSpeech = typename Language::PartOfSpeech;
  using Action = void (Semantics::*)();

  Action action;  // null for none
  std::uint16_t length;
  PartOfSpeech result;
};

// The first states of the productions, by their first symbol; the productions
// that share a prefix share its states, and their next states are alternatives.
template <class Language, class Semantics>
class Grammar {
 public:
  using PartOfSpeech = typename Language::PartOfSpeech;
  using State = GrammaticState<Language, Semantics>;
  static constexpr std::size_t kSymbols = static_cast<std::size_t>(Language::kEnd);

  Grammar() = default;
  Grammar(Grammar const&) = delete;
  Grammar& operator=(Grammar const&) = delete;

  // The first state of the productions that begin with `p`, or null.
  State const* Entry(PartOfSpeech p) const noexcept {
    auto const i = static_cast<std::size_t>(p);
    return i < kSymbols ? entries_[i] : nullptr;
  }

  // Links a production, given its first symbol and first state, into the tree of
  // the productions with the same first symbol. A production attached twice throws
  // std::logic_error.
  void AttachProduction(PartOfSpeech first, State* state) {
    State*& entry = entries_[static_cast<std::size_t>(first)];
    if (entry == nullptr) {
      entry = state;
      return;
    }
    State* existing = entry;
    for (;;) {
      State* last = existing;
      State* match = nullptr;
      for (State* s = existing; s != nullptr; s = s->alternative) {
        if (s->expected == state->expected) {
          match = s;
          break;
        }
        last = s;
      }
      if (match == nullptr) {
        last->alternative = state;
        return;
      }
      if (match->next == nullptr || state->next == nullptr) {
        throw std::logic_error("production attached twice");
      }
      // The same prefix: go on along the existing states.
      existing = match->next;
      state = state->next;
    }
  }

 private:
  std::array<State*, kSymbols> entries_{};
};

// A production of N symbols, attached to its grammar when constructed.
template <class Language, class Semantics, std::size_t N>
class ProductionOfLength : public Production<Language, Semantics> {
 public:
  using Base = Production<Language, Semantics>;
  using PartOfSpeech = typename Language::PartOfSpeech;
  using State = GrammaticState<Language, Semantics>;
  static_assert(N >= 1 && N <= 0xffff);

  // Symbols below the end part of speech, a result up to it; else std::logic_error.
  ProductionOfLength(Grammar<Language, Semantics>& grammar, std::array<PartOfSpeech, N> const& symbols,
                     typename Base::Action action, PartOfSpeech result)
      : Base{action, static_cast<std::uint16_t>(N), result} {
    if (static_cast<std::size_t>(result) > Grammar<Language, Semantics>::kSymbols) {
      throw std::logic_error("production result out of range");
    }
    for (std::size_t i = 0; i < N; ++i) {
      if (static_cast<std::size_t>(symbols[i]) >= Grammar<Language, Semantics>::kSymbols) {
        throw std::logic_error("production symbol out of range");
      }
      states_[i].expected = i + 1 < N ? symbols[i + 1] : Language::kEnd;
      states_[i].next = i + 1 < N ? &states_[i + 1] : nullptr;
      states_[i].production = this;
    }
    grammar.AttachProduction(symbols[0], &states_[0]);
  }
  ProductionOfLength(ProductionOfLength const&) = delete;
  ProductionOfLength& operator=(ProductionOfLength const&) = delete;

 private:
  std::array<State, N> states_{};
};

template <class L, class S>
using Production1 = ProductionOfLength<L, S, 1>;
template <class L, class S>
using Production2 = ProductionOfLength<L, S, 2>;
template <class L, class S>
using Production3 = ProductionOfLength<L, S, 3>;
template <class L, class S>
using Production4 = ProductionOfLength<L, S, 4>;
template <class L, class S>
using Production5 = ProductionOfLength<L, S, 5>;
template <class L, class S>
using Production7 = ProductionOfLength<L, S, 7>;

template <class Language, class Semantics>
class Parser {
 public:
  using PartOfSpeech = typename Language::PartOfSpeech;
  using State = GrammaticState<Language, Semantics>;
  static constexpr PartOfSpeech kEnd = Language::kEnd;
  static constexpr std::size_t kStackDepth = 100;

  Parser(Grammar<Language, Semantics> const& grammar, Semantics& semantics) noexcept
      : grammar_(grammar), semantics_(semantics) {}
  Parser(Parser const&) = delete;
  Parser& operator=(Parser const&) = delete;

  // Empties the parse and resets the semantics.
  void Reset() {
    stack_.PopAll();
    pending_ = nullptr;
    finished_ = false;
    flushed_ = false;
    unit_reductions_ = 0;
    semantics_.Reset();
  }

  // Prepares to shift a token of part of speech `p`: first reduces what `p` ends.
  // A token's value goes to the semantics between Append and Shift.
  void Append(PartOfSpeech p) {
    for (;;) {
      TryToExpect(p);
      if (!CanReduce()) break;
      Reduce();
    }
    if (finished_) throw ParsingFailure();  // text after a complete text
    pending_ = Towards(p);
  }
  void Shift() {
    if (pending_ == nullptr) throw std::logic_error("Shift without Append");
    Push(pending_);
    pending_ = nullptr;
    unit_reductions_ = 0;
    while (CanReduce()) Reduce();
  }
  void AppendAndShift(PartOfSpeech p) {
    Append(p);
    Shift();
  }
  // The end of the text: reduces to a complete text or throws.
  void Flush() {
    flushed_ = true;
    while (!finished_) {
      TryToExpect(kEnd);
      if (!CanReduce()) throw ParsingFailure();
      Reduce();
    }
  }

  bool Finished() const noexcept { return finished_; }
  bool Flushed() const noexcept { return flushed_; }
  std::size_t Depth() const noexcept { return stack_.Count(); }

 protected:
  Semantics& GetSemantics() noexcept { return semantics_; }

  void Push(State const* state) { stack_.Push(state); }
  // Takes the first of the top state and its alternatives that is final or expects
  // `p`; when there is none the top state stays.
  void TryToExpect(PartOfSpeech p) noexcept {
    if (stack_.Empty()) return;
    for (State const* s = stack_.Top(); s != nullptr; s = s->alternative) {
      if (s->Final() || s->expected == p) {
        stack_.Top() = s;
        return;
      }
    }
  }
  bool CanReduce() const noexcept { return !stack_.Empty() && stack_.Top()->Final(); }
  bool Expecting(PartOfSpeech p) const noexcept {
    return !stack_.Empty() && stack_.Top()->expected == p;
  }
  // The state after `p`: the top production's next one, or a new production's first.
  State const* Towards(PartOfSpeech p) const {
    State const* next = Expecting(p) ? stack_.Top()->next : grammar_.Entry(p);
    if (next == nullptr) throw ParsingFailure();
    return next;
  }
  void Reduce() {
    Production<Language, Semantics> const& production = *stack_.Top()->production;
    if (production.length > stack_.Count()) throw ParsingFailure();
    stack_.Pop(production.length);
    // Reductions of one symbol keep the depth; more of them in a row than there are
    // parts of speech go round in a cycle.
    if (production.length != 1) {
      unit_reductions_ = 0;
    } else if (++unit_reductions_ > Grammar<Language, Semantics>::kSymbols) {
      throw ParsingFailure();
    }
    if (production.action != nullptr) (semantics_.*production.action)();
    if (production.result == kEnd) {
      finished_ = true;
      if (!stack_.Empty()) throw ParsingFailure();  // a complete text inside another
      return;
    }
    TryToExpect(production.result);
    Push(Towards(production.result));
  }

 private:
  Grammar<Language, Semantics> const& grammar_;
  Semantics& semantics_;
  State const* pending_ = nullptr;
  bool finished_ = false;
  bool flushed_ = false;
  std::size_t unit_reductions_ = 0;
  FiniteStack<State const*, kStackDepth> stack_;
};

}  // namespace inspectors
