# The network inspectors, on the known network that with_test_network builds in a
# namespace of its own: lo, v0 (with the label v0:1) and v1 up, w0 and w1 down.

# Adapters: the entries of one name, in byte order of the names; a label is a name.
> names of adapters of network
: string
= lo
= v0
= v0:1
= v1
= w0
= w1
> name of adapter 1 of network, name of adapter 6 of network, name of adapter "v0:1" of network
= lo, w1, v0:1
> adapter 0 of network
! no such object
> adapter 7 of network
! no such object
> adapter "v" of network
! no such object

# The MAC address from an adapter's link entry, the IPv4 values from its first IPv4
# entry; an adapter without one has none of them, and still answers "up".
> mac addresses of adapters of network
= 00-00-00-00-00-00
= 00-00-5e-00-53-01
= 00-00-5e-00-53-02
= 00-00-5e-00-53-03
= 00-00-5e-00-53-04
> addresses of adapters of network
: ipv4 address
= 127.0.0.1
= 192.0.2.1
= 203.0.113.5
= 198.51.100.7
> cidr strings of adapters of network
= 127.0.0.0/8
= 192.0.2.0/24
= 203.0.113.0/24
= 198.51.100.0/24
> subnet mask of adapter "lo" of network, subnet address of adapter "v0:1" of network, broadcast address of adapter "v0" of network
= 255.0.0.0, 203.0.113.0, 192.0.2.255
> ups of adapters of network
= true
= true
= true
= true
= false
= false
> address of adapter "w0" of network
! no such object
> mac address of adapter "v0:1" of network
! no such object
# No broadcast address where the system knows none.
> broadcast address of adapter "v1" of network
! no such object
> broadcast addresses of adapters of network
= 192.0.2.255

# The flags of the first IPv4 entry.
> loopback of adapter "lo" of network, loopback of adapter "v0" of network, broadcast support of adapter "lo" of network, broadcast support of adapter "v1" of network
= true, false, false, true
> multicast support of adapter "lo" of network, multicast support of adapter "v0" of network, point to point of adapter "v0" of network
= false, true, false
> loopback of adapter "w0" of network
! no such object

# All the entries of an adapter, and of each family.
> family names of interfaces of adapter "v1" of network
= AF_LINK
= AF_INET
= AF_INET
= AF_INET6
> families of interfaces of adapter "v0" of network
: integer
= 18
= 2
= 30
> addresses of ip interfaces of adapter "v1" of network, mac addresses of link interfaces of adapter "v1" of network
= 198.51.100.7, 00-00-5e-00-53-02
= 198.51.100.8, 00-00-5e-00-53-02
> (addresses of ipv6 interfaces of adapter "v0" of network) as compressed string
= 2001:db8:1::1
> names of ipv6 interfaces of adapter "w0" of network

# The network's entries in the system's order: the link entries, then IPv4, then
# IPv6, each by interface number.
> number of interfaces of network, number of link interfaces of network, number of ip interfaces of network, number of ipv6 interfaces of network
= 13, 5, 5, 3
> names of interfaces of network
= lo
= v0
= v1
= w0
= w1
= lo
= v0
= v0:1
= v1
= v1
= lo
= v0
= v1
> name of interface 1 of network, family name of interface 6 of network, name of interface 13 of network, up of interface 5 of network
= lo, AF_INET, v1, false
> interface 0 of network
! no such object
> interface 14 of network
! no such object
> interface (0 - 1) of network
! no such object
> names of ip interfaces of network
= lo
= v0
= v0:1
= v1
= v1
> cidr strings of ip interfaces of network
= 127.0.0.0/8
= 192.0.2.0/24
= 203.0.113.0/24
= 198.51.100.0/24
= 198.51.100.0/24
> addresses of ((ip interfaces of network) whose (name of it = "v1"))
= 198.51.100.7
= 198.51.100.8
> address of ip interface 4 of network, subnet mask of ip interface 2 of network, subnet address of ip interface 5 of network
= 198.51.100.7, 255.255.255.0, 198.51.100.0
> ip interface 6 of network
! no such object
> mac address of link interface 3 of network, name of link interface 5 of network
= 00-00-5e-00-53-02, w1
> link interface 6 of network
! no such object

# IPv6 entries: the address, its mask as an address and as a length, the subnet.
> cidr strings of ipv6 interfaces of network
= ::1/128
= 2001:db8:1::/64
= 2001:db8:2::/48
> prefix lengths of ipv6 interfaces of network
= 128
= 64
= 48
> (subnet mask of ipv6 interface 3 of network) as compressed string, (subnet address of ipv6 interface 3 of network) as compressed string, (address of ipv6 interface 3 of network) as compressed string
= ffff:ffff:ffff::, 2001:db8:2::, 2001:db8:2::2
> ipv6 interface 4 of network
! no such object

# The interface kinds are kinds of "network interface".
> name of ip interface 2 of network, family of link interface 1 of network, up of ipv6 interface 1 of network
= v0, 18, true

# The first IPv4 entry that is not a loopback, from a snapshot of its own.
> address of primary internet connection, name of primary internet connection, cidr string of primary internet connection
= 192.0.2.1, v0, 192.0.2.0/24
