# No computer entry has the host name.
> distinguished name of local computer of active directory
! no such object
> distinguished name error message of local computer of active directory
= dsGetRecordEntry() failed
: string
> distinguished name error message of local computer of active directory
= dsGetRecordEntry() failed
> exists distinguished name of local computer of active directory
= false
