# What evaluation does with a phrase that has no value, with several values where
# one is expected, and with a call that fails; and how plural operands combine.

# A plural phrase leaves missing values out; a singular one fails the query.
> least significant one bits of (bit set "0"; bit set "10")
= 1
> least significant one bit of bit set "0"
! no such object: least significant one bit of bit set "0"
> least significant one bit of bit set "0" + 1
! no such object: least significant one bit of bit set "0"

# exists, number of and whose absorb a missing value; whose treats it as false,
# even under not.
> exists least significant one bit of bit set "0", exists least significant one bit of bit set "1"
= false, true
> number of (least significant one bit of bit set "0"; 1), number of least significant one bits of bit set "0"
= 1, 0
> (bit set "0"; bit set "1") whose (least significant one bit of it = 0)
= 1
> (bit set "0"; bit set "1") whose (not (least significant one bit of it = 5))
= 1
> ("1"; "x"; "2") whose (not (it as integer = 1))
= 2

# A singular iterated property has exactly one value.
> one bits of bit set "1011"
= 0
= 1
= 3
> one bit of bit set "100"
= 2
> one bit of bit set "1011"
! several values for a singular phrase: one bit of bit set "1011"
> one bit of bit set "0"
! no such object: one bit of bit set "0"
> exists one bits of bit set "0"
= false

# A failure is not a missing value: nothing absorbs it.
> exists (1 / 0)
! DivisionByZero: 1 / 0
> number of (1; 2 / 0)
! DivisionByZero: 2 / 0
> (1; 0) whose (exists (1 / it))
! DivisionByZero: 1 / it

# Plural operands combine as their cross product, the first operand outermost.
> (1; 2) + (10; 20)
= 11
= 21
= 12
= 22
: integer
> (1; 2) * ((1; 2) whose (it > 5))
> -(1; 2)
= -1
= -2
> (1; 2) as string & "!"
= 1!
= 2!
