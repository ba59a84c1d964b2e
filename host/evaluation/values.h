// Values during evaluation: the type facts the evaluator needs at run time, and the
// reference-counted boxes that hold values and iteration or aggregation states
// together with the memory they own and whatever they may point into.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/contract/evaluator.h"
#include "host/catalog/names.h"
#include "host/contract/memory.h"

namespace evaluator {

class Registry;

// What the evaluator knows of a type while it runs.
struct ValueType {
  enum class Root : std::uint8_t { Other, Integer, String, Boolean, Tuple };

  Name name;
  Root root = Root::Other;  // the evaluator's type this one is or derives from
  bool exactRoot = false;   // the type is that evaluator type itself, not a derived one
  std::size_t size = 0;
  TypeDestroyCallback destroy = nullptr;
  TypeFingerprintCallback fingerprint = nullptr;  // registered types only
  bool fingerprintable = false;
  std::vector<ValueType const*> items;  // tuples

  // Integers and booleans are plain bytes: they point nowhere, and only a tuple
  // points into them.
  bool IsPlain() const noexcept {
    return exactRoot && (root == Root::Integer || root == Root::Boolean);
  }
};

// The types one prepared query uses, made once while it is checked.
class TypeTable {
 public:
  explicit TypeTable(Registry const& registry);
  TypeTable(TypeTable const&) = delete;
  TypeTable& operator=(TypeTable const&) = delete;

  // The type named `name`; null when the name is not a known type.
  ValueType const* Find(Name const& name);
  ValueType const* Integer() { return Find(Name(kIntegerType)); }
  ValueType const* String() { return Find(Name(kStringType)); }
  ValueType const* Boolean() { return Find(Name(kBooleanType)); }

 private:
  Registry const& registry_;
  std::map<Name, std::unique_ptr<ValueType>> types_;
};

// Storage for a value or a state: aligned to max_align_t, zeroed.
class AlignedBytes {
 public:
  explicit AlignedBytes(std::size_t size);
  void* data() noexcept { return inline_ ? static_cast<void*>(small_) : heap_.get(); }
  void const* data() const noexcept {
    return inline_ ? static_cast<void const*>(small_) : heap_.get();
  }

 private:
  static constexpr std::size_t kInlineSize = 32;
  alignas(std::max_align_t) std::byte small_[kInlineSize] = {};
  std::unique_ptr<std::max_align_t[]> heap_;
  bool inline_ = true;
};

using KeepAlive = std::shared_ptr<void const>;

// One value. Its bytes are constructed by a callback (MarkConstructed after it
// succeeds) and destroyed with the type's destroy callback when the last reference
// goes; then its arena and the references it holds are released.
class ValueBox {
 public:
  // A box with room for a value of `type`.
  explicit ValueBox(ValueType const* type);
  // A box that shows bytes inside `owner` (an item of a tuple) as a value of `type`.
  ValueBox(ValueType const* type, void const* data, KeepAlive owner);
  ~ValueBox();
  ValueBox(ValueBox const&) = delete;
  ValueBox& operator=(ValueBox const&) = delete;

  ValueType const* type() const noexcept { return type_; }
  void* data() noexcept { return const_cast<void*>(view_ ? view_ : bytes_.data()); }
  void const* data() const noexcept { return view_ ? view_ : bytes_.data(); }

  void MarkConstructed() noexcept { constructed_ = true; }
  // Empties the box for another value of its type: the value is destroyed as the
  // last reference would destroy it, its arena and what it kept are released. The
  // bytes are not zeroed again. Only for a box of its own bytes that nothing else
  // refers to.
  void Clear() noexcept {
    if (constructed_ || arena_ || !dependencies_.empty()) Release();
  }
  std::shared_ptr<Arena>& arena() noexcept { return arena_; }
  std::shared_ptr<Arena> const& arena() const noexcept { return arena_; }
  void Keep(KeepAlive dependency) { dependencies_.push_back(std::move(dependency)); }
  std::vector<KeepAlive> const& dependencies() const noexcept { return dependencies_; }
  // Whether the value may point into memory it does not hold in its own bytes.
  bool RefersToAnything() const noexcept { return arena_ || !dependencies_.empty(); }

  // Boxes alive in the process: for tests of bounded memory.
  static std::size_t LiveCount() noexcept;

 private:
  void Release() noexcept;

  std::vector<KeepAlive> dependencies_;
  std::shared_ptr<Arena> arena_;
  ValueType const* type_;
  void const* view_ = nullptr;
  bool constructed_ = false;
  AlignedBytes bytes_;
};

using ValueRef = std::shared_ptr<ValueBox>;

// Result memory used again from call to call: while nothing but the slot refers to
// its box, the box is emptied and used for the next value, so that a call that
// yields no value, or a value its consumer has let go, costs no allocation.
class ResultSlot {
 public:
  explicit ResultSlot(ValueType const* type) noexcept : type_(type) {}

  // An empty box for the next value.
  ValueBox& Fresh() {
    if (box_ && box_.use_count() == 1) {
      box_->Clear();
    } else {
      box_ = std::make_shared<ValueBox>(type_);
    }
    return *box_;
  }
  // The box of the last Fresh.
  ValueRef const& box() const noexcept { return box_; }

 private:
  ValueType const* type_;
  ValueRef box_;
};

// An iteration or aggregation state: constructed by the registration's construct
// callback, destroyed by its destroy callback when the last reference goes.
class StateBox {
 public:
  StateBox(std::size_t size, StateConstructCallback construct, StateDestroyCallback destroy);
  ~StateBox();
  StateBox(StateBox const&) = delete;
  StateBox& operator=(StateBox const&) = delete;

  void* data() noexcept { return bytes_.data(); }
  // Memory allocated by calls that yielded no value.
  std::shared_ptr<Arena>& arena() noexcept { return arena_; }
  void Keep(KeepAlive dependency) { dependencies_.push_back(std::move(dependency)); }

  static std::size_t LiveCount() noexcept;

 private:
  std::vector<KeepAlive> dependencies_;
  std::shared_ptr<Arena> arena_;
  StateDestroyCallback destroy_;
  bool constructed_ = false;
  AlignedBytes bytes_;
};

using StateRef = std::shared_ptr<StateBox>;

}  // namespace evaluator
