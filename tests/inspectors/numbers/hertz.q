# Hertz: unit constants, text form, integer-like arithmetic and ordering.

# The units are whole hertz; the text is never scaled to a larger unit.
> khz
: hertz
= 1000 hertz
> ghz as string
: string
= 1000000000 hertz
> (2 * mhz) as string
= 2000000 hertz
> hz - khz
= -999 hertz
> -khz
= -1000 hertz
> hz - hz
= 0 hertz

# The quotient of two frequencies is a plain number; every other result is hertz.
> khz / hz
: integer
= 1000
> khz / 3
: hertz
= 333 hertz
> (hz - khz) / (2 * hz)
= -500
> khz mod (7 * hz)
= 6 hertz
> mhz * 3 + khz * 2
= 3002000 hertz
> absolute value of (hz - khz)
= 999 hertz

# The range is the integers': stepping out of it or dividing by zero fails.
> greatest hz
= 9223372036854775807 hertz
> least hz
= -9223372036854775808 hertz
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
> khz < mhz
= true
> mhz <= mhz
= true
> ghz < khz
= false
> 1000 * hz = khz
= true
> khz != mhz
= true
> maximum of (hz; ghz; khz)
= 1000000000 hertz
> minimum of (hz; ghz; khz)
= 1 hertz
> extrema of (mhz; hz; ghz)
= 1 hertz, 1000000000 hertz
> unique values of (khz; hz; khz)
= 1 hertz
= 1000 hertz
> multiplicities of unique values of (khz; hz; khz)
= 1
= 2
