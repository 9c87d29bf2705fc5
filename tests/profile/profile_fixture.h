#pragma once
// A connected desk whose supplier and filter windows may open and fetch,
// with the marketplace's record, catalogue and filter replies at hand.
#include <string>
#include <vector>

#include "desk/core/settings.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {

// A ctrl 04 reply holding slots 0..31 in order.
inline std::string recordReply(const std::vector<std::string>& slots) {
    std::string r = "<html>QLEV=<br>";
    for (const auto& s : slots) r += s + "<br>";
    return r + "</html>";
}

// Slots 0..31 of a complete profile, supplier number 4711.
inline std::vector<std::string> memberSlots() {
    std::vector<std::string> s = {"Bakker & Zn",      "Dorpsstraat", "7",  "Utrecht",
                                  "3511 AB",          "Nederland",   "",   "",
                                  "info@bakker.test", "Nederlands",  "A01"};
    s.resize(32);
    s[19] = "NL01BANK|De Bank|Zeist|NL";
    s[28] = "vol";
    s[30] = "4711";
    s[31] = "nee";
    return s;
}

class ProfileFixture : public InboxFixture {
protected:
    ProfileFixture() {
        folder.write(kSettingsFile, RecordBuilder().at(1, "www.srv.test").at(39, "\x02").record);
        loaddat(desk);
        st.ServerHost = "srv.test";
        st.SupplierNumber = 4711;
        st.SupplierList[30] = "4711";
        st.TrayFlag = 1;
        st.WindowFetchAllowed = 1;
        st.CurrentLanguage = 2;
        const std::pair<int, const char*> texts[] = {{71, "Fill in the required boxes"},
                                                     {72, "The passwords differ"},
                                                     {107, "Local copy"},
                                                     {112, "Catalogue incomplete"},
                                                     {113, "Another supplier's filters"},
                                                     {118, "Register first"},
                                                     {190, "English"},
                                                     {191, "Nederlands"}};
        for (const auto& [i, text] : texts) st.LanguageTable[i] = text;
        market.answer("ctrl04", recordReply(memberSlots()));
        market.answer("ctrl05", "MAX=2<br>A00 Bouw*3<br>B00 Kantoor*2<br>QCNT=2<br>");
        market.answer("ctrl02", "<LEVID=12345678>");
        for (const char* key : {"ctrl03", "ctrl07", "ctrl08"}) market.answer(key, "OK<br>done");
    }

    std::vector<std::string> urlsOf(const std::string& key) const {
        std::vector<std::string> out;
        for (const auto& u : market.urls)
            if (MarketDouble::keyOf(u) == key) out.push_back(u);
        return out;
    }
    // A second desk started from the same working folder, as after a restart.
    DeskState restarted() {
        FakeServices fakes2;
        Desk again{fakes2.bundle(), DeskConfig{folder.path(), kTestDefaultHost}};
        loaddat(again);
        checkSupplierNumber(again);
        restartMessages = fakes2.messages.shown.size();
        return again.st;
    }
    std::size_t restartMessages = 0;
};

}  // namespace plix::testing
