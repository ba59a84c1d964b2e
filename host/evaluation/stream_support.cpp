#include "host/evaluation/stream_support.h"

#include <exception>
#include <new>
#include <string>

#include "host/contract/exception_names.h"

namespace evaluator {

void FailWithCurrentException(Node const& node) {
  try {
    throw;
  } catch (std::bad_alloc const&) {
    throw QueryFailure("out of memory: " + node.phrase(), node.column);
  } catch (...) {
  }
  std::string name = CurrentExceptionClassName();
  std::string detail;
  try {
    throw;
  } catch (std::exception const& e) {
    char const* what = e.what();
    if (what != nullptr && *what != '\0' && name.find(what) == std::string::npos) detail = what;
  } catch (...) {
  }
  if (!detail.empty()) name.append(" (").append(detail).append(")");
  throw QueryFailure(name.append(": ").append(node.phrase()), node.column);
}

StateRef MakeState(Registration const& r, Node const& node) {
  try {
    return std::make_shared<StateBox>(r.stateSize, r.constructState, r.destroyState);
  } catch (Interrupted& stop) {
    RecordWhereInterrupted(stop, node);
    throw;
  } catch (...) {
    FailWithCurrentException(node);
  }
}

namespace {

template <class T>
ValueRef Make(ValueType const* type, T value) {
  auto box = std::make_shared<ValueBox>(type);
  new (box->data()) T(value);
  box->MarkConstructed();
  return box;
}

}  // namespace

ValueRef MakeBoolean(ValueType const* type, bool b) {
  return Make(type, boolean(b));
}

ValueRef MakeInteger(ValueType const* type, std::int64_t i) {
  return Make(type, integer(i));
}

bool IsTrue(ValueRef const& v) {
  return static_cast<boolean const*>(v->data())->value != 0;
}

std::vector<Node const*> ChildrenOf(Node const& node) {
  std::vector<Node const*> out;
  for (auto const& c : node.children) out.push_back(c.get());
  return out;
}

std::vector<Node const*> ObjectAndParameterOf(Node const& node) {
  std::vector<Node const*> out;
  if (node.object()) out.push_back(node.object());
  if (node.parameter()) out.push_back(node.parameter());
  return out;
}

CrossProduct::CrossProduct(std::vector<Node const*> nodes, Environment environment, RunContext& run)
    : nodes_(std::move(nodes)),
      environment_(std::move(environment)),
      run_(run),
      streams_(nodes_.size()),
      values_(nodes_.size()) {}

bool CrossProduct::Next() {
  if (done_) return false;
  if (nodes_.empty()) {
    done_ = started_;
    started_ = true;
    return !done_;
  }
  std::size_t i = started_ ? nodes_.size() - 1 : 0;
  started_ = true;
  while (true) {
    if (!streams_[i]) streams_[i] = OpenStream(*nodes_[i], environment_, run_);
    values_[i] = streams_[i]->Next();
    if (!values_[i]) {
      streams_[i].reset();
      if (i == 0) {
        done_ = true;
        return false;
      }
      --i;
      continue;
    }
    if (i + 1 == nodes_.size()) return true;
    ++i;
  }
}

}  // namespace evaluator
