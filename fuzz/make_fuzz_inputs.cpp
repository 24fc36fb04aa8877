// Writes what the fuzz targets start from, generated from the registered classes so that it never
// goes stale: make_fuzz_inputs DIRECTORY writes DIRECTORY/wavora.dict and the seed inputs
// DIRECTORY/<target>/seed-N (slideshows for the reader and the loader, slides for the reader and the
// paste path).
#include <filesystem>
#include <fstream>
#include <iostream>

#include "fuzz_inputs.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fuzz_inputs DIRECTORY\n";
    return 2;
  }
  try {
    const std::filesystem::path directory = argv[1];
    for (const char* target : {"reader", "slideshow", "paste"})
      std::filesystem::create_directories(directory / target);
    WriteFile(directory / "wavora.dict", wavora::FuzzDictionary());
    const std::string slideshow = wavora::SeedSlideshowText();
    WriteFile(directory / "reader" / "seed-slideshow", slideshow);
    WriteFile(directory / "slideshow" / "seed-slideshow", slideshow);
    int n = 0;
    for (const std::string& slide : wavora::SeedSlideTexts()) {
      const std::string name = "seed-slide-" + std::to_string(n++);
      WriteFile(directory / "reader" / name, slide);
      WriteFile(directory / "paste" / name, slide);
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
