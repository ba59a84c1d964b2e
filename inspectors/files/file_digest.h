// The SHA-1 digest of a file, computed by the evaluator's cryptography service.
#pragma once

#include "framework/contract/evaluator.h"
#include "inspectors/files/file.h"

namespace inspectors {

// 40 lower-case hexadecimal digits. The file is opened first, so that a file that
// cannot be read fails as any reading does (`FileNotFoundError`, `NotAFileError`,
// `FilePermissionError`); without the service, `NoInspectorContext`.
inspector_string FileSHA1(Of, file const& f);

}  // namespace inspectors
