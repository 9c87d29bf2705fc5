// The records of the marketplace as the protocol, the customer API and the
// storage backends exchange them.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace plixsrv {

// An operation the marketplace refuses; status is the HTTP status to answer with.
struct Refused : std::runtime_error {
  Refused(int st, const std::string& msg) : std::runtime_error(msg), status(st) {}
  int status;
};

constexpr int kSupplierSlots = 32;  // record items 0..31
constexpr int kMaxListed = 257;     // the desktop inbox holds 257 requests

// Customer-side contact data, shown in the offers overview.
struct Contact {
  std::string name, address, place, postcode, email, phone, gsm;
};

struct NewRequest {
  std::string requester;  // customer identifier (AID); generated when empty
  std::string title, details, place, branch;
  int country = 0;      // 0 none, 1..9 country code, 99 outside the listed countries ("*QV")
  bool visit = false;   // also set for country 99
  Contact contact;
  int64_t posted_at = 0;  // unix seconds; now when 0
};

struct ListEntry {
  int64_t number = 0;
  int64_t posted_at = 0;
  std::string title, details, place, requester;
  int country = 0;
  bool visit = false;
  std::string status;        // "onb", "mut" or "oud"
  int64_t customer_seq = 0;  // last change or answer by the customer
};

struct ConversationEntry {
  bool from_customer = false;
  std::string text;
  int64_t at = 0;
};

struct Offer {
  int64_t request = 0;
  std::string description, amount, vat, payment, delivery, shipping;
  int64_t supplier = 0;
  int64_t at = 0;
};

struct OfferWithContact {
  Offer offer;
  Contact contact;
};

struct Message {
  int64_t id = 0;
  std::string control;  // "", "QC1Q" or "QC2Q"
  std::string text;
};

struct ChatLine {
  bool from_supplier = false;
  std::string text;
  int64_t at = 0;
};

struct ChatConversation {
  std::string token, customer_name;
  int64_t request = 0;
  bool blocked = false;
  std::vector<ChatLine> lines;
};

struct Marks {
  std::string requests, reactions;
};

// A chat between the customer of a request and one supplier. The contact's
// token never leaves the server: the customer's page names the chat by its
// supplier.
struct RequestChat {
  int64_t supplier = 0;
  std::string token;
  bool blocked = false;
};

// What a request's customer page shows moves with these: the request's change
// sequence and state, the count and newest id of each kind of row behind the
// page (reactions, offers, chats, chat lines; rows are only ever added, or
// removed with a supplier), which chats are blocked, and the record and chat
// presence of every supplier on the request. Not the texts themselves.
struct PageActivity {
  int64_t changed_seq = 0;
  bool closed = false;
  int64_t reactions = 0, last_reaction = 0;
  int64_t offers = 0, last_offer = 0;
  int64_t chats = 0, last_chat = 0, blocked_chats = 0;  // blocked: the sum of their ids
  int64_t chat_lines = 0, last_chat_line = 0;
  struct Party {
    int64_t supplier = 0;
    std::string record;  // the stored record items, joined
    int64_t chat_seen_at = 0;
  };
  std::vector<Party> parties;  // ordered by supplier
};

struct SupplierInfo {
  int64_t id = 0;
  std::vector<std::string> slots;  // kSupplierSlots items; passwords are never returned
  std::string block_words, pass_words;
  std::vector<std::string> alerts;
  int64_t chat_seen_at = 0;
};

// Splits and joins the record texts kept in one column.
std::vector<std::string> split_fields(const std::string& joined, size_t count);
std::string join_fields(const std::vector<std::string>& fields);
int64_t now_seconds();

}  // namespace plixsrv
