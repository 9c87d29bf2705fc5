// Offers, chat, server messages and the customer pages' keys: writes that
// leave every list as it is.
#include "market.h"

namespace plixsrv {

// Making an offer counts as having read the request: a status, not a mark.
void Market::make_offer(const Offer& o) { store_->make_offer(o); }

std::optional<Offer> Market::last_offer(int64_t supplier, int64_t request) {
  return store_->last_offer(supplier, request);
}

std::vector<int64_t> Market::offered_requests(int64_t supplier) {
  return store_->offered_requests(supplier);
}

std::vector<OfferWithContact> Market::offers_of_supplier(int64_t supplier) {
  return store_->offers_of_supplier(supplier);
}

std::vector<Offer> Market::offers_on_request(int64_t request) {
  return store_->offers_on_request(request);
}

std::vector<std::pair<int64_t, std::vector<ConversationEntry>>> Market::reactions_on_request(
    int64_t request) {
  return store_->reactions_on_request(request);
}

int64_t Market::reaction_count(int64_t request) { return store_->reaction_count(request); }

std::string Market::open_chat(int64_t supplier, const std::string& customer_name,
                              int64_t request) {
  return store_->open_chat(supplier, customer_name, request);
}

std::vector<std::string> Market::chat_contacts(int64_t supplier) {
  return store_->chat_contacts(supplier);
}

void Market::chat_write(const std::string& token, bool from_supplier, const std::string& text) {
  store_->chat_write(token, from_supplier, text);
}

std::optional<ChatConversation> Market::chat(const std::string& token) {
  return store_->chat(token);
}

void Market::force_chat(int64_t supplier) { store_->force_chat(supplier); }

void Market::block_chat(const std::string& token, bool blocked) {
  store_->block_chat(token, blocked);
}

int64_t Market::post_message(int64_t supplier, const std::string& control,
                             const std::string& text) {
  if (!control.empty() && control != "QC1Q" && control != "QC2Q")
    throw Refused(400, "The control code must be QC1Q (quit) or QC2Q (disconnect).");
  int64_t id = store_->post_message(supplier, control, text);
  std::lock_guard lock(pending_mu_);  // only after the commit, so no poll misses it
  pending_.insert(supplier);
  return id;
}

void Market::refresh_pending(int64_t supplier) {
  // The lock is held across the query: a message posted meanwhile is either
  // seen by the query or inserted after it, never lost.
  std::lock_guard lock(pending_mu_);
  if (store_->oldest_message(supplier)) pending_.insert(supplier);
  else pending_.erase(supplier);
}

std::optional<Message> Market::message_for_poll(int64_t supplier, bool first_poll) {
  {
    std::lock_guard lock(pending_mu_);
    if (!pending_.count(supplier)) return std::nullopt;
  }
  std::optional<Message> m = store_->oldest_message(supplier);
  if (!m) return std::nullopt;
  // The desktop acts on a message only from its second poll of a run on (its
  // marks are then no longer empty); a control order is never acknowledged,
  // so it is retired when it goes to such a poll.
  if (!m->control.empty() && !first_poll) {
    store_->retire_message(m->id);
    refresh_pending(supplier);
  }
  return m;
}

void Market::acknowledge_message(int64_t supplier) {
  store_->acknowledge_message(supplier);
  refresh_pending(supplier);
}

// --- customer pages ---

void Market::set_page_key(int64_t request, const std::string& key_digest) {
  store_->set_page_key(request, key_digest);
}

int64_t Market::request_of_page_key(const std::string& key_digest) {
  return store_->request_of_page_key(key_digest);
}

bool Market::request_closed(int64_t request) { return store_->request_closed(request); }

std::vector<RequestChat> Market::request_chats(int64_t request) {
  return store_->request_chats(request);
}

std::optional<PageActivity> Market::page_activity(int64_t request) {
  return store_->page_activity(request);
}

}  // namespace plixsrv
