// The marketplace kept in one SQLite file: the backend of a single plixsrv.
#pragma once
#include "sqlite_db.h"
#include "store.h"

namespace plixsrv {

class SqliteStore final : public Store {
 public:
  // Opens (creating and migrating as needed) the database at path.
  SqliteStore(const std::string& path, PoolLimits limits = {});
  Database& db() { return db_; }

  int64_t register_supplier(const std::vector<std::string>& items, int64_t fixed_id,
                            const std::string& password_hash) override;
  void update_supplier(int64_t id, const std::vector<std::string>& items,
                       const std::string& new_password_hash) override;
  std::optional<SupplierInfo> supplier(int64_t id) override;
  bool supplier_exists(int64_t id) override;
  std::vector<RequestSummary> delete_supplier(int64_t id) override;
  std::optional<std::pair<int64_t, std::string>> login_record(const std::string& login) override;
  void set_filters(int64_t id, const std::string& block, const std::string& pass) override;
  void set_alerts(int64_t id, const std::vector<std::string>& items) override;
  std::vector<int64_t> supplier_ids() override;
  int64_t supplier_count() override;

  RequestAfter post_request(const NewRequest& r) override;
  RequestAfter change_request(int64_t id, const std::optional<std::string>& title,
                              const std::optional<std::string>& details, bool close) override;
  std::optional<NewRequest> request(int64_t id) override;
  std::vector<ListEntry> request_list(int64_t supplier) override;
  SupplierWindow window(int64_t supplier, bool with_list) override;
  std::vector<ListedRequest> listed_for(const ListRules& rules) override;
  std::vector<RequestSummary> open_requests() override;
  void hide(int64_t supplier, int64_t request) override;
  void show_all(int64_t supplier) override;
  int purge_before(int64_t supplier, int64_t before) override;
  std::vector<ConversationEntry> open_conversation(int64_t supplier, int64_t request) override;
  std::vector<ConversationEntry> conversation(int64_t supplier, int64_t request) override;
  TraceAfter react(int64_t supplier, int64_t request, const std::string& requester,
                   const std::string& text) override;
  TraceAfter answer(int64_t request, int64_t supplier, const std::string& text) override;

  void make_offer(const Offer& o) override;
  std::optional<Offer> last_offer(int64_t supplier, int64_t request) override;
  std::vector<int64_t> offered_requests(int64_t supplier) override;
  std::vector<OfferWithContact> offers_of_supplier(int64_t supplier) override;
  std::vector<Offer> offers_on_request(int64_t request) override;
  std::vector<std::pair<int64_t, std::vector<ConversationEntry>>> reactions_on_request(
      int64_t request) override;
  int64_t reaction_count(int64_t request) override;

  int64_t post_message(int64_t supplier, const std::string& control,
                       const std::string& text) override;
  std::vector<int64_t> suppliers_with_messages() override;
  std::optional<Message> oldest_message(int64_t supplier) override;
  void retire_message(int64_t id) override;
  void acknowledge_message(int64_t supplier) override;

  std::string open_chat(int64_t supplier, const std::string& customer_name,
                        int64_t request) override;
  std::vector<std::string> chat_contacts(int64_t supplier) override;
  void chat_write(const std::string& token, bool from_supplier, const std::string& text) override;
  std::optional<ChatConversation> chat(const std::string& token) override;
  void force_chat(int64_t supplier) override;
  void block_chat(const std::string& token, bool blocked) override;

  void set_page_key(int64_t request, const std::string& key_digest) override;
  int64_t request_of_page_key(const std::string& key_digest) override;
  bool request_closed(int64_t request) override;
  std::vector<RequestChat> request_chats(int64_t request) override;
  std::optional<PageActivity> page_activity(int64_t request) override;

 private:
  Database db_;
};

// Brings the schema to version `to` (0: the latest); older versions are kept
// reachable for the tests of the migration itself.
void migrate(Database& db, int to = 0);
// Helpers shared by the SQLite files.
int64_t next_seq(Conn& c);
RequestSummary read_summary(Conn& c, int64_t request);
void require_supplier(Conn& c, int64_t supplier);
void require_request(Conn& c, int64_t request);

}  // namespace plixsrv
