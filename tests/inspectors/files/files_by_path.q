# Files by path, from the world and relative to a folder, in POSIX and HFS style,
# and the type and creator codes. Runs inside the tree that make_tree builds, so
# that relative paths start there.

> file "hello.txt"
= <file>
: file
> file "hello.txt" = file "hello.txt" of folder "."
= true
> posix file "sub/a1.txt" = file "a1.txt" of folder "sub"
= true
> file "/etc/hosts" = file "hosts" of folder "/etc"
= true
# Paths are lexical: doubled and trailing slashes, "." and ".." need no disk.
> file "sub//./inner/../a1.txt" = file "sub/a1.txt"
= true
> file "sub/a1.txt/" = file "sub/a1.txt"
= true
> file "links/to_sub/../to_hello" = file "hello.txt"
= true

> file "/no/such/path"
! no such object: file "/no/such/path"
> exists file "/no/such/path"
= false
> exists file "sub"
= false
> file ""
! CFURLCreateWithFileSystemPathFailed
> file "a\x00b"
! CFURLCreateWithFileSystemPathFailed

# A link to a file is that file; a link that leads nowhere is the link itself.
> file "links/to_hello" = file "hello.txt"
= true
> name of file "links/dangling"
= dangling
> name of file "links/loop_b"
= loop_b
> exists file "links/to_sub"
= false

# HFS paths: any volume name stands for "/", a leading ':' is relative, each ':'
# after a ':' goes up, a '/' in a name is a ':' in the POSIX name.
> hfs file "Disk:etc:hosts" = file "/etc/hosts"
= true
> hfs file "Another Disk:etc:hosts" = file "/etc/hosts"
= true
> hfs file ":sub:inner:b.txt" = file "sub/inner/b.txt"
= true
> hfs file "hello.txt" = file "hello.txt"
= true
> hfs file ":sub:inner::a1.txt" = file "sub/a1.txt"
= true
> name of hfs file ":colon/name"
= colon:name
> hfs file "Disk:etc:..:hosts"
! CFURLCreateWithFileSystemPathFailed
# The two styles read the same text differently.
> exists posix file "colon:name"
= true
> exists hfs file "colon:name"
= false

# Relative to a folder; an absolute path ignores the folder.
> relative file "inner/b.txt" of folder "sub" = file "sub/inner/b.txt"
= true
> relative posix file "../hello.txt" of folder "sub" = file "hello.txt"
= true
> relative file "/etc/hosts" of folder "sub" = file "/etc/hosts"
= true
> relative hfs file ":inner:b.txt" of folder "sub" = file "sub/inner/b.txt"
= true
> relative hfs file "::hello.txt" of folder "sub" = file "hello.txt"
= true
> relative file "inner" of folder "sub"
! no such object
> relative file "" of folder "sub"
! CFURLCreateWithFileSystemPathRelativeToBaseFailed

# Linux keeps no type or creator codes: both are zero, whose text is empty.
> type of file "hello.txt"
=
: file type
> creator of file "hello.txt" as string
=
: string
