#pragma once
// Help texts: pxhlp.dat holds one section per language, "[LNG" + number + "]",
// and in it one text per topic, "[" + topic + "]" followed by the text up to
// the next "[". Only the file's first 32000 characters are read.
#include <optional>
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

inline const std::string kHelpFile = "pxhlp.dat";
constexpr std::size_t kHelpFileRead = 32000;

// The text of a topic in a language's section of the help file's text, up to
// the next "[" (or the end of the text), trailing line breaks left out.
// Nothing when the section, or the topic within that section, is missing.
std::optional<std::string> helpText(std::string_view fileText, int language, int topic);

// The text of a topic in the current language from the help file
// (HelpFileName in the working folder); nothing when the file is missing or
// empty or holds no such text, so the caller keeps what it shows.
std::optional<std::string> gethlp(Desk& d, int topic);

}  // namespace plix
