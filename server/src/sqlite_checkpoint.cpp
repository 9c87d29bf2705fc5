#include "sqlite_checkpoint.h"

namespace plixsrv {

namespace {
constexpr int kLogPages = 1000;  // SQLite's own threshold: the thread takes over here
// Under writes without pause the thread's checkpoint never catches up with the
// end of the log, so the log would only grow; the writer then does it itself,
// as SQLite would, while no other write can slip in.
constexpr int kWriterPages = 2000;
}

Checkpointer::Checkpointer(std::string path) : path_(std::move(path)), thread_([this] { run(); }) {}

Checkpointer::~Checkpointer() {
  {
    std::lock_guard lock(mu_);
    stop_ = true;
  }
  cv_.notify_one();
  thread_.join();
}

void Checkpointer::attach(sqlite3* db) { sqlite3_wal_hook(db, &Checkpointer::on_commit, this); }

int Checkpointer::on_commit(void* self, sqlite3* db, const char*, int pages) {
  if (pages >= kWriterPages) {
    sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
  } else if (pages >= kLogPages) {
    auto* c = static_cast<Checkpointer*>(self);
    {
      std::lock_guard lock(c->mu_);
      c->wanted_ = true;
    }
    c->cv_.notify_one();
  }
  return SQLITE_OK;
}

void Checkpointer::run() {
  sqlite3* db = nullptr;
  std::unique_lock lock(mu_);
  while (true) {
    cv_.wait(lock, [this] { return wanted_ || stop_; });
    if (stop_) break;
    wanted_ = false;
    lock.unlock();
    if (!db && sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                               nullptr) != SQLITE_OK) {
      sqlite3_close(db);
      db = nullptr;
    }
    // Passive: copies what no reader still needs, never waits for anyone.
    if (db) sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    lock.lock();
  }
  sqlite3_close(db);
}

}  // namespace plixsrv
