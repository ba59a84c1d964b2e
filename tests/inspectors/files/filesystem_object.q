# Filesystem objects: equality, items by name, siblings, times, parent folders,
# names and the listings of a folder. Runs inside the tree that make_tree builds;
# listings come in the file system's order, so they are counted, filtered or sorted.

# The three types, and a file or folder where a filesystem object is expected.
> item "hello.txt" of folder "."
= <filesystem object>
: filesystem object
> item "sub" of folder "." = folder "sub"
= true
> item "nothing" of folder "."
! no such object: item "nothing" of folder "."
> exists item "nothing" of folder "."
= false

# One node, whatever the path: a hard link, a symbolic link, a path through "..".
> file "hard.txt" = file "hello.txt"
= true
> item "to_hello" of folder "links" = file "hello.txt"
= true
> folder "links/to_sub" = folder "sub"
= true
> folder "sub/inner/.." = folder "sub"
= true
> file "hard.txt" = file "empty"
= false

# Names are bytes: spaces, a line feed, bytes that are not UTF-8, 255 bytes.
> name of item "with space.txt" of folder "."
= with space.txt
> name of item "new\nline" of folder "." = "new\nline"
= true
> name of item "\xff\xfe.bin" of folder "." = "\xff\xfe.bin"
= true
> name of item "café.txt" of folder "."
= café.txt
> exists item "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn" of folder "."
= true
> item "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn" of folder "."
! IllegalFileNameLength
> item "" of folder "."
! IllegalFileNameLength
> item "sub/a1.txt" of folder "."
! IllegalFileName
> item ".." of folder "sub"
! IllegalFileName
> name of folder "/"
! IllegalFileNameLength

# Siblings are items of the parent folder.
> name of sibling item "a1.txt" of folder "sub/inner"
= a1.txt
> sibling item "inner" of file "sub/a1.txt" = folder "sub/inner"
= true
> sibling item "etc" of folder "/"
! RootHasNoParent

# Parent folders, up to the root.
> name of parent folder of file "sub/inner/b.txt"
= inner
> parent folder of parent folder of folder "sub/inner" = folder "."
= true
> parent folder of folder "/etc" = folder "/"
= true
> parent folder of folder "/"
! RootHasNoParent

# Times come from the snapshot. The tree has no backups, and a file is not
# modified before it is made.
> modification time of file "old.txt" = time "Sat, 03 Feb 2001 04:05:06 +0000"
= true
: boolean
> modification time of folder "sub" > time "Sat, 03 Feb 2001 04:05:06 +0000"
= true
> creation time of file "sub/a1.txt" <= modification time of file "sub/a1.txt"
= true
> backup time of file "hello.txt" = time "Thu, 01 Jan 1970 00:00:00 +0000"
= true

# Listings: every item once, hidden ones, pipes and links included; no "." or "..".
> number of items of folder "."
= 20
> number of files of folder "."
= 14
> unique values of names of folders of folder "."
= deep
= links
= sub
= text
= walk
= wide
> number of items whose (name of it = ".hidden" or name of it = "fifo") of folder "."
= 2
> number of items whose (name of it = "." or name of it = "..") of folder "."
= 0
> unique values of names of items of folder "sub"
= a1.txt
= inner
> number of files of folder "wide"
= 2000
> names of files of folder "deep/d1/d2/d3/d4/d5/d6/d7/d8/d9/d10/d11/d12/d13/d14/d15/d16/d17/d18/d19/d20/d21/d22/d23/d24/d25/d26/d27/d28/d29/d30/d31/d32/d33/d34/d35/d36/d37/d38/d39/d40"
= bottom.txt

# A link to a folder lists as a folder; a link to a file, a dangling link and a
# loop of links as files (the last two are the links themselves).
> unique values of names of folders of folder "links"
= to_sub
> unique values of names of files of folder "links"
= dangling
= loop_a
= loop_b
= to_hello
> unique values of names of items of folder "links/to_sub"
= a1.txt
= inner

# "ending in" compares bytes: an empty text lists everything, and non-ASCII
# suffixes match.
> unique values of names of files ending in ".txt" of folder "."
= café.txt
= hard.txt
= hello.txt
= old.txt
= with space.txt
> number of files ending in "" of folder "."
= 14
> names of files ending in "é.txt" of folder "."
= café.txt
> unique values of names of folders ending in "b" of folder "."
= sub
> number of items ending in "e" of folder "."
= 3
> names of items ending in "me" of folder "."
= colon:name

# A folder that is not there lists nothing; a file has no items.
> number of items of folder "no such folder"
= 0
> items of file "hello.txt"
! no property "items" of "file"

# The system's own folders list without reading anything in them.
> number of items of folder "/proc" > 10
= true
> exists folders whose (name of it = "self") of folder "/proc"
= true

# "item N of" still takes an item of a tuple.
> item 1 of (name of file "hello.txt", name of folder "sub")
= sub
> item 0 of (item "sub" of folder ".", 3) = folder "sub"
= true
