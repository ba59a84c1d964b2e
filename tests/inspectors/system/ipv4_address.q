# IPv4 addresses: the classic dotted forms read, the dotted decimal written, order,
# comparison with text and the IPv4-mapped IPv6 address.

> ipv4 address "192.0.2.1"
: ipv4 address
= 192.0.2.1
> ipv4 address "192.0.2.1" as string
: string
= 192.0.2.1

# Four parts, or fewer with the last filling the bytes left; decimal, octal after a
# leading 0, hexadecimal after 0x in either case; the most and the least there is.
> ipv4 address "10.20.30", ipv4 address "10.0x102", ipv4 address "167772161", ipv4 address "0x0A000001"
= 10.20.0.30, 10.0.1.2, 10.0.0.1, 10.0.0.1
> ipv4 address "010.0.0.1", ipv4 address "0X0a.0xB.00.0377", ipv4 address "1.0xffffff"
= 8.0.0.1, 10.11.0.255, 1.255.255.255
> ipv4 address "255.255.255.255", ipv4 address "0377.0xFF.255.255", ipv4 address "4294967295", ipv4 address "0.0.0.0"
= 255.255.255.255, 255.255.255.255, 255.255.255.255, 0.0.0.0
# 31 bytes is the longest text.
> ipv4 address "000000000000000000000000001.2.3"
= 1.2.0.3

# Anything else is no address: too many parts, a part too large for its bytes, a
# digit beyond its base, a part without digits, bytes left over or before, a text
# shorter than 7 bytes or longer than 31.
> ipv4 addresses ("1.2.3.4.5"; "256.0.0.1"; "1.2.3.256"; "1.2.65536"; "1.16777216"; "4294967296"; "08.1.2.3"; "0x.1.2.3"; "1..2.3"; "1.2.3."; ".1.2.3")
> ipv4 addresses ("1.2.3.4 "; " 1.2.3.4"; "1.2.3.4x"; "1.2.3.4\x00"; "+1.2.3.4"; "1.2.34"; "0000000000000000000000000001.2.3")
> ipv4 address "1.2.34"
! no such object

# Order is that of the 32-bit number, octet by octet, unsigned.
> ipv4 address "128.0.0.0" > ipv4 address "127.255.255.255", ipv4 address "10.0.0.1" < ipv4 address "10.0.0.1", ipv4 address "10.0.0.1" <= ipv4 address "10.0.0.1"
= true, false, true
> minimum of (ipv4 address "10.0.0.2"; ipv4 address "9.255.255.255"; ipv4 address "200.0.0.0"), maximum of (ipv4 address "10.0.0.2"; ipv4 address "200.0.0.0")
= 9.255.255.255, 200.0.0.0
> unique values of (ipv4 address "10.0.0.2"; ipv4 address "10.0.0.1"; ipv4 address "10.0.0.2")
= 10.0.0.1
= 10.0.0.2

# Compared with text, which is read first; text that is no address gives no result.
> ipv4 address "10.0.0.1" < "10.0.0.2", "10.0.0.3" < ipv4 address "10.0.0.2", ipv4 address "10.0.0.1" = "10.0.0.1", "10.0.0.01" = ipv4 address "10.0.0.1"
= true, false, true, true
> ipv4 address "10.0.0.2" <= "10.0.0.1", "10.0.0.1" <= ipv4 address "10.0.0.1", ipv4 address "10.0.0.1" = "010.0.0.1"
= false, true, false
> ipv4 address "10.0.0.1" = "10.0.0"
! no such object

# As an IPv6 address: the IPv4-mapped one, whose IPv4 part is the address again.
> (ipv4 address "192.0.2.1" as ipv6 address) as compressed string with ipv4
= ::ffff:192.0.2.1
> ipv4 part of (ipv4 address "192.0.2.1" as ipv6 address)
: ipv4 address
= 192.0.2.1
