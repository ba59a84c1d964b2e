# The distinct strings of a sequence, in byte order, with their multiplicities.

> unique values of ("b"; "a"; "b")
: string with multiplicity
= a
= b
> multiplicities of unique values of ("b"; "a"; "b")
= 1
= 2
# Byte order: upper case before lower case, a prefix before its extensions, high
# bytes last; the empty string first.
> unique values of ("a"; "B"; "ab"; ""; "b")
=
= B
= a
= ab
= b
> multiplicities of unique values of ("\xff"; "a"; "\xff")
= 1
= 2
> unique values of (("a"; "b") whose (it = "c"))
> number of unique values of ("x"; "x"; "x"), multiplicity of unique value of ("x"; "x"; "x")
= 1, 3
# NUL bytes are part of the strings.
> number of unique values of ("a\x00b"; "a\x00c"; "a")
= 3

# A string with multiplicity is a string; the results refer to the aggregator's
# copies, which stay alive as long as the results do.
> firsts 1 of unique values of ("bb"; "a"; "bb")
= a
= b
> (unique values of characters of "banana") whose (multiplicity of it > 1)
= a
= n
> following texts of firsts "a" of unique values of ("xay"; "ab")
= b
= y
> unique values of substrings separated by "," of "b,a,b"
= a
= b
