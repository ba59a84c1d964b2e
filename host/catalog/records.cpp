#include "host/catalog/records.h"

namespace evaluator::records {

namespace {

// The fields that every call of something registered has.
Registration Callable(Kind kind, void const* block, std::string_view objectType,
                      std::string_view resultType, void const* context,
                      FingerprintFunction fingerprint) {
  Registration r;
  r.kind = kind;
  r.block = block;
  r.objectType = Name(objectType);
  r.resultType = Name(resultType);
  r.context = context;
  r.fingerprint = fingerprint;
  return r;
}

}  // namespace

Registration Type(void const* block, std::string_view name, std::size_t valueSize,
                  TypeDestroyCallback destroy, std::string_view baseName,
                  TypeFingerprintCallback fingerprint) {
  Registration r;
  r.kind = Kind::Type;
  r.block = block;
  r.name = Name(name);
  r.valueSize = valueSize;
  r.destroyValue = destroy;
  r.baseType = Name(baseName);
  r.fingerprintValue = fingerprint;
  return r;
}

Registration Property(void const* block, Signature const& signature, PropertyGetter getter,
                      void const* context, FingerprintFunction fingerprint) {
  Registration r = Callable(Kind::Property, block, signature.objectType, signature.resultType,
                            context, fingerprint);
  r.name = Name(signature.name);
  r.plural = Name(signature.plural);
  r.parameterType = Name(signature.parameterType);
  r.getter = getter;
  return r;
}

Registration IteratedProperty(void const* block, Signature const& signature, State const& state,
                              Getters elements, void const* context,
                              FingerprintFunction fingerprint) {
  Registration r = Property(block, signature, nullptr, context, fingerprint);
  r.kind = Kind::IteratedProperty;
  r.stateSize = state.size;
  r.constructState = state.construct;
  r.destroyState = state.destroy;
  r.first = elements.first;
  r.next = elements.next;
  return r;
}

Registration AggregateProperty(void const* block, Signature const& signature, State const& state,
                               Getters initial, Getters elements, Getters final,
                               void const* context, FingerprintFunction fingerprint) {
  Registration r = IteratedProperty(block, signature, state, elements, context, fingerprint);
  r.kind = Kind::AggregateProperty;
  r.firstInitial = initial.first;
  r.nextInitial = initial.next;
  r.firstFinal = final.first;
  r.nextFinal = final.next;
  return r;
}

Registration Cast(void const* block, std::string_view name, std::string_view sourceType,
                  std::string_view targetType, CastCallback cast, void const* context,
                  FingerprintFunction fingerprint) {
  Registration r = Callable(Kind::Cast, block, sourceType, targetType, context, fingerprint);
  r.name = Name(name);
  r.cast = cast;
  return r;
}

Registration BinaryOperator(void const* block, unsigned long code, std::string_view leftType,
                            std::string_view rightType, std::string_view resultType,
                            BinaryOperatorCallback op, void const* context,
                            FingerprintFunction fingerprint) {
  Registration r =
      Callable(Kind::BinaryOperator, block, leftType, resultType, context, fingerprint);
  r.operatorCode = code;
  r.rightType = Name(rightType);
  r.binary = op;
  return r;
}

Registration UnaryOperator(void const* block, unsigned long code, std::string_view operandType,
                           std::string_view resultType, UnaryOperatorCallback op,
                           void const* context, FingerprintFunction fingerprint) {
  Registration r =
      Callable(Kind::UnaryOperator, block, operandType, resultType, context, fingerprint);
  r.operatorCode = code;
  r.unary = op;
  return r;
}

Registration Cache(void const* block, CacheClearCallback clear, void* context) {
  Registration r;
  r.kind = Kind::Cache;
  r.block = block;
  r.clear = clear;
  r.context = context;
  return r;
}

}  // namespace evaluator::records
