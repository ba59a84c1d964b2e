# The first run of decimal digits in a text.

> numeric value of "abc123def456"
: integer
= 123
> numeric value of "007", numeric value of "-12.5", numeric value of "1e9", numeric value of "version\x00 42"
= 7, 12, 1, 42
# The bytes on either side of the digits in ASCII, and the high ones, are no digits.
> numeric value of "/:\x7f\x80\xff5:"
= 5
> numeric values of ("a1"; "b"; "c22"; "")
= 1
= 22

# No digit, no value.
> numeric value of "abc"
! no such object
> exists numeric value of ""
= false

# The run must fit a signed 64-bit integer; leading zeros do not count.
> numeric value of "x9223372036854775807y"
= 9223372036854775807
> numeric value of "0000000000000000000000009223372036854775807"
= 9223372036854775807
> numeric values of ("9223372036854775808"; "18446744073709551615"; "25000000000000000000")
> numeric values of ("100000000000000000000000000000000000000000000000000")
