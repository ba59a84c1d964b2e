#include "host/type_checker.h"

#include <limits>
#include <vector>

#include "host/registry.h"
#include "host/tuples.h"

namespace evaluator {

namespace {

std::string Quote(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted.append(1, '"').append(text).append(1, '"');
  return quoted;
}

char const* OperatorSymbol(BinaryOp op) {
  switch (op) {
    case BinaryOp::Plus:
      return "+";
    case BinaryOp::Minus:
      return "-";
    case BinaryOp::Times:
      return "*";
    case BinaryOp::Divide:
      return "/";
    case BinaryOp::Modulo:
      return "mod";
    case BinaryOp::Concatenate:
      return "&";
    case BinaryOp::Equal:
      return "=";
    case BinaryOp::NotEqual:
      return "!=";
    case BinaryOp::Less:
      return "<";
    case BinaryOp::LessOrEqual:
      return "<=";
    case BinaryOp::Greater:
      return ">";
    case BinaryOp::GreaterOrEqual:
      return ">=";
    case BinaryOp::StartsWith:
      return "starts with";
    case BinaryOp::NotStartsWith:
      return "does not start with";
    case BinaryOp::EndsWith:
      return "ends with";
    case BinaryOp::NotEndsWith:
      return "does not end with";
    case BinaryOp::Contains:
      return "contains";
    case BinaryOp::NotContains:
      return "does not contain";
  }
  return "?";
}

// The registered code of an operator as written, whether its operands are swapped,
// and whether its result is negated.
struct OperatorForm {
  unsigned long code;
  bool swap;
  bool negate;
};

OperatorForm FormOf(BinaryOp op) {
  switch (op) {
    case BinaryOp::Plus:
      return {kOperatorPlus, false, false};
    case BinaryOp::Minus:
      return {kOperatorMinus, false, false};
    case BinaryOp::Times:
      return {kOperatorTimes, false, false};
    case BinaryOp::Divide:
      return {kOperatorDivide, false, false};
    case BinaryOp::Modulo:
      return {kOperatorModulo, false, false};
    case BinaryOp::Concatenate:
      return {kOperatorConcatenate, false, false};
    case BinaryOp::Equal:
      return {kRelationEqual, false, false};
    case BinaryOp::NotEqual:
      return {kRelationEqual, false, true};
    case BinaryOp::Less:
      return {kRelationLess, false, false};
    case BinaryOp::LessOrEqual:
      return {kRelationLessOrEqual, false, false};
    case BinaryOp::Greater:
      return {kRelationLess, true, false};
    case BinaryOp::GreaterOrEqual:
      return {kRelationLessOrEqual, true, false};
    case BinaryOp::StartsWith:
      return {kRelationStartsWith, false, false};
    case BinaryOp::NotStartsWith:
      return {kRelationStartsWith, false, true};
    case BinaryOp::EndsWith:
      return {kRelationEndsWith, false, false};
    case BinaryOp::NotEndsWith:
      return {kRelationEndsWith, false, true};
    case BinaryOp::Contains:
      return {kRelationContains, false, false};
    case BinaryOp::NotContains:
      return {kRelationContains, false, true};
  }
  return {kOperatorPlus, false, false};
}

bool IsPropertyKind(Kind k) {
  return k == Kind::Property || k == Kind::IteratedProperty || k == Kind::AggregateProperty;
}

class Checker {
 public:
  Checker(Vocabulary const& vocabulary, TypeTable& types)
      : vocabulary_(vocabulary), types_(types) {}

