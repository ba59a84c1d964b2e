# The evaluator's own operations on integers, strings and booleans: arithmetic,
# comparisons, concatenation, casts and aggregates. The library's registrations
# for other types leave them as they are.

# Integer arithmetic: precedence, floored division, checked overflow.
> 1 + 2 * 3
= 7
: integer
> (1 + 2) * 3, 10 - 2 - 3, -7 / 2, -7 mod 2
= 9, 5, -4, 1
> 7 mod -2, 7 / 2, - (2 + 3), -9223372036854775808
= -1, 3, -5, -9223372036854775808
> 9223372036854775807 + 1
! IntegerOverflow
! 9223372036854775807 + 1
> -9223372036854775808 - 1
! IntegerOverflow
> - -9223372036854775808
! IntegerOverflow
> 4611686018427387904 * 2
! IntegerOverflow
> 1 / 0
! DivisionByZero: 1 / 0
> 5 mod 0
! DivisionByZero
> 9223372036854775808
! integer out of range
> 99999999999999999999
! integer out of range

# Comparisons and their derived forms.
> 1 < 2, 2 < 1, 2 <= 2, 3 > 2, 2 >= 3, 1 = 1, 1 != 1, 1 is 1, 1 is not 2
= true, false, true, true, false, true, false, true, true
> "abc" < "abd", "b" > "abc", "" < "a", "a" = "a", "a" != "A"
= true, true, true, true, true
> true = true, true != false, true is false
= true, true, false

# Strings: concatenation, prefixes, suffixes, containment, escapes.
> "ab" & "cd" & ""
= abcd
: string
> "hello" starts with "he", "hello" does not start with "he", "hello" ends with "lo", "hello" does not end with "x"
= true, false, true, true
> "hello" contains "ell", "hello" does not contain "ell", "" contains ""
= true, false, true
> "a\"b" & "\\" & "\x41"
= a"b\A
> "x" & 1
! no operator "&" for "string" and "integer"

# Booleans: and, or, not with short circuits (the right side is never evaluated).
> true and false, true or false, not true, not (1 = 2)
= false, true, false, true
> false and (1 / 0 = 1), true or (1 / 0 = 1)
= false, true
> true and (1 / 0 = 1)
! DivisionByZero
> 1 and true
! "and" needs a boolean, not "integer"

# Casts among integer, string and boolean.
> 42 as string, true as string
= 42, true
> "-17" as integer, true as integer
= -17, 1
> "TRUE" as boolean, 0 as boolean, 7 as boolean
= true, false, true
> 3 as string & "x", -1 as string
= 3x, -1
> "12a" as integer
! no such object: "12a" as integer
> exists ("12a" as integer)
= false
> 1 as frobnicator
! no cast "frobnicator" from "integer"

# Aggregates over integers and strings.
> minimum of (3; 1; 2), maximum of (3; 1; 2)
= 1, 3
> extrema of (3; 1; 2)
= 1, 3
: (integer, integer)
> item 0 of extrema of (5; 7), item 1 of extrema of (5; 7)
= 5, 7
> unique values of (2; 1; 2)
= 1
= 2
: integer with multiplicity
> multiplicities of unique values of (2; 1; 2)
= 1
= 2
> multiplicity of unique value of (4; 4; 4)
= 3
> unique value of (1; 2)
! several values for a singular phrase
> minima of (3; 3)
= 3
> minimum of ("pear"; "apple"; "plum"), maximum of ("pear"; "apple"; "plum")
= apple, plum
# Computed strings live only while they are fed: the aggregate keeps copies.
> minimum of (("pear"; "apple"; "plum"; "apple") & "s"), maximum of (("pear"; "plum"; "apple") & "s")
= apples, plums
> minima of ((1; 2) whose (it > 5))
> minimum of ((1; 2) whose (it > 5))
! no such object: minimum of
> number of unique values of (1; 2; 3; 1)
= 3
> minimum of (true; false)
! no property "minimum" of "boolean"

# Floored division at the ends of the range: the quotient rounds down and the
# remainder takes the divisor's sign.
> 7 / -2, -7 / -2, -1 / 86400, -1 mod 86400
= -4, 3, -1, 86399
> -9223372036854775808 / 2, -9223372036854775808 / 9223372036854775807, -9223372036854775808 mod 9223372036854775807
= -4611686018427387904, -2, 9223372036854775806
> 9223372036854775807 / -9223372036854775808, 9223372036854775807 mod -9223372036854775808
= -1, -1
> -9223372036854775808 mod -1, 0 / -5
= 0, 0
> -9223372036854775808 / -1
! IntegerOverflow
> -9223372036854775808 * -1
! IntegerOverflow
> 0 - -9223372036854775808
! IntegerOverflow
> -9223372036854775808 + 9223372036854775807, -9223372036854775808 < 9223372036854775807
= -1, true

# Text as an integer: an optional sign and decimal digits, within the range.
> "+17" as integer, "-0" as integer, "007" as integer, "-9223372036854775808" as integer
= 17, 0, 7, -9223372036854775808
> number of ("" as integer; "-" as integer; " 1" as integer; "1 " as integer; "1a" as integer; "0x10" as integer; "1.5" as integer; "--1" as integer; "+-1" as integer; "9223372036854775808" as integer; "-9223372036854775809" as integer)
= 0

# String relations are byte-exact.
> "abc" starts with "Ab", "abc" contains "B", "" contains "a", "abc" starts with "abcd", "abc" ends with "abcd"
= false, false, false, false, false
> "a\x00b" contains "\x00b", "a\x00b" contains "\x00c", "" starts with "", "a\x00" ends with "\x00"
= true, false, true, true
