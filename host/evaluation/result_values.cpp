#include "host/evaluation/result_values.h"

#include <unordered_map>

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

// How values of one type get their text: their own bytes, the cast, or neither
// (the placeholder).
struct TextRule {
  bool ownBytes = false;
  Registration const* cast = nullptr;
};

TextRule RuleFor(ValueType const& type, Registry const& registry) {
  auto const [cast, castDistance] = StringCast(type.name, registry);
  // A string (or a kind of string) is its own bytes, unless the library casts a
  // nearer type to string.
  int const stringDistance = registry.Distance(type.name, Name(kStringType));
  if (stringDistance >= 0 && (castDistance < 0 || stringDistance <= castDistance)) {
    return {true, nullptr};
  }
  return {false, cast};
}

// Converts the values of one result. The text rule of each type is found once: a
// tuple may have many items of the same type.
class Converter {
 public:
  explicit Converter(Registry const& registry) : registry_(registry) {}

  Value Convert(ValueType const& type, void const* data) {
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
          v.items.push_back(Convert(*type.items[i], node->item));
          if (i > 0) v.text += ", ";
          v.text += v.items.back().text;
        }
        return v;
      }
      case ValueType::Root::Other:
        v.kind = Value::Kind::Other;
        break;
    }
    v.text = Text(type, data);
    return v;
  }

 private:
  std::string Text(ValueType const& type, void const* data) {
    auto found = rules_.find(&type);
    if (found == rules_.end()) found = rules_.emplace(&type, RuleFor(type, registry_)).first;
    TextRule const& rule = found->second;
    if (rule.ownBytes) return Bytes(*static_cast<inspector_string const*>(data));
    if (rule.cast != nullptr) {
      if (auto text = CastText(*rule.cast, data)) return *std::move(text);
    }
    return "<" + type.name.text() + ">";
  }

  Registry const& registry_;
  std::unordered_map<ValueType const*, TextRule> rules_;
};

}  // namespace

Value ToResultValue(ValueBox const& box, Registry const& registry) {
  return Converter(registry).Convert(*box.type(), box.data());
}

}  // namespace evaluator
