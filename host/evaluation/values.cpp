#include "host/evaluation/values.h"

#include <utility>

#include "host/catalog/registry.h"

namespace evaluator {

namespace {

std::atomic<std::size_t> liveValues{0};
std::atomic<std::size_t> liveStates{0};

}  // namespace

TypeTable::TypeTable(Registry const& registry) : registry_(registry) {}

ValueType const* TypeTable::Find(Name const& name) {
  if (auto it = types_.find(name); it != types_.end()) return it->second.get();
  auto type = std::make_unique<ValueType>();
  type->name = name;
  // The evaluator's own types and tuples are exactly what their root says.
  auto own = [&type](ValueType::Root root, std::size_t size) {
    type->root = root;
    type->exactRoot = true;
    type->size = size;
    type->fingerprintable = true;
  };
  if (name == kIntegerType) {
    own(ValueType::Root::Integer, sizeof(integer));
  } else if (name == kStringType) {
    own(ValueType::Root::String, sizeof(inspector_string));
  } else if (name == kBooleanType) {
    own(ValueType::Root::Boolean, sizeof(boolean));
  } else if (auto items = SplitTupleTypeName(name.text()); !items.empty()) {
    own(ValueType::Root::Tuple, items.size() * sizeof(TupleNode));
    for (auto item : items) {
      ValueType const* itemType = Find(Name(item));
      if (itemType == nullptr) return nullptr;
      type->items.push_back(itemType);
      type->fingerprintable = type->fingerprintable && itemType->fingerprintable;
    }
  } else if (Registration const* r = registry_.FindType(name)) {
    type->size = r->valueSize;
    type->destroy = r->destroyValue;
    type->fingerprint = r->fingerprintValue;
    type->fingerprintable = r->fingerprintValue != nullptr;
    for (auto [root, rootName] : {std::pair{ValueType::Root::Integer, kIntegerType},
                                  std::pair{ValueType::Root::String, kStringType},
                                  std::pair{ValueType::Root::Boolean, kBooleanType}}) {
      if (registry_.IsA(name, Name(rootName))) type->root = root;
    }
  } else {
    return nullptr;
  }
  ValueType const* result = type.get();
  types_.emplace(name, std::move(type));
  return result;
}

AlignedBytes::AlignedBytes(std::size_t size) {
  if (size > kInlineSize) {
    std::size_t const units = (size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t);
    heap_ = std::make_unique<std::max_align_t[]>(units);
    inline_ = false;
  }
}

ValueBox::ValueBox(ValueType const* type) : type_(type), bytes_(type->size) {
  ++liveValues;
}

ValueBox::ValueBox(ValueType const* type, void const* data, KeepAlive owner)
    : type_(type), view_(data), bytes_(0) {
  dependencies_.push_back(std::move(owner));
  ++liveValues;
}

ValueBox::~ValueBox() {
  // The value first, while the memory it may point into is still there.
  if (constructed_ && view_ == nullptr && type_->destroy != nullptr) type_->destroy(data());
  --liveValues;
}

void ValueBox::Release() noexcept {
  if (constructed_ && type_->destroy != nullptr) type_->destroy(data());
  constructed_ = false;
  arena_.reset();
  dependencies_.clear();
}

std::size_t ValueBox::LiveCount() noexcept {
  return liveValues.load();
}

StateBox::StateBox(std::size_t size, StateConstructCallback construct, StateDestroyCallback destroy)
    : destroy_(destroy), bytes_(size) {
  ++liveStates;
  if (construct != nullptr) {
    try {
      ArenaScope scope(arena_);
      construct(bytes_.data());
    } catch (...) {
      --liveStates;
      throw;
    }
  }
  constructed_ = true;
}

StateBox::~StateBox() {
  if (constructed_ && destroy_ != nullptr) destroy_(bytes_.data());
  --liveStates;
}

std::size_t StateBox::LiveCount() noexcept {
  return liveStates.load();
}

}  // namespace evaluator
