// What a customer's request page shows, as the JSON its script draws from.
#pragma once
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "web_store.h"

namespace plixsrv {

// The request, and per supplier who reacted, offered or chats on it: the
// conversation in order, the offers with the supplier's contact data, and
// the chat. Texts are UTF-8; times are unix seconds. Suppliers come in the
// order of their first reaction, offer or chat.
nlohmann::json request_view(WebStore& store, int64_t request);
// A supplier that reacted, offered or chats on the request: only those can
// be answered or asked to chat from its page.
bool supplier_on_request(const nlohmann::json& view, int64_t supplier);

}  // namespace plixsrv
