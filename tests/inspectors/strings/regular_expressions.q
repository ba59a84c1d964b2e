# Regular expressions (POSIX extended) and the relations between strings and them.

> "abc" = regex "a.c"
: boolean
= true
> "abc" = regex "b", regex "a.c" = "abc", "abc" != regex "b"
= false, true, true
> "abc" contains regex "b", "abc" contains regex "x", "abc" does not contain regex "x"
= true, false, true
> "abc" starts with regex "b", "abc" starts with regex "ab?"
= false, true
> "abc" ends with regex "c$", "abc" ends with regex "b", "abcbc" ends with regex "bc"
= true, false, true
# "^" anchors at the beginning only, even when the search for a later match starts
# further on.
> "abc" ends with regex "^c", "abc" ends with regex "^b"
= false, false
> "abc" ends with regex "^a.*", "abc" ends with regex "x*"
= true, true
# Equality is a match of the whole string: leftmost-longest.
> "aaa" = regex "a|aa|aaa", "ab" = regex "a", "" = regex ""
= true, false, true
> "" = regex "a*", "" contains regex "a", "" ends with regex "$"
= true, false, true

# Case.
> "abc" = case insensitive regex "ABC", "abc" = regex "ABC"
= true, false
> "abc" = regular expression "a[a-c]+"
= true
> "ABC" = case insensitive regular expression "a[a-c]+", "ABC" contains case insensitive regex "b"
= true, true

# NUL bytes in the searched string are ordinary bytes; a pattern cannot hold one.
> "a\x00b" contains regex "b$", "a\x00b" = regex "a[^x]b", "x\x00" ends with regex "x"
= true, true, false
> regex "a\x00b"
! InvalidRegularExpression
# A substring ends where it ends, whatever bytes follow it in the string it was cut
# from; the empty text of a hexadecimal cast has no bytes at all.
> first 2 of "bbX" = regex "b+$", first 2 of "bbX" ends with regex "^b+$"
= true, true
> first 3 of "abbXabb" ends with regex "b+$", first 3 of "abbXabb" contains regex "b+$", first 3 of "abbXabb" starts with regex "b+$", first 3 of "abbXabb" = regex "b+$"
= true, true, false, false
> ("" as hexadecimal) contains regex "b+$", ("" as hexadecimal) = regex "", ("" as hexadecimal) ends with regex ""
= false, true, true

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
> "aaa" contains regex "(a*){100}b", "aaa" = regex "a{1,}"
= false, true
# The compiler's work also grows with groups in such runs, with loops back over
# them and with every anchor in them; none of it can be interrupted.
> "aaa" ends with regex "(a{10})(a)(b)?{1000}b)"
! InvalidRegularExpression
> "a" contains regex "((^|a)?){20,}"
! InvalidRegularExpression
> "a" contains regex ".*{1000,}a"
! InvalidRegularExpression
# Back references take time exponential in the text to match: refused.
> regex "(a)\\1"
! InvalidRegularExpression
! back references are not supported
> "aa" contains regex "(a)(b)?\\2"
! back references are not supported
# A backslash and a digit in brackets are two characters, and an escaped
# backslash before a digit is no reference.
> "1\\1" = regex "[\\1]+", "\\1" = regex "\\\\1"
= true, true

# Equality and "starts with" try the first position only; the leftmost match
# starts there or they are false.
> "ba" = regex "a|ba", "aab" starts with regex "b|a*", "bab" starts with regex "a"
= true, true, false

# One expression per pattern; the plural makes several.
> number of regexes ("a"; "b"), number of (("a"; "b"; "c") whose (it = regex "a|c"))
= 2, 2
> "abc" contains regexes ("x"; "b")
= false
= true
