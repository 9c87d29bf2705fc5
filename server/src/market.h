// The marketplace: suppliers, customer requests, reactions, offers, messages
// and chat, kept in one SQLite database. Protocol and JSON layers call this.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "sqlite_db.h"

namespace plixsrv {

// An operation the marketplace refuses; status is the HTTP status to answer with.
struct Refused : std::runtime_error {
  Refused(int st, const std::string& msg) : std::runtime_error(msg), status(st) {}
  int status;
};

constexpr int kSupplierSlots = 32;  // record items 0..31
constexpr int kMaxListed = 257;     // the desktop inbox holds 257 requests

// Customer-side contact data, shown in the offers overview.
struct Contact {
  std::string name, address, place, postcode, email, phone, gsm;
};

struct NewRequest {
  std::string requester;  // customer identifier (AID); generated when empty
  std::string title, details, place, branch;
  int country = 0;      // 0 none, 1..9 country code, 99 outside the listed countries ("*QV")
  bool visit = false;   // also set for country 99
  Contact contact;
  int64_t posted_at = 0;  // unix seconds; now when 0
};

struct ListEntry {
  int64_t number = 0;
  int64_t posted_at = 0;
  std::string title, details, place, requester, branch;
  int country = 0;
  bool visit = false;
  std::string status;        // "onb", "mut" or "oud"
  int64_t customer_seq = 0;  // last change or answer by the customer
  int64_t reactions = 0;     // reactions of all suppliers on the request
  int64_t own_reactions = 0; // this supplier's conversation entries
};

struct ConversationEntry {
  bool from_customer = false;
  std::string text;
  int64_t at = 0;
};

struct Offer {
  int64_t request = 0;
  std::string description, amount, vat, payment, delivery, shipping;
  int64_t supplier = 0;
  int64_t at = 0;
};

struct OfferWithContact {
  Offer offer;
  Contact contact;
};

struct Message {
  int64_t id = 0;
  std::string control;  // "", "QC1Q" or "QC2Q"
  std::string text;
};

struct ChatLine {
  bool from_supplier = false;
  std::string text;
  int64_t at = 0;
};

struct ChatConversation {
  std::string token, customer_name;
  int64_t request = 0;
  bool blocked = false;
  std::vector<ChatLine> lines;
};

struct Marks {
  std::string requests, reactions;
};

struct SupplierInfo {
  int64_t id = 0;
  std::vector<std::string> slots;  // kSupplierSlots items; passwords are never returned
  std::string block_words, pass_words;
  std::vector<std::string> alerts;
  int64_t chat_seen_at = 0;
};

class Market {
 public:
  explicit Market(const std::string& db_path);

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

  // --- change marks (chkl 03) ---
  Marks marks(int64_t supplier);

  Database& db() { return db_; }

 private:
  void migrate();
  // Writes that can change any supplier's list (requests, reaction counts):
  // one transaction, then every cached mark is outdated.
  template <typename F>
  auto write(F&& f) {
    struct Bump {
      std::atomic<uint64_t>& r;
      ~Bump() { r.fetch_add(1); }
    } bump{revision_};
    return db_.write(std::forward<F>(f));
  }
  // Writes that change one supplier's list only (hiding, reading, filters):
  // only that supplier's marks are worked out again.
  template <typename F>
  auto write_for(int64_t supplier, F&& f) {
    struct Bump {
      Market& m;
      int64_t s;
      ~Bump() {
        std::unique_lock lock(m.marks_mu_);
        ++m.local_revision_[s];
      }
    } bump{*this, supplier};
    return db_.write(std::forward<F>(f));
  }
  static int64_t next_seq(Conn& c);

  Database db_;
  std::atomic<uint64_t> revision_{1};
  struct CachedMarks {
    uint64_t revision;
    uint64_t local_revision;
    Marks marks;
  };
  std::unordered_map<int64_t, uint64_t> local_revision_;
  std::shared_mutex marks_mu_;
  std::unordered_map<int64_t, CachedMarks> marks_cache_;
  // Suppliers with a message waiting, so that most polls need no message query.
  void refresh_pending(int64_t supplier);
  std::mutex pending_mu_;
  std::unordered_set<int64_t> pending_;
};

// Splits and joins the record texts kept in one column.
std::vector<std::string> split_fields(const std::string& joined, size_t count);
std::string join_fields(const std::vector<std::string>& fields);
int64_t now_seconds();

}  // namespace plixsrv
