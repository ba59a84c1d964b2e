#include "foundation/exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "foundation/os_error.h"

namespace inspectors {
namespace {

std::string WhatOf(DebuggableException const& e) {
  return e.what();
}

TEST(DebuggableException, WhatNamesTheDynamicClassWithoutTheLibraryNamespace) {
  EXPECT_EQ(WhatOf(NoSuchObject()), "NoSuchObject");
  EXPECT_EQ(WhatOf(NotANumeral()), "NotANumeral");
  EXPECT_EQ(WhatOf(NoSuchDate()), "NoSuchDate");
  EXPECT_EQ(WhatOf(MacintoshPlatform::FullPathFailed()), "MacintoshPlatform::FullPathFailed");
}

TEST(DebuggableException, WhatThroughABaseReferenceStillNamesTheThrownClass) {
  try {
    throw WrongDayOfWeek();
  } catch (InvalidTime const& e) {
    EXPECT_STREQ(e.what(), "WrongDayOfWeek");
    // The same text again, from the same place.
    EXPECT_EQ(e.what(), e.what());
  }
  try {
    throw NumeralTooLarge();
  } catch (std::exception const& e) {
    EXPECT_STREQ(e.what(), "NumeralTooLarge");
  }
}

TEST(DebuggableException, FamiliesCatchTheirMembers) {
  EXPECT_THROW(throw FileNotFoundError(), FileIOError);
  EXPECT_THROW(throw MacintoshPlatform::InvalidParentURL(), FileIOError);
  EXPECT_THROW(throw NoSuchTimeOfDay(), InvalidTime);
  EXPECT_THROW(throw RegComp_Failed(), Regex_Failed);
  EXPECT_THROW(throw StackFull(), DebuggableException);
  // A sibling family does not.
  bool caughtAsTime = false;
  try {
    throw FileExists();
  } catch (InvalidTime const&) {
    caughtAsTime = true;
  } catch (FileIOError const&) {
  }
  EXPECT_FALSE(caughtAsTime);
}

TEST(OSError, TheFirstErrorStays) {
  OSError error;
  EXPECT_FALSE(error.IsError());
  error = -43;
  error = -36;
  EXPECT_EQ(error.Code(), -43);
  error = OSError(-50);
  EXPECT_EQ(error.Code(), -43);
  OSError const& same = error;
  error = same;
  EXPECT_EQ(error.Code(), -43);

  OSError fresh;
  fresh = OSError(-50);
  EXPECT_EQ(fresh.Code(), -50);
}

TEST(OSError, FixClearsOnlyTheHandledCode) {
  OSError error(-43);
  error.Fix(-36);
  EXPECT_EQ(error.Code(), -43);
  error.Fix(-43);
  EXPECT_EQ(error.Code(), 0);
  error = -36;  // free again for the next error
  EXPECT_EQ(error.Code(), -36);
}

TEST(OSError, ThrowRealOSErrorPicksTheClassByCode) {
  try {
    ThrowRealOSError(-108);
  } catch (MemoryFullError const& e) {
    EXPECT_EQ(e.Code(), -108);
  } catch (...) {
    ADD_FAILURE() << "out of memory should be MemoryFullError";
  }
  try {
    ThrowRealOSError(-43);
  } catch (OSError const& e) {
    EXPECT_EQ(typeid(e), typeid(OSError));
    EXPECT_EQ(e.Code(), -43);
  }
}

TEST(OSError, ErrorsHierarchy) {
  EXPECT_THROW(throw SoftwareVolumeLockError(-46), FileAccessError);
  EXPECT_THROW(throw NotAFileError(-1302), FileError);
  EXPECT_THROW(throw MemoryFullError(-108), OSError);
}

TEST(OSError, AnnouncementTexts) {
  EXPECT_EQ(ErrorAnnouncement(-43), ";error #-43");
  EXPECT_EQ(CancellationAnnouncement(-36, -43),
            "Error -36 lost in favor of -43. ;error #-36;error #-43");
  EXPECT_EQ(DuplicationAnnouncement(-43), "Error -43 duplicated. ;error #-43");
  EXPECT_EQ(DestructionAnnouncement(7), "Error 7 destroyed. ;error #7");
}

}  // namespace
}  // namespace inspectors
