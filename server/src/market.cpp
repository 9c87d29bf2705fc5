#include "market.h"

#include "mark_hash.h"
#include "secrets.h"
#include "sqlite_store.h"
#include "supplier_record.h"

namespace plixsrv {

Market::Market(const std::string& db_path, PoolLimits limits)
    : Market(std::make_unique<SqliteStore>(db_path, limits)) {
  sqlite_ = static_cast<SqliteStore*>(store_.get());
}

Market::Market(std::unique_ptr<Store> store)
    : store_(std::move(store)), book_(store_->open_requests()) {
  for (int64_t s : store_->suppliers_with_messages()) pending_.insert(s);
}

Database& Market::db() {
  if (!sqlite_) throw DbError("the marketplace is not kept in SQLite");
  return sqlite_->db();
}

// --- suppliers ---

int64_t Market::register_supplier(const std::vector<std::string>& raw_items, int64_t fixed_id,
                                  const std::string* password_hash) {
  auto items = clean_items(raw_items);
  check_passwords(items);
  // Hashed before the write: it takes tens of milliseconds on purpose.
  std::string pw = password_hash              ? *password_hash
                   : items[kPassword].empty() ? std::string()
                                              : hash_password(items[kPassword]);
  // A new supplier is on nobody else's list: no marks move.
  return store_->register_supplier(items, fixed_id, pw);
}

void Market::update_supplier(int64_t id, const std::vector<std::string>& raw_items) {
  auto items = clean_items(raw_items);
  check_passwords(items);
  std::string pw = items[kPassword].empty() ? std::string() : hash_password(items[kPassword]);
  // The branch codes decide the list.
  changing([&] {
    store_->update_supplier(id, items, pw);
    book_.forget(id);
  });
}

std::optional<SupplierInfo> Market::supplier(int64_t id) { return store_->supplier(id); }
bool Market::supplier_exists(int64_t id) { return store_->supplier_exists(id); }

void Market::delete_supplier(int64_t id) {
  changing([&] {
    auto counts = store_->delete_supplier(id);
    book_.forget(id);
    // Only the reaction counts of the requests it reacted on move for others.
    book_.counted(counts);
  });
  std::lock_guard lock(pending_mu_);
  pending_.erase(id);
}

int64_t Market::login(const std::string& login, const std::string& password) {
  if (login.empty() || password.empty()) return 0;
  auto rec = store_->login_record(login);
  return rec && verify_password(password, rec->second) ? rec->first : 0;
}

void Market::set_filters(int64_t id, const std::string& block, const std::string& pass) {
  changing([&] {
    store_->set_filters(id, block, pass);
    book_.forget(id);
  });
}

void Market::set_alerts(int64_t id, const std::vector<std::string>& items) {
  store_->set_alerts(id, items);
}

std::vector<int64_t> Market::supplier_ids() { return store_->supplier_ids(); }
int64_t Market::supplier_count() { return store_->supplier_count(); }

// --- requests ---

int64_t Market::post_request(const NewRequest& r) {
  return changing([&] {
    RequestAfter a = store_->post_request(r);
    book_.posted(a);
    return a.summary.id;
  });
}

void Market::change_request(int64_t id, const std::optional<std::string>& title,
                            const std::optional<std::string>& details, bool close) {
  changing([&] { book_.changed(store_->change_request(id, title, details, close)); });
}

std::optional<NewRequest> Market::request(int64_t id) { return store_->request(id); }

std::vector<ListEntry> Market::request_list(int64_t supplier) {
  return store_->request_list(supplier);
}

void Market::hide(int64_t supplier, int64_t request) {
  changing([&] {
    store_->hide(supplier, request);
    book_.forget(supplier);
  });
}

void Market::show_all(int64_t supplier) {
  changing([&] {
    store_->show_all(supplier);
    book_.forget(supplier);
  });
}

int Market::purge_old(int64_t supplier, int64_t max_age_seconds) {
  return changing([&] {
    int n = store_->purge_before(supplier, now_seconds() - max_age_seconds);
    if (n > 0) book_.forget(supplier);
    return n;
  });
}

// Reading a request changes its status, which the marks leave out.
std::vector<ConversationEntry> Market::open_conversation(int64_t supplier, int64_t request) {
  return store_->open_conversation(supplier, request);
}

std::vector<ConversationEntry> Market::conversation(int64_t supplier, int64_t request) {
  return store_->conversation(supplier, request);
}

void Market::react(int64_t supplier, int64_t request, const std::string& requester,
                   const std::string& text) {
  changing([&] { book_.traced(supplier, store_->react(supplier, request, requester, text), true); });
}

void Market::answer(int64_t request, int64_t supplier, const std::string& text) {
  changing([&] { book_.traced(supplier, store_->answer(request, supplier, text), false); });
}

// --- change marks ---

Marks Market::marks(int64_t supplier) {
  std::optional<MarkPair> m = book_.find(supplier);
  if (!m) {
    uint64_t at = book_.version();
    SupplierWindow outline = store_->window(supplier, false);
    m = book_.settle_shared(supplier, outline, at,
                            [&](const ListRules& r) { return store_->listed_for(r); });
    if (!m) m = book_.settle(supplier, store_->window(supplier), at);
  }
  return Marks{mark_text(m->requests), mark_text(m->reactions)};
}

Marks Market::fresh_marks(int64_t supplier) {
  SupplierMarks m = SupplierMarks::from(store_->window(supplier));
  return Marks{mark_text(m.requests()), mark_text(m.reactions())};
}

}  // namespace plixsrv
