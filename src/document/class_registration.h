#pragma once

namespace wavora {

// Fills the class lists the window offers (media with the empty tank first, sources, tools) and then
// the node registry with every class a file may hold, in the fixed start-up order. Runs once; later
// calls do nothing.
void RegisterClasses();

}  // namespace wavora
