# Cutting a string at a delimiter: the pieces before, between, after and separated
# by its occurrences.

> substrings before ":" of "a:b:c"
: substring
= a
= b
> substrings between ":" of "a:b:c"
= b
> substrings after ":" of "a:b:c"
= b
= c
> substrings separated by ":" of "a:b:c"
= a
= b
= c

# Empty pieces count, at either end too.
> number of substrings separated by "," of "a,,b,"
= 4
> substrings separated by "," of "a,,b,"
= a
=
= b
=
> substrings separated by "," of ","
=
=
> substrings before "," of ",,"
=
=
> substrings between "," of ",,"
=
> substrings after "," of "a,"
=

# Without the delimiter: nothing, except the whole string separated by it.
> substrings before ":" of "abc"
> substrings between ":" of "abc"
> substrings after ":" of "abc"
> substrings separated by ":" of "", substrings separated by ":" of "abc"
= , abc
# An empty delimiter never occurs.
> substrings before "" of "abc"
> substrings between "" of "abc"
> substrings after "" of "abc"
> substrings separated by "" of "abc"
= abc

# Delimiters longer than a byte; occurrences do not overlap.
> substrings separated by "::" of "a::b:::c"
= a
= b
= :c
> substrings separated by "aa" of "aaaaa"
=
=
= a
> substrings between "<>" of "<>x<>y<>"
= x
= y
> substrings separated by "\x00" of "a\x00b"
= a
= b
> substrings separated by "abcd" of "abc"
= abc

# The pieces are substrings of the whole string.
> starts of substrings separated by ":" of "ab:c:d"
= 0
= 3
= 5
> following text of substring after ":" of "a:b"
=
> preceding texts of substrings after ":" of "a:b:c"
= a:
= a:b:
