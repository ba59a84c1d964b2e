# Versions of application bundles, from Contents/Info.plist in its XML and binary
# forms (make_tree lists the bundles).

# A CFBundleVersion that packs gives the version without its stage and build, and
# the bundle version whole.
> version of folder "Packed.app", bundle version of folder "Packed.app"
: (version, version)
= 1.2.3, 1.2.3b4
> stage of bundle version of folder "Packed.app" as string, build revision of bundle version of folder "Packed.app"
= b, 4
# One that does not pack: the short version string, and CFBundleVersion as text.
> version of folder "Binary.app", bundle version of folder "Binary.app"
= 10.20b1, 10.20.3
> version of folder "ShortOnly.app", major revision of version of folder "ShortOnly.app"
= 2.0 beta, 0
> bundle version of folder "ShortOnly.app"
! no such object

# The filesystem object forms: a folder as above, a file has neither.
> version of (folder "Packed.app" as filesystem object), bundle version of (folder "Binary.app" as filesystem object)
= 1.2.3, 10.20.3
> bundle version of (file "file.txt" as filesystem object)
! no such object
> version of (file "file.txt" as filesystem object)
! no such object

# No keys, no Info.plist: no value; listed over many folders (in no set order),
# only the bundles answer.
> version of folder "NoKeys.app"
! no such object
> bundle version of folder "Plain"
! no such object
> unique values of bundle versions of folders of folder "."
= 1.2.3b4
= 10.20.3

# Keys of another kind, and Info.plist files that are no dictionary, are failures.
> bundle version of folder "bad/NotString.app"
! CFCastError
> version of folder "bad/NotString.app"
! CFCastError
> version of folder "bad/Broken.app"
! DictionaryCreateFromXMLDataFailed
> bundle version of folder "bad/Array.app"
! DictionaryCreateFromXMLDataFailed
