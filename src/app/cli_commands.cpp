#include "app/cli_commands.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "app/cli_record.h"
#include "app/cli_usage.h"
#include "app/event_replay.h"
#include "document/class_registration.h"
#include "document/lesson_session.h"
#include "document/slide_commands.h"
#include "document/slide_run.h"
#include "document/slideshow_file.h"
#include "image/fast_dib.h"
#include "image/jpeg_file.h"
#include "image/snapshot_file.h"
#include "model/file_text.h"
#include "model/node_files.h"
#include "model/number_text.h"
#include "sim/exciter.h"
#include "sim/field_file.h"
#include "sim/frame_loop.h"
#include "sim/ri_map.h"
#include "sim/tool.h"
#include "sim/tool_class_list.h"
#include "sim/tool_data.h"
#include "sim/tool_panel.h"

namespace wavora {

namespace {

constexpr int kMaxSide = 4096;
constexpr long kMaxFrames = 10000000;

const char kUsage[] =
    "Usage:\n"
    "  wavora-cli run [FILE.wvr] [--slide K] [--size WxH] [--frames N] [--fast]\n"
    "                 [--image OUT.jpg|OUT.bmp] [--field OUT.bin] [--save OUT.wvr]\n"
    "                 [--panel-image OUT.jpg|OUT.bmp] [--panel-size WxH] [--tool-data OUT.csv]\n"
    "                 [--events EVENTS.txt] [--theory]\n"
    "                 [--movie OUT.gif|OUT.webm] [--every N] [--fps F]\n"
    "      Runs a slideshow's slide (without FILE: a new slide with an empty tank and the\n"
    "      default source) for N frames (default 300; --fast: five steps a frame) on tanks of\n"
    "      W x H cells (default 401x401), then writes the tank picture, the field, the\n"
    "      active tool's panel picture (default 417x169) and/or every tool's readings, and\n"
    "      saves the whole slideshow as the window does (with --frames 0: as it was read).\n"
    "      --events replays what a user did in the web page instead of running frames (one\n"
    "      event a line: slide K, frames N, move X Y, down X Y, up X Y, panel SLOT ID VALUE),\n"
    "      on the slideshow as the page opens it; then --image, --field, --save and\n"
    "      --tool-data write what the page holds.\n"
    "      --movie records the run as an animated GIF or a WebM video: every Nth frame\n"
    "      (default 1, the first frame always), played at F frames a second (default 25;\n"
    "      a GIF rounds its delay to hundredths of a second, 2 at the least).\n"
    "      --theory draws what physics predicts for the experiment over the tank picture\n"
    "      and the clip.\n"
    "  wavora-cli worksheet FILE.wvr OUT.pdf [--frames N]\n"
    "      Writes a printable worksheet: a page for each slide with its number, name and\n"
    "      description, the tank after N frames (default 300), the active tool's panel and\n"
    "      lines to write on; A4 or Letter after the paper of the locale (LC_PAPER).\n"
    "  wavora-cli info FILE.wvr\n"
    "      Lists the slides of a slideshow.\n"
    "  wavora-cli classes\n"
    "      Lists the medium, source and tool classes a lesson can hold, in the order the\n"
    "      window offers them: list, element name, type name and type description, one\n"
    "      class a line, separated by tabs (line breaks and tabs in texts as \\n and \\t).\n"
    "  wavora-cli [run|info|worksheet] --help\n"
    "      Prints this text.\n";

struct TRunOptions {
  std::string file;
  std::optional<int> slide;
  int width = 401;
  int height = 401;
  long frames = 300;
  bool fast = false;
  bool theory = false;
  std::string image;
  std::string field;
  std::string save;
  std::string panelImage;
  int panelWidth = kToolPanelWidth;
  int panelHeight = kToolPanelHeight;
  std::string toolData;
  std::string events;
  std::string movie;
  int every = 1;
  double fps = 25;
};

// --fps: frames a second, 1 ... 100.
double ClipFrameRate(const std::string& text) {
  const std::optional<double> fps = ParseDouble(text);
  if (!fps || !(*fps >= 1 && *fps <= 100)) throw TUsageError{"--fps must be a number from 1 to 100"};
  return *fps;
}

// WIDTHxHEIGHT with both sides in low ... kMaxSide.
void ParseSize(const std::string& option, const std::string& size, int low, int& width, int& height) {
  const std::string what = option + " must be WIDTHxHEIGHT with sides from " + std::to_string(low) + " to " +
                           std::to_string(kMaxSide);
  const size_t x = size.find('x');
  if (x == std::string::npos) throw TUsageError{what};
  width = WholeNumber<int>(size.substr(0, x), low, kMaxSide, what);
  height = WholeNumber<int>(size.substr(x + 1), low, kMaxSide, what);
}

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
      ParseSize(arg, value(), 3, options.width, options.height);
    } else if (arg == "--panel-size") {
      ParseSize(arg, value(), 1, options.panelWidth, options.panelHeight);
    } else if (arg == "--panel-image") {
      options.panelImage = value();
    } else if (arg == "--tool-data") {
      options.toolData = value();
    } else if (arg == "--frames") {
      options.frames = WholeNumber<long>(
          value(), 0, kMaxFrames, "--frames must be a whole number from 0 to " + std::to_string(kMaxFrames));
    } else if (arg == "--fast") {
      options.fast = true;
    } else if (arg == "--theory") {
      options.theory = true;
    } else if (arg == "--image") {
      options.image = value();
    } else if (arg == "--field") {
      options.field = value();
    } else if (arg == "--save") {
      options.save = value();
    } else if (arg == "--events") {
      options.events = value();
    } else if (arg == "--movie") {
      options.movie = value();
    } else if (arg == "--every") {
      options.every = WholeNumber<int>(value(), 1, 1000, "--every must be a whole number from 1 to 1000");
    } else if (arg == "--fps") {
      options.fps = ClipFrameRate(value());
    } else if (arg.starts_with("-")) {
      throw TUsageError{"unknown option " + arg};
    } else if (options.file.empty()) {
      options.file = arg;
    } else {
      throw TUsageError{"only one slideshow file can be run"};
    }
  }
  if (!options.events.empty() &&
      (options.slide || options.fast || options.theory || options.frames != 300 ||
       !options.panelImage.empty() || !options.movie.empty() || options.file.empty())) {
    throw TUsageError{
        "--events needs a slideshow file and takes none of --slide, --frames, --fast, --theory, "
        "--panel-image, --movie"};
  }
  // Refused before the run, so that nothing is written.
  for (const std::string* picture : {&options.image, &options.panelImage}) {
    if (!picture->empty() && !CanSaveSnapshot(*picture)) {
      throw TUsageError{"cannot write \"" + *picture + "\": " + std::string(kNoJpegWriter) +
                        " (a name ending in .bmp gives a BMP picture)"};
    }
  }
  if (!options.movie.empty()) {
    if (const std::string refusal = ClipRefusal(options.movie); !refusal.empty()) throw TUsageError{refusal};
    if (options.frames == 0) throw TUsageError{"--movie needs at least one frame"};
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

// Why a slide has no panel to picture, naming its tools so the user sees what it holds.
std::string NoPanelMessage(const TWater& water, int index, const std::string& name) {
  std::string tools;
  for (int i = 0; i < water.GetChildCount(); ++i) {
    if (const auto* tool = dynamic_cast<const TBaseTool*>(water.GetChildren(i).Get()))
      tools += (tools.empty() ? "" : ", ") + tool->TypeName();
  }
  return "Slide " + std::to_string(index + 1) + " \"" + name +
         "\" has no active tool with a panel to picture; " +
         (tools.empty() ? "it has no tools." : "its tools: " + tools + ".");
}

// The slideshow opened as the web page opens it, what its user did replayed, and what the page then
// holds written out.
int RunEvents(const TRunOptions& options, std::ostream& out, std::ostream& err) {
  const std::string events = ReadFileText(options.events);
  TRunClock clock;
  TLessonSession session(options.width, options.height);
  const TOpenedLesson opened = session.Open(ReadFileText(options.file), options.file);
  if (!opened.message.text.empty()) err << opened.message.text << "\n";
  if (!opened.opened) return 1;
  // The page's slide list draws every slide for its thumbnails when it opens a slideshow.
  for (int i = 0; i < session.SlideCount(); ++i)
    session.SlidePicture(i);
  try {
    ReplayEvents(session, events);
  } catch (const TEventError& e) {
    throw TUsageError{e.what()};
  }
  if (!options.image.empty()) SaveSnapshotFile(session.Picture(), options.image);
  if (!options.field.empty()) WriteFileText(options.field, session.FieldBytes());
  if (!options.save.empty()) WriteFileText(options.save, session.Save());
  if (!options.toolData.empty()) WriteFileText(options.toolData, session.ToolReadingsCsv());
  out << "Replayed " << options.events << " on slide " << session.ShownSlide() + 1 << ".\n";
  return 0;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const TRunOptions options = ParseRunOptions(args);
  if (!options.events.empty()) return RunEvents(options, out, err);
  TRunClock clock;
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

  TSlideRun run(clock, water, options.panelWidth, options.panelHeight, options.fast);
  run.ShowTheory(options.theory);
  // Refused before the run, which may be long, rather than after it with nothing written.
  TBaseCPFrame* activePanel = run.ActivePanel();
  if (!options.panelImage.empty() && !activePanel) {
    err << NoPanelMessage(*water, index, slideshow->SlideName(index)) << "\n";
    return 1;
  }
  std::optional<TRunnerClip> clip;
  if (!options.movie.empty()) clip.emplace(options.movie, options.every, options.fps, water->W(), water->H());
  for (long frame = 0; frame < options.frames; ++frame) {
    run.RunFrame();
    if (clip) clip->Frame(frame, run.Picture());
  }
  if (clip && clip->Full())
    err << "The clip reached its bound of " << TRunnerClip::MaxFrames()
        << " frames; later ones are not in it.\n";
  run.Finish();
  const TFastDIB& image = run.Picture();

  try {
    if (!options.image.empty()) SaveSnapshotFile(image, options.image);
    if (!options.field.empty()) WriteFileText(options.field, EncodeFieldFile(*water->Grid()));
    if (!options.save.empty()) SaveToFile(*slideshow, options.save);
    if (!options.panelImage.empty()) SaveSnapshotFile(activePanel->SnapshotPicture(), options.panelImage);
    if (!options.toolData.empty()) WriteFileText(options.toolData, ToolDataCsv(*water));
    if (clip) clip->Write();
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
    if (arguments.empty())
      throw TUsageError{"a command is needed: run, info, classes or worksheet (see --help)"};
    const std::string& command = arguments[0];
    const auto isHelp = [](const std::string& arg) { return arg == "--help" || arg == "-h"; };
    const bool commandHelp =
        (command == "run" || command == "info" || command == "classes" || command == "worksheet") &&
        std::any_of(arguments.begin(), arguments.end(), isHelp);
    if (isHelp(command) || command == "help" || commandHelp) {
      out << kUsage;
      return 0;
    }
    if (command == "run") return Run(arguments, out, err);
    if (command == "info") return Info(arguments, out, err);
    if (command == "classes") return Classes(arguments, out);
    if (command == "worksheet") return Worksheet(arguments, out, err);
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
