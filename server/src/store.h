// Where the marketplace keeps its data. plixsrv ships one backend (SQLite,
// sqlite_store.h); a marketplace that outgrows one box gets another backend
// behind this interface, and everything above it stays as it is.
//
// Every write is one transaction: a refused write (Refused) changes nothing.
// Writes that can change a supplier's list report what they changed, so the
// change marks can follow them without reading lists again.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "list_rules.h"
#include "market_types.h"

namespace plixsrv {

// A request as it is after a write, with its texts lowered for word filters.
struct RequestAfter {
  RequestSummary summary;
  std::string title, details;  // lowered (lower1252)
  bool closed = false;
};

struct TraceAfter {
  RequestSummary summary;  // the request, with its reaction count after the write
  Trace trace;             // the supplier's traces on it after the write
};

// What a supplier's change marks are worked out from: the listed requests,
// newest first, at most kMaxListed, and every trace the supplier left.
struct ListedRequest {
  RequestSummary summary;
  Trace trace;
};
struct SupplierWindow {
  ListRules rules;
  std::vector<ListedRequest> listed;
  std::vector<Trace> traces;  // ordered by request
};

class Store {
 public:
  virtual ~Store() = default;

  // --- suppliers ---
  // items: the record items 0..30 as the desktop sends them; password_hash
  // empty for an account without password.
  virtual int64_t register_supplier(const std::vector<std::string>& items, int64_t fixed_id,
                                    const std::string& password_hash) = 0;
  // new_password_hash empty keeps the password.
  virtual void update_supplier(int64_t id, const std::vector<std::string>& items,
                               const std::string& new_password_hash) = 0;
  virtual std::optional<SupplierInfo> supplier(int64_t id) = 0;
  virtual bool supplier_exists(int64_t id) = 0;
  // Deletes the membership and everything of it; returns the requests whose
  // reaction counts went down with it.
  virtual std::vector<RequestSummary> delete_supplier(int64_t id) = 0;
  // The number and password hash of a login name (compared ignoring case).
  virtual std::optional<std::pair<int64_t, std::string>> login_record(const std::string& login) = 0;
  virtual void set_filters(int64_t id, const std::string& block, const std::string& pass) = 0;
  virtual void set_alerts(int64_t id, const std::vector<std::string>& items) = 0;
  virtual std::vector<int64_t> supplier_ids() = 0;
  virtual int64_t supplier_count() = 0;

  // --- requests ---
  virtual RequestAfter post_request(const NewRequest& r) = 0;
  virtual RequestAfter change_request(int64_t id, const std::optional<std::string>& title,
                                      const std::optional<std::string>& details, bool close) = 0;
  virtual std::optional<NewRequest> request(int64_t id) = 0;
  virtual std::vector<ListEntry> request_list(int64_t supplier) = 0;
  // with_list false leaves `listed` empty: the rules and traces alone.
  virtual SupplierWindow window(int64_t supplier, bool with_list = true) = 0;
  // The list of a supplier with these rules that left no traces.
  virtual std::vector<ListedRequest> listed_for(const ListRules& rules) = 0;
  virtual std::vector<RequestSummary> open_requests() = 0;
  virtual void hide(int64_t supplier, int64_t request) = 0;
  virtual void show_all(int64_t supplier) = 0;
  // Purges for the supplier every request posted before `before`; returns how many went.
  virtual int purge_before(int64_t supplier, int64_t before) = 0;
  virtual std::vector<ConversationEntry> open_conversation(int64_t supplier, int64_t request) = 0;
  virtual std::vector<ConversationEntry> conversation(int64_t supplier, int64_t request) = 0;
  virtual TraceAfter react(int64_t supplier, int64_t request, const std::string& requester,
                           const std::string& text) = 0;
  virtual TraceAfter answer(int64_t request, int64_t supplier, const std::string& text) = 0;

  // --- offers and counts ---
  virtual void make_offer(const Offer& o) = 0;
  virtual std::optional<Offer> last_offer(int64_t supplier, int64_t request) = 0;
  virtual std::vector<int64_t> offered_requests(int64_t supplier) = 0;
  virtual std::vector<OfferWithContact> offers_of_supplier(int64_t supplier) = 0;
  virtual std::vector<Offer> offers_on_request(int64_t request) = 0;
  virtual std::vector<std::pair<int64_t, std::vector<ConversationEntry>>> reactions_on_request(
      int64_t request) = 0;
  virtual int64_t reaction_count(int64_t request) = 0;

  // --- messages ---
  virtual int64_t post_message(int64_t supplier, const std::string& control,
                               const std::string& text) = 0;
  virtual std::vector<int64_t> suppliers_with_messages() = 0;
  virtual std::optional<Message> oldest_message(int64_t supplier) = 0;
  virtual void retire_message(int64_t id) = 0;
  virtual void acknowledge_message(int64_t supplier) = 0;

  // --- chat ---
  virtual std::string open_chat(int64_t supplier, const std::string& customer_name,
                                int64_t request) = 0;
  virtual std::vector<std::string> chat_contacts(int64_t supplier) = 0;
  virtual void chat_write(const std::string& token, bool from_supplier, const std::string& text) = 0;
  virtual std::optional<ChatConversation> chat(const std::string& token) = 0;
  virtual void force_chat(int64_t supplier) = 0;
  virtual void block_chat(const std::string& token, bool blocked) = 0;

  // --- customer pages ---
  // Keeps the digest of a request's page key; an older key of it stops opening it.
  virtual void set_page_key(int64_t request, const std::string& key_digest) = 0;
  // The request a page key's digest opens, or 0.
  virtual int64_t request_of_page_key(const std::string& key_digest) = 0;
  // True when the request is withdrawn, or unknown.
  virtual bool request_closed(int64_t request) = 0;
  // Per supplier the latest chat opened on the request, oldest first.
  virtual std::vector<RequestChat> request_chats(int64_t request) = 0;
  // nullopt for an unknown request; one consistent read.
  virtual std::optional<PageActivity> page_activity(int64_t request) = 0;
};

}  // namespace plixsrv
