# Versions: texts read into numbered fields or kept whole, printed back, compared
# numerically or as texts, and taken apart; stages.

> version "10.2.1" < version "10.10"
: boolean
= true

# Each column is one field of the texts, in this order: three dotted numbers, a
# stage and build, a final with a build, four dotted numbers, one number, a stage
# letter in upper case, and texts that are no numeric version (a number too large,
# a stage letter after one number, five numbers, a blank, an unknown letter, a
# number of 2^32) and the empty text.
> versions ("10.4.11"; "2.1b3"; "1.0.2f1"; "7.0.1.1234"; "5"; "2.1B"; "2.1d"; "3.0a1")
= 10.4.11
= 2.1b3
= 1.0.2f1
= 7.0.1.1234
= 5.0
= 2.1b
= 2.1d
= 3.0a1
> major revisions of versions ("10.4.11"; "2.1b3"; "1.0.2f1"; "7.0.1.1234"; "5"; "65535"; "99999"; "1b2"; "")
= 10
= 2
= 1
= 7
= 5
= 65535
= 0
= 0
= 0
> minor revisions of versions ("10.4.11"; "2.1b3"; "1.0.2f1"; "7.0.1.1234"; "5"; "1.65535")
= 4
= 1
= 0
= 0
= 0
= 65535
> bug revisions of versions ("10.4.11"; "2.1b3"; "1.0.2f1"; "7.0.1.1234"; "5")
= 11
= 0
= 2
= 1
= 0
> stages of versions ("10.4.11"; "2.1b3"; "1.0.2f1"; "7.0.1.1234"; "2.1B"; "4.5D7"; "4.5.6A")
=
= b
= f
= .
= b
= d
= a
> build revisions of versions ("10.4.11"; "2.1b3"; "1.0.2f1"; "7.0.1.1234"; "2.1B"; "1.2.3.65535")
= 0
= 3
= 1
= 1234
= 0
= 65535

# Not numeric: the whole text is kept and prints as itself; every number is 0.
> versions ("99999"; "1b2"; "1.2.3.4.5"; "1.2 beta"; "1.2x"; "1.2.65536"; "4294967296"; "1.2b129"; "1..2"; ".1"; "1."; "1.2b3.4"; " 1.2")
= 99999
= 1b2
= 1.2.3.4.5
= 1.2 beta
= 1.2x
= 1.2.65536
= 4294967296
= 1.2b129
= 1..2
= .1
= 1.
= 1.2b3.4
=  1.2
> major revision of version "1.2.3.4.5", minor revision of version "1.2 beta", bug revision of version "1.2.3bb", build revision of version "1.2b3x"
= 0, 0, 0, 0

# The empty text fails to read and behaves as 0.0.
> version "" as string, version "" = version "0.0", version "" < version "0.0.1"
= 0.0, true, true

# Printing: a fourth number keeps the third before it, even 0, so that 1.2.0.1
# does not print as the different version 1.2.1; a release stage prints its 0.
> versions ("1.2.0.1"; "1.2.3.0"; "1.2.0.0"; "1.2f"; "1.2f0"; "1.2b0"; "01.002")
= 1.2.0.1
= 1.2.3.0
= 1.2.0.0
= 1.2
= 1.2
= 1.2b
= 1.2
> version "1.2.0.1" > version "1.2.1", version "1.2.0.1" = version (version "1.2.0.1" as string)
= false, true

# Numeric order: major, minor, bug, then stage (no stage and f without a build rank
# as released), then build.
> version "1.2" = version "1.2f", version "1.2" = version "1.2.0.0", version "1.2" = version "1.2.0"
= true, true, true
> version "1.2" > version "1.2b9", version "1.2" > version "1.2f1", version "1.2.0.1" > version "1.2"
= true, true, true
> version "1.2d9" < version "1.2a1", version "1.2a9" < version "1.2b1", version "1.2b9" < version "1.2f1", version "1.2f1" < version "1.2.0.1"
= true, true, true, true
> version "1.2.3" <= version "1.2.3", version "1.10" > version "1.9", version "2" > version "1.65535.65535"
= true, true, true
> minimum of (version "1.10"; version "1.9"; version "1.2b3"), maximum of (version "1.10"; version "10"; version "9.9.9")
= 1.2b3, 10.0
> unique values of (version "1.2"; version "1.2.0.0"; version "1.3"; version "1.2f")
= 1.2
= 1.3

# A textual version on either side compares the printed texts, digit runs by
# value: the longer text is greater where the shorter ends.
> version "1.2 beta" > version "1.2", version "1.2" < version "1.2 beta", version "1.2 beta" = version "1.2 beta"
= true, true, true
> version "1.10x" > version "1.9x", version "01x" < version "1x", version "1.001x" < version "1.01x", version "1ax" < version "1bx"
= true, true, true, true
> version "99999" > version "10.0", version "a" < version "b", version "x10" > version "x9"
= true, true, true
# A zero byte is a byte like any other: texts that differ after it are not equal.
> version "x\x00b" < version "x\x00c", version "x\x00" > version "x", version "x\x00" = version "x"
= true, true, false

# Relations with text read the text first, on either side.
> version "1.2" = "1.2f", "1.2b1" < version "1.2", version "1.2" <= "1.2.0.0", "1.10" > version "1.9"
= true, true, true, true
> "1.2 beta" = version "1.2 beta", version "1.10" < "1.9"
= true, false

# The cast from text.
> "2.1b3" as version, major revision of ("7.0.1.1234" as version)
= 2.1b3, 7

# Stages from text: exact and case-sensitive; the empty text is final.
> stages ("d"; "a"; "b"; "f"; ""; "B"; "x"; "beta")
= d
= a
= b
= f
= f
=
=
=
> stage "b" = stage of version "2.1B", stage "B" = stage of version "2.1B", stage "" = stage "f", stage "f" = stage of version "1.2"
= true, false, true, false

# A file has no version resource here; a plain file has no bundle version.
> version of file "/etc/os-release"
! no such object
> version 1 of file "/etc/os-release"
! no such object
> bundle version of (file "/etc/os-release" as filesystem object)
! no such object
