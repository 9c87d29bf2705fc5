#pragma once
// The chat window veltochatl: the contacts the server lists for this supplier
// (chkl 13), one conversation (chkl 15) refreshed every 5 seconds, sending a
// line (chkl 14), blocking and unblocking a contact (chkl 17) and the notice
// that the supplier is in chat mode (chkl 16).
#include "desk/core/desk.h"

namespace plix {

// Opens the window: captions from the language table, the contacts, and the
// first contact's conversation; starts the window's timers.
void veltochatl_Load(Desk& d);
// Fetches the contact list into Combo1; without contacts the conversation
// controls hide and the status line says so.
void getcontact(Desk& d);
// A contact was chosen: it becomes the current contact, the server hears
// that the supplier is in chat mode, and its conversation is fetched.
void veltochatl_Combo1_Click(Desk& d);
// Fetches and shows the current contact's conversation: every line in its
// colour, the newest in view; a blocked one shows only the blocked notice.
void getchat(Desk& d);
// Tells the server the supplier is in chat mode (chkl 16).
void forceer(Desk& d);
// Sends the typed line as it stands, fetches the conversation again and
// empties the input box.
void veltochatl_csend_Click(Desk& d);
// Blocks or unblocks the current contact, whichever the button offers, and
// marks the conversation with a "****" line.
void veltochatl_cblock_Click(Desk& d);
// Fetches the contact list again and chooses the first contact.
void veltochatl_cververs_Click(Desk& d);
void veltochatl_cexit_Click(Desk& d);
// Any key in the input box: the user is at work.
void veltochatl_tchat_KeyDown(Desk& d);
void veltochatl_Timer1_Timer(Desk& d);
void veltochatl_Timer2_Timer(Desk& d);
// Unloads the window (also as one of unloadall's): hidden, timers stopped,
// contacts and conversation forgotten.
void veltochatl_Unload(Desk& d);
void veltochatl_Timers(Desk& d, Scheduler& s);

}  // namespace plix
