#include "host/query/type_checker.h"

#include <limits>
#include <unordered_set>
#include <vector>

#include "host/catalog/names.h"
#include "host/catalog/registry.h"
#include "host/contract/interruption.h"
#include "host/query/operators.h"

namespace evaluator {

namespace {

// Steps of the checker (nodes visited, list items compared) between two
// interruption checks.
constexpr unsigned kStepsPerCheck = 1024;

// The bytes of tuple type names that checking a query may make: far more than any
// query of flat tuples needs (a name is a few times its tuple's text), far less than
// tuples nested 200 deep, each level wide, would make.
constexpr std::size_t kTupleNamesAtLeast = std::size_t{1} << 20;
constexpr std::size_t kTupleNamesPerQueryByte = 16;

// A name or type name in quotes: at most an excerpt of it.
std::string Quote(std::string_view text) {
  return Quoted(text);
}

std::string Quote(Name const& name) {
  return Quoted(name.text());
}

class Checker {
 public:
  Checker(Registry const& registry, TypeTable& types, std::size_t querySize)
      : registry_(registry),
        types_(types),
        integer_(types.Integer()),
        string_(types.String()),
        boolean_(types.Boolean()),
        tupleNameBudget_(kTupleNamesAtLeast + kTupleNamesPerQueryByte * querySize) {}

  void Visit(Node& n) {
    Step(n.column);
    switch (n.kind) {
      case NodeKind::Integer:
      case NodeKind::NumberOf:
        return Singular(n, integer_);
      case NodeKind::String:
        return Singular(n, string_);
      case NodeKind::Boolean:
      case NodeKind::Exists:
        return Singular(n, boolean_);
      case NodeKind::It:
        if (it_.empty()) throw TypeError("\"it\" is used outside \"whose\"", n.column);
        return Set(n, it_.back(), false);
      case NodeKind::Not:
      case NodeKind::And:
      case NodeKind::Or:
        return CheckLogic(n);
      case NodeKind::Phrase:
        return CheckPhrase(n);
      case NodeKind::Cast:
        return CheckCast(n);
      case NodeKind::Binary:
        return CheckBinary(n);
      case NodeKind::Negate:
        return CheckNegate(n);
      case NodeKind::If:
        return CheckIf(n);
      case NodeKind::Item:
        return CheckItem(n);
      case NodeKind::Whose:
        return CheckWhose(n);
      case NodeKind::Tuple:
        return CheckTuple(n);
      case NodeKind::List:
        return CheckList(n);
    }
  }

 private:
  // Counts a step of work at `column`; every kStepsPerCheck steps, checks for
  // interruption, which then carries that column.
  void Step(std::size_t column) {
    if (++steps_ % kStepsPerCheck != 0) return;
    try {
      CheckInterruption();
    } catch (Interrupted& e) {
      if (e.column == 0) e.column = column;
      throw;
    }
  }

  void Set(Node& n, ValueType const* type, bool plural) {
    n.type = type;
    n.plural = plural;
  }

  ValueType const* TypeNamed(Name const& name, Node const& n) {
    ValueType const* t = types_.Find(name);
    if (t == nullptr) throw TypeError("unknown type " + Quote(name), n.column);
    return t;
  }

  // Whether `type` is a kind of `base`: the registry's answer, found without
  // comparing names where the types alone tell (the same type; tuples of one tag, of
  // other widths or of items that are not kinds of the base's).
  bool IsA(ValueType const* type, ValueType const* base) const {
    if (type == base) return true;
    if (type->root == ValueType::Root::Tuple && base->root == ValueType::Root::Tuple &&
        TupleTag(type->name.text()) == TupleTag(base->name.text())) {
      if (type->items.size() != base->items.size()) return false;
      for (std::size_t i = 0; i < type->items.size(); ++i) {
        if (!IsA(type->items[i], base->items[i])) return false;
      }
      return true;
    }
    return registry_.IsA(type->name, base->name);
  }

