#include "foundation/const_data.h"

#include <gtest/gtest.h>

#include <string>

namespace inspectors {
namespace {

std::string S(ConstData d) {
  return MakeString(d);
}

TEST(ConstData, ComparisonsAreUnsignedAndPrefixFirst) {
  EXPECT_EQ(Compare("ab", "abc"), -1);
  EXPECT_EQ(Compare("abc", "ab"), 1);
  EXPECT_EQ(Compare("a", "c"), 'a' - 'c');
  EXPECT_EQ(Compare(ConstData(), ""), 0);
  EXPECT_EQ(Compare("\xff", "a"), 0xff - 'a');
  EXPECT_LT(CompareReversed("za", "ab"), 0);
  EXPECT_EQ(CompareReversed("xbc", "bc"), 1);
  EXPECT_EQ(CompareReversed("bc", "abc"), -1);
  EXPECT_EQ(CompareReversed("abc", "abc"), 0);
  EXPECT_TRUE(ConstData("abc") < ConstData("b"));
  EXPECT_TRUE(ConstData("a") < ConstData("\x80"));
  EXPECT_TRUE(ConstData("ab") <= ConstData("ab"));
  EXPECT_FALSE(ConstData("b") <= ConstData("ab"));
  EXPECT_TRUE(ConstData("ab") == ConstData(std::string("ab")));
  EXPECT_FALSE(ConstData("ab") == ConstData("abc"));
}

TEST(ConstData, PiecesClampAndSearchesLookAtBytes) {
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
  ConstData const abcabd("abcabd");
  EXPECT_TRUE(abcabd.Contains("abd"));
  EXPECT_TRUE(ConstData().Contains(""));
  EXPECT_FALSE(abcabd.Contains("abe"));
  EXPECT_FALSE(ConstData("ab").Contains("abc"));
  EXPECT_TRUE(abcabd.StartsWith("abc"));
  EXPECT_FALSE(abcabd.StartsWith("abd"));
  EXPECT_TRUE(abcabd.EndsWith("abd"));
  EXPECT_FALSE(abcabd.EndsWith("xabcabd"));
}

TEST(Data, ShiftsCopyWhatFitsAndGiveWhatIsLeft) {
  char room[4] = {'.', '.', '.', '.'};
  EXPECT_EQ(S(ConstData("hello") >> Data(room, 3)), "lo");
  EXPECT_EQ(std::string(room, 3), "hel");
  Data const after = Data(room, sizeof room) << ConstData("ab");
  EXPECT_EQ(after.begin(), reinterpret_cast<byte*>(room + 2));
  EXPECT_TRUE((after << ConstData("xyz")).Empty());
  EXPECT_EQ(std::string(room, 4), "abxy");
  char text[] = "abcdef";
  Data(text + 1, 5) << ConstData(text, 5);  // overlapping
  EXPECT_EQ(std::string(text), "aabcde");
  Data const two(room, 2);
  two[1] = 'x';
  EXPECT_EQ(room[1], 'x');
  EXPECT_THROW(two[2], DataOverflow);
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
  b.Put('z');
  EXPECT_EQ(S(storage.Used()), "z");
  ConstBuffer in(ConstData("xy"));
  EXPECT_EQ(in.Get(), 'x');
  EXPECT_EQ(in.Get(), 'y');
  EXPECT_TRUE(in.Empty());
}

TEST(ConstDataOfCapacity, CopiesTerminatesAndRejectsTooMuch) {
  ConstDataOfCapacity<3> const full(ConstData("abc"));
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

TEST(ConstDataRope, PiecesKeepOrderAndATooSmallBufferTruncates) {
  auto const rope = ConstDataRope<1>("ab") + ConstData("") + ConstData("c");
  EXPECT_EQ(rope.Pieces().size(), 3u);
  EXPECT_EQ(TotalLength(rope), 3u);
  EXPECT_EQ(MakeString(rope), "abc");
  BufferOfSize<8> out;
  out.GetBuffer() << rope << rope;
  EXPECT_EQ(S(out.Used()), "abcabc");
  BufferOfSize<4> small;
  small.GetBuffer() << ConstDataRope<1>("abc") + ConstData("def");
  EXPECT_EQ(S(small.Used()), "abcd");
}

}  // namespace
}  // namespace inspectors
