#include "foundation/data_streams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/ascii.h"

namespace inspectors {
namespace {

// Records the calls it gets, one entry per call.
class RecordingReceiver : public DataReceiver {
 public:
  void Start() override { calls.push_back("start"); }
  void Receive(ConstData data) override { calls.push_back("[" + MakeString(data) + "]"); }
  void ReceiveEnd() override { calls.push_back("end"); }

  std::string Joined() const {
    std::string text;
    for (auto const& c : calls) text += c;
    return text;
  }
  std::string Received() const {
    std::string text;
    for (auto const& c : calls) {
      if (c.front() == '[') text += c.substr(1, c.size() - 2);
    }
    return text;
  }

  std::vector<std::string> calls;
};

// Yields its text in portions of at most `step` bytes.
class PortionReader : public DataReader {
 public:
  PortionReader(std::string text, std::size_t step) : text_(std::move(text)), step_(step) {}
  bool MoreDataAvailable() override { return at_ < text_.size(); }
  std::size_t ReadSome(Data into) override {
    std::size_t const n = std::min({step_, into.Length(), text_.size() - at_});
    into << ConstData(text_.data() + at_, n);
    at_ += n;
    return n;
  }

 private:
  std::string text_;
  std::size_t step_;
  std::size_t at_ = 0;
};

TEST(StartReceiveAndEnd, CallsInOrderWithEveryPiece) {
  RecordingReceiver r;
  StartReceiveAndEnd(r, ConstData("abc"));
  EXPECT_EQ(r.Joined(), "start[abc]end");
  RecordingReceiver pieces;
  StartReceiveAndEnd(pieces, ConstDataRope<1>("ab") + ConstData("c"));
  EXPECT_EQ(pieces.Joined(), "start[ab][c]end");
  RecordingReceiver copied;
  StartReceiveAndEnd(copied, ConstDataRope<1>("x") + ConstData("Y"), DataFilter::copy);
  EXPECT_EQ(copied.Received(), "xY");
  DataWriter& w = r;
  w << ConstData("a") << ConstData("b");
  EXPECT_EQ(r.Joined(), "start[abc]end[a][b]");
}

TEST(StartReceiveAndEnd, FilteredDataArrivesInChunksAndAllOfIt) {
  std::string text;
  for (int i = 0; i < 700; ++i) text += static_cast<char>('A' + i % 26);
  RecordingReceiver r;
  StartReceiveAndEnd(r, ConstData(text), Ascii::LowerCase());
  ASSERT_GE(r.calls.size(), 4u);  // start, more than one chunk, end
  EXPECT_EQ(r.calls.front(), "start");
  EXPECT_EQ(r.calls.back(), "end");
  std::string lowered = text;
  Ascii::LowerCase(Data(lowered.data(), lowered.size()));
  EXPECT_EQ(r.Received(), lowered);
}

TEST(DataFilter, CopyMovesWhatFits) {
  ConstBuffer in(ConstData("abcdef"));
  BufferOfSize<4> out;
  DataFilter::copy(in, out.GetBuffer());
  EXPECT_EQ(MakeString(out.Used()), "abcd");
  EXPECT_EQ(MakeString(in), "ef");
  char room[2];
  EXPECT_EQ(DataFilter::copy(ConstData("xyz"), Data(room, 0)), 0u);
  EXPECT_EQ(DataFilter::copy(ConstData("xyz"), Data(room, 2)), 2u);
}

TEST(DataReader, FillsAcrossPortionsAndRunningDryThrows) {
  PortionReader reader("hello world", 3);
  char room[8];
  reader >> Data(room, sizeof room);
  EXPECT_EQ(std::string(room, 8), "hello wo");
  char rest[4];
  EXPECT_THROW(reader >> Data(rest, sizeof rest), NoMoreData);

  std::string text(1000, 'q');
  text += "end";
  PortionReader portions(text, 300);
  RecordingReceiver r;
  ReadReader(portions, r);
  EXPECT_EQ(r.Received(), text);
  EXPECT_EQ(r.calls.front().front(), '[');  // no Start from ReadReader
}

}  // namespace
}  // namespace inspectors
