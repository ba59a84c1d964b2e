# Certificates of the tree that make_tree builds; the digests, which differ with
# each tree, are checked by the expected.q it writes. Times are in GMT (TZ=UTC0).
> invalid before of x509 certificate "one.pem"
= Wed, 02 Jan 2030 03:04:05 +0000
: time
> invalid after of x509 certificate "one.pem"
= Sat, 07 Jun 2031 08:09:10 +0000
> subject of x509 certificate "one.der", issuer of x509 certificate "one.der", serial number of x509 certificate "one.der"
= O=Example,CN=one.example.test, O=Example,CN=one.example.test, 1234ABCD
> sha1 of x509 certificate "one.pem" = sha1 of x509 certificate "one.der"
= true
# A bundle gives every certificate in order and skips the key block between them;
# a path gives the first.
> subjects of x509 certificates of file "bundle.pem"
= O=Example,CN=one.example.test
= CN=two
= CN=three
> unique values of issuers of x509 certificates of file "bundle.pem"
= O=Example,CN=one.example.test
> serial numbers of x509 certificates of file "bundle.pem"
= 1234ABCD
= 02
= 03
> subject of x509 certificate "bundle.pem"
= O=Example,CN=one.example.test
> number of x509 certificates of file "one.der"
= 1
> invalid before of x509 certificate "expired.pem", invalid after of x509 certificate "expired.pem"
= Mon, 01 Jan 2001 00:00:00 +0000, Tue, 01 Jan 2002 00:00:00 +0000
> invalid after of x509 certificate "expired.pem" < now
= true
> invalid after of x509 certificate "one.pem" > invalid before of x509 certificate "one.pem"
= true
# Files that are no certificate file fail, naming the file.
> x509 certificate "garbled.pem"
! damaged certificate 1 (bad base64 decode) in: garbled.pem
> x509 certificate "truncated.pem"
! damaged certificate 1
! truncated.pem
> x509 certificate "corrupt.der"
! not a certificate file
! corrupt.der
> x509 certificate "trailing.der"
! bytes after the certificate in: trailing.der
> x509 certificate "empty"
! no certificate in the empty file: empty
> x509 certificates of file "empty"
! no certificate in the empty file: /
! /empty
> x509 certificate "missing.pem"
! cannot open missing.pem
> x509 certificate "."
! not a plain file: .
> x509 certificate "/dev/zero"
! not a plain file: /dev/zero
