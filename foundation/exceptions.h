// The library's exception vocabulary. Failures are small named classes without
// data; `NoSuchObject` means "no value", every other class means that evaluation
// failed. Callers that only need to know that something failed catch
// `DebuggableException` or a family base (`InvalidTime`, `FileIOError`).
//
// Every class is exported so that catching and type comparison work across shared
// objects.
#pragma once

#include <exception>

#include "foundation/debugging.h"
#include "framework/contract/evaluator.h"

#define INSPECTORS_EXPORT __attribute__((visibility("default")))

namespace inspectors {

// Root of the library's own exceptions. `what()` names the dynamic class
// ("NoSuchObject", "MacintoshPlatform::FullPathFailed") without storing any text in
// the object.
class INSPECTORS_EXPORT DebuggableException : public std::exception,
                                              public MacintoshPlatform::ExceptionDebuggingInfo {
 public:
  char const* what() const noexcept override;
};

// Lookup: no value. The evaluator recognises it by its contract base, NoValue.
class INSPECTORS_EXPORT NoSuchObject : public DebuggableException, public NoValue {};

// Data, strings and numerals.
class INSPECTORS_EXPORT DataOverflow : public DebuggableException {};
class INSPECTORS_EXPORT ConstDataCapacityExceeded : public DebuggableException {};
class INSPECTORS_EXPORT StringyLengthTooLong : public DebuggableException {};
class INSPECTORS_EXPORT NoMoreData : public DebuggableException {};
class INSPECTORS_EXPORT StackFull : public DebuggableException {};
class INSPECTORS_EXPORT InvalidTextEncoding : public DebuggableException {};
class INSPECTORS_EXPORT NotANumeral : public DebuggableException {};
class INSPECTORS_EXPORT NumeralTooLarge : public DebuggableException {};
class INSPECTORS_EXPORT NotAFloatingPoint : public DebuggableException {};
class INSPECTORS_EXPORT TooLargeForStandardNotation : public DebuggableException {};

// Parsing.
class INSPECTORS_EXPORT ParsingFailure : public DebuggableException {};

// Time.
class INSPECTORS_EXPORT InvalidTime : public DebuggableException {};
class INSPECTORS_EXPORT NoSuchTimeOfDay : public InvalidTime {};
class INSPECTORS_EXPORT NoTimeZone : public InvalidTime {};
class INSPECTORS_EXPORT WrongDayOfWeek : public InvalidTime {};
class INSPECTORS_EXPORT NoSuchDate : public InvalidTime {};
// A date or instant outside the range the calendar arithmetic represents: before
// 1 January of year 0, past the last year, or beyond a 64-bit microsecond count.
class INSPECTORS_EXPORT TimeOutOfRange : public InvalidTime {};

// Addresses.
class INSPECTORS_EXPORT NotAnIP6Address : public DebuggableException {};
class INSPECTORS_EXPORT NonCanonicalSubnetAddress : public DebuggableException {};
class INSPECTORS_EXPORT SubnetPrefixLengthTooLarge : public DebuggableException {};

// Network interfaces.
class INSPECTORS_EXPORT NoLinkInterface : public DebuggableException {};
class INSPECTORS_EXPORT NoIPAddrInterface : public DebuggableException {};
class INSPECTORS_EXPORT NoNamedInterfaces : public DebuggableException {};

// Host context.
class INSPECTORS_EXPORT NoInspectorContext : public DebuggableException {};

// Files.
class INSPECTORS_EXPORT BadFileNameError : public DebuggableException {};
class INSPECTORS_EXPORT FileIOError : public DebuggableException {};
class INSPECTORS_EXPORT FileNotFoundError : public FileIOError {};
class INSPECTORS_EXPORT DirectoryNotFoundError : public FileIOError {};
class INSPECTORS_EXPORT MakeFileLocationFailed : public FileIOError {};
class INSPECTORS_EXPORT FilePermissionError : public FileIOError {};
class INSPECTORS_EXPORT FileLockError : public FileIOError {};
class INSPECTORS_EXPORT EndOfFileError : public FileIOError {};
class INSPECTORS_EXPORT FileBusyError : public FileIOError {};
class INSPECTORS_EXPORT DiskFullError : public FileIOError {};
class INSPECTORS_EXPORT FileNotOpenError : public FileIOError {};
class INSPECTORS_EXPORT FileDeleteFailed : public FileIOError {};
class INSPECTORS_EXPORT DirectoryDeleteFailed : public FileIOError {};
class INSPECTORS_EXPORT DirectoryNotEmpty : public FileIOError {};
class INSPECTORS_EXPORT FileCopyFailed : public FileIOError {};
class INSPECTORS_EXPORT FileMoveFailed : public FileIOError {};
class INSPECTORS_EXPORT MoveAcrossVolumes : public FileIOError {};
class INSPECTORS_EXPORT DirectoryExists : public FileIOError {};
class INSPECTORS_EXPORT FileExists : public FileIOError {};
class INSPECTORS_EXPORT CreateUniqueFileLocationFailed : public FileIOError {};
class INSPECTORS_EXPORT DirectoryCreateFailed : public FileIOError {};
class INSPECTORS_EXPORT FileCreateFailed : public FileIOError {};
class INSPECTORS_EXPORT RootHasNoParent : public FileIOError {};

// Stand-alone failures (no common base).
class INSPECTORS_EXPORT Regex_Failed {};
class INSPECTORS_EXPORT RegComp_Failed : public Regex_Failed {};
class INSPECTORS_EXPORT RegExec_Failed : public Regex_Failed {};

class INSPECTORS_EXPORT GetIFAddrFailed {};
class INSPECTORS_EXPORT NoIFAddress {};
class INSPECTORS_EXPORT NotAF_LINK {};
class INSPECTORS_EXPORT NotAF_INET {};
class INSPECTORS_EXPORT NoIFNetMask {};
class INSPECTORS_EXPORT NoIFBroadcast {};

class INSPECTORS_EXPORT ODOpenDirNodeFailed {};
class INSPECTORS_EXPORT ODGetRecordEntryFailed {};
class INSPECTORS_EXPORT OpenDirectoryServiceNotAvailable {};

class INSPECTORS_EXPORT CFURLCreateWithFileSystemPathFailed {};
class INSPECTORS_EXPORT CFURLCreateWithFileSystemPathRelativeToBaseFailed {};
class INSPECTORS_EXPORT CFURLCreateCopyAppendingPathComponentFailed {};
class INSPECTORS_EXPORT CFBundleCreateFailed {};
class INSPECTORS_EXPORT DictionaryCreateFromXMLDataFailed {};
class INSPECTORS_EXPORT GenericCFCastError {};
template <class T>
class INSPECTORS_EXPORT CFCastError : public GenericCFCastError {};

class INSPECTORS_EXPORT FailedToGetStringValue {};
class INSPECTORS_EXPORT FailedToLoadunameInformation {};
class INSPECTORS_EXPORT FailedToLoadOSXVersionDictionary {};

// Nothing at a file location: no value, so that `exists file "..."` is false and a
// listing or a plural lookup leaves the item out.
class INSPECTORS_EXPORT FailedToGetFileItem : public NoSuchObject {};
class INSPECTORS_EXPORT IllegalFileName {};
class INSPECTORS_EXPORT IllegalFileNameLength {};
class INSPECTORS_EXPORT KeyNotFoundInLine {};
class INSPECTORS_EXPORT ExtensionDoesNotMatch {};
class INSPECTORS_EXPORT PrefixDoesNotMatch {};
class INSPECTORS_EXPORT FileReadingLoopEndOfFileError {};
class INSPECTORS_EXPORT FSIteratorCreateError {};

}  // namespace inspectors

namespace MacintoshPlatform {

class INSPECTORS_EXPORT CannotCreateSpecialFolder : public inspectors::FileIOError {};
class INSPECTORS_EXPORT FullPathFailed : public inspectors::FileIOError {};
class INSPECTORS_EXPORT InvalidParentURL : public inspectors::FileIOError {};

class INSPECTORS_EXPORT DSGetRecordListFailed {};
class INSPECTORS_EXPORT FileLoopFailed {};
class INSPECTORS_EXPORT VersionDataOutOfBounds {};

}  // namespace MacintoshPlatform
