#include "desk/velto/contest.h"

#include "desk/core/number.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"
#include "desk/profile/supplier.h"
#include "desk/velto/commands.h"
#include "desk/velto/startup.h"

namespace plix {

// The update question; true when the program is ending for the update. It
// ends only once the desktop took the download's address: otherwise the user
// is told where to fetch it and the old version goes on.
static bool offerUpdate(Desk& d) {
    DeskState& s = d.st;
    const MsgResult answer = d.os.messages->show(s.LanguageTable[88], s.LanguageTable[89],
                                                 MsgIcon::None, MsgButtons::OkCancel);
    if (answer != MsgResult::Ok) return false;
    const std::string address = "http://" + s.ServerHost + "/update/raridi.exe";
    d.velto.form.Pointer = MousePointer::Hourglass;
    const bool opened = d.os.urls && d.os.urls->open(address);
    d.velto.form.Pointer = MousePointer::Default;
    if (!opened) {
        d.os.messages->show(
            "The download could not be started. Fetch the new version by hand from:\n" + address,
            s.LanguageTable[89], MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    close_ze2002_Click(d);
    return true;
}

void contest(Desk& d) {
    DeskState& s = d.st;
    s.ConnectState = 0;
    s.StatusLine1 = s.LanguageTable[105];
    s.StatusLine2 = s.LanguageTable[106];
    s.TestFailed = 1;

    serverRequest(d, " CONTEST ", Script::Ctrl, 1, {});
    const std::string_view reply = s.ServerReply;

    // "cnt=" then one character, then the count; a reply without the marker
    // counts as no supplier (it is no answer of the server's script).
    const std::optional<std::string_view> count = afterMarker(reply, "cnt=", 1);
    if (count) {
        s.StatusLine1 = s.LanguageTable[102] + s.LanguageTable[101];
        s.ConnectState = 1;
        if (val(*count) != 0) {
            s.StatusLine2 = s.LanguageTable[103];
            s.ConnectState = 2;
            s.TestFailed = 0;
        }
    }
    // The server's language note: at most two characters, ending at a tag.
    if (const std::optional<std::string_view> language = afterMarker(reply, "Taal=")) {
        const std::string_view note = language->substr(0, 2);
        s.ServerLanguage = std::string(note.substr(0, note.find('<')));
    }

    if (s.ConnectState == 2) {
        if (const std::optional<std::string_view> version = afterMarker(reply, "VERSIE=")) {
            const std::string_view own =
                s.Version.empty() ? std::string_view(buildVersion()) : std::string_view(s.Version);
            if (*version != own && d.os.messages && offerUpdate(d)) return;
        }
        getlev(d);
    }
}

}  // namespace plix
