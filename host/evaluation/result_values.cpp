#include "host/evaluation/result_values.h"

#include "host/contract/exception_names.h"
#include "host/contract/interruption.h"
#include "host/contract/memory.h"
#include "host/evaluation/stream.h"

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
        CurrentExceptionClassName() + ": the string form of a \"" + cast.objectType.text() + "\"",
        0);
  }
}

// The cast named "string" from `type` or its nearest base, and how near that is;
// null when there is none. The library's casts come before the evaluator's own.
std::pair<Registration const*, int> StringCast(Name const& type, Registry const& registry) {
  Registration const* best = nullptr;
  int bestDistance = -1;
  for (Registration const* r : registry.FindCasts(Name(kStringCast), Scope::Everything)) {
    if (best != nullptr && r->origin != best->origin) break;
    if (r->resultType != kStringType) continue;
    int const d = registry.Distance(type, r->objectType);
    if (d >= 0 && (best == nullptr || d < bestDistance)) {
      best = r;
      bestDistance = d;
    }
  }
  return {best, bestDistance};
}

std::string Text(ValueType const& type, void const* data, Registry const& registry) {
  std::string const placeholder = "<" + type.name.text() + ">";
  auto const [cast, castDistance] = StringCast(type.name, registry);
  // A string (or a kind of string) is its own bytes, unless the library casts a
  // nearer type to string.
  int const stringDistance = registry.Distance(type.name, Name(kStringType));
  if (stringDistance >= 0 && (castDistance < 0 || stringDistance <= castDistance)) {
    return Bytes(*static_cast<inspector_string const*>(data));
  }
  if (cast == nullptr) return placeholder;
  return CastText(*cast, data).value_or(placeholder);
}

Value Convert(ValueType const& type, void const* data, Registry const& registry) {
  Value v;
  v.type = type.name.text();
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
      // One walk along the chain of nodes: a tuple may have many items.
      v.kind = Value::Kind::Tuple;
      v.items.reserve(type.items.size());
      auto const* node = static_cast<TupleNode const*>(data);
      for (std::size_t i = 0; i < type.items.size() && node != nullptr; ++i, node = node->next) {
        CheckInterruption();
        v.items.push_back(Convert(*type.items[i], node->item, registry));
        if (i > 0) v.text += ", ";
        v.text += v.items.back().text;
      }
      return v;
    }
    case ValueType::Root::Other:
      v.kind = Value::Kind::Other;
      break;
  }
  v.text = Text(type, data, registry);
  return v;
}

}  // namespace

Value ToResultValue(ValueBox const& box, Registry const& registry) {
  return Convert(*box.type(), box.data(), registry);
}

}  // namespace evaluator
