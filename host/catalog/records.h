// Registration records made from what the contract's Register_* entry points are
// given. The entry points and the evaluator's own operations both make their records
// here, so that the registry holds records of one form whoever made them.
#pragma once

#include <cstddef>
#include <string_view>

#include "framework/contract/evaluator.h"
#include "host/catalog/registry.h"

namespace evaluator::records {

// What a property is called, and the types it takes and yields; "" for none.
struct Signature {
  std::string_view name, plural, parameterType, objectType, resultType;
};

// The state of an iterated or aggregate property.
struct State {
  std::size_t size = 0;
  StateConstructCallback construct = nullptr;
  StateDestroyCallback destroy = nullptr;
};

// The getters of one phase: the first value, then the next until there is none.
struct Getters {
  PropertyGetter first = nullptr;
  PropertyGetter next = nullptr;
};

Registration Type(void const* block, std::string_view name, std::size_t valueSize,
                  TypeDestroyCallback destroy, std::string_view baseName,
                  TypeFingerprintCallback fingerprint);
Registration Property(void const* block, Signature const& signature, PropertyGetter getter,
                      void const* context, FingerprintFunction fingerprint);
Registration IteratedProperty(void const* block, Signature const& signature, State const& state,
                              Getters elements, void const* context,
                              FingerprintFunction fingerprint);
// An aggregate is an iteration over the object sequence's elements with an initial
// and a final phase around it.
Registration AggregateProperty(void const* block, Signature const& signature, State const& state,
                               Getters initial, Getters elements, Getters final,
                               void const* context, FingerprintFunction fingerprint);
Registration Cast(void const* block, std::string_view name, std::string_view sourceType,
                  std::string_view targetType, CastCallback cast, void const* context,
                  FingerprintFunction fingerprint);
Registration BinaryOperator(void const* block, unsigned long code, std::string_view leftType,
                            std::string_view rightType, std::string_view resultType,
                            BinaryOperatorCallback op, void const* context,
                            FingerprintFunction fingerprint);
Registration UnaryOperator(void const* block, unsigned long code, std::string_view operandType,
                           std::string_view resultType, UnaryOperatorCallback op,
                           void const* context, FingerprintFunction fingerprint);
Registration Cache(void const* block, CacheClearCallback clear, void* context);

}  // namespace evaluator::records
