# Regular expressions (POSIX extended) and the relations between strings and them.

> "abc" = regex "a.c"
: boolean
= true
> "abc" = regex "b"
= false
> regex "a.c" = "abc"
= true
> "abc" != regex "b"
= true
> "abc" contains regex "b"
= true
> "abc" contains regex "x"
= false
> "abc" does not contain regex "x"
= true
> "abc" starts with regex "b"
= false
> "abc" starts with regex "ab?"
= true
> "abc" ends with regex "c$"
= true
> "abc" ends with regex "b"
= false
> "abcbc" ends with regex "bc"
= true
# "^" anchors at the beginning only, even when the search for a later match starts
# further on.
> "abc" ends with regex "^c"
= false
> "abc" ends with regex "^b"
= false
> "abc" ends with regex "^a.*"
= true
> "abc" ends with regex "x*"
= true
# Equality is a match of the whole string: leftmost-longest.
> "aaa" = regex "a|aa|aaa"
= true
> "ab" = regex "a"
= false
> "" = regex ""
= true
> "" = regex "a*"
= true
> "" contains regex "a"
= false
> "" ends with regex "$"
= true

# Case.
> "abc" = case insensitive regex "ABC"
= true
> "abc" = regex "ABC"
= false
> "abc" = regular expression "a[a-c]+"
= true
> "ABC" = case insensitive regular expression "a[a-c]+"
= true
> "ABC" contains case insensitive regex "b"
= true

# NUL bytes in the searched string are ordinary bytes; a pattern cannot hold one.
> "a\x00b" contains regex "b$"
= true
> "a\x00b" = regex "a[^x]b"
= true
> "x\x00" ends with regex "x"
= false
> regex "a\x00b"
! InvalidRegularExpression

# A pattern that does not compile is an error, not a false relation.
> regex "("
! InvalidRegularExpression
! Unmatched ( or \(
> "abc" contains regex "a("
! InvalidRegularExpression
> exists regex "[z-a]"
! InvalidRegularExpression
> "a" = regex "a{2,1}"
! InvalidRegularExpression
# Huge repetition counts are refused, not expanded.
> regex "a{99999}"
! InvalidRegularExpression
> "aaa" contains regex "((a{1000}){1000}){1000}"
! InvalidRegularExpression
> "aaa" contains regex "(a{100}){100}"
= false
# So are long runs of pieces that can match nothing, and stars around stars.
> regex "(a*){20000}"
! InvalidRegularExpression
> regex "a**************{1000}"
! InvalidRegularExpression
> "aaa" contains regex "(a*){100}b"
= false
> "aaa" = regex "a{1,}"
= true
# Back references take time exponential in the text to match: refused.
> regex "(a)\\1"
! InvalidRegularExpression
! back references are not supported
> "aa" contains regex "(a)(b)?\\2"
! back references are not supported
# A backslash and a digit in brackets are two characters, and an escaped
# backslash before a digit is no reference.
> "1\\1" = regex "[\\1]+"
= true
> "\\1" = regex "\\\\1"
= true

# Equality and "starts with" try the first position only; the leftmost match
# starts there or they are false.
> "ba" = regex "a|ba"
= true
> "aab" starts with regex "b|a*"
= true
> "bab" starts with regex "a"
= false

# One expression per pattern; the plural makes several.
> number of regexes ("a"; "b")
= 2
> number of (("a"; "b"; "c") whose (it = regex "a|c"))
= 2
> "abc" contains regexes ("x"; "b")
= false
= true
