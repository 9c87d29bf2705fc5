#include "sqlite_db.h"

#include <chrono>

namespace plixsrv {

Stmt::~Stmt() {
  if (!st_) return;
  sqlite3_reset(st_);
  sqlite3_clear_bindings(st_);
}

Stmt& Stmt::bind(int64_t v) {
  sqlite3_bind_int64(st_, next_++, v);
  return *this;
}

Stmt& Stmt::bind(std::string_view v) {
  // Texts are Windows-1252 bytes; SQLite stores them untouched.
  sqlite3_bind_text(st_, next_++, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
  return *this;
}

bool Stmt::step() {
  int rc = sqlite3_step(st_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  throw DbError(sqlite3_errmsg(db_));
}

void Stmt::run() {
  while (step()) {
  }
}

std::string Stmt::s(int col) const {
  auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, col));
  int n = sqlite3_column_bytes(st_, col);
  return p ? std::string(p, static_cast<size_t>(n)) : std::string();
}

Conn::Conn(const std::string& path, int cache_kib) {
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    std::string msg = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    db_ = nullptr;
    throw DbError("cannot open database " + path + ": " + msg);
  }
  // Writers queue behind each other instead of failing with "database is locked".
  sqlite3_busy_timeout(db_, 5000);
  exec("PRAGMA journal_mode=WAL");
  exec("PRAGMA synchronous=NORMAL");
  exec("PRAGMA journal_size_limit=33554432");  // the log file shrinks back to 32 MB
  exec("PRAGMA foreign_keys=ON");
  exec(("PRAGMA cache_size=-" + std::to_string(cache_kib)).c_str());
}

Conn::~Conn() {
  for (auto& [k, st] : cache_) sqlite3_finalize(st);
  for (auto& [k, st] : text_cache_) sqlite3_finalize(st);
  sqlite3_close(db_);
}

void Conn::exec(const char* sql) {
  char* err = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &err) != SQLITE_OK) {
    std::string msg = err ? err : "unknown error";
    sqlite3_free(err);
    throw DbError(msg);
  }
}

sqlite3_stmt* Conn::prepare(const char* sql) {
  auto it = cache_.find(sql);
  if (it != cache_.end()) return it->second;
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &st, nullptr) != SQLITE_OK)
    throw DbError(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
  cache_.emplace(sql, st);
  return st;
}

sqlite3_stmt* Conn::prepare_text(const std::string& sql) {
  auto it = text_cache_.find(sql);
  if (it != text_cache_.end()) return it->second;
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &st, nullptr) != SQLITE_OK)
    throw DbError(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
  text_cache_.emplace(sql, st);
  return st;
}

Database::Database(std::string path, PoolLimits limits)
    : path_(std::move(path)), limits_(limits), checkpointer_(path_) {
  if (limits_.connections < 1) limits_.connections = 1;
}

Database::Lease Database::lease() {
  std::unique_lock lock(pool_mu_);
  auto available = [&] { return !idle_.empty() || open_ < limits_.connections; };
  if (!returned_.wait_for(lock, std::chrono::milliseconds(limits_.wait_ms), available))
    throw DbError("no database connection free");
  if (!idle_.empty()) {
    auto c = std::move(idle_.back());
    idle_.pop_back();
    return Lease(*this, std::move(c));
  }
  ++open_;
  lock.unlock();
  try {
    auto c = std::make_unique<Conn>(path_, limits_.cache_kib);
    checkpointer_.attach(c->raw());
    return Lease(*this, std::move(c));
  } catch (...) {
    std::lock_guard again(pool_mu_);
    --open_;
    returned_.notify_one();
    throw;
  }
}

Database::Lease::~Lease() {
  if (!c_) return;
  {
    std::lock_guard lock(db_.pool_mu_);
    db_.idle_.push_back(std::move(c_));
  }
  db_.returned_.notify_one();
}

}  // namespace plixsrv
