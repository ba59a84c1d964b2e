# String positions: offsets that remember their string, the text on either side,
# and the start and end of substrings.

> position 1 of "abc"
: string position
= 1
> position 3 of "abc", exists position 4 of "abc"
= 3, false
> position 0 of "", exists position (-1) of "abc", exists position 9223372036854775807 of "abc"
= 0, false, false

> positions of "ab"
= 0
= 1
= 2
> positions of "", number of positions of "a\x00b"
= 0, 4

# The text before and after a position.
> preceding text of position 1 of "abc"
: substring
= a
> following text of position 3 of "abc", following text of position 1 of "abc"
= , bc
> preceding text of position 0 of "abc"
=
> following texts of positions of "ab"
= ab
= b
=

# A position behaves as the integer it holds.
> start of first "b" of "abc"
= 1
> start of first "b" of "abc" + 1
: integer
= 2
> end of first "b" of "abc", end of first "bc" of "abc" = 3
= 2, true
> (start of first "b" of "abc") < (end of first "b" of "abc")
= true
> starts of substrings "a" of "banana"
= 1
= 3
= 5

# The start of a substring is a position in the whole string: its following text
# is the rest of that string.
> following text of start of first "b" of "abc", preceding text of end of first "b" of "abc"
= bc, ab
