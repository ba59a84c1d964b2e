# Concatenation of a sequence of strings, with or without a delimiter between the
# elements.

> concatenation of ("a"; "b"; "c")
: string
= abc
> concatenation ", " of ("a"; "b"; "c"), concatenation ", " of "a"
= a, b, c, a
> concatenation of (("a"; "b") whose (it = "c"))
=
> concatenation ", " of (("a"; "b") whose (it = "c")), concatenation "" of ("a"; "b")
= , ab
# Empty elements still get their delimiters.
> concatenation "-" of (""; ""; "x")
= --x
> number of characters of concatenation "\x00" of ("a"; "b")
= 3
# One result per delimiter.
> concatenations (","; ";") of ("a"; "b")
= a,b
= a;b

# The result lives as long as whatever refers to it.
> following text of first "b" of concatenation of ("a"; "b"; "c")
= c
> preceding texts of positions of concatenation "-" of ("a"; "b")
=
= a
= a-
= a-b
> concatenation of characters of "xyz"
= xyz
> concatenation "+" of substrings separated by "," of "1,2,3"
= 1+2+3
