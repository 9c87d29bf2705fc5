#include "web_store.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <stdexcept>

namespace plixsrv {

namespace {
std::string hex(const unsigned char* p, size_t n) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (size_t i = 0; i < n; ++i) {
    out += digits[p[i] >> 4];
    out += digits[p[i] & 15];
  }
  return out;
}
}  // namespace

std::string new_page_key() {
  unsigned char bytes[16];
  if (RAND_bytes(bytes, sizeof bytes) != 1) throw std::runtime_error("no random numbers");
  return hex(bytes, sizeof bytes);
}

bool looks_like_page_key(std::string_view key) {
  if (key.size() != 32) return false;
  for (char c : key)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  return true;
}

std::string page_key_digest(std::string_view key) {
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int n = 0;
  if (EVP_Digest(key.data(), key.size(), out, &n, EVP_sha256(), nullptr) != 1)
    throw std::runtime_error("SHA-256 failed");
  return hex(out, n);
}

std::string WebStore::give_key(int64_t request) {
  std::string key = new_page_key();
  market_.db().write([&](Conn& c) {
    c.q("INSERT OR REPLACE INTO request_key(request_id, key_digest, created_at) VALUES(?,?,?)",
        request, page_key_digest(key), now_seconds())
        .run();
  });
  return key;
}

WebStore::Posted WebStore::post(const NewRequest& request) {
  Posted p;
  p.number = market_.post_request(request);
  try {
    p.key = give_key(p.number);
  } catch (...) {
    // Nobody could ever open a request without a key: take it back from the suppliers.
    try {
      market_.change_request(p.number, std::nullopt, std::nullopt, true);
    } catch (...) {
    }
    throw;
  }
  return p;
}

int64_t WebStore::request_of(std::string_view key) {
  if (!looks_like_page_key(key)) return 0;
  auto c = market_.db().lease();
  auto st = c->q("SELECT request_id FROM request_key WHERE key_digest = ?", page_key_digest(key));
  return st.step() ? st.i(0) : 0;
}

bool WebStore::closed(int64_t request) {
  auto c = market_.db().lease();
  auto st = c->q("SELECT closed FROM request WHERE id = ?", request);
  return !st.step() || st.i(0) != 0;
}

std::vector<RequestChat> WebStore::chats(int64_t request) {
  std::vector<RequestChat> out;
  auto c = market_.db().lease();
  auto st = c->q(
      "SELECT supplier_id, token, blocked FROM chat_contact WHERE id IN ("
      "  SELECT MAX(id) FROM chat_contact WHERE request_id = ? GROUP BY supplier_id) "
      "ORDER BY id",
      request);
  while (st.step()) out.push_back({st.i(0), st.s(1), st.i(2) != 0});
  return out;
}

std::string WebStore::open_chat(int64_t request, int64_t supplier, const std::string& customer_name) {
  for (const auto& chat : chats(request))
    if (chat.supplier == supplier) return chat.token;
  return market_.open_chat(supplier, customer_name, request);
}

}  // namespace plixsrv
