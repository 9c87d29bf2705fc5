#pragma once
// The offers print window veltovo: shows the offers overview (OverviewText)
// tidied and coloured, prints it on the default printer or saves it as PDF.
#include <array>
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

// The overview's wording tidied in place: a line that begins with ", "
// begins with two blanks instead, "Exc " reads "Excl" and "Inc " "Incl".
void tidyOverview(std::string& text);

// The overview in the box: green, each offer's description label (entry 150
// in capitals) blue, each customer block (from entry 58 to the next line of
// dashes, or to the end of the text) black and larger; a text of fewer than
// 20 characters says in red that there are no offers.
void showOverview(RichTextBox& box, const std::string& text, const std::array<std::string, 301>& t);

// Loads and shows the window with the overview, tidying OverviewText.
void veltovo_Load(Desk& d);
// Prints OverviewText (tidied, without colours) as one job; without a
// printer the user is told so, and pointed to "Save as PDF".
void veltovo_cprint_Click(Desk& d);
// Saves OverviewText as a PDF file the user chooses.
void veltovo_cpdf_Click(Desk& d);
void veltovo_cexit_Click(Desk& d);
void veltovo_Unload(Desk& d);

}  // namespace plix
