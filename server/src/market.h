// The marketplace: suppliers, customer requests, reactions, offers, messages
// and chat. Protocol and JSON layers call this; it keeps the data in a Store
// (SQLite by default) and, in memory, the change marks and which suppliers
// have a message waiting, moved along by every write.
#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "mark_book.h"
#include "market_types.h"
#include "sqlite_db.h"
#include "store.h"

namespace plixsrv {

class SqliteStore;

class Market {
 public:
  // The SQLite backend on the file at db_path.
  explicit Market(const std::string& db_path, PoolLimits limits = {});
  explicit Market(std::unique_ptr<Store> store);

  // --- suppliers (ctrl 02, 03, 04, 08, 13, 06, 07, 09) ---
  // items: the record items 0..30 as the desktop sends them.
  int64_t register_supplier(const std::vector<std::string>& items, int64_t fixed_id = 0,
                            const std::string* password_hash = nullptr);
  void update_supplier(int64_t id, const std::vector<std::string>& items);
  std::optional<SupplierInfo> supplier(int64_t id);
  bool supplier_exists(int64_t id);
  void delete_supplier(int64_t id);
  int64_t login(const std::string& login, const std::string& password);  // 0 = refused
  void set_filters(int64_t id, const std::string& block, const std::string& pass);
  void set_alerts(int64_t id, const std::vector<std::string>& items);
  std::vector<int64_t> supplier_ids();
  int64_t supplier_count();

  // --- requests (chkl 01, 02, 04, 05, 07, 09) ---
  int64_t post_request(const NewRequest& r);
  void change_request(int64_t id, const std::optional<std::string>& title,
                      const std::optional<std::string>& details, bool close);
  std::vector<ListEntry> request_list(int64_t supplier);
  void hide(int64_t supplier, int64_t request);
  void show_all(int64_t supplier);
  int purge_old(int64_t supplier, int64_t max_age_seconds);
  // The conversation of one supplier on one request; marks the request seen.
  std::vector<ConversationEntry> open_conversation(int64_t supplier, int64_t request);
  std::vector<ConversationEntry> conversation(int64_t supplier, int64_t request);
  void react(int64_t supplier, int64_t request, const std::string& requester,
             const std::string& text);
  void answer(int64_t request, int64_t supplier, const std::string& text);  // by the customer
  std::optional<NewRequest> request(int64_t id);

  // --- offers and counts (chkl 06, 10, 11, 12, 18) ---
  void make_offer(const Offer& o);
  std::optional<Offer> last_offer(int64_t supplier, int64_t request);
  std::vector<int64_t> offered_requests(int64_t supplier);
  std::vector<OfferWithContact> offers_of_supplier(int64_t supplier);
  std::vector<Offer> offers_on_request(int64_t request);
  std::vector<std::pair<int64_t, std::vector<ConversationEntry>>> reactions_on_request(
      int64_t request);
  int64_t reaction_count(int64_t request);

  // --- messages (chkl 03, ctrl 11) ---
  int64_t post_message(int64_t supplier, const std::string& control, const std::string& text);
  // The message to send with a change poll. A control order is retired as it is
  // sent to a client past its first poll; a plain message waits for its acknowledgement.
  std::optional<Message> message_for_poll(int64_t supplier, bool first_poll);
  void acknowledge_message(int64_t supplier);

  // --- chat (chkl 13..17) ---
  std::string open_chat(int64_t supplier, const std::string& customer_name, int64_t request);
  std::vector<std::string> chat_contacts(int64_t supplier);
  void chat_write(const std::string& token, bool from_supplier, const std::string& text);
  std::optional<ChatConversation> chat(const std::string& token);
  void force_chat(int64_t supplier);
  void block_chat(const std::string& token, bool blocked);

  // --- customer pages (web_store.h) ---
  void set_page_key(int64_t request, const std::string& key_digest);
  int64_t request_of_page_key(const std::string& key_digest);
  bool request_closed(int64_t request);
  std::vector<RequestChat> request_chats(int64_t request);
  std::optional<PageActivity> page_activity(int64_t request);

  // --- change marks (chkl 03) ---
  Marks marks(int64_t supplier);

  // The database of the SQLite backend (tools and tests); throws for another backend.
  Database& db();

  // Marks worked out from the stored list, bypassing the book (tests compare).
  Marks fresh_marks(int64_t supplier);
  size_t suppliers_with_marks() { return book_.suppliers(); }

 private:
  // A write that can change lists: committed, then brought to the book,
  // one at a time so the book sees them in commit order.
  template <typename F>
  auto changing(F&& f) {
    std::lock_guard lock(write_order_);
    book_.begin();
    struct End {
      MarkBook& b;
      ~End() { b.end(); }
    } end{book_};
    return f();
  }
  void refresh_pending(int64_t supplier);

  std::unique_ptr<Store> store_;
  SqliteStore* sqlite_ = nullptr;
  std::mutex write_order_;
  MarkBook book_;
  // Suppliers with a message waiting, so that most polls need no message query.
  std::mutex pending_mu_;
  std::unordered_set<int64_t> pending_;
};

}  // namespace plixsrv
