#include "foundation/data_streams.h"

namespace inspectors {
namespace {

// The chunk in which filtered and read data is collected before it is received.
constexpr std::size_t kChunkSize = 256;

class DiscardingReceiver final : public DataReceiver {
 public:
  constexpr DiscardingReceiver() noexcept = default;
  void Receive(ConstData) override {}
};

constinit DiscardingReceiver discarding;
constinit DataFilter copying;

}  // namespace

DataReceiver& DataReceiver::ignore = discarding;
DataFilter& DataFilter::copy = copying;

void DataReceiver::Receive(ConstData data, DataFilter& filter) {
  ConstBuffer in(data);
  BufferOfSize<kChunkSize> chunk;
  while (!in.Empty()) {
    std::size_t const before = in.Length();
    filter(in, chunk.GetBuffer());
    if (chunk.Used().Empty() && in.Length() == before) break;  // a filter that cannot move
    if (!chunk.Used().Empty()) Receive(chunk.Used());
    chunk.Reset();
  }
}

void DataFilter::operator()(ConstBuffer& in, Buffer& out) {
  in = ConstBuffer(out.Write(in));
}

std::size_t DataFilter::operator()(ConstData in, Data out) {
  if (in.Empty() || out.Empty()) return 0;
  ConstBuffer from(in);
  Buffer to(out);
  (*this)(from, to);
  return out.Length() - to.Length();
}

void StartReceiveAndEnd(DataReceiver& receiver, ConstData data) {
  receiver.Start();
  receiver.Receive(data);
  receiver.ReceiveEnd();
}

void StartReceiveAndEnd(DataReceiver& receiver, ConstDataRopeReference rope) {
  receiver.Start();
  for (ConstData const& piece : rope) receiver.Receive(piece);
  receiver.ReceiveEnd();
}

void StartReceiveAndEnd(DataReceiver& receiver, ConstData data, DataFilter& filter) {
  receiver.Start();
  receiver.Receive(data, filter);
  receiver.ReceiveEnd();
}

void StartReceiveAndEnd(DataReceiver& receiver, ConstDataRopeReference rope, DataFilter& filter) {
  receiver.Start();
  for (ConstData const& piece : rope) receiver.Receive(piece, filter);
  receiver.ReceiveEnd();
}

DataReader& DataReader::operator>>(Data into) {
  while (!into.Empty()) {
    if (!MoreDataAvailable()) throw NoMoreData();
    std::size_t const n = ReadSome(into);
    if (n == 0) throw NoMoreData();
    into = into.Tail(n);
  }
  return *this;
}

void ReadReader(DataReader& reader, DataReceiver& receiver) {
  byte chunk[kChunkSize];
  while (reader.MoreDataAvailable()) {
    std::size_t const n = reader.ReadSome(Data(chunk, kChunkSize));
    if (n == 0) break;
    receiver.Receive(ConstData(chunk, std::min(n, kChunkSize)));
  }
}

}  // namespace inspectors
