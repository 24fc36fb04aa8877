#pragma once

#include <string>
#include <vector>

namespace wavora {

// The example lessons' file names in the order a course teaches them, from first steps to the
// tsunami; files the course does not name follow, by name.
std::vector<std::string> InTeachingOrder(std::vector<std::string> fileNames);

}  // namespace wavora
