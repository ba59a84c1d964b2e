// Operators and relations: one typed function registered under an operator code
// for one combination of operand types.
#pragma once

#include "framework/getter.h"

namespace inspectors {

// A two-operand operator: Res f(L const&, R const&).
template <class L, class R, class Res>
class Operator2 : private FunctionRegistrationBlock<&Unregister_Binary_Operator> {
 public:
  using Function = Res (*)(L const&, R const&);

  Operator2(unsigned long code, Function f, FingerprintFunction fingerprint)
      : FunctionRegistrationBlock(f) {
    Register_Binary_Operator(block.Address(), kPropertyBlockSize, code, TypeNameOf<L>(),
                             TypeNameOf<R>(), TypeNameOf<Res>(), &Thunk, Context(), fingerprint);
  }

  static void Thunk(void* result, void const* left, void const* right, void const* context) {
    Produce<Res>(result, [&] {
      return Stored<Function>(context)(*static_cast<L const*>(left), *static_cast<R const*>(right));
    });
  }
};

// A one-operand operator: Res f(T const&).
template <class T, class Res>
class Operator1 : private FunctionRegistrationBlock<&Unregister_Unary_Operator> {
 public:
  using Function = Res (*)(T const&);

  Operator1(unsigned long code, Function f, FingerprintFunction fingerprint)
      : FunctionRegistrationBlock(f) {
    Register_Unary_Operator(block.Address(), kPropertyBlockSize, code, TypeNameOf<T>(),
                            TypeNameOf<Res>(), &Thunk, Context(), fingerprint);
  }

  static void Thunk(void* result, void const* operand, void const* context) {
    Produce<Res>(result,
                 [&] { return Stored<Function>(context)(*static_cast<T const*>(operand)); });
  }
};

// The default function of each operator code: the operands' own operator, or the
// free function of that name (found by argument-dependent lookup).
template <unsigned long Code>
struct DefaultOperation {
  template <class L, class R>
  auto operator()(L const& a, R const& b) const {
    if constexpr (Code == kOperatorPlus) return a + b;
    if constexpr (Code == kOperatorMinus) return a - b;
    if constexpr (Code == kOperatorTimes) return a * b;
    if constexpr (Code == kOperatorDivide) return a / b;
    if constexpr (Code == kOperatorModulo) return a % b;
    if constexpr (Code == kOperatorConcatenate) return Concatenate(a, b);
    if constexpr (Code == kRelationEqual) return a == b;
    if constexpr (Code == kRelationLess) return a < b;
    if constexpr (Code == kRelationLessOrEqual) return a <= b;
    if constexpr (Code == kRelationStartsWith) return StartsWith(a, b);
    if constexpr (Code == kRelationEndsWith) return EndsWith(a, b);
    if constexpr (Code == kRelationContains) return Contains(a, b);
  }
};

// An operator fixed to one code. Its default function applies the code's default
// operation; a module passes its own function where the operands have none.
template <unsigned long Code, class L, class R, class Res>
class NamedOperator : public Operator2<L, R, Res> {
 public:
  static Res Default(L const& a, R const& b) { return Res(DefaultOperation<Code>()(a, b)); }

  explicit NamedOperator(FingerprintFunction fingerprint,
                         typename Operator2<L, R, Res>::Function f = &Default)
      : Operator2<L, R, Res>(Code, f, fingerprint) {}
};

// A relation fixed to one code.
template <unsigned long Code, class L, class R>
using NamedRelation = NamedOperator<Code, L, R, boolean>;

// The named operators, over (L, R, Res), and relations, over (L, R).
// clang-format off
template <class L, class R, class T> using OperatorPlus = NamedOperator<kOperatorPlus, L, R, T>;
template <class L, class R, class T>
using BinaryOperatorMinus = NamedOperator<kOperatorMinus, L, R, T>;
template <class L, class R, class T> using OperatorTimes = NamedOperator<kOperatorTimes, L, R, T>;
template <class L, class R, class T> using OperatorDivide = NamedOperator<kOperatorDivide, L, R, T>;
template <class L, class R, class T> using OperatorModulo = NamedOperator<kOperatorModulo, L, R, T>;
template <class L, class R, class T>
using OperatorConcatenate = NamedOperator<kOperatorConcatenate, L, R, T>;
template <class L, class R> using RelationEqual = NamedRelation<kRelationEqual, L, R>;
template <class L, class R> using RelationLess = NamedRelation<kRelationLess, L, R>;
template <class L, class R> using RelationLessOrEqual = NamedRelation<kRelationLessOrEqual, L, R>;
template <class L, class R> using RelationStartsWith = NamedRelation<kRelationStartsWith, L, R>;
template <class L, class R> using RelationEndsWith = NamedRelation<kRelationEndsWith, L, R>;
template <class L, class R> using RelationContains = NamedRelation<kRelationContains, L, R>;
// clang-format on

// Unary minus, code 0.
template <class T, class Res>
class UnaryOperatorMinus : public Operator1<T, Res> {
 public:
  static Res Minus(T const& a) { return Res(-a); }
  explicit UnaryOperatorMinus(FingerprintFunction fingerprint,
                              typename Operator1<T, Res>::Function f = &Minus)
      : Operator1<T, Res>(kUnaryMinus, f, fingerprint) {}
};

}  // namespace inspectors
