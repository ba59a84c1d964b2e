#include "host/result_values.h"

#include "host/builtin_operations.h"
#include "host/exception_names.h"
#include "host/interruption.h"
#include "host/memory.h"
#include "host/registry.h"
#include "host/streams.h"

namespace evaluator {

namespace {

std::string Bytes(inspector_string const& s) {
  return s.length == 0 ? std::string()
                       : std::string(reinterpret_cast<char const*>(s.bytes), s.length);
}

// The text of a value through a cast to string; nullopt when the cast has no value.
std::optional<std::string> CastText(Registration const& cast, void const* data) {
  inspector_string result;
  std::shared_ptr<Arena> arena;
  try {
    ArenaScope scope(arena);
    cast.cast(&result, data, cast.context);
    return Bytes(result);
  } catch (Interrupted const&) {
    throw;
  } catch (NoValue const&) {
    return std::nullopt;
  } catch (...) {
    throw QueryFailure(
        CurrentExceptionClassName() + ": the string form of a \"" + cast.objectType + "\"", 0);
  }
}

std::string Text(ValueType const& type, void const* data, Vocabulary const& vocabulary) {
  std::string const placeholder = "<" + type.name + ">";
  Registration const* cast = vocabulary.StringCast(type.name);
  int const castDistance = cast == nullptr ? -1 : vocabulary.Distance(type.name, cast->objectType);
  // A string (or a kind of string) is its own bytes, unless the library casts a
  // nearer type to string.
  int const stringDistance = vocabulary.Distance(type.name, "string");
  if (stringDistance >= 0 && (castDistance < 0 || stringDistance <= castDistance)) {
    return Bytes(*static_cast<inspector_string const*>(data));
  }
  if (cast == nullptr) return placeholder;
  return CastText(*cast, data).value_or(placeholder);
}

Value Convert(ValueType const& type, void const* data, Vocabulary const& vocabulary) {
  Value v;
  v.type = type.name;
  switch (type.root) {
    case ValueType::Root::Integer:
      v.kind = Value::Kind::Integer;
      v.integer = static_cast<integer const*>(data)->get();
      break;
    case ValueType::Root::Boolean:
      v.kind = Value::Kind::Boolean;
      v.boolean = static_cast<boolean const*>(data)->value != 0;
      break;
    case ValueType::Root::String:
      v.kind = Value::Kind::String;
      break;
    case ValueType::Root::Tuple: {
      v.kind = Value::Kind::Tuple;
      auto const* first = static_cast<TupleNode const*>(data);
      for (std::size_t i = 0; i < type.items.size(); ++i) {
        void const* item = TupleItem(i, first);
        if (item == nullptr) break;
        v.items.push_back(Convert(*type.items[i], item, vocabulary));
        if (i > 0) v.text += ", ";
        v.text += v.items.back().text;
      }
      return v;
    }
    case ValueType::Root::Other:
      v.kind = Value::Kind::Other;
      break;
  }
  v.text = Text(type, data, vocabulary);
  return v;
}

}  // namespace

Value ToResultValue(ValueBox const& box, Vocabulary const& vocabulary) {
  return Convert(*box.type(), box.data(), vocabulary);
}

}  // namespace evaluator
