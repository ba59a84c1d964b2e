# Descendants and ancestors. Runs inside the tree that make_tree builds. A walk
# comes in the file system's order, so it is counted or sorted.

# Files below a folder; links to folders are neither walked nor delivered, so the
# link to its own folder makes no loop.
> unique values of names of descendants of folder "walk"
= a1
= b
> unique values of names of descendant folders of folder "walk"
= A
= self
= to_A
> unique values of names of descendants of folder "links"
= dangling
= loop_a
= loop_b
= to_hello
> (number of descendants of folder "deep", number of descendant folders of folder "deep", number of descendants of folder "wide")
= 1, 40, 2000
> unique values of names of descendants of folder "sub"
= a1.txt
= b.txt
> number of descendants of folder "no such folder"
= 0
# A folder's subtree comes right after it.
> names of descendant folders of folder "sub"
= inner
> number of descendants of folder "."
= 2031
> descendants of file "hello.txt"
! no property "descendants" of "file"

> number of ancestors of file "sub/inner/b.txt" = number of ancestors of folder "." + 3
= true
> ancestors of folder "/etc" = folder "/"
= true
> exists ancestors whose (it = folder "sub") of file "sub/inner/b.txt"
= true
> ancestors of folder "/"
! RootHasNoParent
