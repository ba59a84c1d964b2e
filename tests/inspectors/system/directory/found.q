# The computer entry whose cn is the host name up to its first '.'; an entry of the
# same cn that is not a computer is not taken. While the lookup succeeds there is no
# error message.
> distinguished name of local computer of active directory
= cn=ws-17,ou=computers,dc=example,dc=test
: string
> distinguished name error message of local computer of active directory
! no such object
# Served again, from the cache.
> distinguished name of local computer of active directory
= cn=ws-17,ou=computers,dc=example,dc=test
> exists distinguished name of local computer of active directory
= true
