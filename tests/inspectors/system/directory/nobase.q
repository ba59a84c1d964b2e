# A configuration without a search base names no directory.
> distinguished name of local computer of active directory
! no such object
> distinguished name error message of local computer of active directory
= dsOpenDirService() failed
: string
> distinguished name error message of local computer of active directory
= dsOpenDirService() failed
> exists distinguished name of local computer of active directory
= false
