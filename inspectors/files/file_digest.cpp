#include "inspectors/files/file_digest.h"

#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"

namespace inspectors {
namespace {

template <class Context>
Context& GetInspectorContext() {
  auto* const context = dynamic_cast<Context*>(Get_Generic_Inspector_Context());
  if (context == nullptr) throw NoInspectorContext();
  return *context;
}

}  // namespace

inspector_string FileSHA1(Of, file const& f) {
  CryptoInspectorContext& crypto = GetInspectorContext<CryptoInspectorContext>();
  { FileReadingPath const readable(f.item.Location()); }
  DigestRecord digest;
  crypto.SHA1DigestOfFile(f.item.Location().POSIXPath().c_str(), digest);
  return CopyToInspectorString(
      ConstData(digest.text, std::min<std::size_t>(digest.length, sizeof digest.text)));
}

namespace {

Prop const sha1("sha1", "sha1s", &FileSHA1, kDependsOnMachineState);

}  // namespace

}  // namespace inspectors
