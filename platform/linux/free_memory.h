#pragma once

namespace plix {

// Hands the heap's free pages back to the system. The program runs all day
// and works in short bursts (a poll, a list, a redraw) that leave freed
// memory behind; giving it back after a burst keeps the resident size near
// what the program really holds while it waits.
void releaseFreeMemory();

}  // namespace plix
