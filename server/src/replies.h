// Reply pages in the exact layouts that the desktop program cuts: markers,
// "[" + text + "]" fields back to back, "<br>" line ends, counts after "QEND".
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "market.h"

namespace plixsrv {

// Text made safe for a bracketed field: no "[" or "]", no marker the client
// searches for, line breaks as "<br>". conversation_body also disarms the
// heading phrases of the reactions window.
std::string field_text(std::string_view text, bool conversation_body = false);
// "13-06 10:48" (day-month hour:minute, server local time).
std::string time_text(int64_t unix_seconds);

std::string reply_connection_test(int64_t count, const std::string& version);
std::string reply_login(int64_t id);
std::string reply_registered(int64_t id);
std::string reply_supplier_record(const SupplierInfo& s);
std::string reply_unknown_supplier_record();
std::string reply_categories(const std::vector<BranchLine>& categories,
                             const std::vector<size_t>& sub_counts);
std::string reply_subcategories(const std::string& category_name,
                                const std::vector<BranchLine>& lines);
std::string reply_filters(const SupplierInfo& s);
std::string reply_request_list(const std::vector<ListEntry>& list);
std::string request_details(const ListEntry& e);
std::string reply_marks(const Marks& m, const std::optional<Message>& msg);
std::string reply_conversation(int64_t request, const std::vector<ConversationEntry>& entries);
std::string reply_last_offer(const std::optional<Offer>& o);
std::string reply_offered(const std::vector<int64_t>& numbers);
std::string reply_offers_overview(const std::vector<OfferWithContact>& offers);
std::string reply_chat_contacts(const std::vector<std::string>& tokens);
std::string reply_chat(const ChatConversation& conv);
std::string reply_reaction_counts(const std::vector<std::pair<std::string, int64_t>>& counts);
std::string reply_done(const std::string& what);
std::string reply_error(int status, const std::string& message);

}  // namespace plixsrv
