#include "foundation/transcoder.h"

#include <gtest/gtest.h>

#include <string>

namespace inspectors {
namespace {

TEST(Transcoder, EncodesEachLengthClassAndSurrogatePairs) {
  EXPECT_EQ(UTF8FromUTF16(u"A\u00e9"), "A\xc3\xa9");
  EXPECT_EQ(UTF8FromUTF16(u"\u07ff\u0800"), "\xdf\xbf\xe0\xa0\x80");
  EXPECT_EQ(UTF8FromUTF16(u"\uffff"), "\xef\xbf\xbf");
  EXPECT_EQ(UTF8FromUTF16(std::u16string_view(u"a\0b", 3)), std::string("a\0b", 3));
  char16_t const lowest[] = {0xD800, 0xDC00};
  EXPECT_EQ(UTF8FromUTF16({lowest, 2}), "\xf0\x90\x80\x80");
  char16_t const highest[] = {0xDBFF, 0xDFFF};
  EXPECT_EQ(UTF8FromUTF16({highest, 2}), "\xf4\x8f\xbf\xbf");
}

TEST(Transcoder, UnpairedSurrogatesThrow) {
  for (std::u16string const& text :
       {std::u16string{u'a', 0xDC00}, std::u16string{0xD800, u'a'},
        std::u16string{0xD800, 0xD800, 0xDC00}, std::u16string{u'a', 0xDBFF}}) {
    EXPECT_THROW(UTF8FromUTF16(text), InvalidTextEncoding);
  }
}

TEST(Transcoder, PairsSplitAcrossReceivesOrChunks) {
  UStringBuilder builder;
  StreamTranscoder<UTF8, UTF16> transcoder(builder);
  char16_t const high[] = {u'x', 0xD83D};
  char16_t const low[] = {0xDE00};
  transcoder.Start();
  transcoder.Receive(high);
  transcoder.Receive(low);
  transcoder.ReceiveEnd();
  EXPECT_EQ(builder.Text(), "x\xf0\x9f\x98\x80");
  std::u16string text;
  std::string expected;
  for (int i = 0; i < 300; ++i) {
    text += u"\u20ac\U0001F600";
    expected += "\xe2\x82\xac\xf0\x9f\x98\x80";
  }
  EXPECT_EQ(UTF8FromUTF16(text), expected);
}

}  // namespace
}  // namespace inspectors
