#pragma once
// A logged-in, connected desk whose server is a MarketDouble.
#include "desk/inbox/inbox.h"
#include "desk/lang/language_table.h"
#include "tests/support/desk_fixture.h"
#include "tests/support/market_double.h"

namespace plix::testing {

class InboxFixture : public DeskFixture {
protected:
    MarketDouble market;

    InboxFixture() {
        desk.os.http = &market;
        setLanguageDefaults(st);
        st.LanguageTable[35] = "questions";
        st.LanguageTable[37] = "question";
        st.LanguageTable[86] = "max.";
        st.LanguageTable[89] = "PLIX message";
        st.LanguageTable[117] = "Disconnected";
        st.ServerHost = "srv.test";
        st.SupplierNumber = 4711;
        st.OnlineFlag = 1;
        st.ConnectState = 2;
        st.MaxShown = 256;
        st.FirstFetchDone = 1;
        st.SupplierList[27] = "ja";
        st.LineBreak = "\r\n";
    }

    void serveList(const std::vector<ListRecord>& records, int count = -1) {
        market.answer("chkl02", listReply(records, count));
    }

    // The inbox holds n requests (numbers 101..); the requests made so far are forgotten.
    void holdRequests(int n) {
        std::vector<ListRecord> list;
        for (int i = 1; i <= n; ++i) list.push_back(record(100 + i));
        serveList(list);
        getvraag(desk);
        market.urls.clear();
    }

    int visibleRows() const {
        int n = 0;
        for (const auto& l : velto.lnr) n += l.Visible;
        return n;
    }
};

}  // namespace plix::testing
