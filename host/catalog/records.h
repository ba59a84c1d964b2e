// Registration records made from what the contract's Register_* entry points are
// given. The entry points and the evaluator's own operations both make their records
// here, so that the registry holds records of one form whoever made them.
#pragma once

#include <cstddef>
#include <string_view>

#include "framework/contract/evaluator.h"
#include "host/catalog/registry.h"

namespace evaluator::records {

Registration Type(void const* block, std::string_view name, std::size_t valueSize,
                  TypeDestroyCallback destroy, std::string_view baseName,
                  TypeFingerprintCallback fingerprint);

// A property of any kind; an iterated or aggregate property then gets its state
// (WithState) and its getters.
Registration Property(Kind kind, void const* block, std::string_view name,
                      std::string_view plural, std::string_view parameterType,
                      std::string_view objectType, std::string_view resultType,
                      void const* context, FingerprintFunction fingerprint);
void WithState(Registration& r, std::size_t stateSize, StateConstructCallback construct,
               StateDestroyCallback destroy);

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
