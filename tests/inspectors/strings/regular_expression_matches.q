# Matches of a regular expression in a string and their parenthesized parts.

> matches (regex "a+") of "baaab"
: regular expression match
= aaa
= aa
= a
> first match (regex "a+") of "baaab"
= aaa
> starts of matches (regex "a+") of "baaab"
= 1
= 2
= 3
> matches (regex "x") of "abc"
> exists first match (regex "x") of "abc"
= false
# "^" matches at the beginning only.
> matches (regex "^a") of "aaa"
= a
# Empty matches, at every offset up to the end.
> starts of matches (regex "x*") of "ab"
= 0
= 1
= 2
> number of matches (regex "") of ""
= 1
# Matches run over NUL bytes.
> starts of matches (regex "b") of "a\x00b\x00b"
= 2
= 4
# Case-insensitive.
> matches (case insensitive regex "b") of "aBcb"
= B
= b

# A match is a substring of the searched string.
> following text of first match (regex "[0-9]+") of "ab12cd"
= cd
> preceding text of first match (regex "[0-9]+") of "ab12cd"
= ab
> end of first match (regex "[0-9]+") of "ab12cd", first match (regex "b+") of "abbc" & "!"
= 4, bb!

# Parenthesized parts.
> parenthesized part 1 of first match (regex "(a)(b)?") of "ac"
: substring
= a
> exists parenthesized part 0 of first match (regex "(a)(b)?") of "ac"
= false
> exists parenthesized part 3 of first match (regex "(a)(b)?") of "ac"
= false
> exists parenthesized part (-1) of first match (regex "(a)(b)?") of "ac"
= false
# A subexpression that took no part in the match has no value.
> exists parenthesized part 2 of first match (regex "(a)(b)?") of "ac"
= false
> parenthesized parts of first match (regex "(a)(b)?") of "ac"
= a
> parenthesized parts of first match (regex "(a)|(b)") of "b"
= b
> parenthesized parts of first match (regex "([a-z]+)=([0-9]*)") of "x key=12 y"
= key
= 12
> parenthesized parts of first match (regex "(x)=()") of "x="
= x
=
> parenthesized parts of first match (regex "abc") of "abc"
> start of parenthesized part 2 of first match (regex "([a-z]+)=([0-9]*)") of "x key=12 y"
= 6
> following text of parenthesized part 1 of first match (regex "(b)") of "abc"
= c

# Each match keeps the parts of its own search.
> parenthesized parts of matches (regex "([a-z])([0-9])") of "a1b2"
= a
= 1
= b
= 2
> parenthesized parts of matches (regex "(a)|(b)") of "ab"
= a
= b
> (matches (regex "(a)|(b)") of "ab") whose (exists parenthesized part 2 of it)
= b

# Values refer to their string, their expression and their search; each must
# stay alive as long as the value does.
> parenthesized parts of first match (regex "(.)(.)") of concatenation of ("x"; "y")
= x
= y
> following texts of matches (regex "[ab]") of ("c" & "ab")
= b
=
> concatenation "," of parenthesized parts of matches (regex "(.)") of concatenation of characters of "xyz"
= x,y,z
> unique values of matches (regex "a+") of "baaab"
= a
= aa
= aaa

# Bad patterns fail the query.
> matches (regex "(") of "abc"
! InvalidRegularExpression
