# Folders by path, from the world and relative to a folder, in POSIX and HFS style.
# Runs inside the tree that make_tree builds, so that relative paths start there.

> folder "sub"
= <folder>
: folder
> folder "." = parent folder of folder "sub"
= true
> posix folder "sub/inner" = folder "inner" of folder "sub"
= true
> folder "/" = parent folder of folder "/etc"
= true
> folder "/.." = folder "/"
= true
> folder "hello.txt"
! no such object: folder "hello.txt"
> exists folder "/no/such/path"
= false
> folder ""
! CFURLCreateWithFileSystemPathFailed
> folder "links/to_sub" = folder "sub"
= true
> folder "links/dangling"
! no such object

> hfs folder "Disk:" = folder "/"
= true
> hfs folder "Disk"
! no such object: hfs folder "Disk"
> hfs folder "Disk:etc" = folder "/etc"
= true
> hfs folder ":sub:inner:" = folder "sub/inner"
= true
> hfs folder ":" = folder "."
= true
> hfs folder "::" = parent folder of folder "."
= true

> relative folder "inner" of folder "sub" = folder "sub/inner"
= true
> relative posix folder ".." of folder "sub" = folder "."
= true
> relative folder "/etc" of folder "sub" = folder "/etc"
= true
> relative hfs folder ":inner" of folder "sub" = folder "sub/inner"
= true
> relative hfs folder "::" of folder "sub/inner" = folder "sub"
= true
> relative folder "a1.txt" of folder "sub"
! no such object
> relative hfs folder "Disk:..:etc" of folder "sub"
! CFURLCreateWithFileSystemPathRelativeToBaseFailed
