#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace wavora {

// The command-line runner: "run" steps a slideshow (or a new slide) headless and writes the tank
// image and/or the field; "info" lists the slides of a file; "classes" lists the classes the window
// offers. Returns the exit status: 0 done, 1 the file or an output could not be used, 2 bad arguments.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace wavora
