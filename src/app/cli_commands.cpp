#include "app/cli_commands.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "document/slideshow_file.h"
#include "image/fast_dib.h"
#include "image/snapshot_file.h"
#include "model/node_files.h"
#include "sim/exciter.h"
#include "sim/field_file.h"
#include "sim/frame_loop.h"
#include "sim/ri_map.h"
#include "sim/tool_class_list.h"

namespace wavora {

namespace {

constexpr int kMaxSide = 4096;
constexpr long kMaxFrames = 10000000;

const char kUsage[] =
    "Usage:\n"
    "  wavora-cli run [FILE.wvr] [--slide K] [--size WxH] [--frames N] [--fast]\n"
    "                 [--image OUT.jpg|OUT.bmp] [--field OUT.bin] [--save OUT.wvr]\n"
    "      Runs a slideshow's slide (without FILE: a new slide with an empty tank and the\n"
    "      default source) for N frames (default 300; --fast: five steps a frame) on tanks of\n"
    "      W x H cells (default 401x401), then writes the tank picture and/or the field,\n"
    "      and saves the whole slideshow as the window does (with --frames 0: as it was read).\n"
    "  wavora-cli info FILE.wvr\n"
    "      Lists the slides of a slideshow.\n"
    "  wavora-cli classes\n"
    "      Lists the medium, source and tool classes a lesson can hold, in the order the\n"
    "      window offers them: list, element name, type name and type description, one\n"
    "      class a line, separated by tabs (line breaks and tabs in texts as \\n and \\t).\n"
    "  wavora-cli [run|info] --help\n"
    "      Prints this text.\n";

// A bad command line: reported on one line, exit status 2.
struct TUsageError {
  std::string message;
};

template <class Int>
Int WholeNumber(const std::string& text, Int low, Int high, const std::string& what) {
  Int value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    throw TUsageError{what};
  }
  return value;
}

struct TRunOptions {
  std::string file;
  std::optional<int> slide;
  int width = 401;
  int height = 401;
  long frames = 300;
  bool fast = false;
  std::string image;
  std::string field;
  std::string save;
};

TRunOptions ParseRunOptions(const std::vector<std::string>& args) {
  TRunOptions options;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw TUsageError{arg + " needs a value"};
      return args[++i];
    };
    if (arg == "--slide") {
      options.slide = WholeNumber<int>(value(), 1, kMaxSlidesPerFile, "--slide must be a slide number");
    } else if (arg == "--size") {
      const std::string& size = value();
      const std::string what = "--size must be WIDTHxHEIGHT with sides from 3 to " + std::to_string(kMaxSide);
      const size_t x = size.find('x');
      if (x == std::string::npos) throw TUsageError{what};
      options.width = WholeNumber<int>(size.substr(0, x), 3, kMaxSide, what);
      options.height = WholeNumber<int>(size.substr(x + 1), 3, kMaxSide, what);
    } else if (arg == "--frames") {
      options.frames = WholeNumber<long>(
          value(), 0, kMaxFrames, "--frames must be a whole number from 0 to " + std::to_string(kMaxFrames));
    } else if (arg == "--fast") {
      options.fast = true;
    } else if (arg == "--image") {
      options.image = value();
    } else if (arg == "--field") {
      options.field = value();
    } else if (arg == "--save") {
      options.save = value();
    } else if (arg.starts_with("-")) {
      throw TUsageError{"unknown option " + arg};
    } else if (options.file.empty()) {
      options.file = arg;
    } else {
      throw TUsageError{"only one slideshow file can be run"};
    }
  }
  return options;
}