  // A single value of `type`, whatever the node's children (`exists`, `number of`).
  void Singular(Node& n, ValueType const* type) {
    for (auto& c : n.children) Visit(*c);
    Set(n, type, false);
  }

  // `not`, `and` and `or` need single booleans.
  void CheckLogic(Node& n) {
    char const* word = n.kind == NodeKind::Not ? "not" : (n.kind == NodeKind::And ? "and" : "or");
    for (auto& c : n.children) {
      Visit(*c);
      RequireSingleBoolean(*c, word);
    }
    Set(n, boolean_, false);
  }

  void RequireSingleBoolean(Node const& operand, char const* word) {
    if (!IsA(operand.type, boolean_)) {
      throw TypeError(Quote(word) + " needs a boolean, not " + Quote(operand.type->name),
                      operand.column);
    }
    if (operand.plural) {
      throw TypeError(
          Quote(word) + " needs a single boolean, not a plural " + Quote(operand.type->name),
          operand.column);
    }
  }

  // The best of the candidates for the operand types; `distance` gives the distance
  // of a record (negative when it does not apply). The library's records come first
  // and take precedence over the evaluator's own; among one origin's the nearest wins,
  // and of equally near ones the one registered first.
  template <class Distance>
  static Registration const* Choose(std::vector<Registration const*> const& candidates,
                                    Distance distance) {
    Registration const* best = nullptr;
    long bestDistance = std::numeric_limits<long>::max();
    for (Registration const* r : candidates) {
      if (best != nullptr && r->origin != best->origin) break;
      long const d = distance(*r);
      if (d >= 0 && d < bestDistance) {
        best = r;
        bestDistance = d;
      }
    }
    return best;
  }

  void CheckPhrase(Node& n) {
    Node* const parameter = n.parameter();
    Node* const object = n.object();
    if (parameter != nullptr) Visit(*parameter);
    if (object != nullptr) Visit(*object);
    Name const& name = n.name();

    auto const candidates = registry_.FindProperties(name, Scope::Everything);
    auto distance = [&](Registration const& r) -> long {
      if (r.kind == Kind::AggregateProperty && r.objectType.empty()) return -1;
      if (r.parameterType.empty() != (parameter == nullptr)) return -1;
      if (r.objectType.empty() != (object == nullptr)) return -1;
      long objectDistance = 0;
      long parameterDistance = 0;
      if (object != nullptr) {
        objectDistance = registry_.Distance(object->type->name, r.objectType);
        if (objectDistance < 0) return -1;
      }
      if (parameter != nullptr) {
        parameterDistance = registry_.Distance(parameter->type->name, r.parameterType);
        if (parameterDistance < 0) return -1;
      }
      // The object's distance counts first, the parameter's breaks ties.
      return objectDistance * 1000 + parameterDistance;
    };
    Registration const* r = Choose(candidates, distance);
    if (r == nullptr) {
      if (candidates.empty() && (!registry_.FindCasts(name, Scope::Everything).empty() ||
                                 registry_.IsKnownType(name))) {
        throw TypeError(Quote(name) + " is a type or cast name, not a property", n.column);
      }
      std::string message = "no property " + Quote(name);
      if (parameter != nullptr) message += " with parameter " + Quote(parameter->type->name);
      if (object != nullptr) message += " of " + Quote(object->type->name);
      throw TypeError(message, n.column);
    }
    if (!IsPropertyKind(r->kind)) throw TypeError("not a property: " + Quote(name), n.column);

    n.registration = r;
    n.pluralForm = name != r->name;
    ValueType const* result = TypeNamed(r->resultType, n);
    switch (r->kind) {
      case Kind::IteratedProperty:
        n.shape = CallShape::Iterated;
        break;
      case Kind::AggregateProperty:
        n.shape = CallShape::Aggregate;
        break;
      default:
        n.shape = CallShape::Property;
        break;
    }
    if (!n.pluralForm) {
      // The whole object sequence is an aggregate's single argument.
      bool const objectMayBePlural = n.shape == CallShape::Aggregate;
      if (object != nullptr && object->plural && !objectMayBePlural) {
        std::string message = "the singular " + Quote(name) + " is applied to a plural " +
                              Quote(object->type->name);
        if (!r->plural.empty()) message += "; use " + Quote(r->plural);
        throw TypeError(message, n.column);
      }
      if (parameter != nullptr && parameter->plural) {
        throw TypeError("the singular " + Quote(name) + " has a plural parameter",
                        parameter->column);
      }
    }
    Set(n, result, n.pluralForm);
  }

