# The evaluator's own operations on integers, strings and booleans, the grammar's
# phrases, missing values and error messages. None of these needs the library.

# Integer arithmetic: precedence, floored division, checked overflow.
> 1 + 2 * 3
= 7
: integer
> (1 + 2) * 3
= 9
> 10 - 2 - 3
= 5
> -7 / 2
= -4
> -7 mod 2
= 1
> 7 mod -2
= -1
> 7 / 2
= 3
> - (2 + 3)
= -5
> -9223372036854775808
= -9223372036854775808
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
> 1 < 2; 2 < 1; 2 <= 2; 3 > 2; 2 >= 3; 1 = 1; 1 != 1; 1 is 1; 1 is not 2
= true
= false
= true
= true
= false
= true
= false
= true
= true
> "abc" < "abd"; "b" > "abc"; "" < "a"; "a" = "a"; "a" != "A"
= true
= true
= true
= true
= true
> true = true; true != false; true is false
= true
= true
= false

# Strings: concatenation, prefixes, suffixes, containment, escapes.
> "ab" & "cd" & ""
= abcd
: string
> "hello" starts with "he"; "hello" does not start with "he"; "hello" ends with "lo"; "hello" does not end with "x"
= true
= false
= true
= true
> "hello" contains "ell"; "hello" does not contain "ell"; "" contains ""
= true
= false
= true
> "a\"b" & "\\" & "\x41"
= a"b\A
> "x" & 1
! no operator "&" for "string" and "integer"

# Booleans: and, or, not with short circuits (the right side is never evaluated).
> true and false; true or false; not true; not (1 = 2)
= false
= true
= false
= true
> false and (1 / 0 = 1)
= false
> true or (1 / 0 = 1)
= true
> true and (1 / 0 = 1)
! DivisionByZero
> 1 and true
! "and" needs a boolean, not "integer"

# Casts among integer, string and boolean.
> 42 as string; true as string
= 42
= true
> "-17" as integer; true as integer
= -17
= 1
> "TRUE" as boolean; 0 as boolean; 7 as boolean
= true
= false
= true
> 3 as string & "x"
= 3x
> -1 as string
= -1
> "12a" as integer
! no such object: "12a" as integer
> exists ("12a" as integer)
= false
> 1 as frobnicator
! no cast "frobnicator" from "integer"

# Aggregates over integers and strings.
> minimum of (3; 1; 2); maximum of (3; 1; 2)
= 1
= 3
> extrema of (3; 1; 2)
= 1, 3
: (integer, integer)
> item 0 of extrema of (5; 7); item 1 of extrema of (5; 7)
= 5
= 7
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
> minimum of ("pear"; "apple"; "plum"); maximum of ("pear"; "apple"; "plum")
= apple
= plum
> minima of ((1; 2) whose (it > 5))
> minimum of ((1; 2) whose (it > 5))
! no such object: minimum of
> number of unique values of (1; 2; 3; 1)
= 3
> minimum of (true; false)
! no property "minimum" of "boolean"

# Lists, tuples, items.
> 1; 2; 3
= 1
= 2
= 3
: integer
> 1; "a"
! items of a list differ in type: "integer" and "string"
> 1, "a", true
= 1, a, true
: (integer, string, boolean)
> (1; 2), ("a"; "b")
= 1, a
= 1, b
= 2, a
= 2, b
> item 1 of (1, "a")
= a
: string
> item 2 of (1, "a")
! no item 2 in "(integer, string)"
> item 0 of 5
! "item" needs a tuple, not "integer"

# whose and it.
> (1; 2; 3; 4) whose (it mod 2 = 0)
= 2
= 4
> (1; 2; 3) whose (it > 1) whose (it < 3)
= 2
> (1; 2) whose (number of ((10; 20; 30) whose (it > 15)) = it)
= 2
> (1; 2) whose ((10; 20) = it)
! "whose" needs a single boolean
> it
! "it" is used outside "whose"
> (1; 2) whose (it)
! "whose" needs a boolean, not "integer"
> 5 whose (it > 9)
! no such object: 5 whose (it > 9)
> (1; 0; 2) whose (10 / it > 5)
! DivisionByZero

# exists, number of, if.
> exists (1; 2); exists ((1; 2) whose (it > 2))
= true
= false
> number of (5; 6; 7); number of ((1;2) whose (false))
= 3
= 0
> number of ("x" as integer; 2; "3" as integer)
= 2
> if 1 < 2 then "yes" else "no"
= yes
> if 1 > 2 then 1 / 0 else 7
= 7
> if 1 then 2 else 3
! "if" needs a boolean, not "integer"
> if true then 1 else "a"
! "then" and "else" differ in type: "integer" and "string"

# Syntax errors: a message and a column for anything that is not a query.
> 1 +
! unexpected end of query
> (1 + 2
! expected ")" instead of end of query
> 1 2
! unexpected "2"
> "abc
! unterminated string
> "\q"
! unknown escape in string
> "\x4"
! \x needs two hexadecimal digits
> 1 $ 2
! unexpected "$"
> 1 = 2 = 3
! unexpected "="
> does
! unexpected "does"

# Unknown phrases are type errors that name the phrase and its types.
> frobnication of 3
! no property "frobnication" of "integer"
> frobnication
! no property "frobnication"
> integer
! "integer" is a type or cast name, not a property
