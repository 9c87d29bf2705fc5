#pragma once
// An inbox of requests with the reactions and offer windows ready to open,
// their timers on the simulated clock; the market takes every reaction,
// offer and deletion.
#include <string>
#include <vector>

#include "desk/velto/commands.h"
#include "desk/velto/row_click.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {

// A chkl 04 reply in the server's layout: the request, then the fields.
inline std::string conversationReply(const std::string& number,
                                     const std::vector<std::string>& fields) {
    std::string r = "RNR=" + number + "<br>[details aanvraag " + number + "]";
    for (const auto& f : fields) r += "[" + f + "]";
    return r + "<br>QEND" + std::to_string(fields.size() + 1);
}

class TradeFixture : public InboxFixture {
protected:
    TradeFixture() {
        attachWindowTimers(desk, fakes.scheduler);
        market.answer("chkl04", conversationReply("101", {"We can do it."}));
        for (const char* key : {"chkl05", "chkl06", "chkl07"}) market.answer(key, "OK<br>stored");
    }

    // Clicks a row and lets the reactions window's timer load its request.
    void open(int row) {
        vraag_Click(desk, row);
        fakes.scheduler.advance(500);
    }
    // The last URL asked for with key ("chkl05"), empty when none.
    std::string lastUrl(const std::string& key) const {
        for (auto it = market.urls.rbegin(); it != market.urls.rend(); ++it)
            if (MarketDouble::keyOf(*it) == key) return *it;
        return {};
    }
    VeltorspForm& rsp = desk.veltorsp;
    VeltooffForm& off = desk.veltooff;
};

}  // namespace plix::testing
