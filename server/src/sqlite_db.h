// Thin SQLite layer: a bounded pool of connections with a set page cache,
// cached prepared statements, one writer at a time, WAL so that readers never
// wait for the writer.
#pragma once
#include <sqlite3.h>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sqlite_checkpoint.h"

namespace plixsrv {

struct DbError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One use of a cached prepared statement; reset when it goes out of scope.
class Stmt {
 public:
  Stmt(sqlite3* db, sqlite3_stmt* st) : db_(db), st_(st) {}
  Stmt(const Stmt&) = delete;
  Stmt& operator=(const Stmt&) = delete;
  Stmt(Stmt&& o) noexcept : db_(o.db_), st_(o.st_), next_(o.next_) { o.st_ = nullptr; }
  ~Stmt();

  Stmt& bind(int64_t v);
  Stmt& bind(int v) { return bind(static_cast<int64_t>(v)); }
  Stmt& bind(std::string_view v);
  Stmt& bind(const std::string& v) { return bind(std::string_view(v)); }
  Stmt& bind(const char* v) { return bind(std::string_view(v)); }

  bool step();  // true while a row is available
  void run();   // steps to the end, for statements without rows
  int64_t i(int col) const { return sqlite3_column_int64(st_, col); }
  std::string s(int col) const;
  bool is_null(int col) const { return sqlite3_column_type(st_, col) == SQLITE_NULL; }

 private:
  sqlite3* db_;
  sqlite3_stmt* st_;
  int next_ = 1;
};

class Conn {
 public:
  Conn(const std::string& path, int cache_kib);
  ~Conn();
  Conn(const Conn&) = delete;
  Conn& operator=(const Conn&) = delete;

  void exec(const char* sql);  // plain SQL without parameters (schema, BEGIN, COMMIT)
  template <typename... A>
  Stmt q(const char* sql, const A&... args) {
    Stmt st(db_, prepare(sql));
    (st.bind(args), ...);
    return st;
  }
  // For the few statements put together from parts; cached by their text.
  template <typename... A>
  Stmt q_text(const std::string& sql, const A&... args) {
    Stmt st(db_, prepare_text(sql));
    (st.bind(args), ...);
    return st;
  }
  int64_t changes() const { return sqlite3_changes64(db_); }
  int64_t last_id() const { return sqlite3_last_insert_rowid(db_); }
  sqlite3* raw() { return db_; }

 private:
  sqlite3_stmt* prepare(const char* sql);
  sqlite3_stmt* prepare_text(const std::string& sql);
  sqlite3* db_ = nullptr;
  std::unordered_map<const char*, sqlite3_stmt*> cache_;  // keyed by the literal's address
  std::unordered_map<std::string, sqlite3_stmt*> text_cache_;
};

// Every connection holds its own page cache, so the pool is bounded: memory
// stays put however many clients talk at once, and a lease waits its turn.
struct PoolLimits {
  int connections = 4;
  int cache_kib = 2048;   // page cache per connection
  int wait_ms = 5000;     // a lease waiting longer fails as "busy"
};

class Database {
 public:
  explicit Database(std::string path, PoolLimits limits = {});

  class Lease {
   public:
    Lease(Database& db, std::unique_ptr<Conn> c) : db_(db), c_(std::move(c)) {}
    Lease(Lease&&) = default;
    ~Lease();
    Conn& operator*() { return *c_; }
    Conn* operator->() { return c_.get(); }

   private:
    Database& db_;
    std::unique_ptr<Conn> c_;
  };

  Lease lease();

  // Runs f(Conn&) inside BEGIN IMMEDIATE ... COMMIT; rolls back when f throws,
  // so a failed operation never leaves half a row behind.
  template <typename F>
  auto write(F&& f) {
    std::lock_guard lock(write_mu_);
    auto c = lease();
    c->exec("BEGIN IMMEDIATE");
    try {
      if constexpr (std::is_void_v<decltype(f(*c))>) {
        f(*c);
        c->exec("COMMIT");
      } else {
        auto r = f(*c);
        c->exec("COMMIT");
        return r;
      }
    } catch (...) {
      sqlite3_exec(c->raw(), "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }

  // Runs f(Conn&) in one read transaction (a consistent snapshot).
  template <typename F>
  auto read(F&& f) {
    auto c = lease();
    c->exec("BEGIN");
    try {
      if constexpr (std::is_void_v<decltype(f(*c))>) {
        f(*c);
        c->exec("COMMIT");
      } else {
        auto r = f(*c);
        c->exec("COMMIT");
        return r;
      }
    } catch (...) {
      sqlite3_exec(c->raw(), "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }

 private:
  friend class Lease;
  std::string path_;
  PoolLimits limits_;
  Checkpointer checkpointer_;  // outlives the connections that report to it
  std::mutex pool_mu_;
  std::condition_variable returned_;
  std::vector<std::unique_ptr<Conn>> idle_;
  int open_ = 0;  // connections in existence, idle or leased
  std::mutex write_mu_;
};

}  // namespace plixsrv
