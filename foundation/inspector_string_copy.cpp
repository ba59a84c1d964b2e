#include "foundation/inspector_string_copy.h"

#include <cstdint>
#include <limits>

#include "foundation/os_error.h"

namespace inspectors {

inspector_string AsInspectorString(ConstData bytes) {
  if (bytes.Length() > std::numeric_limits<std::uint32_t>::max()) throw DataOverflow();
  return inspector_string{bytes.begin(), static_cast<std::uint32_t>(bytes.Length())};
}

inspector_string CopyToInspectorString(ConstDataRopeReference rope) {
  std::size_t const length = TotalLength(rope);
  if (length > std::numeric_limits<std::uint32_t>::max()) throw DataOverflow();
  if (length == 0) {
    static byte const kNothing = 0;
    return AsInspectorString(ConstData(&kNothing, &kNothing));
  }
  void* const memory = Allocate_Inspector_Memory(length);
  if (memory == nullptr) ThrowRealOSError(kMemoryFullCode);
  Buffer out(memory, length);
  byte* const first = out.begin();
  out << rope;
  return AsInspectorString(ConstData(first, first + length));
}

inspector_string CopyToInspectorString(ConstData bytes) {
  return CopyToInspectorString(ConstDataRopeReference(&bytes, 1));
}

}  // namespace inspectors
