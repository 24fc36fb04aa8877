#pragma once

#include <functional>
#include <stdexcept>

namespace wavora {

// Long work reports how much of it is done (0 ... 1) now and then; the callback returns false to
// cancel it, which the work then raises as TCancelled after it has cleaned up.
using TProgress = std::function<bool(double done)>;

class TCancelled : public std::runtime_error {
 public:
  TCancelled() : std::runtime_error("Cancelled") {}
};

// Reports the part done of a piece of work that is itself the share [start, start + share) of the
// whole; raises TCancelled when the callback asks to stop.
inline void Report(const TProgress& progress, double start, double share, double done) {
  if (progress && !progress(start + share * done)) throw TCancelled();
}

}  // namespace wavora
