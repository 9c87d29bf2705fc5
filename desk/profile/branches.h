#pragma once
// The branch catalogue of the supplier window: categories and subcategories
// in the interface language (ctrl 05), shown beside the branch-code boxes; a
// double click copies a code into the box being edited. The category fetch is
// also the window's connection test.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desk/core/desk.h"

namespace plix {

struct CategoryList {
    bool complete = false;           // QCNT's text equals MAX's, and MAX is not 0
    std::vector<std::string> lines;  // each listed line up to its first "*"
};

// Cuts a category reply; nothing when it holds no "MAX".
std::optional<CategoryList> cutCategories(std::string_view reply);
// Cuts a subcategory reply: each line's first four characters, then the line
// from position nameLength + 4 on (the chosen category's name fills the
// part between). Nothing when it holds no "MAX".
std::optional<std::vector<std::string>> cutSubcategories(std::string_view reply,
                                                         std::size_t nameLength);

// Fetches the categories into List1; success enables the update button and
// shows the delete button, failure tells the window has no connection.
void getbranche(Desk& d);
// A category chosen: its subcategories into List2, its name into the header.
void veltolev_List1_Click(Desk& d);
// A line double-clicked: its code (first three characters) into the
// branch-code box edited last; ignored unless that was box 10 or 11.
void veltolev_List1_DblClick(Desk& d);
void veltolev_List2_DblClick(Desk& d);
// Shows the catalogue in the widened window, or hides it in the narrow one.
void showCatalogue(Desk& d, bool shown);

}  // namespace plix
