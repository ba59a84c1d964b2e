// The registration entry points that an inspector library calls: each one checks the
// block it is lent, makes the record of its arguments and adds it to the
// process-wide registry.
#include <stdexcept>
#include <string>
#include <string_view>

#include "framework/contract/evaluator.h"
#include "host/catalog/records.h"
#include "host/catalog/registry.h"

namespace {

using evaluator::Kind;
using evaluator::Registration;
using evaluator::Registry;
namespace records = evaluator::records;

std::string_view Text(char const* name) {
  return name == nullptr ? std::string_view() : std::string_view(name);
}

void Enter(std::size_t blockSize, std::size_t expected, char const* what, Registration record) {
  if (record.block == nullptr) {
    throw std::logic_error(std::string(what) + " registered without a block");
  }
  if (blockSize != expected) {
    throw std::logic_error(std::string(what) + " registered with a block of " +
                           std::to_string(blockSize) + " bytes instead of " +
                           std::to_string(expected));
  }
  Registry::Global().Add(std::move(record));
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
  Enter(blockSize, kTypeBlockSize, "type",
        records::Type(block, Text(name), valueSize, destroy, Text(baseName), fingerprint));
}

void Register_Property(void* block, std::size_t blockSize, char const* name, char const* plural,
                       char const* parameterType, char const* objectType, char const* resultType,
                       PropertyGetter getter, void const* context,
                       FingerprintFunction fingerprint) {
  records::Signature const signature{Text(name), Text(plural), Text(parameterType),
                                     Text(objectType), Text(resultType)};
  Enter(blockSize, kPropertyBlockSize, "property",
        records::Property(block, signature, getter, context, fingerprint));
}

void Register_Cast(void* block, std::size_t blockSize, char const* name, char const* sourceType,
                   char const* targetType, CastCallback cast, void const* context,
                   FingerprintFunction fingerprint) {
  Enter(blockSize, kPropertyBlockSize, "cast",
        records::Cast(block, Text(name), Text(sourceType), Text(targetType), cast, context,
                      fingerprint));
}

void Register_Binary_Operator(void* block, std::size_t blockSize, unsigned long code,
                              char const* leftType, char const* rightType, char const* resultType,
                              BinaryOperatorCallback op, void const* context,
                              FingerprintFunction fingerprint) {
  Enter(blockSize, kPropertyBlockSize, "binary operator",
        records::BinaryOperator(block, code, Text(leftType), Text(rightType), Text(resultType), op,
                                context, fingerprint));
}

void Register_Unary_Operator(void* block, std::size_t blockSize, unsigned long code,
                             char const* operandType, char const* resultType,
                             UnaryOperatorCallback op, void const* context,
                             FingerprintFunction fingerprint) {
  Enter(blockSize, kPropertyBlockSize, "unary operator",
        records::UnaryOperator(block, code, Text(operandType), Text(resultType), op, context,
                               fingerprint));
}

void Register_Iterated_Property(void* block, std::size_t blockSize, char const* name,
                                char const* plural, char const* parameterType,
                                char const* objectType, char const* resultType,
                                std::size_t stateSize, StateConstructCallback construct,
                                StateDestroyCallback destroy, PropertyGetter first,
                                PropertyGetter next, void const* context,
                                FingerprintFunction fingerprint) {
  records::Signature const signature{Text(name), Text(plural), Text(parameterType),
                                     Text(objectType), Text(resultType)};
  Enter(blockSize, kPropertyBlockSize, "iterated property",
        records::IteratedProperty(block, signature, {stateSize, construct, destroy}, {first, next},
                                  context, fingerprint));
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
  records::Signature const signature{Text(name), Text(plural), Text(parameterType),
                                     Text(objectType), Text(resultType)};
  Enter(blockSize, kPropertyBlockSize, "aggregate property",
        records::AggregateProperty(block, signature, {stateSize, construct, destroy},
                                   {firstInitial, nextInitial}, {first, next},
                                   {firstFinal, nextFinal}, context, fingerprint));
}

void Register_Cache(void* block, std::size_t blockSize, CacheClearCallback clear, void* context) {
  Enter(blockSize, kCacheBlockSize, "cache", records::Cache(block, clear, context));
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
