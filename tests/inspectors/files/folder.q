# Folders: a folder of a folder by name, sibling folders, and the cast of a
# filesystem object to a folder. Runs inside the tree that make_tree builds.

> folder "sub" of folder "."
= <folder>
: folder
> folder "inner" of folder "sub" = folder "sub/inner"
= true
> folder "hello.txt" of folder "."
! no such object: folder "hello.txt" of folder "."
> exists folder "nothing" of folder "."
= false
> folder "sub/inner" of folder "."
! IllegalFileName
# A link to a folder is a folder.
> folder "to_sub" of folder "links" = folder "sub"
= true
> folder "d40" of folder "deep/d1/d2/d3/d4/d5/d6/d7/d8/d9/d10/d11/d12/d13/d14/d15/d16/d17/d18/d19/d20/d21/d22/d23/d24/d25/d26/d27/d28/d29/d30/d31/d32/d33/d34/d35/d36/d37/d38/d39" = parent folder of file "deep/d1/d2/d3/d4/d5/d6/d7/d8/d9/d10/d11/d12/d13/d14/d15/d16/d17/d18/d19/d20/d21/d22/d23/d24/d25/d26/d27/d28/d29/d30/d31/d32/d33/d34/d35/d36/d37/d38/d39/d40/bottom.txt"
= true

> name of sibling folder "inner" of file "sub/a1.txt"
= inner
> sibling folder "a1.txt" of folder "sub/inner"
! no such object
> sibling folder "etc" of folder "/"
! RootHasNoParent

> name of (item "sub" of folder "." as folder)
= sub
> item "hello.txt" of folder "." as folder
! no such object
> item "to_sub" of folder "links" as folder = folder "sub"
= true
