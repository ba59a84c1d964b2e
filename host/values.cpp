#include "host/values.h"

#include "host/builtin_operations.h"
#include "host/registry.h"
#include "host/tuples.h"
#include "host/vocabulary.h"

namespace evaluator {

namespace {

std::atomic<std::size_t> liveValues{0};
std::atomic<std::size_t> liveStates{0};

}  // namespace

TypeTable::TypeTable(Vocabulary const& vocabulary) : vocabulary_(vocabulary) {}

ValueType const* TypeTable::Find(std::string_view name) {
  std::string key = LowerCase(name);
  if (auto it = types_.find(key); it != types_.end()) return it->second.get();
  auto type = std::make_unique<ValueType>();
  type->name = std::string(name);
  if (key == "integer") {
    type->root = ValueType::Root::Integer;
    type->exactRoot = true;
    type->size = sizeof(integer);
    type->fingerprintable = true;
  } else if (key == "string") {
    type->root = ValueType::Root::String;
    type->exactRoot = true;
    type->size = sizeof(inspector_string);
    type->fingerprintable = true;
  } else if (key == "boolean") {
    type->root = ValueType::Root::Boolean;
    type->exactRoot = true;
    type->size = sizeof(boolean);
    type->fingerprintable = true;
  } else if (auto items = SplitTupleTypeName(name); !items.empty()) {
    type->root = ValueType::Root::Tuple;
    type->exactRoot = true;
    type->size = items.size() * sizeof(TupleNode);
    type->fingerprintable = true;
    for (auto item : items) {
      ValueType const* itemType = Find(item);
      if (itemType == nullptr) return nullptr;
      type->items.push_back(itemType);
      type->fingerprintable = type->fingerprintable && itemType->fingerprintable;
    }
  } else if (Registration const* r = vocabulary_.TypeRecord(name)) {
    type->size = r->valueSize;
    type->destroy = r->destroyValue;
    type->fingerprint = r->fingerprintValue;
    type->fingerprintable = r->fingerprintValue != nullptr;
    if (vocabulary_.Distance(name, "integer") > 0) type->root = ValueType::Root::Integer;
    if (vocabulary_.Distance(name, "string") > 0) type->root = ValueType::Root::String;
    if (vocabulary_.Distance(name, "boolean") > 0) type->root = ValueType::Root::Boolean;
  } else {
    return nullptr;
  }
  ValueType const* result = type.get();
  types_.emplace(std::move(key), std::move(type));
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
