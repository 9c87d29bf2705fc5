#pragma once
// The reactions window veltorsp: shows the selected request and its
// conversation, sends reactions, opens the offer form and deletes (hides)
// the request. Its network work runs from its own 500 ms timer, which
// carries out ReactionsCommand: 99 reloads the request and its
// conversation, 98 sends the offer the offer window left.
#include "desk/core/desk.h"

namespace plix {

inline constexpr int kReloadRequest = 99;
inline constexpr int kSendOffer = 98;

// Loads and shows the window (relabelled when a language is loaded) and
// starts its timers.
void veltorsp_Load(Desk& d);
// One-shot after load: only switches itself off.
void veltorsp_Timer1_Timer(Desk& d);
// Carries out ReactionsCommand, and sends an offer that waits.
void veltorsp_Timer2_Timer(Desk& d);
// Sends the reaction in treact (chkl 05). Taken by the server, the box is
// emptied and the inbox is fetched again; otherwise the text stays and the
// user is told that it was not sent.
void veltorsp_csend_Click(Desk& d);
// A key in treact: the user is at work.
void veltorsp_treact_KeyDown(Desk& d);
// A key typed in the conversation is not kept: the focus moves to treact.
void veltorsp_list1_KeyPress(Desk& d);
// Fetches the stored offer and opens the offer window over the main window.
void veltorsp_cbestel_Click(Desk& d);
// Hides the request for this supplier (chkl 07), closes the window and has
// the inbox fetched again from its first page.
void veltorsp_cdelete_Click(Desk& d);
// Closes this window and the offer window.
void veltorsp_cexit_Click(Desk& d);
// Unloads the window (also as one of unloadall's). An offer that still waits
// is sent first, and an unsent reaction is kept for its request.
void veltorsp_Unload(Desk& d);
// Hands the window's timers to the scheduler; once, at start.
void veltorsp_Timers(Desk& d, Scheduler& s);

}  // namespace plix
