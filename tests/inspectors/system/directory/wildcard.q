# A host name of "ws*" matches itself only, not ws-17 and ws-18.
> distinguished name of local computer of active directory
! no such object
> distinguished name error message of local computer of active directory
= dsGetRecordEntry() failed
: string
> distinguished name error message of local computer of active directory
= dsGetRecordEntry() failed
> exists distinguished name of local computer of active directory
= false
