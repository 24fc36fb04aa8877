#include "document/example_order.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace wavora {

namespace {

constexpr std::array<std::string_view, 8> kCourse = {
    "first_steps.wvr",        "reflection_and_refraction.wvr",
    "lenses_and_mirrors.wvr", "diffraction_and_interference.wvr",
    "doppler_effect.wvr",     "measuring_waves.wvr",
    "waves_in_the_earth.wvr", "tsunami.wvr"};

// Place in the course; lessons it does not name come after all of them.
size_t CoursePlace(std::string_view fileName) {
  return size_t(std::find(kCourse.begin(), kCourse.end(), fileName) - kCourse.begin());
}

}  // namespace

std::vector<std::string> InTeachingOrder(std::vector<std::string> fileNames) {
  std::sort(fileNames.begin(), fileNames.end(), [](const std::string& a, const std::string& b) {
    const size_t placeA = CoursePlace(a), placeB = CoursePlace(b);
    return placeA != placeB ? placeA < placeB : a < b;
  });
  return fileNames;
}

}  // namespace wavora
