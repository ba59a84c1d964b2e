# Run where none of the libraries that phrases open on first use can be loaded (the
# loader finds empty files of their names first), with a directory configured in the
# environment. Only the phrases that need a library fail, each saying so; the rest of
# the library answers as always.
> 1 + 1
= 2
> number of characters of "abc"
= 3

# The directory cannot be opened without its client library.
> distinguished name of local computer of active directory
! no such object
> distinguished name error message of local computer of active directory
= dsOpenDirService() failed

# No property list can be read: the Info.plist is there, and valid.
> version of folder "Tool.app"
! DictionaryCreateFromXMLDataFailed
> exists folder "Tool.app"
= true

# The host's cryptography: the digest and certificates fail with the reason, and the
# FIPS mode is reported off, with the reason as its failure message.
> sha1 of file "file.txt"
! SHA-1 digest unavailable
! the cryptographic library cannot be loaded
! file too short
> x509 certificate "file.txt"
! the cryptographic library cannot be loaded
> fips mode of cryptography, desired fips mode of cryptography
= false, false
> fips mode failure message of cryptography starts with "the cryptographic library cannot be loaded"
= true

# Asked again, each fails the same way: nothing is left half-loaded.
> sha1 of file "file.txt"
! SHA-1 digest unavailable
> distinguished name error message of local computer of active directory
= dsOpenDirService() failed
