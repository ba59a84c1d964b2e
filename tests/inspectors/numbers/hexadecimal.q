# Hexadecimal text of integers and strings, and reading it back.

# Integers as their 64-bit pattern, lower case, without leading zeros.
> 255 as hexadecimal
: string
= ff
> 0 as hexadecimal, 4096 as hexadecimal
= 0, 1000
> -1 as hexadecimal, (-9223372036854775807 - 1) as hexadecimal, 9223372036854775807 as hexadecimal
= ffffffffffffffff, 8000000000000000, 7fffffffffffffff

# Reading digits of either case; leading zeros never count.
> hexadecimal integer "ff"
: integer
= 255
> hexadecimal integer "FF", hexadecimal integer "00ff", hexadecimal integer "aBcD"
= 255, 255, 43981
> hexadecimal integer "00000000000000000000000000007fffffffffffffff"
= 9223372036854775807
> hexadecimal integer "ffffffffffffffff", hexadecimal integer ((-1234567) as hexadecimal)
= -1, -1234567
> hexadecimal integers ("1"; "x"; "10")
= 1
= 16
# Every digit, in either case.
> hexadecimal integer "0123456789ABCDEF", hexadecimal string "abcdef0123456789" as hexadecimal
= 81985529216486895, abcdef0123456789

# No value for empty, prefixed, blank, signed, non-hexadecimal (the bytes next to the
# digit ranges among them) or too long text.
> hexadecimal integer ""
! no such object
> hexadecimal integers ("0x1f"; " ff"; "ff "; "-1"; "/"; ":"; "@"; "G"; "`"; "g"; "f\x00"; "\xff")
> hexadecimal integers ("10000000000000000"; "ffffffffffffffff0")

# Strings: two digits a byte, high nibble first.
> "AB" as hexadecimal, "" as hexadecimal, "\x00\xff\x10\n" as hexadecimal
= 4142, , 00ff100a
> hexadecimal string "4142"
: string
= AB
> hexadecimal string "4a4B", hexadecimal string "", hexadecimal string "00ff7F80" as hexadecimal
= JK, , 00ff7f80
> hexadecimal string ("any \x01 bytes\xfe" as hexadecimal) = "any \x01 bytes\xfe"
= true
> hexadecimal strings ("414"; "4G"; "G4"; "41 2")
> number of hexadecimal strings ("41"; "4"; ""; "zz")
= 2