  void Visit(Node& n) {
    switch (n.kind) {
      case NodeKind::Integer:
        Set(n, types_.Integer(), false);
        return;
      case NodeKind::String:
        Set(n, types_.String(), false);
        return;
      case NodeKind::Boolean:
        Set(n, types_.Boolean(), false);
        return;
      case NodeKind::It:
        if (it_.empty()) throw TypeError("\"it\" is used outside \"whose\"", n.column);
        Set(n, it_.back(), false);
        return;
      case NodeKind::Phrase:
        return CheckPhrase(n);
      case NodeKind::Cast:
        return CheckCast(n);
      case NodeKind::Binary:
        return CheckBinary(n);
      case NodeKind::Negate:
        return CheckNegate(n);
      case NodeKind::Not:
        Visit(*n.children[0]);
        RequireSingleBoolean(*n.children[0], "not");
        Set(n, types_.Boolean(), false);
        return;
      case NodeKind::And:
      case NodeKind::Or: {
        char const* word = n.kind == NodeKind::And ? "and" : "or";
        for (auto& c : n.children) {
          Visit(*c);
          RequireSingleBoolean(*c, word);
        }
        Set(n, types_.Boolean(), false);
        return;
      }
      case NodeKind::Exists:
        Visit(*n.children[0]);
        Set(n, types_.Boolean(), false);
        return;
      case NodeKind::NumberOf:
        Visit(*n.children[0]);
        Set(n, types_.Integer(), false);
        return;
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
  void Set(Node& n, ValueType const* type, bool plural) {
    n.type = type;
    n.plural = plural;
  }

  ValueType const* TypeNamed(std::string_view name, Node const& n) {
    ValueType const* t = types_.Find(name);
    if (t == nullptr) throw TypeError("unknown type " + Quote(name), n.column);
    return t;
  }

  bool IsA(ValueType const* type, std::string_view base) const {
    return vocabulary_.Distance(type->name, base) >= 0;
  }

  void RequireSingleBoolean(Node const& operand, char const* word) {
    if (!IsA(operand.type, "boolean")) {
      throw TypeError(Quote(word) + " needs a boolean, not " + Quote(operand.type->name),
                      operand.column);
    }
    if (operand.plural) {
      throw TypeError(
          Quote(word) + " needs a single boolean, not a plural " + Quote(operand.type->name),
          operand.column);
    }
  }

  // The best registration among `records` for the operand types; `match` gives the
  // distance of a record (negative when it does not apply). Ties go to the record
  // registered first.
  template <class Match>
  static Registration const* Best(std::vector<Registration const*> const& records, Match match) {
    Registration const* best = nullptr;
    long bestScore = std::numeric_limits<long>::max();
    for (Registration const* r : records) {
      long const score = match(*r);
      if (score >= 0 && score < bestScore) {
        best = r;
        bestScore = score;
      }
    }
    return best;
  }

  template <class Match>
  static Registration const* Choose(Vocabulary::Candidates const& c, Match match) {
    if (Registration const* r = Best(c.library, match)) return r;
    return Best(c.builtin, match);
  }

  void CheckPhrase(Node& n) {
    if (n.parameter) Visit(*n.parameter);
    if (n.object) Visit(*n.object);
    Node const* parameter = n.parameter.get();
    Node const* object = n.object.get();

    Vocabulary::Candidates const candidates = vocabulary_.Properties(n.text);
    auto match = [&](Registration const& r) -> long {
      if (r.kind == Kind::AggregateProperty && r.objectType.empty()) return -1;
      if (r.parameterType.empty() != (parameter == nullptr)) return -1;
      if (r.objectType.empty() != (object == nullptr)) return -1;
      long objectDistance = 0;
      long parameterDistance = 0;
      if (object != nullptr) {
        objectDistance = vocabulary_.Distance(object->type->name, r.objectType);
        if (objectDistance < 0) return -1;
      }
      if (parameter != nullptr) {
        parameterDistance = vocabulary_.Distance(parameter->type->name, r.parameterType);
        if (parameterDistance < 0) return -1;
      }
      // The object's distance counts first, the parameter's breaks ties.
      return objectDistance * 1000 + parameterDistance;
    };
    Registration const* r = Choose(candidates, match);
    if (r == nullptr) {
      if (candidates.empty() &&
          (!vocabulary_.Casts(n.text).empty() || vocabulary_.IsKnownType(n.text))) {
        throw TypeError(Quote(n.text) + " is a type or cast name, not a property", n.column);
      }
      std::string message = "no property " + Quote(n.text);
      if (parameter != nullptr) message += " with parameter " + Quote(parameter->type->name);
      if (object != nullptr) message += " of " + Quote(object->type->name);
      throw TypeError(message, n.column);
    }
    if (!IsPropertyKind(r->kind)) throw TypeError("not a property: " + Quote(n.text), n.column);

    n.registration = r;
    n.pluralForm = !EqualIgnoringCase(n.text, r->name);
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
        std::string message = "the singular " + Quote(n.text) + " is applied to a plural " +
                              Quote(object->type->name);
        if (!r->plural.empty()) message += "; use " + Quote(r->plural);
        throw TypeError(message, n.column);
      }
      if (parameter != nullptr && parameter->plural) {
        throw TypeError("the singular " + Quote(n.text) + " has a plural parameter",
                        parameter->column);
      }
    }
    Set(n, result, n.pluralForm);
  }

