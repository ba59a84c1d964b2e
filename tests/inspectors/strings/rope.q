# Ropes: concatenation that points at its operands instead of copying, the length,
# the text, and a substring search that streams over the pieces.

> length of (rope "ab" & "cd")
: integer
= 4
> (rope "ab" & "cd") as string
: string
= abcd
> rope "x"
: rope
= x
> ("ab" & rope "cd") as string, (rope "ab" & rope "cd") as string
= abcd, abcd
> (rope "" & "" & rope "") as string, length of (rope "")
= , 0
> lengths of ropes ("a"; "bcd"; "")
= 1
= 3
= 0

# Search: a match that no single piece holds, one at either end, none at all.
> (rope "ab" & "cd") contains "bc", (rope "ab" & "cd") contains "abcd"
= true, true
> (rope "ab" & "cd") contains "abcde"
= false
> (rope "ab" & "cd") contains "ca", ("a" & rope "b" & "c" & rope "d" & "e") contains "bcde"
= false, true
> ("a" & rope "b" & "c" & rope "d" & "e") does not contain "bd"
= true
# Every rope contains the empty text, the empty rope included.
> (rope "ab" & "cd") contains "", rope "" contains "", rope "" contains "a"
= true, true, false
# A partial match at the end of one piece that fails in the next, then a real one.
> (rope "xaba" & "babx") contains "abab", (rope "aab" & "aac") contains "aabac"
= true, false
> (rope "aab" & "aab") contains "baa"
= true

# Patterns longer than the 255-byte shift limit are still found, within one piece
# and across pieces.
> rope "ahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgn" contains "kryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahov"
= true
> (rope "ahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxel" & "szgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgn") contains "jqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxe"
= true
> (rope "ahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxel" & "zgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgn") contains "jqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxelszgnubipwdkryfmtahovcjqxe"
= false
> (rope "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaax" & "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb") contains "axbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"
= true
> (rope "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaax" & "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb") contains "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaabbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"
= false

# Bytes are bytes: NUL is an ordinary byte in pieces and patterns.
> length of (rope "a\x00b" & "\x00"), (rope "a\x00" & "\x00b") contains "\x00\x00"
= 4, true
> (rope "a\x00" & "b") contains "a\x00\x00"
= false

# A rope joined to itself shares its pieces; it is measured without walking them
# again, and text too long for 64 bits has no length.
> rope "ab" whose (exists ((it & it & it) whose (length of it = 6)))
= ab
> (rope "ab" whose (exists ((it & it) whose (it contains "bab")))) as string
= ab

# Values that point at their operands: each of these reads bytes of temporary
# values (literals, other ropes, tuple items, filtered and plural values) after
# the expression that made them is done.
> ((rope "ab" & "cd") & (rope "ef" & "gh")) as string
= abcdefgh
> ((rope "ab" & "cd") & (rope "ef" & "gh")) contains "defg"
= true
> (ropes ("a"; "b") & ropes ("c"; "d")) as string
= ac
= ad
= bc
= bd
> (item 0 of (rope "a" & "b", 1)) as string, item 0 of (rope "a" & "b", rope "c")
= ab, ab
> (((rope "a" & "b") whose (it contains "ab")) & "c") as string
= abc
> (if true then rope "a" & "b" else rope "c") as string
= ab
> lengths of ((ropes ("ab"; "c") & "d") whose (length of it > 2))
= 3
> ((rope "x" & "y") & (rope "x" & "y") & rope "x") as string
= xyxyx
# Substrings point into the strings they were cut from; a rope over them keeps both.
> (rope "ab" & following text of first "b" of "abc") as string
= abc
> (rope "<" & substrings separated by "," of "x,y") as string
= <x
= <y
