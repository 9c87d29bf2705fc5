// Where one HTTP/1.1 request ends in the bytes received so far, so that a
// request is handed to a worker only when it is whole.
#pragma once
#include <cstddef>
#include <string_view>

namespace plixsrv {

struct Frame {
  enum Kind { Incomplete, Complete, Refused } kind = Incomplete;
  size_t length = 0;             // of the whole request, when Complete
  bool awaits_continue = false;  // head done, body to come after "100 Continue"
  int status = 0;                // when Refused: 400, 413, 414, 431 or 501
};

// max_head bounds request line and headers together, max_body the body.
Frame frame_request(std::string_view received, size_t max_head, size_t max_body);

}  // namespace plixsrv
