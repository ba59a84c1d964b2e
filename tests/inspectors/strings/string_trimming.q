# Trimming tab, line feed, carriage return and space from the ends of a string.

> "\tx\n" as trimmed string
: string
= x
> "  a b  " as left trimmed string & "|", "  a b  " as right trimmed string & "|"
= a b  |,   a b|
> " " as right trimmed string, "|" & "  a b  " as right trimmed string
= , |  a b
> " " as left trimmed string
=
> " \t\n " as trimmed string
=
> "" as trimmed string, "\x0d\x0dx\x0d" as trimmed string
= , x
# Vertical tab and form feed are not whitespace; neither is NUL.
> number of characters of ("\x0bx\x0c" as trimmed string), number of characters of (" \x00 " as trimmed string)
= 3, 1
# Only the ends are trimmed.
> "a \t b" as trimmed string = "a \t b"
= true
# The result is a range of the argument, which may itself be computed.
> (" x" & " ") as trimmed string & "|"
= x|
