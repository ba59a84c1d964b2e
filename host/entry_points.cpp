// The registration entry points that an inspector library calls: each one copies
// its arguments into a Registration of the process-wide registry.
#include <stdexcept>
#include <string>

#include "framework/contract/evaluator.h"
#include "host/registry.h"

namespace {

using evaluator::Kind;
using evaluator::Registration;
using evaluator::Registry;

std::string Text(char const* name) {
  return name == nullptr ? std::string() : std::string(name);
}

void CheckBlock(void const* block, std::size_t blockSize, std::size_t expected, char const* what) {
  if (block == nullptr) throw std::logic_error(std::string(what) + " registered without a block");
  if (blockSize != expected) {
    throw std::logic_error(std::string(what) + " registered with a block of " +
                           std::to_string(blockSize) + " bytes instead of " +
                           std::to_string(expected));
  }
}

Registration PropertyRecord(Kind kind, void* block, char const* name, char const* plural,
                            char const* parameterType, char const* objectType,
                            char const* resultType, void const* context,
                            FingerprintFunction fingerprint) {
  Registration r;
  r.kind = kind;
  r.block = block;
  r.name = Text(name);
  r.plural = Text(plural);
  r.parameterType = Text(parameterType);
  r.objectType = Text(objectType);
  r.resultType = Text(resultType);
  r.context = context;
  r.fingerprint = fingerprint;
  return r;
}

// Unregistration runs from the library's static destructors, where an exception
// would terminate the process: an unknown block is ignored.
void Withdraw(void const* block, std::initializer_list<Kind> kinds) noexcept {
  Registry::Global().Remove(block, kinds);
}

}  // namespace

void Register_Type(void* block, std::size_t blockSize, char const* name, std::size_t valueSize,
                   TypeDestroyCallback destroy, char const* baseName,
                   TypeFingerprintCallback fingerprint) {
  CheckBlock(block, blockSize, kTypeBlockSize, "type");
  Registration r;
  r.kind = Kind::Type;
  r.block = block;
  r.name = Text(name);
  r.valueSize = valueSize;
  r.destroyValue = destroy;
  r.baseType = Text(baseName);
  r.fingerprintValue = fingerprint;
  Registry::Global().Add(std::move(r));
}

void Register_Property(void* block, std::size_t blockSize, char const* name, char const* plural,
                       char const* parameterType, char const* objectType, char const* resultType,
                       PropertyGetter getter, void const* context,
                       FingerprintFunction fingerprint) {
  CheckBlock(block, blockSize, kPropertyBlockSize, "property");
  Registration r = PropertyRecord(Kind::Property, block, name, plural, parameterType, objectType,
                                  resultType, context, fingerprint);
  r.getter = getter;
  Registry::Global().Add(std::move(r));
}

void Register_Cast(void* block, std::size_t blockSize, char const* name, char const* sourceType,
                   char const* targetType, CastCallback cast, void const* context,
                   FingerprintFunction fingerprint) {
  CheckBlock(block, blockSize, kPropertyBlockSize, "cast");
  Registration r;
  r.kind = Kind::Cast;
  r.block = block;
  r.name = Text(name);
  r.objectType = Text(sourceType);
  r.resultType = Text(targetType);
  r.cast = cast;
  r.context = context;
  r.fingerprint = fingerprint;
  Registry::Global().Add(std::move(r));
}

void Register_Binary_Operator(void* block, std::size_t blockSize, unsigned long code,
                              char const* leftType, char const* rightType, char const* resultType,
                              BinaryOperatorCallback op, void const* context,
                              FingerprintFunction fingerprint) {
  CheckBlock(block, blockSize, kPropertyBlockSize, "binary operator");
  Registration r;
  r.kind = Kind::BinaryOperator;
  r.block = block;
  r.operatorCode = code;
  r.objectType = Text(leftType);
  r.rightType = Text(rightType);
  r.resultType = Text(resultType);
  r.binary = op;
  r.context = context;
  r.fingerprint = fingerprint;
  Registry::Global().Add(std::move(r));
}

void Register_Unary_Operator(void* block, std::size_t blockSize, unsigned long code,
                             char const* operandType, char const* resultType,
                             UnaryOperatorCallback op, void const* context,
                             FingerprintFunction fingerprint) {
  CheckBlock(block, blockSize, kPropertyBlockSize, "unary operator");
  Registration r;
  r.kind = Kind::UnaryOperator;
  r.block = block;
  r.operatorCode = code;
  r.objectType = Text(operandType);
  r.resultType = Text(resultType);
  r.unary = op;
  r.context = context;
  r.fingerprint = fingerprint;
  Registry::Global().Add(std::move(r));
}

void Register_Iterated_Property(void* block, std::size_t blockSize, char const* name,
                                char const* plural, char const* parameterType,
                                char const* objectType, char const* resultType,
                                std::size_t stateSize, StateConstructCallback construct,
                                StateDestroyCallback destroy, PropertyGetter first,
                                PropertyGetter next, void const* context,
                                FingerprintFunction fingerprint) {
  CheckBlock(block, blockSize, kPropertyBlockSize, "iterated property");
  Registration r = PropertyRecord(Kind::IteratedProperty, block, name, plural, parameterType,
                                  objectType, resultType, context, fingerprint);
  r.stateSize = stateSize;
  r.constructState = construct;
  r.destroyState = destroy;
  r.first = first;
  r.next = next;
  Registry::Global().Add(std::move(r));
}

void Register_Aggregate_Property(void* block, std::size_t blockSize, char const* name,
                                 char const* plural, char const* parameterType,
                                 char const* objectType, char const* resultType,
                                 std::size_t stateSize, StateConstructCallback construct,
                                 StateDestroyCallback destroy, PropertyGetter firstInitial,
                                 PropertyGetter nextInitial, PropertyGetter first,
                                 PropertyGetter next, PropertyGetter firstFinal,
                                 PropertyGetter nextFinal, void const* context,
                                 FingerprintFunction fingerprint) {
  CheckBlock(block, blockSize, kPropertyBlockSize, "aggregate property");
  Registration r = PropertyRecord(Kind::AggregateProperty, block, name, plural, parameterType,
                                  objectType, resultType, context, fingerprint);
  r.stateSize = stateSize;
  r.constructState = construct;
  r.destroyState = destroy;
  r.firstInitial = firstInitial;
  r.nextInitial = nextInitial;
  r.first = first;
  r.next = next;
  r.firstFinal = firstFinal;
  r.nextFinal = nextFinal;
  Registry::Global().Add(std::move(r));
}

void Register_Cache(void* block, std::size_t blockSize, CacheClearCallback clear, void* context) {
  CheckBlock(block, blockSize, kCacheBlockSize, "cache");
  Registration r;
  r.kind = Kind::Cache;
  r.block = block;
  r.clear = clear;
  r.context = context;
  Registry::Global().Add(std::move(r));
}

void Unregister_Type(void* block) {
  Withdraw(block, {Kind::Type});
}

void Unregister_Property(void* block) {
  Withdraw(block, {Kind::Property, Kind::IteratedProperty, Kind::AggregateProperty});
}

void Unregister_Cast(void* block) {
  Withdraw(block, {Kind::Cast});
}

void Unregister_Binary_Operator(void* block) {
  Withdraw(block, {Kind::BinaryOperator});
}

void Unregister_Unary_Operator(void* block) {
  Withdraw(block, {Kind::UnaryOperator});
}

void Unregister_Cache(void* block) {
  Withdraw(block, {Kind::Cache});
}
