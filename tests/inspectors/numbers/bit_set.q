# Bit sets: reading and writing binary text, integer conversions, set arithmetic,
# single bits, shifts and the positions of the one bits.

# Binary text in and out; leading zeros are dropped.
> bit set "0000101" as string
: string
= 101
> one bits of bit set "0000101"
= 0
= 2
> bit set "" as string, bit set "0000" as string, bit set "0000" = bit set ""
= , , true

# Sixty-four significant digits fit, sixty-five do not; leading zeros don't count.
> bit set "1111111111111111111111111111111111111111111111111111111111111111" as integer
= -1
> bit set "0001111111111111111111111111111111111111111111111111111111111111111" as integer
= -1
> bit set "11111111111111111111111111111111111111111111111111111111111111111"
! no such object
> exists bit set "12", exists bit set " 1"
= false, false

# Integers share their 64 bits with bit sets, in both directions.
> -1 as bit set as string, most significant one bit of (-1 as bit set)
= 1111111111111111111111111111111111111111111111111111111111111111, 63
> number of one bits of (-1 as bits), 5 as bits as string
= 64, 101
> (bit set "1000000000000000000000000000000000000000000000000000000000000000") as integer
= -9223372036854775808
> 0 as bit set as string
=

# Single bits, as sets and as tests.
> bit 0 as string, bit 63 as integer, exists bit 64
= 1, -9223372036854775808, false
> exists bit (-1), bit 63 of (-1 as bit set), bit 0 of bit set "10"
= false, true, false
> bit 64 of (-1 as bit set)
! no such object
> exists bit (-1) of (-1 as bit set)
= false

# Lowest and highest one bits; the empty set has neither.
> least significant one bit of bit set "0000101", most significant one bit of bit set "0000101"
= 0, 2
> least significant one bit of bit set "1000"
= 3
> least significant one bit of bit set ""
! no such object
> exists most significant one bit of bit set "0"
= false

# Set arithmetic and relations.
> (bit set "1100" + bit set "1010") as string, (bit set "1100" - bit set "1010") as string
= 1110, 100
> (bit set "1100" * bit set "1010") as string, bit set "1100" contains bit set "100"
= 1000, true
> bit set "1100" contains bit set "110", bit set "1100" contains bit set ""
= false, true
> bit set "" contains bit set "", bit set "" contains bit set "1"
= true, false
> bit set "101" = bit set "0101", bit set "101" != bit set "100"
= true, true

# Shifts: left shifts never lose a one bit, right shifts may.
> left shift 1 of bit set "101" as string
= 1010
> left shift 1 of bit 63
! no such object
> left shift 62 of bit 1 as integer
= -9223372036854775808
> left shift 63 of bit 1
! no such object
> left shift 5 of bit set "" as string, left shift (-1) of bit set "101" as string
= , 10
> left shift (-70) of (-1 as bit set) as string, left shift (-63) of (-1 as bit set) as string
= , 1
> right shift 1 of bit set "101" as string
= 10
> right shift 64 of (-1 as bit set) as string, right shift (-1) of bit 62 as integer
= , -9223372036854775808
> right shift (-1) of bit 63
! no such object
> right shift (-9223372036854775807 - 1) of bit 0
! no such object
> right shift (-9223372036854775807 - 1) of bit set "" as string
=
> left shift (-9223372036854775807 - 1) of bit 5 as string
=

# The positions of the one bits, ascending, from 0.
> one bits of bit set "100001"
: integer
= 0
= 5
> one bits of (bit 0 + bit 5 + bit 63)
= 0
= 5
= 63
> one bits of bit set ""
> one bit of bit set ""
! no such object
> exists one bit of bit set "0", number of one bits of bit set "0"
= false, 0
> one bit of bit set "1000"
= 3
> one bit of bit set "1010"
! several values
> number of one bits of bit set "1011"
= 3
> one bits whose (it > 1) of bit set "1111"
= 2
= 3

# Bit sets of a plural: each element answers separately.
> least significant one bits of bit sets ("100"; "11"; "")
= 2
= 0
> bit sets ("1"; "10") as string
= 1
= 10
