#include "desk/lang/veltosrv.h"

#include <optional>

#include "desk/core/number.h"
#include "desk/core/settings.h"

namespace plix {
namespace {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The typed number, or nothing (after a message) when the record cannot hold
// it: cut to its eight positions it would fail its check at the next start.
std::optional<std::string> typedNumber(Desk& d) {
    std::string number = trimmed(d.veltosrv.tid.Text);
    if (number.size() <= kNumberWidth) return number;
    if (d.os.messages)
        d.os.messages->show(d.st.LanguageTable[178] + " " + number, "  PLIX", MsgIcon::Exclamation,
                            MsgButtons::Ok);
    d.veltosrv.form.Focus = &d.veltosrv.tid;
    return std::nullopt;
}

void takeNumber(DeskState& s, const std::string& number) {
    s.SupplierList[30] = number;
    s.SupplierNumber = valInt(number);
    s.SettingsDirty = 1;
}

}  // namespace

void veltosrv_Load(Desk& d) {
    VeltosrvForm& w = d.veltosrv;
    w.turl.Text = d.st.ServerHost.substr(0, kServerHostLength);
    w.tid.Text = numText(d.st.SupplierNumber);
    w.form.Loaded = true;
    w.form.Visible = true;
    w.form.State = WindowState::Normal;
}

void veltosrv_cexit_Click(Desk& d) {
    DeskState& s = d.st;
    VeltosrvForm& w = d.veltosrv;
    const auto number = typedNumber(d);
    if (!number) return;
    std::string& r = s.SettingsRecord;
    r.replace(kHostOffset, kHostWidth + kNumberWidth, kHostWidth + kNumberWidth, ' ');
    const std::string host = w.turl.Text.substr(0, kServerHostLength);
    r.replace(kHostOffset, host.size(), host);
    r.replace(kNumberOffset, number->size(), *number);
    takeNumber(s, *number);
    readServerHost(d);  // the host typed is the one the sequence talks to
    savedat(d);  // what the user set is on disk when the window closes
    veltosrv_Unload(d);
    // Opening the window cleared the main window: the sequence tests the
    // connection again and brings the request list back.
    s.StartupStep = 503;
}

void veltosrv_cid_Click(Desk& d) {
    DeskState& s = d.st;
    std::string& r = s.SettingsRecord;
    r.replace(kHostOffset, kHostWidth + kNumberWidth, kHostWidth + kNumberWidth, ' ');
    for (int i = 0; i < kSupplierItemsStored; ++i) s.SupplierList[i].clear();
    r.replace(kSupplierItemsOffset, kSupplierItemsEnd - kSupplierItemsOffset,
              kSupplierItemsEnd - kSupplierItemsOffset, ' ');
    writeSupplierItems(r, s.SupplierList);
    s.SupplierList[30] = std::string(9, ' ');
    s.SupplierNumber = 0;
    s.InboxRefreshRequest = 99;
    d.veltosrv.tid.Text.clear();
    s.SettingsDirty = 1;
}

void veltosrv_tid_KeyPress(Desk& d, int& KeyAscii) {
    if (KeyAscii != kEnterKey) return;
    if (const auto number = typedNumber(d)) takeNumber(d.st, *number);
}

void veltosrv_turl_KeyDown(Desk& d) { d.st.SettingsDirty = 1; }

void veltosrv_turl_KeyPress(Desk& d, int& KeyAscii) {
    if (KeyAscii != kEnterKey) return;
    KeyAscii = 0;
    d.veltosrv.form.Focus = &d.veltosrv.cexit;
}

void veltosrv_Unload(Desk& d) {
    VeltosrvForm& w = d.veltosrv;
    w.form.Visible = false;
    w.form.Loaded = false;
}

}  // namespace plix
