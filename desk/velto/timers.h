#pragma once
// The main window's six timers and their handlers.
#include "desk/core/desk.h"

namespace plix {

// Hands the six timers of the main window to the scheduler.
void wireTimers(Desk& d);

void Timer1_Timer(Desk& d);
void Timer2_Timer(Desk& d);
void Timer3_Timer(Desk& d);
void Timer4_Timer(Desk& d);
void Timer5_Timer(Desk& d);
void Timer6_Timer(Desk& d);

// How many of the timer's coming ticks only count, or kIdleTicks when they
// would change nothing until another handler runs (Scheduler::setQuiet).
long long Timer1_Quiet(const Desk& d);
long long Timer2_Quiet(const Desk& d);
long long Timer3_Quiet(const Desk& d);
long long Timer5_Quiet(const Desk& d);

}  // namespace plix