  void CheckCast(Node& n) {
    Node& operand = *n.children[0];
    Visit(operand);
    Name const& source = operand.type->name;
    Name const& name = n.name();
    auto const candidates = registry_.FindCasts(name, Scope::Everything);
    Registration const* r = Choose(candidates, [&](Registration const& c) -> long {
      return registry_.Distance(source, c.objectType);
    });
    if (r != nullptr) {
      n.registration = r;
      Set(n, TypeNamed(r->resultType, n), operand.plural);
      return;
    }
    // A value is already what its base types are: casting to one of them only
    // changes the type it is seen as.
    if (registry_.IsKnownType(name) && registry_.IsA(source, name)) {
      Set(n, TypeNamed(name, n), operand.plural);
      return;
    }
    throw TypeError("no cast " + Quote(name) + " from " + Quote(source), n.column);
  }

  void CheckBinary(Node& n) {
    Node& left = *n.children[0];
    Node& right = *n.children[1];
    Visit(left);
    Visit(right);
    OperatorFacts const& form = FactsOf(n.op);
    // `a > b` is `b < a`: the registration is looked up with the operands swapped.
    Name const& first = form.swap ? right.type->name : left.type->name;
    Name const& second = form.swap ? left.type->name : right.type->name;
    auto const candidates = registry_.FindBinaryOperators(form.code, Scope::Everything);
    Registration const* r = Choose(candidates, [&](Registration const& o) -> long {
      int const a = registry_.Distance(first, o.objectType);
      int const b = registry_.Distance(second, o.rightType);
      return a < 0 || b < 0 ? -1 : a * 1000L + b;
    });
    if (r == nullptr) {
      throw TypeError("no operator " + Quote(form.spelling) + " for " + Quote(left.type->name) +
                          " and " + Quote(right.type->name),
                      n.column);
    }
    ValueType const* result = TypeNamed(r->resultType, n);
    if (form.negate && !IsA(result, boolean_)) {
      throw TypeError("the relation " + Quote(form.spelling) + " of " + Quote(left.type->name) +
                          " and " + Quote(right.type->name) + " is not boolean",
                      n.column);
    }
    n.registration = r;
    n.swapOperands = form.swap;
    n.negate = form.negate;
    Set(n, form.negate ? boolean_ : result, left.plural || right.plural);
  }

  void CheckNegate(Node& n) {
    Node& operand = *n.children[0];
    Visit(operand);
    auto const candidates = registry_.FindUnaryOperators(kUnaryMinus, Scope::Everything);
    Registration const* r = Choose(candidates, [&](Registration const& o) -> long {
      return registry_.Distance(operand.type->name, o.objectType);
    });
    if (r == nullptr) {
      throw TypeError(
          "no operator " + Quote(kUnaryMinusSpelling) + " for " + Quote(operand.type->name),
          n.column);
    }
    n.registration = r;
    Set(n, TypeNamed(r->resultType, n), operand.plural);
  }

  // The type that both `a` and `b` are: one of the two; null when neither is a kind
  // of the other.
  ValueType const* Common(ValueType const* a, ValueType const* b) {
    if (IsA(a, b)) return b;
    if (IsA(b, a)) return a;
    return nullptr;
  }

