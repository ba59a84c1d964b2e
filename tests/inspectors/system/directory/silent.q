# A server that takes the connection and never answers: the search gives up in time.
> distinguished name of local computer of active directory
! no such object
> distinguished name error message of local computer of active directory
= dsGetRecordList() failed
: string
> distinguished name error message of local computer of active directory
= dsGetRecordList() failed
> exists distinguished name of local computer of active directory
= false
