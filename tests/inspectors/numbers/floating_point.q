# Floating point: values with a significance threshold and the exception flags raised
# while computing them; arithmetic, relations, flags, classification, the significance
# algebra and the conversions.

# Text read gets the threshold of its last digit, and results print to theirs.
> "3.14" as floating point * 2
: floating point
= 6.28
> floating point "3.14" as string
: string
= 3.14
> floating point "3.140", floating point "1200", significance threshold of floating point "1200"
= 3.140, 1200, 100
> significance threshold of floating point "1200.", floating point " - 1 234.5 e 2"
= 1.00, -123450
> significance threshold of floating point " - 1 234.5 e 2"
= 10.0
> floating point "1.2e3" as scientific notation, floating point "12345" as scientific notation
= 1.2e+3, 1.2345e+4
> floating point "0.0" as scientific notation
= 0e-1

# Text that is not a number has no value.
> floating point "abc"
! no such object
> floating points ("1.2.3"; "1e"; "-nan"; "1n"; "infinite")
> exists ("" as floating point), floating point " +INFINITY ", floating point "Inf"
= false, +infinity, +infinity
> floating point "-inf" as standard notation, floating point "nan" as scientific notation
= -infinity, NaN

# Reading past the long double range: an infinity with overflow, or zero with
# underflow, unless every digit given is zero.
> overflow of floating point "1e5000", inexact of floating point "1e5000"
= true, true
> underflow of floating point "1e-5000", underflow of floating point "0e-5000", floating point "1e-5000" = 0
= true, false, true

# Thresholds combine as the square root of the sum of squares; an integer operand is
# exact and leaves the threshold as it was, an integer cast first brings threshold 1.
> significance threshold of (5 as floating point), (5 as floating point) + floating point "3.14"
= 1.00, 8
> significance threshold of ((5 as floating point) + floating point "3.14") > floating point "1.00004" and significance threshold of ((5 as floating point) + floating point "3.14") < floating point "1.00006"
= true
> 5 + floating point "3.14"
= 8.14
> significance threshold of (3 + floating point "3.14") = significance threshold of floating point "3.14"
= true
> floating point "3.14" * (-2), significance threshold of (floating point "3.14" * (-2))
= -6.28, 0.0200
> floating point "10.0" / 4, 10 - floating point "2.5", floating point "2.5" - 10
= 2.50, 7.5, -7.5
> 1 / floating point "4.00", floating point "2.0" * floating point "3.00"
= 0.2500, 6.0
> floating point "7.50" - floating point "2.5", -floating point "3.5"
= 5.0, -3.5
> -(floating point "0.001" * 1) as standard notation
= -0.001

# Exception flags: exactly those that the computation raised, joined with the
# operands' flags.
> inexact of (floating point "1" / floating point "3"), inexact of (floating point "1" / floating point "4")
= true, false
> inexact of (1 / floating point "3"), inexact of (floating point "3" / 4), inexact of (floating point "1" / 10)
= true, false, true
> inexact of (floating point "3" * floating point "7"), inexact of (floating point "3" + 2), inexact of (2 - floating point "3")
= false, false, false
> floating point "1e4000" * floating point "1e4000"
= +infinity
> overflow of (floating point "1e4000" * floating point "1e4000"), underflow of (floating point "1e4000" * floating point "1e4000")
= true, false
> underflow of (floating point "1e-4000" * floating point "1e-4000"), overflow of (floating point "1e-4000" * floating point "1e-4000")
= true, false
> floating point "1" / floating point "0", floating point "-1" / 0, floating point "0" / floating point "0"
= +infinity, -infinity, NaN
> divided by zero of (floating point "1" / floating point "0"), invalid of (floating point "1" / floating point "0")
= true, false
> divided by zero of (floating point "-1" / 0)
= true
> invalid of (floating point "0" / floating point "0"), divided by zero of (floating point "0" / floating point "0")
= true, false
> invalid of (floating point "inf" - floating point "inf"), overflow of floating point "3"
= true, false
# An operand's flags stay in every later result.
> divided by zero of ((floating point "1" / floating point "0") - 5)
= true
> inexact of ((floating point "1" / floating point "3") * 0), invalid of (-(floating point "0" / floating point "0"))
= true, true

# Classification of the value.
> finite of floating point "1e300", finite of floating point "inf", infinite of floating point "-inf"
= true, false, true
> nan of floating point "nan", nan of floating point "inf"
= true, false
> normal of floating point "1", normal of floating point "0", normal of floating point "1e-4940"
= true, false, false

# Relations compare values only; NaN compares false; integers compare exactly.
> (2 as floating point) = 2, floating point "2.00" = floating point "2", floating point "3" < 4
= true, true, true
> 4 <= floating point "3", 3 <= floating point "3", floating point "3" <= 3
= false, true, true
> 9007199254740993 = (9007199254740993 as floating point), 9007199254740992 < (9007199254740993 as floating point)
= true, true
> floating point "nan" = floating point "nan", floating point "nan" < floating point "1", floating point "1" <= floating point "nan"
= false, false, false
> floating point "-inf" < floating point "-1e4000"
= true

