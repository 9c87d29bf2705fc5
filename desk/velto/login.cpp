#include "desk/velto/login.h"

#include "desk/core/activity_log.h"
#include "desk/core/number.h"
#include "desk/core/settings.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"
#include "desk/profile/supplier.h"

namespace plix {
namespace {

// The largest number positions 31..38 of the record can hold.
constexpr long long kLargestStoredNumber = 99999999;

bool emptyOrBlankFirst(const std::string& text) { return text.empty() || text.front() == ' '; }

void loginMessage(Desk& d, const std::string& text) {
    d.os.messages->show(text, " PLIX " + d.st.LanguageTable[55], MsgIcon::Information,
                        MsgButtons::Ok);
}

}  // namespace

void login_Click(Desk& d) {
    VeltoForm& f = d.velto;
    const auto& t = d.st.LanguageTable;
    f.frlogin.Visible = true;
    f.frlogin.Caption = t[55] + " + " + t[56];
    f.form.Focus = &f.tlogin;
    // The password is held only in its box, and only until the next login.
    f.tlogin.Text.clear();
    f.tpasw.Text.clear();
}

void tlogin_KeyPress(Desk& d, int& KeyAscii) {
    if (KeyAscii != kEnterKey) return;
    KeyAscii = 0;
    d.velto.form.Focus = &d.velto.tpasw;
}

void tpasw_Change(Desk&) {}

void cexl_Click(Desk& d) {
    d.velto.frlogin.Visible = false;
    d.velto.tpasw.Text.clear();
}

long long loginReplyNumber(std::string_view reply) {
    return valInt(afterMarker(reply, "ID_LV=").value_or(std::string_view()));
}

bool storeSupplierNumber(Desk& d, long long number) {
    if (number < 1 || number > kLargestStoredNumber) return false;
    DeskState& s = d.st;
    s.SupplierNumber = number;
    s.SupplierList[30] = numText(number);
    writeSupplierNumberField(s.SettingsRecord, number);
    s.SettingsDirty = 1;
    savedat(d);  // also stores the check value
    // A number that failed its check at load is replaced now: the change poll,
    // held back for the run by the mismatch, starts counting again.
    if (s.IdMismatch == 1) {
        s.IdMismatch = 0;
        s.PollCountdown = valInt(s.SystemList[0]);
    }
    return true;
}

void tpasw_KeyPress(Desk& d, int& KeyAscii) {
    if (KeyAscii != kEnterKey) return;
    KeyAscii = 0;
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    if (emptyOrBlankFirst(f.tlogin.Text)) {
        f.frlogin.Visible = false;
        return;
    }
    if (emptyOrBlankFirst(f.tpasw.Text)) return;

    // Offline nothing is sent and the last reply of some other exchange would
    // be read as the answer; say why instead.
    if (s.OnlineFlag != 1) {
        loginMessage(d, s.LanguageTable[105]);
        return;
    }
    s.ServerReply.clear();
    FetchOptions unlogged = mainWindowFetch();
    unlogged.logging = FetchLogging::Never;
    serverRequest(d, " LOGIN ", Script::Ctrl, 13,
                  {{"LOGINL", f.tlogin.Text}, {"PASWL", f.tpasw.Text}}, unlogged);
    // The activity log is a plain file: the exchange goes there with the
    // password blanked out. Nor does the password stay in the exchange state.
    if (s.LogEnabled == 1) {
        setRequest(s, Script::Ctrl, 13, {{"LOGINL", f.tlogin.Text}, {"PASWL", "*"}});
        loghandle(d);
    }
    s.RequestQuery.clear();
    s.RequestUrl.clear();
    if (s.ServerReply.empty()) {
        loginMessage(d, s.LanguageTable[106]);
        return;
    }
    const long long number = loginReplyNumber(s.ServerReply);
    if (number == 0) {
        loginMessage(d, s.LanguageTable[104]);
        return;
    }
    if (number < 1 || number > kLargestStoredNumber) {
        // The record has eight positions for the number; a longer one would be
        // lost at the next start and then fail its check.
        loginMessage(d, "The supplier number " + numText(number) + " cannot be stored.");
        return;
    }

    getlev(d);  // still with the previous number; the restart fetches it again
    storeSupplierNumber(d, number);
    s.StartupStep = 503;
    f.frlogin.Visible = false;
    f.tpasw.Text.clear();
}

}  // namespace plix
