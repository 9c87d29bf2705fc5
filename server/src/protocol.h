// The two desktop scripts, /plix_ctrl.php and /plix_chkl.php: one handler per
// two-digit request code, each answering in the layout the desktop cuts.
#pragma once
#include <string>
#include <string_view>

#include "market.h"

namespace plixsrv {

struct Reply {
  int status = 200;
  std::string body;
};

struct ProtocolOptions {
  std::string version = PLIX_VERSION;      // named after "VERSIE=" (ctrl 01): the build's own
  int64_t purge_age_seconds = 30 * 86400;  // chkl 01 purges requests older than this
};

class Protocol {
 public:
  Protocol(Market& market, ProtocolOptions options) : market_(market), opt_(std::move(options)) {}
  // raw_query: the text after "?", still percent-encoded.
  Reply ctrl(std::string_view raw_query);
  Reply chkl(std::string_view raw_query);

 private:
  template <typename F>
  Reply guarded(std::string_view raw_query, F&& handler);
  Market& market_;
  ProtocolOptions opt_;
};

}  // namespace plixsrv
