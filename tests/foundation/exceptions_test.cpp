#include "foundation/exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "foundation/os_error.h"

namespace inspectors {
namespace {

TEST(DebuggableException, WhatNamesTheThrownClassWithoutTheLibraryNamespace) {
  EXPECT_STREQ(NoSuchObject().what(), "NoSuchObject");
  EXPECT_STREQ(MacintoshPlatform::FullPathFailed().what(), "MacintoshPlatform::FullPathFailed");
  try {
    throw WrongDayOfWeek();
  } catch (InvalidTime const& e) {
    EXPECT_STREQ(e.what(), "WrongDayOfWeek");
  }
}

TEST(OSError, TheFirstErrorStaysUntilFixed) {
  OSError error;
  EXPECT_FALSE(error.IsError());
  error = -43;
  error = -36;
  error = OSError(-50);
  EXPECT_EQ(error.Code(), -43);
  error.Fix(-36);
  EXPECT_EQ(error.Code(), -43);
  error.Fix(-43);
  EXPECT_EQ(error.Code(), 0);
  error = -36;  // free again for the next error
  EXPECT_EQ(error.Code(), -36);
}

TEST(OSError, ThrowRealOSErrorPicksTheClassByCode) {
  EXPECT_THROW(ThrowRealOSError(-108), MemoryFullError);
  try {
    ThrowRealOSError(-43);
  } catch (OSError const& e) {
    EXPECT_EQ(typeid(e), typeid(OSError));
    EXPECT_EQ(e.Code(), -43);
  }
  EXPECT_EQ(CancellationAnnouncement(-36, -43),
            "Error -36 lost in favor of -43. ;error #-36;error #-43");
  EXPECT_EQ(DuplicationAnnouncement(-43), "Error -43 duplicated. ;error #-43");
}

}  // namespace
}  // namespace inspectors
