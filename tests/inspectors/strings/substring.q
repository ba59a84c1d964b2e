# Substrings: the first and last characters, single characters, occurrences of a
# text, and the text around a substring.

# First and last n characters; n may be the length but not more.
> first 2 of "abc"
: substring
= ab
> first 0 of "abc", first 3 of "abc"
= , abc
> last 0 of "abc", exists first 4 of "abc", last 2 of "abc"
= , false, bc
> last 4 of "abc"
! no such object
> first 0 of "", exists first 1 of "", exists first (-1) of "abc", exists last 9223372036854775807 of "abc"
= , false, false, false

# Single characters.
> character 1 of "abc", exists character 3 of "abc"
= b, false
> character 0 of ""
! no such object
> exists character (-1) of "abc"
= false
> characters of "abc"
= a
= b
= c
> characters of ""
> number of characters of "a\x00b", character 1 of "a\x00b" = "\x00"
= 3, true

# First and last occurrence of a text.
> start of first "ab" of "abab"
: string position
= 0
> start of last "ab" of "abab", first "ab" of "abab"
= 2, ab
> exists first "x" of "abc", exists last "abcd" of "abc"
= false, false
> start of last "a" of "banana", start of last "ana" of "banana", start of first "ana" of "banana"
= 5, 3, 1
> start of first "\x00b" of "a\x00b\x00b", start of last "\x00b" of "a\x00b\x00b"
= 1, 3
# An empty text occurs at every offset.
> start of first "" of "abc", start of last "" of "abc", start of first "" of ""
= 0, 3, 0
# The empty text of a hexadecimal cast has no bytes at all.
> start of last "" of ("" as hexadecimal), exists first "a" of ("" as hexadecimal)
= 0, false

# Every occurrence; they may overlap.
> starts of substrings "aba" of "ababa"
= 0
= 2
> starts of substrings "aa" of "aaaa"
= 0
= 1
= 2
> substrings "x" of "abc"
> number of substrings "" of "abc", number of substrings "" of "", number of substrings "abcd" of "abc"
= 4, 1, 0

# The text before and after a substring, within the string it was cut from.
> following text of first "b" of "abc"
: substring
= c
> following text of last "c" of "abc", preceding text of first "b" of "abc"
= , a
> preceding text of first 0 of "abc", following text of first "b" of "abcb"
= , cb
> following texts of substrings "b" of "abcb"
= cb
=
> preceding text of following text of first "b" of "abc"
= ab

# A substring is a string: it can be searched and cut again, and the result is
# positioned in the substring it was cut from.
> start of first "c" of following text of first "a" of "xabc"
= 1
> first 1 of following text of first "b" of "abcd", following text of first "b" of "abc" = "c"
= c, true
> following text of first "b" of "abc" & "!"
= c!