  void CheckIf(Node& n) {
    for (auto& c : n.children) Visit(*c);
    RequireSingleBoolean(*n.children[0], "if");
    Node const& then = *n.children[1];
    Node const& otherwise = *n.children[2];
    ValueType const* type = Common(then.type, otherwise.type);
    if (type == nullptr) {
      throw TypeError("\"then\" and \"else\" differ in type: " + Quote(then.type->name) + " and " +
                          Quote(otherwise.type->name),
                      otherwise.column);
    }
    Set(n, type, then.plural || otherwise.plural);
  }

  void CheckItem(Node& n) {
    Node& tuple = *n.children[0];
    Visit(tuple);
    if (tuple.type->root != ValueType::Root::Tuple) {
      throw TypeError("\"item\" needs a tuple, not " + Quote(tuple.type->name), n.column);
    }
    auto const& items = tuple.type->items;
    if (n.integer < 0 || static_cast<std::size_t>(n.integer) >= items.size()) {
      throw TypeError("no item " + std::to_string(n.integer) + " in " + Quote(tuple.type->name),
                      n.column);
    }
    Set(n, items[static_cast<std::size_t>(n.integer)], tuple.plural);
  }

  void CheckWhose(Node& n) {
    Node& source = *n.children[0];
    Node& condition = *n.children[1];
    Visit(source);
    it_.push_back(source.type);
    Visit(condition);
    it_.pop_back();
    RequireSingleBoolean(condition, "whose");
    Set(n, source.type, source.plural);
  }

  void CheckTuple(Node& n) {
    std::vector<std::string_view> names;
    bool plural = false;
    std::size_t nameSize = 2 * n.children.size();  // the parentheses and the ", "s
    for (auto& c : n.children) {
      Visit(*c);
      names.push_back(c->type->name.text());
      nameSize += names.back().size();
      plural = plural || c->plural;
    }
    // A tuple's type name holds its items' names, so tuples nested in tuples make
    // names that add up to the depth times the query; they are bounded.
    tupleNames_ += nameSize;
    if (tupleNames_ > tupleNameBudget_) {
      throw TypeError("the tuple types of the query are too large", n.column);
    }
    Set(n, TypeNamed(Name(TupleTypeName(names)), n), plural);
  }

  void CheckList(Node& n) {
    for (auto& c : n.children) Visit(*c);
    // The list's type is the first item type that every item is a kind of: the first
    // of the distinct item types that every distinct item type is a kind of.
    std::vector<ValueType const*> distinct;
    std::unordered_set<ValueType const*> seen;
    for (auto const& c : n.children) {
      if (!distinct.empty() && c->type == distinct.back()) continue;
      if (seen.insert(c->type).second) distinct.push_back(c->type);
    }
    for (ValueType const* candidate : distinct) {
      bool all = true;
      for (ValueType const* t : distinct) {
        Step(n.column);
        if (!IsA(t, candidate)) {
          all = false;
          break;
        }
      }
      if (all) {
        Set(n, candidate, true);
        return;
      }
    }
    Node const& first = *n.children[0];
    for (auto const& c : n.children) {
      if (Common(first.type, c->type) == nullptr) {
        throw TypeError("items of a list differ in type: " + Quote(first.type->name) + " and " +
                            Quote(c->type->name),
                        c->column);
      }
    }
    throw TypeError("items of a list have no common type", n.column);
  }

  Registry const& registry_;
  TypeTable& types_;
  ValueType const* const integer_;
  ValueType const* const string_;
  ValueType const* const boolean_;
  std::vector<ValueType const*> it_;
  unsigned steps_ = 0;
  std::size_t const tupleNameBudget_;
  std::size_t tupleNames_ = 0;  // bytes of the tuple type names made so far
};

}  // namespace

void CheckTypes(Node& root, Registry const& registry, TypeTable& types) {
  Checker(registry, types, root.source().size()).Visit(root);
}

}  // namespace evaluator