# Unique values and extrema; a NaN is one value, after every number, wherever it is.
> unique values of (floating point "2"; floating point "1"; floating point "2.0"; floating point "nan"; floating point "nan")
= 1
= 2
= NaN
> multiplicities of unique values of (floating point "nan"; floating point "1"; floating point "nan"; floating point "1.0")
= 2
= 2
> minimum of (floating point "nan"; floating point "3"; floating point "1")
= 1
> minimum of (floating point "3"; floating point "nan"; floating point "1")
= 1
> maximum of (floating point "nan"; floating point "3"; floating point "1")
= NaN
> maximum of (floating point "3"; floating point "-inf"; floating point "1")
= 3
> extrema of (floating point "2"; floating point "1.5"; floating point "3")
= 1.5, 3
> minimum of (floating point "1"; floating point "1.000")
= 1
> maximum of (floating point "1.000"; floating point "1")
= 1.000
> exists maximum of floating points ("x")
= false

# Conversions to integer: floor, ceiling, and rounding half to even.
> floating point "2.5" as integer, floating point "3.5" as integer, floating point "-2.5" as integer, floating point "-0.5" as integer
= 2, 4, -2, 0
> integer floor of floating point "-0.5", integer ceiling of floating point "-0.5"
= -1, 0
> integer floor of floating point "9223372036854775807", integer floor of floating point "-9223372036854775808"
= 9223372036854775807, -9223372036854775808
> integer ceiling of floating point "9.3e18"
! no such object
> integer floor of floating point "-9223372036854775809"
! no such object
> exists integer ceiling of floating point "nan", exists (floating point "inf" as integer)
= false, false

# The significance algebra.
> significance place of floating point "3.14", significance place of floating point "3.14" > floating point "-2.0001"
= -2.00, true
> relative significance place of floating point "314"
= 2.50
> relative significance place of floating point "314" > floating point "2.496" and relative significance place of floating point "314" < floating point "2.498"
= true
> more significance 2 of floating point "3.14", significance threshold of more significance 2 of floating point "3.14"
= 3.1400, 0.000100
> less significance 1 of floating point "3.14", significance threshold of less significance 1 of floating point "3.14"
= 3.1, 0.100
> significance place 2 of floating point "31415", relative significance place 2 of floating point "31415.9"
= 31400, 31400
> relative significance place 3 of floating point "-0.0314159"
= -0.03142
> exists more significance (-1) of floating point "3.14", exists significance place (-2) of floating point "3.14"
= false, false

# Text forms at the edges: the general form falls back to scientific notation for
# values that standard notation cannot write in 74 characters.
> floating point "1e80", floating point "1e-80", floating point "-5e72", floating point "-1.0e-72"
= 1e+80, 1e-80, -5e+72, -1.0e-72
> floating point "5e72" as string
= 5000000000000000000000000000000000000000000000000000000000000000000000000
> floating point "-5e72" as standard notation
! TooLargeForStandardNotation
> floating point "-1e-72" as standard notation
! DataOverflow
> floating point "1e-72" as standard notation
= 0.000000000000000000000000000000000000000000000000000000000000000000000001
> less significance 2 of floating point "-0.001"
= -0.0
# Rounding carries into a new leading place.
> floating point "9.96" * floating point "1.00"
= 10.0
# Ties round to even at the last significant place.
> less significance 1 of floating point "0.125" as standard notation, less significance 1 of floating point "0.375" as standard notation
= 0.12, 0.38
# A threshold below the resolution of the value prints the digits a long double
# resolves and no more.
> more significance 100 of floating point "1" as standard notation, more significance 100 of floating point "0.5"
= 1.00000000000000000000, 0.50000000000000000000
> floating point "1e-4000" * floating point "1e-4000"
= 0e-4951
# A place beyond the long double range is written at the highest place there is, so
# that the text reads back no more significant than the value was.
> significance place 5000 of floating point "3", significance place 5000 of floating point "3" as scientific notation
= 0e+4932, 0e+4932

# The copy forms.
> floating point of floating point "2.50" as string, floating point "2.50" as floating point
= 2.50, 2.50

# A new threshold keeps the value's flags; computing a threshold records none of its
# own, but the place of a zero threshold is the logarithm of zero.
> inexact of less significance 2 of (floating point "1" / 3), inexact of more significance 2 of (floating point "1" / 3)
= true, true
> overflow of ((less significance 4932 of floating point "1") * (less significance 4932 of floating point "3"))
= false
> divided by zero of significance place of more significance 5000 of floating point "1"
= true

# Anything else is not a number either.
> floating points (" "; "+"; "-"; "."; " . "; "e5"; "1e+"; "1e -"; "1,000"; "0x10"; "1\t2"; "1\n")
> floating points ("--1"; "+-1"; "1-"; "1e--5"; "1e5e5"; "1e5.0"; "+nan"; "nan1"; "in f")
> floating points ("\xff"; "1\xe2\x80\x89000"; "1\x002")
> floating point " - inf", significance threshold of floating point "nan"
= -infinity, 1.00

# The threshold of text is the place of its last digit, wherever the point and the
# exponent put it.
> floating points ("1000"; "0"; "000"; "12e3"; ".5"; "-.5"; "5."; "1 000"; "1e+0"; "+7"; "2E-3"; "-0")
= 1000
= 0
= 0e+2
= 12000
= 0.5
= -0.5
= 5
= 1000
= 1
= 7
= 0.002
= -0
> significance thresholds of floating points ("1000"; "0"; "000"; "12e3"; ".5"; "-.5"; "5."; "1 000"; "1e+0"; "+7"; "2E-3")
= 1000
= 1.00
= 100
= 1000
= 0.100
= 0.100
= 1.00
= 1000
= 1.00
= 1.00
= 0.00100