  void CheckCast(Node& n) {
    Node& operand = *n.children[0];
    Visit(operand);
    std::string const& source = operand.type->name;
    Registration const* r = Choose(vocabulary_.Casts(n.text), [&](Registration const& c) -> long {
      return vocabulary_.Distance(source, c.objectType);
    });
    if (r != nullptr) {
      n.registration = r;
      Set(n, TypeNamed(r->resultType, n), operand.plural);
      return;
    }
    // A value is already what its base types are: casting to one of them only
    // changes the type it is seen as.
    if (vocabulary_.IsKnownType(n.text) && vocabulary_.Distance(source, n.text) >= 0) {
      Set(n, TypeNamed(n.text, n), operand.plural);
      return;
    }
    throw TypeError("no cast " + Quote(n.text) + " from " + Quote(source), n.column);
  }

  void CheckBinary(Node& n) {
    Node& left = *n.children[0];
    Node& right = *n.children[1];
    Visit(left);
    Visit(right);
    OperatorForm const form = FormOf(n.op);
    // `a > b` is `b < a`: the registration is looked up with the operands swapped.
    std::string const& first = form.swap ? right.type->name : left.type->name;
    std::string const& second = form.swap ? left.type->name : right.type->name;
    Registration const* r =
        Choose(vocabulary_.BinaryOperators(form.code), [&](Registration const& o) -> long {
          int const a = vocabulary_.Distance(first, o.objectType);
          int const b = vocabulary_.Distance(second, o.rightType);
          return a < 0 || b < 0 ? -1 : a * 1000L + b;
        });
    if (r == nullptr) {
      throw TypeError("no operator " + Quote(OperatorSymbol(n.op)) + " for " +
                          Quote(left.type->name) + " and " + Quote(right.type->name),
                      n.column);
    }
    ValueType const* result = TypeNamed(r->resultType, n);
    if (form.negate && !IsA(result, "boolean")) {
      throw TypeError("the relation " + Quote(OperatorSymbol(n.op)) + " of " +
                          Quote(left.type->name) + " and " + Quote(right.type->name) +
                          " is not boolean",
                      n.column);
    }
    n.registration = r;
    n.swapOperands = form.swap;
    n.negate = form.negate;
    Set(n, form.negate ? types_.Boolean() : result, left.plural || right.plural);
  }

  void CheckNegate(Node& n) {
    Node& operand = *n.children[0];
    Visit(operand);
    Registration const* r =
        Choose(vocabulary_.UnaryOperators(kUnaryMinus), [&](Registration const& o) -> long {
          return vocabulary_.Distance(operand.type->name, o.objectType);
        });
    if (r == nullptr) {
      throw TypeError("no operator \"-\" for " + Quote(operand.type->name), n.column);
    }
    n.registration = r;
    Set(n, TypeNamed(r->resultType, n), operand.plural);
  }

  // The type that both `a` and `b` are: one of the two; null when neither is a kind
  // of the other.
  ValueType const* Common(ValueType const* a, ValueType const* b) {
    if (IsA(a, b->name)) return b;
    if (IsA(b, a->name)) return a;
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
    for (auto& c : n.children) {
      Visit(*c);
      names.push_back(c->type->name);
      plural = plural || c->plural;
    }
    Set(n, TypeNamed(TupleTypeName(names), n), plural);
  }

  void CheckList(Node& n) {
    for (auto& c : n.children) Visit(*c);
    // The list's type is the first item type that every item is a kind of.
    for (auto const& candidate : n.children) {
      bool all = true;
      for (auto const& c : n.children) {
        if (!IsA(c->type, candidate->type->name)) {
          all = false;
          break;
        }
      }
      if (all) {
        Set(n, candidate->type, true);
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

  Vocabulary const& vocabulary_;
  TypeTable& types_;
  std::vector<ValueType const*> it_;
};

}  // namespace

void CheckTypes(Node& root, Vocabulary const& vocabulary, TypeTable& types) {
  Checker(vocabulary, types).Visit(root);
}

}  // namespace evaluator
