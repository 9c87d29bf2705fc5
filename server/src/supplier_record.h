// The supplier record as the desktop sends it (items 0..30) and the rules
// every backend applies to it.
#pragma once
#include <string>
#include <vector>

namespace plixsrv {

constexpr size_t kRecordItems = 31;  // items 0..30 travel in ctrl 02/03
constexpr size_t kPassword = 14, kLogin = 15, kPasswordAgain = 16;
constexpr size_t kCredit = 28, kServerText = 29, kNumber = 30, kReview = 31;

std::string trim(std::string s);
// Exactly kRecordItems items, control characters blanked (which also keeps
// the field separator out).
std::vector<std::string> clean_items(std::vector<std::string> items);
// Refuses two different password boxes.
void check_passwords(const std::vector<std::string>& items);

}  // namespace plixsrv
