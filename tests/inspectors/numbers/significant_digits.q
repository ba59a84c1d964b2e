# Rounding integers and frequencies to a number of significant decimal digits.

# Half up, decided by the digit after the kept ones; the sign is kept.
> significant digits 2 of 1250
: integer
= 1300
> significant digits 2 of 1234, significant digits 2 of 1249
= 1200, 1200
> significant digits 2 of (-1250), significant digits 2 of (-1249), significant digits 3 of 10049
= -1300, -1200, 10000
> significant digitss 1 of (14; 15; 16)
= 10
= 20
= 20

# A carry may add a digit.
> significant digits 2 of 999, significant digits 1 of (-96)
= 1000, -100

# As many digits as the number has, or more, keep it unchanged.
> significant digits 4 of 1234, significant digits 5 of 1234
= 1234, 1234
> significant digits 4294967295 of 12, significant digits 19 of (-9223372036854775807 - 1)
= 12, -9223372036854775808

# No digits kept: the next power of ten when the first digit rounds up, else zero.
> significant digits 0 of 7, significant digits 0 of 4321, significant digits 0 of 0
= 10, 0, 0

# The ends of the integer range: rounding that leaves it has no value.
> significant digits 1 of (-9223372036854775807 - 1), significant digits 3 of 9223372036854775807
= -9000000000000000000, 9220000000000000000
> significant digits 18 of 9223372036854775807
! no such object
> significant digits 18 of (-9223372036854775807)
! no such object
> significant digits 0 of 9000000000000000000
! no such object

# Counts that are negative or do not fit 32 bits have no value.
> significant digits (-1) of 12
! no such object
> exists significant digits 4294967296 of 12
= false

# Frequencies round the same way and stay frequencies.
> significant digits 2 of (12345 * khz)
: hertz
= 12000000 hertz
> significant digits 1 of (hz - 15 * hz)
= -10 hertz
