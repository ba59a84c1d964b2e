// Streaming interfaces: receivers take data in chunks between `Start` and
// `ReceiveEnd`, filters move bytes from a read cursor to a write cursor, readers
// yield data on demand.
#pragma once

#include <cstddef>

#include "foundation/const_data.h"

namespace inspectors {

class DataWriter {
 public:
  constexpr DataWriter() noexcept = default;
  constexpr virtual ~DataWriter() = default;
  virtual DataWriter& operator<<(ConstData data) = 0;

 protected:
  DataWriter(DataWriter const&) = default;
  DataWriter& operator=(DataWriter const&) = default;
};

class DataFilter;

// A consumer of data that arrives in chunks. A chunk boundary may fall anywhere.
class DataReceiver : public DataWriter {
 public:
  // Discards everything.
  static DataReceiver& ignore;

  DataWriter& operator<<(ConstData data) override {
    Receive(data);
    return *this;
  }
  virtual void Start() {}
  virtual void Receive(ConstData data) = 0;
  virtual void ReceiveEnd() {}

  // Pushes `data` through `filter` and hands each filled chunk to Receive.
  void Receive(ConstData data, DataFilter& filter);
};

// Moves bytes from `in` to `out`, as many as it can, advancing both; the base
// filter copies.
class DataFilter {
 public:
  // The shared copying filter.
  static DataFilter& copy;

  constexpr DataFilter() noexcept = default;
  constexpr virtual ~DataFilter() = default;

  virtual void operator()(ConstBuffer& in, Buffer& out);
  // Wraps both in cursors; returns the number of bytes written to `out`. An empty
  // input or a full output returns at once.
  std::size_t operator()(ConstData in, Data out);

 protected:
  DataFilter(DataFilter const&) = default;
  DataFilter& operator=(DataFilter const&) = default;
};

// Start, Receive and ReceiveEnd in one go.
void StartReceiveAndEnd(DataReceiver& receiver, ConstData data);
void StartReceiveAndEnd(DataReceiver& receiver, ConstDataRopeReference rope);
void StartReceiveAndEnd(DataReceiver& receiver, ConstData data, DataFilter& filter);
void StartReceiveAndEnd(DataReceiver& receiver, ConstDataRopeReference rope, DataFilter& filter);

// A source of data that is read on demand.
class DataReader {
 public:
  virtual ~DataReader() = default;

  // Whether another portion can be read.
  virtual bool MoreDataAvailable() = 0;
  // Reads the next portion into the front of `into`; returns the byte count, which
  // is non-zero whenever MoreDataAvailable() answered true.
  virtual std::size_t ReadSome(Data into) = 0;

  // Fills the whole of `into`, portion by portion; a reader that runs dry first
  // throws `NoMoreData`.
  DataReader& operator>>(Data into);

 protected:
  DataReader() = default;
  DataReader(DataReader const&) = default;
  DataReader& operator=(DataReader const&) = default;
};

// Hands everything `reader` yields to `receiver.Receive`, chunk by chunk, until the
// reader is exhausted. Start and ReceiveEnd are the caller's.
void ReadReader(DataReader& reader, DataReceiver& receiver);

}  // namespace inspectors
