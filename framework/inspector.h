// Everything an inspector module needs to declare its registrations.
//
// A module is its value types, plain typed functions (or classes of member
// functions, for iterated properties and aggregates), and one table of static
// registration objects, its own types first. A function that has no value for its
// arguments throws NoSuchObject; any other failure throws the module's exception.
// The registration class follows from the function's signature: `Of` stands right
// before the direct object, and a parameter comes before `Of`. Each registration
// says what its result depends on besides its arguments: kDependsOnlyOnParameters,
// kDependsOnLocalTimeZone, or kDependsOnMachineState for what reads the machine
// (files, network, environment, the clock).
//
// A whole small module, "day number" (days since 1 January 1970):
//
//   // day_number.h
//   struct day_number {
//     integer days;
//     static char const* TypeName() noexcept { return "day number"; }
//   };
//   boolean operator==(day_number const& a, day_number const& b);  // also < and <=
//   Fingerprinter& operator<<(Fingerprinter& f, day_number const& d);
//
//   day_number DayNumber(integer const& days);           // "day number 3"
//   integer Weekday(Of, day_number const& d);            // "weekday of ...", 0 = Monday
//   day_number LocalDay(integer const& unixSeconds);     // "local day 86400"
//   day_number Today();                                  // "today", from the clock
//   inspector_string DayNumberAsString(day_number const& d);
//   day_number operator+(day_number const& d, integer const& n);
//
//   // "day until n of d": d, the day after, ... up to day n.
//   class day_iterator {
//    public:
//     day_number First(day_number const& last, Of, day_number const& d);
//     day_number Next(day_number const& last, Of, day_number const& d);  // NoSuchObject
//                                                                        // after `last`
//    private:
//     std::int64_t next_ = 0;
//   };
//
//   // day_number.cpp: the functions, then the table.
//   namespace {
//   Type<day_number, kFingerprinted> const dayNumberType;
//   Prop const dayNumber("day number", "day numbers", &DayNumber, kDependsOnlyOnParameters);
//   Prop const weekday("weekday", "weekdays", &Weekday, kDependsOnlyOnParameters);
//   Prop const localDay("local day", "local days", &LocalDay, kDependsOnLocalTimeZone);
//   Prop const today("today", "todays", &Today, kDependsOnMachineState);
//   Cast<day_number, inspector_string> const asString("string", &DayNumberAsString,
//                                                     kDependsOnlyOnParameters);
//   OperatorPlus<day_number, integer, day_number> const later(kDependsOnlyOnParameters);
//   Prop const daysUntil("day until", "days until", &day_iterator::First, &day_iterator::Next,
//                        kDependsOnlyOnParameters);
//   // =, <, <=, unique values, minimum, maximum and extrema of day numbers.
//   ComparableInspectorRegistration<day_number> const comparable(kDependsOnlyOnParameters);
//   }  // namespace
//
// Other forms: Property, NamedProperty (a string parameter as bytes and length),
// NumberedProperty (a non-negative integer parameter), IteratedProperty and
// IteratedNamedProperty (iterators with members First and Next), aggregates (Prop
// from an aggregator's members, framework/aggregate.h), PropWith (a registration
// that hands its function a datum, such as the tag an HTML property writes), the
// named operators and relations (framework/operator.h) and CacheRegistration.
#pragma once

#include "foundation/exceptions.h"
#include "framework/aggregate.h"
#include "framework/bundles.h"
#include "framework/cache.h"
#include "framework/contract/evaluator.h"
#include "framework/fingerprint.h"
#include "framework/iterated_property.h"
#include "framework/operator.h"
#include "framework/prop.h"
#include "framework/property.h"
#include "framework/type.h"
