# Hertz: unit constants, text form, integer-like arithmetic and ordering.

# The units are whole hertz; the text is never scaled to a larger unit.
> khz
: hertz
= 1000 hertz
> ghz as string
: string
= 1000000000 hertz
> (2 * mhz) as string, hz - khz, -khz, hz - hz
= 2000000 hertz, -999 hertz, -1000 hertz, 0 hertz

# The quotient of two frequencies is a plain number; every other result is hertz.
> khz / hz
: integer
= 1000
> khz / 3
: hertz
= 333 hertz
> (hz - khz) / (2 * hz), khz mod (7 * hz), mhz * 3 + khz * 2, absolute value of (hz - khz)
= -500, 6 hertz, 3002000 hertz, 999 hertz

# The range is the integers': stepping out of it or dividing by zero fails.
> greatest hz, least hz
= 9223372036854775807 hertz, -9223372036854775808 hertz
> greatest hz + hz
! IntegerOverflow
> least hz - hz
! IntegerOverflow
> -least hz
! IntegerOverflow
> absolute value of least hz
! IntegerOverflow
> ghz * 10000000000
! IntegerOverflow
> khz / (hz - hz)
! DivisionByZero
> khz mod (hz - hz)
! DivisionByZero
> khz / 0
! DivisionByZero

# Comparison, extrema and unique values.
> khz < mhz, mhz <= mhz
= true, true
> ghz < khz, 1000 * hz = khz, khz != mhz
= false, true, true
> maximum of (hz; ghz; khz), minimum of (hz; ghz; khz), extrema of (mhz; hz; ghz)
= 1000000000 hertz, 1 hertz, 1 hertz, 1000000000 hertz
> unique values of (khz; hz; khz)
= 1 hertz
= 1000 hertz
> multiplicities of unique values of (khz; hz; khz)
= 1
= 2
