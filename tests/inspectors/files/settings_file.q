# Settings files: keys of a file, sections, keys of a section. Runs inside the tree
# that make_tree builds; text/settings.ini holds every case.

# Blanks around the key and the separator are skipped, the key's case is ignored,
# the value ends at ';' without its trailing blanks.
> key "NAME" of file "text/settings.ini"
= value text
: string
> key "tab" of file "text/settings.ini"
= x
> key "empty" of file "text/settings.ini"
=
> key "only" of file "text/settings.ini"
! no such object
> key "nam" of file "text/settings.ini"
! no such object
# The first line with the key, whatever section it is in.
> key "a" of file "text/settings.ini"
= 1

> key "a" of section "main" of file "text/settings.ini"
= 1
> key "a" of section "OTHER" of file "text/settings.ini"
= 2
# Other brackets are headers of their own, but end no section of square brackets.
> key "c" of section "main" of file "text/settings.ini"
= in braces
> key "c" of section "braces" of file "text/settings.ini"
= in braces
> key "a" of section "braces" of file "text/settings.ini"
= 2
# A section without lines has no keys; a header on the last line is no section.
> key "b" of section "empty" of file "text/settings.ini"
! no such object
> key "b" of section "next" of file "text/settings.ini"
= 3
> section "last" of file "text/settings.ini"
! no such object
> section "nothing" of file "text/settings.ini"
! no such object
> exists section "main" of file "text/settings.ini"
= true
> key "name" of file "text/crlf.txt"
! no such object
> key "a" of file "fifo"
! NotAFileError
