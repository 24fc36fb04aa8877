#pragma once

#include <stdexcept>
#include <string_view>

namespace wavora {

class TLessonSession;

// A bad line of an event file: its number and what is wrong with it.
struct TEventError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Replays what a user did to a lesson, as the web page's test mode records it, one event a line:
//   slide K               shows slide K (from 1), as a click on its item in the slide list
//   frames N              runs N normal frames
//   move X Y              the pointer moves over the tank picture (pixels, Y downward), no button down
//   down X Y / up X Y     the left button goes down or up there
//   panel SLOT ID VALUE   changes control ID of the source, medium or tool panel (SLOT) to VALUE
// Blank lines and lines starting with # are skipped. Moves between down and up drag what the press
// took. Stops at the first bad line with TEventError, the events before it done.
void ReplayEvents(TLessonSession& session, std::string_view events);

}  // namespace wavora
