#include "foundation/const_data.h"

#include <gtest/gtest.h>

#include <string>

namespace inspectors {
namespace {

std::string S(ConstData d) {
  return MakeString(d);
}

TEST(ConstData, CompareGivesByteDifferenceOrLengthSign) {
  EXPECT_EQ(Compare("ab", "abc"), -1);
  EXPECT_EQ(Compare("abc", "ab"), 1);
  EXPECT_EQ(Compare("b", "a"), 1);
  EXPECT_EQ(Compare("a", "c"), 'a' - 'c');
  EXPECT_EQ(Compare("", ""), 0);
  EXPECT_EQ(Compare(ConstData(), ""), 0);
  // Bytes compare unsigned: 0xff is greater than 'a'.
  EXPECT_GT(Compare("\xff", "a"), 0);
  EXPECT_EQ(Compare("\xff", "a"), 0xff - 'a');
}

TEST(ConstData, CompareReversedStartsFromTheLastByte) {
  EXPECT_LT(CompareReversed("za", "ab"), 0);
  EXPECT_EQ(CompareReversed("xbc", "bc"), 1);
  EXPECT_EQ(CompareReversed("bc", "abc"), -1);
  EXPECT_EQ(CompareReversed("abc", "abc"), 0);
}

TEST(ConstData, OrderingIsUnsignedAndPrefixFirst) {
  EXPECT_TRUE(ConstData("ab") < ConstData("abc"));
  EXPECT_TRUE(ConstData("abc") < ConstData("b"));
  EXPECT_TRUE(ConstData("a") < ConstData("\x80"));
  EXPECT_TRUE(ConstData("ab") <= ConstData("ab"));
  EXPECT_FALSE(ConstData("b") <= ConstData("ab"));
  EXPECT_TRUE(ConstData("ab") == ConstData(std::string("ab")));
  EXPECT_FALSE(ConstData("ab") == ConstData("abc"));
}

TEST(ConstData, PiecesClampToTheRange) {
  ConstData const text("hello");
  EXPECT_EQ(S(text.Head(2)), "he");
  EXPECT_EQ(S(text.Tail(2)), "llo");
  EXPECT_EQ(S(text.Middle(1, 3)), "el");
  EXPECT_EQ(S(text.Middle(Range<unsigned long>{2, 5})), "llo");
  EXPECT_EQ(S(text.Head(9)), "hello");
  EXPECT_TRUE(text.Tail(9).Empty());
  EXPECT_TRUE(text.Middle(4, 2).Empty());
  EXPECT_EQ(text.BoundedLength(3), 3u);
  EXPECT_EQ(text.BoundedLength(30), 5u);
}

TEST(ConstData, SubstringTests) {
  ConstData const text("abcabd");
  EXPECT_TRUE(text.Contains("abd"));
  EXPECT_TRUE(text.Contains(""));
  EXPECT_TRUE(ConstData().Contains(""));
  EXPECT_FALSE(text.Contains("abe"));
  EXPECT_FALSE(ConstData("ab").Contains("abc"));
  EXPECT_TRUE(text.StartsWith("abc"));
  EXPECT_FALSE(text.StartsWith("abd"));
  EXPECT_TRUE(text.EndsWith("abd"));
  EXPECT_FALSE(text.EndsWith("xabcabd"));
}

TEST(ConstData, ShiftOutCopiesWhatFitsAndReturnsTheRest) {
  char room[3] = {};
  ConstData const rest = ConstData("hello") >> Data(room, sizeof room);
  EXPECT_EQ(std::string(room, 3), "hel");
  EXPECT_EQ(S(rest), "lo");
}

TEST(Data, ShiftInTruncatesAndReturnsTheRoomAfter) {
  char room[4] = {'.', '.', '.', '.'};
  Data const after = Data(room, sizeof room) << ConstData("ab");
  EXPECT_EQ(after.Length(), 2u);
  EXPECT_EQ(after.begin(), reinterpret_cast<byte*>(room + 2));
  Data const none = after << ConstData("xyz");
  EXPECT_TRUE(none.Empty());
  EXPECT_EQ(std::string(room, 4), "abxy");
}

TEST(Data, OverlappingCopyIsSafe) {
  char text[] = "abcdef";
  Data(text + 1, 5) << ConstData(text, 5);
  EXPECT_EQ(std::string(text), "aabcde");
}

TEST(Data, IndexingAtTheEndThrows) {
  char room[2] = {};
  Data const d(room, 2);
  d[1] = 'x';
  EXPECT_EQ(room[1], 'x');
  EXPECT_THROW(d[2], DataOverflow);
}

TEST(Buffer, PutAdvancesAndAFullBufferThrows) {
  BufferOfSize<2> storage;
  Buffer& b = storage.GetBuffer();
  b.Put('o');
  b.Put('k');
  EXPECT_TRUE(storage.Full());
  EXPECT_THROW(b.Put('!'), DataOverflow);
  EXPECT_EQ(S(storage.Used()), "ok");
  storage.Reset();
  EXPECT_TRUE(storage.Used().Empty());
  b.Put('z');
  EXPECT_EQ(S(storage.Used()), "z");
}

TEST(ConstBuffer, GetReadsInOrder) {
  ConstBuffer in(ConstData("xy"));
  EXPECT_EQ(in.Get(), 'x');
  EXPECT_EQ(in.Get(), 'y');
  EXPECT_TRUE(in.Empty());
}

TEST(ConstDataOfCapacity, CopiesTerminatesAndRejectsTooMuch) {
  ConstDataOfCapacity<3> const full(ConstData("abc"));
  EXPECT_EQ(full.Length(), 3u);
  EXPECT_STREQ(full.CString(), "abc");
  EXPECT_THROW(ConstDataOfCapacity<3>(ConstData("abcd")), ConstDataCapacityExceeded);

  // A copy is a value of its own, not a view of the original.
  USAsciiStringOfCapacity<8> copy = USAsciiStringOfCapacity<8>(ConstData("xy"));
  USAsciiStringOfCapacity<8> const original = copy;
  copy = USAsciiStringOfCapacity<8>(ConstData("long"));
  EXPECT_EQ(S(original), "xy");
  EXPECT_STREQ(copy.CString(), "long");
  EXPECT_EQ(ConstData(original).begin(), reinterpret_cast<byte const*>(original.CString()));
}

TEST(ConstDataRope, PiecesKeepOrderAndEmptyPiecesCostNothing) {
  auto const rope = ConstDataRope<1>("ab") + ConstData("") + ConstData("c");
  EXPECT_EQ(rope.Pieces().size(), 3u);
  EXPECT_EQ(TotalLength(rope), 3u);
  EXPECT_EQ(MakeString(rope), "abc");

  BufferOfSize<8> out;
  out.GetBuffer() << rope << rope;
  EXPECT_EQ(S(out.Used()), "abcabc");
}

TEST(ConstDataRope, WritingIntoATooSmallBufferTruncates) {
  auto const rope = ConstDataRope<1>("abc") + ConstData("def");
  BufferOfSize<4> out;
  out.GetBuffer() << rope;
  EXPECT_EQ(S(out.Used()), "abcd");
}

}  // namespace
}  // namespace inspectors
