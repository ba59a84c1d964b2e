# IPv6 addresses: the text read, the five forms written, the groups, order and the
# IPv4 part.

# The five forms of one address.
> ipv6 address "2001:0db8:0000:0000:0000:0000:0000:0001" as compressed string
: string
= 2001:db8::1
> ipv6 address "2001:db8::1" as string, ipv6 address "2001:db8::1" as string with leading zeros
= 2001:db8:0:0:0:0:0:1, 2001:0db8:0000:0000:0000:0000:0000:0001
> ipv6 address "2001:db8::1" as string with ipv4, ipv6 address "2001:db8::1" as compressed string with ipv4
= 2001:db8:0:0:0:0:0.0.0.1, 2001:db8::0.0.0.1
> ("2001:DB8::A:b" as ipv6 address) as compressed string
: string
= 2001:db8::a:b

# Compression: the longest run of zero groups, the first of equally long ones, a
# single zero group too; none without a zero group.
> ipv6 addresses ("1:0:0:2:0:0:0:3"; "0:0:1:0:0:2:0:0"; "1:0:2:3:4:5:6:7"; "1:2:3:4:5:6:7:0"; "0:0:0:0:0:0:0:0"; "0:0:0:0:0:0:0:1"; "1:0:0:0:0:0:0:0"; "1:2:3:4:5:6:7:8") as compressed string
= 1:0:0:2::3
= ::1:0:0:2:0:0
= 1::2:3:4:5:6:7
= 1:2:3:4:5:6:7::
= ::
= ::1
= 1::
= 1:2:3:4:5:6:7:8
# With the IPv4 part, the run is looked for in the first six groups only.
> ipv6 addresses ("::ffff:1.2.3.4"; "::"; "1::1.2.3.4"; "1:2:3:4:5:6::"; "1:0:0:2:3:4::"; "0:1:0:0:2:3:4:5") as compressed string with ipv4
= ::ffff:1.2.3.4
= ::0.0.0.0
= 1::1.2.3.4
= 1:2:3:4:5:6:0.0.0.0
= 1::2:3:4:0.0.0.0
= 0:1::2:3:0.4.0.5
> ipv6 address "1:2:3:4:5:6:7:8" as string with ipv4, ipv6 address "::ffff:192.168.0.1" as string with ipv4
= 1:2:3:4:5:6:0.7.0.8, 0:0:0:0:0:ffff:192.168.0.1

# Reading: groups of one to four digits in either case, "::" for one zero group or
# more, an IPv4 part in place of the last two groups, a bare IPv4 text.
> ipv6 address "1::2:3:4:5:6:7" as string, ipv6 address "1:2:3:4:5:6:7::" as string, ipv6 address "0001:00A0::" as string
= 1:0:2:3:4:5:6:7, 1:2:3:4:5:6:7:0, 1:a0:0:0:0:0:0:0
> ipv6 address "::ffff:192.168.0.1" as string, ipv6 address "192.168.0.1" as compressed string with ipv4, ipv6 address "::192.0.2.1" as compressed string
= 0:0:0:0:0:ffff:c0a8:1, ::ffff:192.168.0.1, ::c000:201
> ipv6 address "1:2:3:4:5:6:192.0.2.1" as string, ipv6 address "1:2:3:4:5::192.0.2.1" as string, ipv6 address "::ffff:0.0.0.0" as compressed string with ipv4
= 1:2:3:4:5:6:c000:201, 1:2:3:4:5:0:c000:201, ::ffff:0.0.0.0

# Numbers that make no address: not eight groups, "::" with eight groups besides (it
# stands for one zero group at least), an octet above 255, with a hex digit or a
# leading zero (which would read as octal as an IPv4 address).
> ipv6 address "1:2:3:4:5:6:7"
! NotAnIP6Address
> ipv6 address "1:2:3:4:5:6:7:8:9"
! NotAnIP6Address
> ipv6 address "1:2:3:4:5:6:7:8:9:a:b:c"
! NotAnIP6Address
> ipv6 address "1::2:3:4:5:6:7:8"
! NotAnIP6Address
> ipv6 address "1:2:3:4:5:6::1.2.3.4"
! NotAnIP6Address
> ipv6 address "1:2:3:4:5:6:7:1.2.3.4"
! NotAnIP6Address
> ipv6 address "1.2.3"
! ParsingFailure
> ipv6 address "::ffff:256.1.1.1"
! NotAnIP6Address
> ipv6 address "::ffff:1a.1.1.1"
! NotAnIP6Address
> ipv6 address "::ffff:01.1.1.1"
! NotAnIP6Address
> ipv6 address "::ffff:1.2.3.1000"
! NotAnIP6Address
> ipv6 address "1"
! NotAnIP6Address

# Text out of the form: a group of five digits, whatever its value; a misplaced,
# doubled or missing separator; a zone; bytes left over; no text.
> ipv6 address "10000::"
! ParsingFailure
> ipv6 address "00001::"
! ParsingFailure
> ipv6 address "1:::2"
! ParsingFailure
> ipv6 address "1::2::3"
! ParsingFailure
> ipv6 address ":1:2:3:4:5:6:7"
! ParsingFailure
> ipv6 address "1:2:3:4:5:6:7:"
! ParsingFailure
> ipv6 address "::ffff:1.2.3"
! ParsingFailure
> ipv6 address "::ffff:1.2.3.4.5"
! ParsingFailure
> ipv6 address "1.2.3.4::"
! ParsingFailure
> ipv6 address "fe80::1%eth0"
! ParsingFailure
> ipv6 address "::1 "
! ParsingFailure
> ipv6 address "g::"
! ParsingFailure
> ipv6 address ""
! ParsingFailure

# The groups, from 0.
> hexadecet 3 of ipv6 address "::1", hexadecet 7 of ipv6 address "::1", hexadecet 0 of ipv6 address "8000::"
= 0, 1, 32768
> hexadecets (0; 7; 8; -1) of ipv6 address "2001:db8::ffff"
= 8193
= 65535
> hexadecet 2 of ipv6 address "0:0:1a::"
: integer
= 26
> hexadecet 8 of ipv6 address "::1"
! no such object

# Order: group by group from group 0, unsigned.
> ipv6 address "8000::" > ipv6 address "7fff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", ipv6 address "1::" > ipv6 address "0:ffff::", ipv6 address "::1" < ipv6 address "::1"
= true, true, false
> ipv6 address "::1" = ipv6 address "0:0:0:0:0:0:0:1", ipv6 address "::1" <= ipv6 address "::2"
= true, true
> (minimum of (ipv6 address "::2"; ipv6 address "::1:0"; ipv6 address "::1")) as compressed string, (maximum of (ipv6 address "::2"; ipv6 address "::1:0")) as compressed string
= ::1, ::1:0
> unique values of (ipv6 address "::2"; ipv6 address "0::2"; ipv6 address "::1") as compressed string
= ::1
= ::2

# The IPv4 part: the last two groups, whatever the others.
> ipv4 part of ipv6 address "::ffff:192.0.2.1"
: ipv4 address
= 192.0.2.1
> ipv4 part of ipv6 address "2001:db8::c000:201"
= 192.0.2.1
