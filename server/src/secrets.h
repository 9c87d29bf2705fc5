// Password hashing and unguessable identifiers.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace plixsrv {

// "pbkdf2-sha256$<iterations>$<salt hex>$<hash hex>" with a fresh random salt.
std::string hash_password(std::string_view password, int iterations = 60000);
bool verify_password(std::string_view password, std::string_view stored);

// Random text of n characters from an alphabet without look-alikes (no 0/O, 1/I/l).
std::string random_token(size_t n);
// n random bytes as 2n lower-case hex digits.
std::string random_hex(size_t n);
// SHA-256 of the text, as 64 lower-case hex digits.
std::string sha256_hex(std::string_view text);
// Random whole number in [lo, hi].
int64_t random_between(int64_t lo, int64_t hi);

}  // namespace plixsrv
