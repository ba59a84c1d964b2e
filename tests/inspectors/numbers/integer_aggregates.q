# "sum" and "product" of integers: exact, or no value at all once a step overflows.

> sum of (1; 2; 3)
: integer
= 6
> product of (1; 2; 3; 4)
: integer
= 24
> sum of (5; -7; 2), product of (-2; 3; -4), sum of one bits of (-1 as bit set)
= 0, 24, 2016

# Nothing to add or multiply: the neutral values.
> sum of ((1; 2) whose (it > 5)), product of ((1; 2) whose (it > 5))
= 0, 1

# The ends of the range are reachable.
> sum of (9223372036854775807; 0), sum of (-9223372036854775807; -1)
= 9223372036854775807, -9223372036854775808
> product of (-1; 9223372036854775807), product of (-2; 2147483648; 2147483648)
= -9223372036854775807, -9223372036854775808

# An overflow at any step is final, even when later elements would come back.
> sum of (9223372036854775807; 1; -5)
! no such object
> exists sum of (-9223372036854775807; -2; 100), exists product of (3037000500; 3037000500; 0)
= false, false
> exists product of (-2; 2147483648; 2147483648; -1), exists product of (2147483648; 2147483648; 2; 0)
= false, false

# Zero before any overflow keeps the product 0.
> product of (5; 0; 9223372036854775807; 9223372036854775807)
= 0

# Each aggregate yields exactly one value.
> number of sums of (1; 2; 3), number of products of (1; 2; 3)
= 1, 1
