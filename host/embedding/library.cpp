// evaluator::Library: loading an inspector library and checking, when it is
// unloaded, that it withdrew every registration it made while loading.
#include <dlfcn.h>

#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/catalog/registry.h"
#include "host/embedding/embedding.h"
#include "host/embedding/evaluator_lock.h"
#include "host/embedding/shared_object.h"

namespace evaluator {

namespace {

// Sequence ranges of the registrations that each loaded library made while loading,
// by handle. dlopen may return the same handle again for a library that is already
// loaded; the range of the first load is kept.
struct LoadRange {
  void* handle;
  std::uint64_t first;
  std::uint64_t last;  // one past
  std::size_t references;
};

// Never destroyed, like the registry: a Library that outlives this library's own
// static objects (a global in the program) still finds its range when it unloads.
std::vector<LoadRange>& LoadRanges() {
  alignas(std::vector<LoadRange>) static unsigned char storage[sizeof(std::vector<LoadRange>)];
  static std::vector<LoadRange>* const ranges = new (storage) std::vector<LoadRange>();
  return *ranges;
}

}  // namespace

namespace {

// An inspector library implements nothing of the evaluator: it links libevaluator for
// the entry points it calls. Anything else is refused before its code can run.
void RequireInspectorLibrary(std::filesystem::path const& path) {
  for (std::string const& needed : NeededLibraries(path)) {
    if (needed.starts_with("libevaluator.so")) return;
  }
  throw std::runtime_error(path.string() +
                           " is not an inspector library: it does not link libevaluator");
}

}  // namespace

Library::Library(std::filesystem::path const& path) : path_(std::filesystem::absolute(path)) {
  // The file named, never one found along the loader's search path.
  RequireInspectorLibrary(path_);
  EvaluatorLock lock;  // loading registers: no query may run meanwhile
  Registry& registry = Registry::Global();
  std::uint64_t const first = registry.NextSequence();
  handle_ = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    char const* message = ::dlerror();
    throw std::runtime_error(message != nullptr ? message : "cannot load " + path_.string());
  }
  for (LoadRange& range : LoadRanges()) {
    if (range.handle == handle_) {
      ++range.references;
      return;
    }
  }
  std::uint64_t const last = registry.NextSequence();
  if (last == first) {
    ::dlclose(handle_);
    handle_ = nullptr;
    throw std::runtime_error(path_.string() +
                             " is not an inspector library: it registered nothing");
  }
  LoadRanges().push_back({handle_, first, last, 1});
}

Library::~Library() {
  try {
    std::vector<std::string> leftovers = Unload();
    for (std::string const& leftover : leftovers) {
      std::fprintf(stderr, "%s: registration left behind after unloading: %s\n",
                   path_.string().c_str(), leftover.c_str());
    }
  } catch (std::exception const& e) {
    std::fprintf(stderr, "%s: %s\n", path_.string().c_str(), e.what());
  }
}

std::filesystem::path const& Library::Path() const noexcept {
  return path_;
}

std::vector<std::string> Library::Unload() {
  if (handle_ == nullptr) return {};
  EvaluatorLock lock;  // unloading withdraws registrations: no query may run meanwhile
  void* const handle = handle_;
  handle_ = nullptr;
  // The library's static destructors withdraw its registrations one by one; the
  // lookups are updated once, after them.
  Registry::Global().DeferUnlinking();
  ::dlclose(handle);
  Registry::Global().FinishUnlinking();

  auto& ranges = LoadRanges();
  auto range = ranges.begin();
  while (range != ranges.end() && range->handle != handle) ++range;
  if (range == ranges.end() || --range->references > 0) return {};
  std::uint64_t const first = range->first;
  std::uint64_t const last = range->last;
  ranges.erase(range);

  // What is left refers to code and data that are gone: report it and drop it.
  Registry& registry = Registry::Global();
  std::vector<std::string> leftovers;
  std::vector<Registration const*> stale;
  for (Registration const* record : registry.All()) {
    if (record->sequence >= first && record->sequence < last) stale.push_back(record);
  }
  for (Registration const* record : stale) {
    leftovers.push_back(Describe(*record));
    registry.Remove(record->block, {record->kind});
  }
  return leftovers;
}

}  // namespace evaluator
