# The cryptographic mode as the host reports it, on a machine not in FIPS mode.
> fips mode of cryptography, desired fips mode of cryptography, fips mode failure message of cryptography
= false, false, 
> pending login
: boolean
= false
