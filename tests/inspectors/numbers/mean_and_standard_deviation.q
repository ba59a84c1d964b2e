# "mean" and "standard deviation" of integers and floating-point values.

> mean of (1; 2)
: floating point
= 1.5
> mean of (1; 2; 3; 4) = 5 / (2 as floating point), mean of (-7) = -7
= true, true
> mean of (floating point "0.5"; floating point "1.5"; -2 as floating point) = 0
= true
> number of means of (1; 2)
= 1

# An integer is exact to its units: the thresholds of 1 and 2 combine to the square
# root of 2, divided by the count.
> significance threshold of mean of (1; 2) > floating point "0.70710"
= true
> significance threshold of mean of (1; 2) < floating point "0.70711"
= true
> inexact of mean of (1; 2)
= false

# Integers are summed exactly: sums that pass 2^64 on the way lose nothing.
> mean of (9223372036854775807; 9223372036854775807; 9223372036854775807; -9223372036854775807; -9223372036854775807; -9223372036854775807; 7) = 1
= true
> inexact of mean of (9223372036854775807; 9223372036854775807; 9223372036854775807; -9223372036854775807; -9223372036854775807; -9223372036854775807; 7)
= false
> inexact of mean of (9223372036854775807; 9223372036854775807; 9223372036854775807)
= true

# The population form, divisor n.
> standard deviation of (2; 4; 4; 4; 5; 5; 7; 9)
: floating point
= 2.0
> standard deviation of (2; 4; 4; 4; 5; 5; 7; 9) = 2, standard deviation of (1; 3) = 1
= true, true
> standard deviation of (5) = 0
= true
> standard deviation of (floating point "1.5"; floating point "2.5") = floating point "0.5"
= true
> significance threshold of standard deviation of (2; 4; 4; 4; 5; 5; 7; 9) = significance threshold of mean of (2; 4; 4; 4; 5; 5; 7; 9)
= true
> number of standard deviations of (1; 2)
= 1

# Values far from zero keep their spread, and equal values have none, not a NaN.
> standard deviation of (1000000000000001; 1000000000000003) = 1
= true
> standard deviation of (1000000000000000001; 1000000000000000003; 1000000000000000005) > floating point "1.6329"
= true
> standard deviation of (1000000000000000001; 1000000000000000003; 1000000000000000005) < floating point "1.6330"
= true
# Differences too large for an exact sum of squares go on rounded, from the first
# element on or from the element where the squares stop fitting.
> standard deviation of (-9223372036854775807; 9223372036854775807) > floating point "9.2233720368547e18"
= true
> standard deviation of (-9223372036854775807; 9223372036854775807) < floating point "9.2233720368548e18"
= true
> standard deviation of (4611686018427387904; -4611686018427387904; 4611686018427387904; -4611686018427387904; 4611686018427387904; -4611686018427387904) > floating point "4.6116860184273e18"
= true
> standard deviation of (4611686018427387904; -4611686018427387904; 4611686018427387904; -4611686018427387904; 4611686018427387904; -4611686018427387904) < floating point "4.6116860184274e18"
= true
> standard deviation of (floating point "0.1"; floating point "0.1"; floating point "0.1") = 0
= true
> standard deviation of (floating point "0.3"; floating point "0.3"; floating point "0.3"; floating point "0.3") = 0
= true
> invalid of standard deviation of (floating point "0.3"; floating point "0.3"; floating point "0.3")
= false

# Nothing to average: 0 / 0, NaN flagged invalid.
> nan of mean of ((1; 2) whose (it > 5)), invalid of mean of ((1; 2) whose (it > 5))
= true, true
> nan of standard deviation of ((1; 2) whose (it > 5))
= true
> invalid of standard deviation of ((1; 2) whose (it > 5))
= true

# Infinities and NaNs run through and show in the value and the flags.
> infinite of mean of (floating point "inf"; 1 as floating point)
= true
> nan of standard deviation of (floating point "inf"; 1 as floating point)
= true
> invalid of standard deviation of (floating point "inf"; 1 as floating point)
= true
> nan of mean of (floating point "nan"; 1 as floating point)
= true
