#pragma once
// The settings record pxini.dat (1024 characters) and the filter record
// pxflt.dat: reading, writing and the system-settings frame.
//
// Record layout (1-based positions): 1..30 server host, 31..38 supplier
// number, 39 language number as a character code, 41..800 supplier items
// 0..29, 801..1024 system items 0..20.
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

inline constexpr const char* kSettingsFile = "pxini.dat";
inline constexpr const char* kFilterFile = "pxflt.dat";

// 0-based offsets into the record.
constexpr std::size_t kHostOffset = 0, kHostWidth = 30;
constexpr std::size_t kNumberOffset = 30, kNumberWidth = 8;
constexpr std::size_t kLanguageOffset = 38;
constexpr std::size_t kSupplierItemsOffset = 40, kSupplierItemsEnd = 800;
constexpr std::size_t kSystemItemsOffset = 800;
constexpr int kSupplierItemsStored = 30, kSystemItemsStored = 21;
// The profile's password and its repetition: the server keeps the password,
// the record on disk never holds it.
constexpr std::size_t kSlotsNeverStored[] = {14, 16};

// Reads pxini.dat and pxflt.dat into the records and the lists. The caller
// applies the language table (taalhandle) and then checks the supplier
// number, whose message is in that language: Form_Load does both.
void loaddat(Desk& d);
// A stored supplier number that does not match its check value is dropped for
// the run with a message (IdMismatch := 1); no check value (a first run)
// passes.
void checkSupplierNumber(Desk& d);
void savedat(Desk& d);
// CountryBlock from SystemList[17]: slot i := i + 1 where the digit for 10^i
// is set, else -1 (a digit above 1 subtracts once).
void decodeCountryBlock(DeskState& s);
void makesys(Desk& d);

// text without its trailing blanks and zero characters.
std::string stripsp(std::string_view text);

// Writes the supplier number's digits into positions 31..38, left-aligned and
// blank-filled. A number too long for the eight positions is not written
// (the field is left blank) so it can never run into the language character;
// returns false then. The caller keeps the number in memory for the run.
bool writeSupplierNumberField(std::string& record, long long number);

// Writes supplier items 0..29 into positions 41..800 (blank after the last
// item), the password slots empty. When the items with
// their brackets exceed the 760 characters, the longest texts are shortened
// until they fit, so every item keeps its place and nothing reaches the
// system items; the lists in memory keep the full texts. Returns false when
// something was shortened.
bool writeSupplierItems(std::string& record, const std::array<std::string, 41>& items);

}  // namespace plix
