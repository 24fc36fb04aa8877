#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace wavora {

class TFastDIB;

// The runner's clips and worksheets, made by the record library where the build has it; a build
// without it (WebAssembly) refuses them before anything runs or is written.

// Why the runner cannot write a clip under the name, or empty when it can: a clip is a ".gif" or a
// ".webm" file.
std::string ClipRefusal(const std::string& fileName);

// --movie: every Nth frame of the run is recorded (the first always), and the clip is written after
// the run, replacing the file only when complete.
class TRunnerClip {
 public:
  static int MaxFrames();
  TRunnerClip(std::string fileName, int every, double fps, int width, int height);
  ~TRunnerClip();
  // The run's frame with this index (from 0).
  void Frame(long index, const TFastDIB& picture);
  // Whether the recording reached its bound, so that later frames are not in it.
  bool Full() const;
  // Raises an error naming the file and the reason when it cannot be written.
  void Write() const;

 private:
  struct TState;
  std::unique_ptr<TState> state_;
};

// "worksheet FILE.wvr OUT.pdf [--frames N]"; returns the exit status as RunCli does, and raises
// TUsageError for a bad command line.
int Worksheet(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace wavora
