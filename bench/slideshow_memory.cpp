// Memory that opening a slideshow of 200 slides costs at the default tank size, per kind of slide,
// against what the slides' grids alone need. Prints one row per kind; the README quotes the result.
//
//   build/release/bench/wavora_slideshow_memory [SLIDES] [SIDE]
//
// Resident memory is read from /proc/self/statm before the file is opened and while the opened
// document is alive, so it counts the pages the open actually touched, and again after every slide
// has run a few frames ("after run", over the grid); each kind runs in a fresh
// child process so that memory freed by one kind cannot be reused by the next.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "document/slideshow_file.h"
#include "document/water_collection.h"
#include "image/fast_dib.h"
#include "model/node_files.h"
#include "sim/frame_loop.h"
#include "sim/ri_map.h"
#include "sim/tool_class_list.h"
#include "sim/water_grid.h"

namespace wavora {
namespace {

int64_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  int64_t pages = 0;
  int64_t resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

struct TSlideKind {
  std::string name;
  std::function<void(TWater&)> fill;  // what a new default slide gets besides its source
};

constexpr int kFramesShown = 20;

std::vector<TSlideKind> SlideKinds() {
  std::vector<TSlideKind> kinds{{"default slide (empty tank, beam source)", [](TWater&) {}}};
  for (int i = 1; i < MapClassCount(); ++i) {
    const TClassInfo* mapClass = MapClass(i);
    kinds.push_back({mapClass->ClassName(), [mapClass](TWater& water) { water.SetRIMapClass(*mapClass); }});
  }
  kinds.push_back({"every tool of the tools menu", [](TWater& water) {
                     for (int i = 0; i < ToolCount(); ++i)
                       water.add(ToolClass(i)->Create());
                   }});
  return kinds;
}

// Writes the slideshow file at a small size (the file holds no size), opens it at side x side and
// prints the resident memory the open added, per slide.
void Measure(const TSlideKind& kind, int slides, int side) {
  const std::string path = "/tmp/wavora_slideshow_memory_" + std::to_string(getpid()) + ".wvr";
  {
    const TRef<TSlideshow> slideshow = MakeNode<TSlideshow>();
    slideshow->SetTankSize(20, 20);
    for (int i = 0; i < slides; ++i)
      kind.fill(*AddNewSlide(*slideshow));
    SaveToFile(*slideshow, path);
  }
  const int64_t before = ResidentBytes();
  const TOpenedSlideshow opened = OpenSlideshowFile(path, side, side);
  const int64_t after = ResidentBytes();
  std::remove(path.c_str());
  if (!opened.document) {
    std::printf("%-42s could not be opened: %s\n", kind.name.c_str(), opened.message.text.c_str());
    return;
  }
  // Then every slide is shown for a few frames, as a teacher going through the lesson would: what
  // objects keep from running (tools' sample buffers, transforms) stays with the slide.
  const TRef<TWaterCollection> slideshow = RefCast<TWaterCollection>(opened.document);
  TFastDIB image(side, side);
  for (int i = 0; i < slideshow->SlideCount(); ++i) {
    TFrameLoop loop;
    for (int frame = 0; frame < kFramesShown; ++frame)
      loop.RunFrame(slideshow->GetWater(i).Get(), image, false);
  }
  const int64_t shown = ResidentBytes();
  const double grid = static_cast<double>(side) * side * sizeof(TWaterCell);
  const double opening = static_cast<double>(after - before) / slides;
  const double showing = static_cast<double>(shown - before - image.Width() * image.Height() * 3) / slides;
  std::printf("%-42s %10.0f %10.0f %10.0f\n", kind.name.c_str(), opening, opening - grid, showing - grid);
}

}  // namespace
}  // namespace wavora

int main(int argc, char** argv) {
  using namespace wavora;
  const int slides = argc > 1 ? std::stoi(argv[1]) : kMaxSlidesPerFile;
  const int side = argc > 2 ? std::stoi(argv[2]) : 401;
  RegisterClasses();
  std::printf("%d slides at %d x %d; a grid is %zu bytes (%zu per cell)\n", slides, side, side,
              static_cast<size_t>(side) * side * sizeof(TWaterCell), sizeof(TWaterCell));
  std::printf("%-42s %10s %10s %10s\n", "bytes per slide", "opened", "over grid", "after run");
  for (const TSlideKind& kind : SlideKinds()) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
      Measure(kind, slides, side);
      std::fflush(stdout);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
  }
  return 0;
}
