#pragma once
// Language-file sections made up for the tests: entry k reads word + k.
#include <string>

#include "desk/lang/language_table.h"
#include "tests/support/desk_fixture.h"

namespace plix::testing {

// Entry 3 carries a menu marker ("&" + word + "3"), 108 is "OK", 200 is "1"
// and 96 is empty, as in the shipped file.
inline std::string sectionText(int number, const std::string& word) {
    std::string s = "[" + std::to_string(number) + "]\r\n";
    for (int k = 0; k < 201; ++k) {
        std::string text = word + std::to_string(k);
        if (k == 3) text = "&" + word + "3";
        if (k == 108) text = "OK";
        if (k == 200) text = "1";
        if (k == 96) text = "";
        s += "<" + text + ">\r\n";
    }
    return s;
}

// A working folder whose pxlng.dat holds an English and a Dutch section.
class LanguageFixture : public DeskFixture {
protected:
    void SetUp() override {
        folder.write(kLanguageFile, sectionText(1, "en") + sectionText(2, "nl"));
    }
};

}  // namespace plix::testing
