#include "secrets.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <stdexcept>
#include <vector>

namespace plixsrv {

namespace {
std::string to_hex(const unsigned char* p, size_t n) {
  static const char* hex = "0123456789abcdef";
  std::string out;
  for (size_t i = 0; i < n; ++i) {
    out += hex[p[i] >> 4];
    out += hex[p[i] & 15];
  }
  return out;
}

void random_bytes(unsigned char* p, size_t n) {
  if (RAND_bytes(p, static_cast<int>(n)) != 1) throw std::runtime_error("no random numbers");
}

std::string derive(std::string_view password, std::string_view salt_hex, int iterations) {
  unsigned char out[32];
  PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()),
                    reinterpret_cast<const unsigned char*>(salt_hex.data()),
                    static_cast<int>(salt_hex.size()), iterations, EVP_sha256(), sizeof out, out);
  return to_hex(out, sizeof out);
}
}  // namespace

std::string hash_password(std::string_view password, int iterations) {
  unsigned char salt[16];
  random_bytes(salt, sizeof salt);
  std::string salt_hex = to_hex(salt, sizeof salt);
  return "pbkdf2-sha256$" + std::to_string(iterations) + "$" + salt_hex + "$" +
         derive(password, salt_hex, iterations);
}

bool verify_password(std::string_view password, std::string_view stored) {
  // Split the four parts of the stored form.
  std::vector<std::string_view> parts;
  size_t pos = 0;
  while (parts.size() < 3) {
    size_t d = stored.find('$', pos);
    if (d == std::string_view::npos) return false;
    parts.push_back(stored.substr(pos, d - pos));
    pos = d + 1;
  }
  parts.push_back(stored.substr(pos));
  if (parts[0] != "pbkdf2-sha256") return false;
  int iterations = 0;
  for (char c : parts[1]) {
    if (c < '0' || c > '9' || iterations > 10000000) return false;
    iterations = iterations * 10 + (c - '0');
  }
  if (iterations <= 0) return false;
  std::string h = derive(password, parts[2], iterations);
  return h.size() == parts[3].size() && CRYPTO_memcmp(h.data(), parts[3].data(), h.size()) == 0;
}

std::string random_hex(size_t n) {
  std::vector<unsigned char> bytes(n);
  random_bytes(bytes.data(), n);
  return to_hex(bytes.data(), n);
}

std::string sha256_hex(std::string_view text) {
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int n = 0;
  if (EVP_Digest(text.data(), text.size(), out, &n, EVP_sha256(), nullptr) != 1)
    throw std::runtime_error("SHA-256 failed");
  return to_hex(out, n);
}

std::string random_token(size_t n) {
  static const char* alphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";  // 32 characters
  std::vector<unsigned char> bytes(n);
  random_bytes(bytes.data(), n);
  std::string out;
  for (auto b : bytes) out += alphabet[b & 31];
  return out;
}

int64_t random_between(int64_t lo, int64_t hi) {
  uint64_t r = 0;
  random_bytes(reinterpret_cast<unsigned char*>(&r), sizeof r);
  return lo + static_cast<int64_t>(r % static_cast<uint64_t>(hi - lo + 1));
}

}  // namespace plixsrv
