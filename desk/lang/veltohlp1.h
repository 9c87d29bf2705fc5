#pragma once
// The help window veltohlp1: the main window's help menu opens it on a topic
// (HelpTopic); 300 ms later its timer sizes it and looks the text up.
#include "desk/core/desk.h"

namespace plix {

// Loads and shows the window and starts its one-shot timer.
void veltohlp1_Load(Desk& d);
// Once: the window takes the frame's size, the close button its caption,
// the text box the topic's text in the current language (a missing text
// leaves what the box shows).
void veltohlp1_Timer1_Timer(Desk& d);
void veltohlp1_cexit_Click(Desk& d);
// Unloads the window (also as one of unloadall's); the text goes back to
// the design's.
void veltohlp1_Unload(Desk& d);
void veltohlp1_Timers(Desk& d, Scheduler& s);

}  // namespace plix
