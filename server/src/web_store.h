// The customer pages' side of the marketplace: the private key of each
// request's page (stored only as a digest) and the poll mark of a page. The
// data go through Market and its Store like everything else, so the supplier
// side sees the customer's writes as it always did.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "market.h"

namespace plixsrv {

// 128 random bits as 32 lower-case hex digits.
std::string new_page_key();
// True for text shaped like a page key (32 hex digits); anything else is
// refused before it reaches the database.
bool looks_like_page_key(std::string_view key);
// SHA-256 of the key, in hex: what the database keeps.
std::string page_key_digest(std::string_view key);

// A supplier who was in chat mode (chkl 16) lately is shown as present.
bool in_chat_now(int64_t chat_seen_at);

class WebStore {
 public:
  explicit WebStore(Market& market) : market_(market) {}

  struct Posted {
    int64_t number = 0;
    std::string key;  // shown once; only its digest is kept
  };
  // Posts the request and keeps the digest of its new page key.
  Posted post(const NewRequest& request);
  // A new page key for a request; an older key of it no longer opens it.
  std::string give_key(int64_t request);
  // The request a page key opens, or 0.
  int64_t request_of(std::string_view key);
  bool closed(int64_t request);
  // A digest of everything a request's page shows, from one look at the
  // newest rows (not the texts): a poll compares it instead of building the
  // page's view. Empty for an unknown request. Taken before the view, so a
  // write in between costs one more view, never a missed change.
  std::string stamp(int64_t request);
  // Per supplier the latest chat contact opened for this request.
  std::vector<RequestChat> chats(int64_t request);
  // The chat with a supplier on this request, opened when there is none yet.
  std::string open_chat(int64_t request, int64_t supplier, const std::string& customer_name);

  Market& market() { return market_; }

 private:
  Market& market_;
};

}  // namespace plixsrv
