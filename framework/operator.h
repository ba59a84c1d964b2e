// Operators and relations: one typed function registered under an operator code
// for one combination of operand types.
#pragma once

#include "framework/registration_object.h"

namespace inspectors {

// A two-operand operator: Res f(L const&, R const&).
template <class L, class R, class Res>
class Operator2 : private FunctionRegistrationObject {
 public:
  using Function = Res (*)(L const&, R const&);

  Operator2(unsigned long code, Function f, FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    Register_Binary_Operator(block.Address(), kPropertyBlockSize, code, TypeNameOf<L>(),
                             TypeNameOf<R>(), TypeNameOf<Res>(), &Thunk, Context(), fingerprint);
  }
  ~Operator2() { Unregister_Binary_Operator(block.Address()); }
  Operator2(Operator2 const&) = delete;
  Operator2& operator=(Operator2 const&) = delete;

  static void Thunk(void* result, void const* left, void const* right, void const* context) {
    if (result == nullptr) return;
    auto const f = RestoreFunction<Function>(FunctionRegistrationObject::From(context).function);
    ConstructResult<Res>(
        result, [&] { return f(*static_cast<L const*>(left), *static_cast<R const*>(right)); });
  }
};

// A one-operand operator: Res f(T const&).
template <class T, class Res>
class Operator1 : private FunctionRegistrationObject {
 public:
  using Function = Res (*)(T const&);

  Operator1(unsigned long code, Function f, FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    Register_Unary_Operator(block.Address(), kPropertyBlockSize, code, TypeNameOf<T>(),
                            TypeNameOf<Res>(), &Thunk, Context(), fingerprint);
  }
  ~Operator1() { Unregister_Unary_Operator(block.Address()); }
  Operator1(Operator1 const&) = delete;
  Operator1& operator=(Operator1 const&) = delete;

  static void Thunk(void* result, void const* operand, void const* context) {
    if (result == nullptr) return;
    auto const f = RestoreFunction<Function>(FunctionRegistrationObject::From(context).function);
    ConstructResult<Res>(result, [&] { return f(*static_cast<T const*>(operand)); });
  }
};

// The free functions Concatenate, StartsWith, EndsWith and Contains, found by
// argument-dependent lookup from outside the classes whose members share their names.
namespace operator_functions {
template <class L, class R>
auto CallConcatenate(L const& a, R const& b) {
  return Concatenate(a, b);
}
template <class L, class R>
auto CallStartsWith(L const& a, R const& b) {
  return StartsWith(a, b);
}
template <class L, class R>
auto CallEndsWith(L const& a, R const& b) {
  return EndsWith(a, b);
}
template <class L, class R>
auto CallContains(L const& a, R const& b) {
  return Contains(a, b);
}
}  // namespace operator_functions

// The named operators: each fixes the code and offers, as its default function, the
// operands' own operator (or the free function of that name).

#define INSPECTORS_NAMED_OPERATOR(Class, Code, Default, Expression)        \
  template <class L, class R, class Res>                                   \
  class Class : public Operator2<L, R, Res> {                              \
   public:                                                                 \
    static Res Default(L const& a, R const& b) { return Res(Expression); } \
    explicit Class(FingerprintFunction fingerprint,                        \
                   typename Operator2<L, R, Res>::Function f = &Default)   \
        : Operator2<L, R, Res>(Code, f, fingerprint) {}                    \
  };

INSPECTORS_NAMED_OPERATOR(OperatorPlus, kOperatorPlus, Plus, a + b)
INSPECTORS_NAMED_OPERATOR(BinaryOperatorMinus, kOperatorMinus, Minus, a - b)
INSPECTORS_NAMED_OPERATOR(OperatorTimes, kOperatorTimes, Times, a* b)
INSPECTORS_NAMED_OPERATOR(OperatorDivide, kOperatorDivide, Divide, a / b)
INSPECTORS_NAMED_OPERATOR(OperatorModulo, kOperatorModulo, Modulo, a % b)
INSPECTORS_NAMED_OPERATOR(OperatorConcatenate, kOperatorConcatenate, Concatenate,
                          operator_functions::CallConcatenate(a, b))
#undef INSPECTORS_NAMED_OPERATOR

#define INSPECTORS_NAMED_RELATION(Class, Code, Default, Expression)                \
  template <class L, class R>                                                      \
  class Class : public Operator2<L, R, boolean> {                                  \
   public:                                                                         \
    static boolean Default(L const& a, R const& b) { return boolean(Expression); } \
    explicit Class(FingerprintFunction fingerprint,                                \
                   typename Operator2<L, R, boolean>::Function f = &Default)       \
        : Operator2<L, R, boolean>(Code, f, fingerprint) {}                        \
  };

INSPECTORS_NAMED_RELATION(RelationEqual, kRelationEqual, Equal, a == b)
INSPECTORS_NAMED_RELATION(RelationLess, kRelationLess, Less, a < b)
INSPECTORS_NAMED_RELATION(RelationLessOrEqual, kRelationLessOrEqual, LessOrEqual, a <= b)
INSPECTORS_NAMED_RELATION(RelationStartsWith, kRelationStartsWith, StartsWith,
                          operator_functions::CallStartsWith(a, b))
INSPECTORS_NAMED_RELATION(RelationEndsWith, kRelationEndsWith, EndsWith,
                          operator_functions::CallEndsWith(a, b))
INSPECTORS_NAMED_RELATION(RelationContains, kRelationContains, Contains,
                          operator_functions::CallContains(a, b))
#undef INSPECTORS_NAMED_RELATION

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