// Opens the file as the window does, or makes the window's first slide. Notes of a file that opened
// with a message go to err; a file that did not open gives none.
TRef<TWaterCollection> OpenOrCreate(const std::string& file, int width, int height, std::ostream& err) {
  if (file.empty()) return NewSlideshow(width, height);
  const TOpenedSlideshow opened = OpenSlideshowFile(file, width, height);
  if (!opened.message.text.empty()) err << opened.message.text << "\n";
  return RefCast<TWaterCollection>(opened.document);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const TRunOptions options = ParseRunOptions(args);
  const TRef<TWaterCollection> slideshow = OpenOrCreate(options.file, options.width, options.height, err);
  if (!slideshow) return 1;
  if (options.slide && *options.slide > slideshow->SlideCount()) {
    throw TUsageError{"--slide must be a slide number from 1 to " + std::to_string(slideshow->SlideCount())};
  }
  // Without --slide the active slide runs; when none is marked active the window selects the first.
  int index = options.slide ? *options.slide - 1 : 0;
  if (!options.slide) {
    for (int i = 0; i < slideshow->SlideCount(); ++i) {
      if (slideshow->SlideUniqueID(i) == slideshow->ActiveID) index = i;
    }
  }
  const TRef<TWater> water = slideshow->GetWater(index);
  if (!water) {
    err << "Slide " << index + 1 << " holds no tank.\n";
    return 1;
  }
  slideshow->ActiveID = water->GetUniqueID();

  TFastDIB image(water->W(), water->H());
  TFrameLoop loop;
  loop.fast = options.fast;
  for (long frame = 0; frame < options.frames; ++frame)
    loop.RunFrame(water.Get(), image, false);
  if (options.frames == 0) water->DrawOnly(image);

  try {
    if (!options.image.empty()) SaveSnapshotFile(image, options.image);
    if (!options.field.empty()) WriteFileText(options.field, EncodeFieldFile(*water->Grid()));
    if (!options.save.empty()) SaveToFile(*slideshow, options.save);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  const long steps = options.frames * (options.fast ? 5 : 1);
  out << "Ran slide " << index + 1 << " \"" << slideshow->SlideName(index) << "\" for " << options.frames
      << " frames (" << steps << " steps) at " << water->W() << "x" << water->H() << ".\n";
  return 0;
}

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) throw TUsageError{"info needs exactly one slideshow file"};
  const TOpenedSlideshow opened = OpenSlideshowFile(args[1], 401, 401);
  if (!opened.message.text.empty()) err << opened.message.text << "\n";
  const TRef<TWaterCollection> slideshow = RefCast<TWaterCollection>(opened.document);
  if (!slideshow) return 1;
  out << args[1] << ": " << slideshow->SlideCount() << " slide" << (slideshow->SlideCount() == 1 ? "" : "s")
      << "\n";
  for (int i = 0; i < slideshow->SlideCount(); ++i) {
    const TRef<TWater> water = slideshow->GetWater(i);
    out << i + 1 << ". " << slideshow->SlideName(i)
        << (water && water == slideshow->GetActiveWater() ? "  (active)" : "") << "\n";
    out << "   Description: " << slideshow->SlideDescription(i) << "\n";
    if (!water) continue;
    const TRef<TBaseRIMap> medium = water->GetRIMap();
    out << "   Medium: "
        << (medium ? medium->TypeName() + " (" + medium->ClassInfo().ClassName() + ")" : "none") << "\n";
    out << "   Objects:";
    for (int k = 0; k < water->GetChildCount(); ++k) {
      out << (k ? ", " : " ") << water->GetChildren(k)->ClassInfo().ClassName();
    }
    out << "\n";
  }
  return 0;
}

// A text on one line of a tab-separated listing.
std::string OneLine(const std::string& text) {
  std::string line;
  for (const char c : text) {
    if (c == '\\') {
      line += "\\\\";
    } else if (c == '\n') {
      line += "\\n";
    } else if (c == '\t') {
      line += "\\t";
    } else if (c != '\r') {
      line += c;
    }
  }
  return line;
}

int Classes(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 1) throw TUsageError{"classes takes no arguments"};
  const std::pair<const char*, const TClassList*> lists[] = {
      {"medium", &MediumClasses()}, {"source", &ExciterClasses()}, {"tool", &ToolClasses()}};
  for (const auto& [list, classes] : lists) {
    for (int i = 0; i < classes->Count(); ++i) {
      const TClassInfo& info = *classes->Class(i);
      out << list << '\t' << info.ClassName() << '\t' << OneLine(info.TypeName()) << '\t'
          << OneLine(info.TypeDescription()) << '\n';
    }
  }
  return 0;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  RegisterClasses();
  try {
    if (arguments.empty()) throw TUsageError{"a command is needed: run, info or classes (see --help)"};
    const std::string& command = arguments[0];
    const auto isHelp = [](const std::string& arg) { return arg == "--help" || arg == "-h"; };
    const bool commandHelp = (command == "run" || command == "info" || command == "classes") &&
                             std::any_of(arguments.begin(), arguments.end(), isHelp);
    if (isHelp(command) || command == "help" || commandHelp) {
      out << kUsage;
      return 0;
    }
    if (command == "run") return Run(arguments, out, err);
    if (command == "info") return Info(arguments, out, err);
    if (command == "classes") return Classes(arguments, out);
    throw TUsageError{"unknown command " + command + " (see --help)"};
  } catch (const TUsageError& e) {
    err << "wavora-cli: " << e.message << "\n";
    return 2;
  } catch (const std::exception& e) {
    err << "wavora-cli: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace wavora
