// Value types: their registration with the evaluator, the callbacks the evaluator
// calls on stored values, and the composed value types shared by every module.
#pragma once

#include <cstdint>
#include <new>
#include <string>

#include "framework/registration_object.h"

namespace inspectors {

// Whether values of a type can be fingerprinted for the evaluator's result cache.
// A fingerprinted type defines `operator<<(Fingerprinter&, T const&)`.
enum FingerprintingChoice : int { kNotFingerprinted = 0, kFingerprinted = 1 };

// The callbacks the evaluator calls on a value it stores.
template <class T, int Choice>
struct InspectorTypeInfo {
  // Runs T's destructor; the memory is the evaluator's and is not freed here.
  static void Destroy(void const* value) { static_cast<T const*>(value)->~T(); }

  // Instantiated only for fingerprinted types.
  static void Fingerprint(Fingerprinter& f, void const* value) {
    f << *static_cast<T const*>(value);
  }

  static TypeFingerprintCallback FingerprintCallback() {
    if constexpr (Choice == kFingerprinted) {
      return &Fingerprint;
    } else {
      return nullptr;
    }
  }
};

// The evaluator's block of a value type, registered under T's type name with the
// callbacks of InspectorTypeInfo<T, Choice>; destruction withdraws it.
class TypeRegistrationBlock : public RegisteredObject<BlockOnly<kTypeBlockSize>, &Unregister_Type> {
 protected:
  template <class T, int Choice>
  void RegisterType(char const* baseName) {
    static_assert(Choice == kNotFingerprinted || Choice == kFingerprinted);
    Register_Type(block.Address(), kTypeBlockSize, TypeNameOf<T>(), sizeof(T),
                  &InspectorTypeInfo<T, Choice>::Destroy, baseName,
                  InspectorTypeInfo<T, Choice>::FingerprintCallback());
  }
};

// Announces T under its type name.
template <class T, int Choice>
class Type : private TypeRegistrationBlock {
 public:
  Type() { RegisterType<T, Choice>(nullptr); }
};

// Announces T as a kind of Base: where a Base is expected, a T is accepted.
template <class T, class Base, int Choice>
class DerivedType : private TypeRegistrationBlock {
 public:
  DerivedType() { RegisterType<T, Choice>(TypeNameOf<Base>()); }
};

// A value and the number of times it occurred. The value comes first, so that the
// evaluator may treat the address of a WithMultiplicity<T> as that of a T.
template <class T>
struct WithMultiplicity {
  T value;
  std::int64_t multiplicity = 0;

  static char const* TypeName() {
    static std::string const name = std::string(TypeNameOf<T>()) + " with multiplicity";
    return name.c_str();
  }
};

// A pair that refers to its items and owns nothing; the items must outlive it.
template <class A, class B>
class InspectorTuple2 {
 public:
  InspectorTuple2(A const& a, B const& b) noexcept { Link(&a, &b); }
  InspectorTuple2(InspectorTuple2 const& other) noexcept {
    Link(other.nodes_[0].item, other.nodes_[1].item);
  }
  InspectorTuple2& operator=(InspectorTuple2 const& other) noexcept {
    Link(other.nodes_[0].item, other.nodes_[1].item);
    return *this;
  }

  A const& First() const noexcept { return *static_cast<A const*>(nodes_[0].item); }
  B const& Second() const noexcept { return *static_cast<B const*>(nodes_[1].item); }
  TupleNode const* Nodes() const noexcept { return nodes_; }

  static char const* TypeName() {
    static std::string const name = MakeTupleTypeName(TypeNameOf<A>(), TypeNameOf<B>());
    return name.c_str();
  }

 private:
  void Link(void const* a, void const* b) noexcept {
    nodes_[0] = TupleNode{};
    nodes_[1] = TupleNode{};
    nodes_[0].PointTo(a, &nodes_[1]);
    nodes_[1].PointTo(b, nullptr);
  }

  TupleNode nodes_[2];
};

// A triple that refers to its items and owns nothing.
template <class A, class B, class C>
class InspectorTuple3 {
 public:
  InspectorTuple3(A const& a, B const& b, C const& c) noexcept { Link(&a, &b, &c); }
  InspectorTuple3(InspectorTuple3 const& other) noexcept {
    Link(other.nodes_[0].item, other.nodes_[1].item, other.nodes_[2].item);
  }
  InspectorTuple3& operator=(InspectorTuple3 const& other) noexcept {
    Link(other.nodes_[0].item, other.nodes_[1].item, other.nodes_[2].item);
    return *this;
  }

  A const& First() const noexcept { return *static_cast<A const*>(nodes_[0].item); }
  B const& Second() const noexcept { return *static_cast<B const*>(nodes_[1].item); }
  C const& Third() const noexcept { return *static_cast<C const*>(nodes_[2].item); }
  TupleNode const* Nodes() const noexcept { return nodes_; }

  static char const* TypeName() {
    static std::string const name =
        MakeTupleTypeName(TypeNameOf<A>(), TypeNameOf<B>(), TypeNameOf<C>());
    return name.c_str();
  }

 private:
  void Link(void const* a, void const* b, void const* c) noexcept {
    for (TupleNode& node : nodes_) node = TupleNode{};
    nodes_[0].PointTo(a, &nodes_[1]);
    nodes_[1].PointTo(b, &nodes_[2]);
    nodes_[2].PointTo(c, nullptr);
  }

  TupleNode nodes_[3];
};

class time_range;  // defined with the time inspectors

// A time range paired with a value.
template <class T, class Range = time_range>
class TimedValue : public InspectorTuple2<Range, T> {
 public:
  TimedValue(Range const& range, T const& value) noexcept
      : InspectorTuple2<Range, T>(range, value) {}

  static char const* TypeName() {
    static std::string const name = std::string("timed") + InspectorTuple2<Range, T>::TypeName();
    return name.c_str();
  }
};

}  // namespace inspectors
