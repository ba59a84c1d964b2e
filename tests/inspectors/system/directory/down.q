# Nothing listens at the configured address.
> distinguished name of local computer of active directory
! no such object
> distinguished name error message of local computer of active directory
= dsGetRecordList() failed
: string
> distinguished name error message of local computer of active directory
= dsGetRecordList() failed
> exists distinguished name of local computer of active directory
= false
