#include "inspectors/time/time_text.h"

#include <cstdlib>

#include "foundation/exceptions.h"
#include "foundation/numerals.h"

namespace inspectors {
namespace {

void Append(Buffer& out, ConstData text) {
  if (!out.Write(text).Empty()) throw DataOverflow();
}

void AppendName(Buffer& out, std::string_view name) {
  if (name.empty()) throw NoSuchDate();
  Append(out, name);
}

void AppendDigits(Buffer& out, std::uint64_t value, std::size_t minimumDigits) {
  Append(out, MakeAsciiDecimalNumeral64(value, minimumDigits));
}

template <std::size_t N, class Value>
USAsciiStringOfCapacity<N> TextOf(Value const& value) {
  BufferOfSize<N> text;
  text.GetBuffer() << value;
  return USAsciiStringOfCapacity<N>(text.Used());
}

}  // namespace

Buffer& operator<<(Buffer& out, DayOfWeek day) {
  AppendName(out, DayOfWeekToText(day));
  return out;
}

Buffer& operator<<(Buffer& out, Month month) {
  AppendName(out, MonthToText(month));
  return out;
}

Buffer& operator<<(Buffer& out, DateRecord const& date) {
  out << date.DayOfWeek();
  Append(out, ", ");
  AppendDigits(out, date.day, 2);
  Append(out, " ");
  out << date.month;
  Append(out, " ");
  AppendDigits(out, date.year, 4);
  return out;
}

Buffer& operator<<(Buffer& out, TimeOfDay const& time) {
  AppendDigits(out, time.hour, 2);
  Append(out, ":");
  AppendDigits(out, time.minute, 2);
  Append(out, ":");
  AppendDigits(out, time.second, 2);
  return out;
}

Buffer& operator<<(Buffer& out, TimeZone const& zone) {
  std::int64_t const offset = zone.secondsEastOfGMT;
  std::int64_t const minutes = std::llabs(offset) / 60;
  Append(out, offset < 0 && minutes != 0 ? "-" : "+");
  AppendDigits(out, static_cast<std::uint64_t>(minutes / 60), 2);
  AppendDigits(out, static_cast<std::uint64_t>(minutes % 60), 2);
  return out;
}

Buffer& operator<<(Buffer& out, TimeObject const& time) {
  out << time.date;
  Append(out, " ");
  out << time.time;
  Append(out, " ");
  return out << time.zone;
}

Buffer& operator<<(Buffer& out, ZonedTimeOfDay const& time) {
  out << time.time;
  Append(out, " ");
  return out << time.zone;
}

USAsciiStringOfCapacity<22> DateToText(DateRecord const& date) {
  return TextOf<22>(date);
}

USAsciiStringOfCapacity<8> TimeOfDayToText(TimeOfDay const& time) {
  return TextOf<8>(time);
}

USAsciiStringOfCapacity<9> TimeZoneToText(TimeZone const& zone) {
  return TextOf<9>(zone);
}

USAsciiStringOfCapacity<41> TimeToText(TimeObject const& time) {
  return TextOf<41>(time);
}

USAsciiStringOfCapacity<41> TimeToText(Instant instant, TimeZone zone) {
  return TimeToText(TimeObject(instant, zone));
}

USAsciiStringOfCapacity<18> ZonedTimeOfDayToText(ZonedTimeOfDay const& time) {
  return TextOf<18>(time);
}

}  // namespace inspectors
