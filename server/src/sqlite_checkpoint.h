// Writes SQLite's write-ahead log back into the database file on a thread of
// its own. Left to itself SQLite does it inside the commit that fills the
// log, and that request waits for a checkpoint of a thousand pages. Only when
// writes come without pause (the thread cannot catch up) does a writer still
// do it, so that the log stays bounded.
#pragma once
#include <sqlite3.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace plixsrv {

class Checkpointer {
 public:
  explicit Checkpointer(std::string path);
  ~Checkpointer();
  // The connection's commits report the log's size here instead of checkpointing.
  void attach(sqlite3* db);

 private:
  static int on_commit(void* self, sqlite3* db, const char*, int pages);
  void run();

  std::string path_;
  std::mutex mu_;
  std::condition_variable cv_;
  bool wanted_ = false, stop_ = false;
  std::thread thread_;
};

}  // namespace plixsrv
