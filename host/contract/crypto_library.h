// The cryptographic library, opened on the first digest, FIPS question or certificate
// instead of being linked: most processes never ask for any, and loading it costs
// about a millisecond and more than a mebibyte. Once opened it stays loaded for the
// life of the process.
#pragma once

#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/crypto.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/provider.h>
#include <openssl/x509.h>

#include <string>

// Every function of the library that the host calls, by its own name.
#define EVALUATOR_CRYPTO_FUNCTIONS(F)                                                          \
  F(EVP_MD_CTX_new) F(EVP_MD_CTX_free) F(EVP_DigestInit_ex) F(EVP_DigestUpdate)               \
  F(EVP_DigestFinal_ex) F(EVP_sha1) F(EVP_default_properties_is_fips_enabled)                 \
  F(OSSL_PROVIDER_available) F(ERR_peek_last_error) F(ERR_reason_error_string)                \
  F(ERR_clear_error) F(CRYPTO_free) F(BIO_new) F(BIO_new_mem_buf) F(BIO_s_mem) F(BIO_free)    \
  F(BIO_ctrl) F(BN_free) F(BN_bn2hex) F(ASN1_INTEGER_to_BN) F(ASN1_TIME_to_tm)                \
  F(X509_NAME_print_ex) F(X509_get0_serialNumber) F(X509_digest) F(X509_get0_notBefore)       \
  F(X509_get0_notAfter) F(X509_get_subject_name) F(X509_get_issuer_name)                      \
  F(PEM_read_bio_X509) F(d2i_X509) F(X509_free)

namespace evaluator {

struct CryptoLibrary {
#define EVALUATOR_CRYPTO_MEMBER(name) decltype(&::name) name = nullptr;
  EVALUATOR_CRYPTO_FUNCTIONS(EVALUATOR_CRYPTO_MEMBER)
#undef EVALUATOR_CRYPTO_MEMBER

  // Why the library or one of its functions could not be loaded; empty when all were.
  std::string error;
  bool Loaded() const noexcept { return error.empty(); }
};

// The library, opened on the first call; thread-safe.
CryptoLibrary const& Crypto();

}  // namespace evaluator
