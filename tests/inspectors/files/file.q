# Files: a file of a folder by name, sibling files, and the cast of a filesystem
# object to a file. Runs inside the tree that make_tree builds.

> file "hello.txt" of folder "."
= <file>
: file
> file "hello.txt" of folder "." = file "hello.txt"
= true
> name of file "b.txt" of folder "sub/inner"
= b.txt
# A folder is not a file; nothing there is no file either.
> file "sub" of folder "."
! no such object: file "sub" of folder "."
> exists file "nothing" of folder "."
= false
> file "a/b" of folder "."
! IllegalFileName
> file "" of folder "."
! IllegalFileNameLength

# Everything that is not a folder is a file: pipes, links that lead nowhere.
> name of file "fifo" of folder "."
= fifo
> name of file "dangling" of folder "links"
= dangling
> name of file "loop_a" of folder "links"
= loop_a
> file "to_sub" of folder "links"
! no such object

> name of sibling file "a1.txt" of folder "sub/inner"
= a1.txt
> sibling file "inner" of file "sub/a1.txt"
! no such object
> sibling file "hello.txt" of folder "/"
! RootHasNoParent

# The cast keeps the snapshot, and refuses a folder.
> name of (item "empty" of folder "." as file)
= empty
: string
> item "empty" of folder "." as file = file "empty"
= true
> item "sub" of folder "." as file
! no such object
