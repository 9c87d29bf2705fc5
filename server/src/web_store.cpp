#include "web_store.h"

#include "digest.h"
#include "mark_hash.h"
#include "secrets.h"

namespace plixsrv {

std::string new_page_key() { return random_hex(16); }

bool looks_like_page_key(std::string_view key) {
  if (key.size() != 32) return false;
  for (char c : key)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  return true;
}

std::string page_key_digest(std::string_view key) { return sha256_hex(key); }

std::string WebStore::give_key(int64_t request) {
  std::string key = new_page_key();
  market_.set_page_key(request, page_key_digest(key));
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

bool in_chat_now(int64_t chat_seen_at) {
  return chat_seen_at > 0 && now_seconds() - chat_seen_at < 15 * 60;
}

std::string WebStore::stamp(int64_t request) {
  auto a = market_.page_activity(request);
  if (!a) return {};
  Fnv f;
  for (int64_t v : {a->changed_seq, int64_t{a->closed}, a->reactions, a->last_reaction, a->offers,
                    a->last_offer, a->chats, a->last_chat, a->blocked_chats, a->chat_lines,
                    a->last_chat_line})
    f.add(v);
  for (const auto& p : a->parties) {
    f.add(p.supplier);
    f.add(p.record);
    f.add(int64_t{in_chat_now(p.chat_seen_at)});
  }
  return mark_text(f.h);
}

int64_t WebStore::request_of(std::string_view key) {
  if (!looks_like_page_key(key)) return 0;
  return market_.request_of_page_key(page_key_digest(key));
}

bool WebStore::closed(int64_t request) { return market_.request_closed(request); }

std::vector<RequestChat> WebStore::chats(int64_t request) { return market_.request_chats(request); }

std::string WebStore::open_chat(int64_t request, int64_t supplier, const std::string& customer_name) {
  for (const auto& chat : chats(request))
    if (chat.supplier == supplier) return chat.token;
  return market_.open_chat(supplier, customer_name, request);
}

}  // namespace plixsrv
