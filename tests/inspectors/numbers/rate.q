# Rates: quantities per second made by dividing a floating-point value by an interval,
# with the significance, flags, arithmetic and ordering of floating-point values.

# The text is the value to its last significant digit, then " per second". "90." is
# significant to 1, "90" to 10, and a minute is 60 seconds.
> floating point "90." / minute
: rate
= 1.50 per second
> floating point "90" / minute
= 1.5 per second
> (floating point "2.50" / second) as string
: string
= 2.50 per second
> floating point "10." / (2 * second), -(floating point "3.0" / second), floating point "3.0" / (-1 * second)
= 5.0 per second, -3.0 per second, -3.0 per second

# Times an interval, either way round, a rate is the quantity over that interval.
> (floating point "10." / (2 * second)) * (2 * second)
: floating point
= 10
> (2 * second) * (floating point "10." / (2 * second)) = 10, (floating point "90." / minute) * hour
= true, 5400
> (floating point "-4.0" / second) * (-1 * minute), (floating point "1.00" / millisecond) * microsecond
= 240, 0.00100

# Sums, differences and multiples of rates are rates.
> (floating point "1.50" / second) + (floating point "2.25" / second), (floating point "1.50" / second) - (floating point "2.25" / second)
= 3.75 per second, -0.75 per second
> (floating point "1.50" / second) * floating point "2.0", floating point "2.0" * (floating point "1.50" / second), (floating point "3.00" / second) / floating point "2.00"
= 3.0 per second, 3.0 per second, 1.500 per second
> (floating point "1" / second) * (floating point "1" / second)
! no operator "*" for "rate" and "rate"
> (floating point "1" / second) + floating point "1"
! no operator "+" for "rate" and "floating point"

# Over no time at all a rate is infinite, or NaN for nothing, flagged as a division
# by zero is; the flags stay with what is computed from it.
> floating point "1" / (0 * second), floating point "-1" / (second - second), floating point "0" / (0 * second)
= +infinity per second, -infinity per second, NaN per second
> divided by zero of ((floating point "1" / (0 * second)) * second), invalid of ((floating point "0" / (0 * second)) * second), (floating point "1" / (0 * second)) * (0 * second)
= true, true, NaN

# A rate beyond the long doubles is infinite and has overflowed, even when the
# quantity over some interval would fit.
> (floating point "1e4930" / microsecond) * microsecond, overflow of ((floating point "1e4930" / microsecond) * microsecond)
= +infinity, true
> overflow of ((floating point "1e4925" / microsecond) * microsecond), overflow of ((floating point "1e4930" / second) * greatest time interval)
= false, true

# Comparisons, extrema and unique values order rates as floating-point values, with
# NaN after every number.
> (floating point "2" / second) < (floating point "3" / second), (floating point "3" / second) <= (floating point "3" / second), (floating point "3" / second) < (floating point "-3" / second), (floating point "120" / minute) = (floating point "2" / second)
= true, true, false, true
> (floating point "nan" / second) = (floating point "nan" / second), (floating point "nan" / second) < (floating point "1" / second)
= false, false
> maximum of (floating point "2" / second; floating point "-1" / second; floating point "3" / second), minimum of (floating point "2" / second; floating point "-1" / second)
= 3 per second, -1 per second
> extrema of (floating point "2" / second; floating point "nan" / second; floating point "-1" / second)
= -1 per second, NaN per second
> unique values of (floating point "nan" / second; floating point "1" / second; floating point "nan" / second; floating point "60" / minute)
= 1 per second
= NaN per second
> multiplicities of unique values of (floating point "nan" / second; floating point "1" / second; floating point "nan" / second; floating point "60" / minute)
= 2
= 2
