# The lines of a file: iterations, lines by number, next and previous lines, line
# numbers. Runs inside the tree that make_tree builds.

# CR LF and LF CR are one ending, CR CR two; the last line needs no ending.
> lines of file "text/crlf.txt"
= a
= b
= c
=
= d
: file line
> line numbers of lines of file "text/crlf.txt"
= 1
= 2
= 3
= 4
= 5
> (number of lines of file "text/one.txt", number of lines of file "text/two.txt", number of lines of file "empty", number of lines of file "binary.bin")
= 1, 2, 0, 3
# Lines with the same text are still different lines.
> line numbers of lines of file "text/repeated.txt"
= 1
= 2
= 3
> line numbers of next lines of lines of file "text/repeated.txt"
= 2
= 3
# A line is a string.
> line 2 of file "text/crlf.txt" & "!"
= b!
> number of characters of line 3 of file "binary.bin"
= 242

# Lines by number, from 1.
> line 5 of file "text/crlf.txt"
= d
> line 0 of file "text/crlf.txt"
! no such object
> line 6 of file "text/crlf.txt"
! no such object
> line 9223372036854775807 of file "text/one.txt"
! no such object

# Next and previous lines walk the same lines as the iteration, empty lines and
# two-byte endings included.
> next lines of lines of file "text/crlf.txt"
= b
= c
=
= d
> previous lines of lines of file "text/crlf.txt"
= a
= b
= c
=
> line numbers of previous lines of lines of file "text/crlf.txt"
= 1
= 2
= 3
= 4
> previous line of next line of line 3 of file "text/crlf.txt"
= c
> previous line of line 1 of file "text/crlf.txt"
! no such object
> next line of line 2 of file "text/two.txt"
! no such object

# A line longer than the buffer stays one line; its text is its first 65,536 bytes.
> number of lines of file "text/long.txt"
= 2
> number of characters of line 1 of file "text/long.txt"
= 65536
> (next line of line 1 of file "text/long.txt", line number of previous line of line 2 of file "text/long.txt")
= after, 1
> number of characters of previous line of line 2 of file "text/long.txt"
= 65536
# A line that fills the buffer with its ending just past it.
> (number of lines of file "text/boundary.txt", number of characters of line 1 of file "text/boundary.txt", line 2 of file "text/boundary.txt")
= 2, 65535, z
> line number of previous line of line 2 of file "text/boundary.txt"
= 1

# Lines starting with and containing a text.
> lines starting with "a" of file "text/settings.ini"
= a=1
= a=2
> line numbers of lines containing "=" of file "text/settings.ini"
= 1
= 3
= 4
= 6
= 9
= 11
= 14
> lines containing "nothing like it" of file "text/settings.ini"
> lines starting with "" of file "text/two.txt"
= a
=

# Only plain files are read; files that report length 0 are read to their end.
> lines of file "fifo"
! NotAFileError
> lines of file "links/dangling"
! FileNotFoundError
> lines of folder "sub"
! no property "lines" of "folder"
> number of lines whose (it starts with "Pid:") of file "/proc/self/status"
= 1
