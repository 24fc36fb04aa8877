#pragma once

#include <cstdint>

namespace wavora {

// Process-wide identifiers of tanks and scene objects: pseudo-random in 10 .. 2146999999, never one
// already issued in this run. Identifiers read from files are not recorded.
int32_t NewUniqueID();

// Restarts the pseudo-random sequence. The window seeds it from a clock at start-up; without a seed
// the sequence is the same in every run (the command-line runner, tests). Issued identifiers stay
// issued.
void SeedUniqueIDs(uint32_t seed);

// Forgets every issued identifier and restarts the unseeded sequence, as in a fresh process: the fuzz
// targets run each input this way, so an input replays alike alone or after millions of others,
// and the issued set does not grow from input to input.
void RestartUniqueIDs();

}  // namespace wavora
