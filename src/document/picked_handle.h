#pragma once

#include <cstdint>
#include <optional>

#include "sim/water.h"

namespace wavora {

class TBaseControl;

// A handle picked from the keyboard: the identifier of its object and its place among the object's
// HandlePoints (-1: none picked).
struct TPickedHandle {
  int32_t objectID = 0;
  int handle = -1;
  friend bool operator==(const TPickedHandle&, const TPickedHandle&) = default;
};

// The handle after (step > 0) or before (step < 0) the picked one: the next handle of its object, or
// else the first (last) handle of the next (previous) object that has one, in the object list's order
// (sources, media, tools), round from the end to the start. A pick that names no handle any more
// starts afresh at the first (last) handle. None when no object of the tank has a handle.
TPickedHandle StepPickedHandle(const TWater& tank, const TPickedHandle& picked, int step);
// The step as the user takes it: the new pick's object is selected, as a press on the handle selects
// it (a tool's panel comes up with it).
TPickedHandle PickNextHandle(TWater& tank, const TPickedHandle& picked, int step);

// Where the picked handle is now, or none when its object has gone or has no such handle any more.
struct THandlePlace {
  TRef<TBaseControl> object;
  TPoint cell;    // grid coordinates
  int count = 0;  // handles of the object
};
std::optional<THandlePlace> PickedHandlePlace(const TWater& tank, const TPickedHandle& picked);

// How far past the asked distance a nudge goes on looking for a move: two snap spacings, enough to
// reach the next snap line or to pass the other end of a line that holds the handle back.
inline constexpr int kNudgeGoOnCells = 32;

// Moves the picked handle as the pointer would drag it by (dx, dy) cells (grid coordinates, y upward):
// a press on the handle, moves, a release, so snapping, limits and re-mapping are the drag's. While the
// handle stays where it was (a snap line or the other end of a line holds it), the pointer goes on a
// cell at a time, up to kNudgeGoOnCells further. Returns whether a handle of the object moved.
bool NudgePickedHandle(TWater& tank, const TPickedHandle& picked, int dx, int dy);

}  // namespace wavora
