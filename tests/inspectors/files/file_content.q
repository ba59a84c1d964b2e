# File content, bytes and digests. Runs inside the tree that make_tree builds.

> content of file "text/chunk.txt" contains "NEEDLE"
= true
: boolean
> content of file "text/chunk.txt" contains "aNEEDLEb"
= true
> content of file "text/chunk.txt" contains "NEEDLES"
= false
> content of file "text/long.txt" contains "x\nafter\n"
= true
# The empty text is in every content, even one that cannot be read.
> (content of file "empty" contains "", content of file "empty" contains "a", content of file "fifo" contains "")
= true, false, true
> content of file "fifo" contains "a"
! NotAFileError
> content of file "binary.bin" contains "\x00\x01\x02"
= true

# The case views fold the file, not the text looked for.
> ((content of file "text/settings.ini" as lowercase) contains "name =", (content of file "text/settings.ini" as uppercase) contains "NAME =", (content of file "text/settings.ini" as uppercase) contains "Name", content of file "text/settings.ini" contains "name")
= true, true, false, false
> (content of file "text/settings.ini" as uppercase as lowercase) contains "[main]"
= true
# One query, two views of one file: each answers for its own.
> (content of file "hello.txt" contains "hello", (content of file "hello.txt" as uppercase) contains "hello")
= true, false

> (byte 0 of file "hello.txt", byte 5 of file "hello.txt", byte 255 of file "binary.bin")
= 104, 10, 255
# Offsets past 4 GiB.
> (byte 4294967297 of file "sparse.img", byte 5368709119 of file "sparse.img")
= 0, 0
> byte 5368709120 of file "sparse.img"
! no such object
> byte 0 of file "empty"
! no such object
> byte 0 of file "fifo"
! no such object
> byte (0 - 1) of file "hello.txt"
! no such object

> sha1 of file "hello.txt"
= f572d396fae9206628714fb2ce00f72e94f2258f
: string
> (sha1 of file "empty", sha1 of file "binary.bin")
= da39a3ee5e6b4b0d3255bfef95601890afd80709, 4916d6bdb7f78e6803698cab32d1586ea457dfc8
> sha1 of file "links/to_hello" = sha1 of file "hard.txt"
= true
> sha1 of file "fifo"
! NotAFileError
> sha1 of file "links/dangling"
! FileNotFoundError

# Devices are never opened: /dev/zero would never end, /dev/null is no file to read.
> content of file "/dev/zero" contains "a"
! NotAFileError
> (number of lines of file "/dev/null")
! NotAFileError
> sha1 of file "/dev/zero"
! NotAFileError
