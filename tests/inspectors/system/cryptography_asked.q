# FIPS mode asked for by the cryptographic library's configuration
# (fips_properties.cnf) on a machine without a FIPS provider: asked for, not in
# force, and said why, rather than reported as on.
> fips mode of cryptography, desired fips mode of cryptography, fips mode failure message of cryptography
= false, true, FIPS mode is asked for, but no FIPS provider is available
