// The branch catalogue: categories ("A00") and subcategories ("A01"), named in
// English, Dutch, German and French (language index 1..4; others read as English).
#pragma once
#include <string>
#include <vector>

namespace plixsrv {

struct BranchLine {
  std::string code;  // three characters
  std::string name;  // Windows-1252
};

std::vector<BranchLine> catalogue_categories(int language);
// Empty when the category character is unknown.
std::vector<BranchLine> catalogue_subcategories(char category, int language);
std::string catalogue_category_name(char category, int language);

}  // namespace plixsrv
