#pragma once
// The filter window veltoflt: the word filters kept on the server (ctrl 06
// fetch, ctrl 07 send) with their local copy in pxflt.dat, and the place and
// country filters in SystemList 15..17 that the inbox applies.
#include <optional>
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

// The fields of a "QFILT=" reply that came complete (each ended by "<br>").
struct FilterReply {
    std::optional<std::string> block, pass, number;
};
// Nothing when the reply holds no "QFILT=".
std::optional<FilterReply> cutFilterReply(std::string_view reply);

// Opens the window, once the start-up sequence put up the tray icon: the
// local copy, then the server's, the country and place boxes from the
// settings; the boxes are taken into the settings only from half a second on.
void veltoflt_Load(Desk& d);
// Fetches the word filters; without an answer the window shows the local
// copy and cannot send. Fields missing from the answer keep the local copy.
void getfilter(Desk& d);
// Takes the country and place boxes into CountryBlock and SystemList 15..17
// (only while the window is armed). All nine language countries cannot be
// blocked together: the interface language's box is unticked, and the stored
// mask is the one the boxes show.
void makefilter(Desk& d);

void veltoflt_Timer1_Timer(Desk& d);
void veltoflt_chkland_Click(Desk& d, int index);
// A place box typed into (or pasted into): taken into the settings.
void veltoflt_tplaats_Change(Desk& d, int index);
// The word boxes (tsper, tdoorlaat): a change marks the word filters changed;
// Enter does not break the list's line; any key counts as the user's action.
void veltoflt_words_Change(Desk& d);
void veltoflt_words_KeyPress(Desk& d, int& KeyAscii);
void veltoflt_words_KeyDown(Desk& d);
// Sends the word filters (after the text check) and asks for a fresh inbox.
void veltoflt_cupdate_Click(Desk& d);
// Closes the window: keeps the word filters in FilterRecord, asks whether to
// keep what changed, writes pxini.dat. False (the window stays open) while a
// box holds text that cannot be stored.
bool veltoflt_cexit_Click(Desk& d);

// Unloads the window (also as one of unloadall's): hidden, disarmed, its
// controls back to their design state.
void veltoflt_Unload(Desk& d);
void veltoflt_Timers(Desk& d, Scheduler& s);

}  // namespace plix
