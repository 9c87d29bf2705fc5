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
