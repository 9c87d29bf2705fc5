#pragma once
// Item lists: items written as "<" + text + ">" one after another.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace plix {

// Fills items in index order from text. For each item the next "<" starts
// it and the next ">" ends it; when no "<" is left, or an item has no closing
// ">", filling stops and the remaining items keep their old values.
// Returns the number of items filled.
std::size_t parseItemList(std::string_view text, std::span<std::string> items);

// Typed text made fit to be an item: every ">" left out, since the reader
// would end the item there and shift every later item of the list.
std::string itemText(std::string_view typed);

// "<" + item + ">" for every item, in order.
std::string buildItemList(std::span<const std::string> items);

// Writes text into record from the 0-based offset, never past limit (the
// offset one past the last position it may use); returns what was cut off.
std::size_t writeInto(std::string& record, std::size_t offset, std::size_t limit,
                      std::string_view text);

}  // namespace plix
