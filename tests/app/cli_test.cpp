#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <tuple>

#include "app/cli_commands.h"
#include "document/slide_run.h"
#include "document/slideshow_file.h"
#include "document/water_collection.h"
#include "model/file_text.h"
#include "model/node_files.h"
#include "record/worksheet.h"

namespace wavora {
namespace {

struct TCliResult {
  int status;
  std::string out;
  std::string err;
};

TCliResult Cli(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = RunCli(arguments, out, err);
  return {status, out.str(), err.str()};
}

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "wavora_cli_" + name;
}

const char kTwoSlides[] =
    "<TSlideshow ActiveID=\"22\" Version=\"0.5\">\r\n"
    "  <TWater UniqueID=\"11\" Name=\"First\">\r\n    <TNoneRIMap UniqueID=\"12\" />\r\n  </TWater>\r\n"
    "  <TWater UniqueID=\"22\" Name=\"Second\" Description=\"Look closely\">\r\n"
    "    <TNoneRIMap UniqueID=\"23\" />\r\n  </TWater>\r\n"
    "</TSlideshow>\r\n";

TEST(Cli, BadArgumentsGiveOneLineAndStatusTwo) {
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{},
                                                    {"dance"},
                                                    {"run", "--size", "10"},
                                                    {"run", "--size", "2x100"},
                                                    {"run", "--frames", "-1"},
                                                    {"run", "--frames"},
                                                    {"run", "--bogus"},
                                                    {"run", "--panel-size", "0x10"},
                                                    {"run", "--tool-data"},
                                                    {"run", "a.wvr", "b.wvr"},
                                                    {"run", "--movie", "clip.mp4"},
                                                    {"run", "--movie", "clip.gif", "--frames", "0"},
                                                    {"run", "--fps", "0"},
                                                    {"run", "--every", "0"},
                                                    {"run", "a.wvr", "--events", "e.txt", "--theory"},
                                                    {"worksheet", "a.wvr"},
                                                    {"info"},
                                                    {"classes", "media"}}) {
    const TCliResult result = Cli(arguments);
    EXPECT_EQ(result.status, 2) << result.err;
    EXPECT_EQ(result.err.rfind("wavora-cli: ", 0), 0u);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--help"},
                                                    {"run", "--help"},
                                                    {"info", "-h"},
                                                    {"run", "x.wvr", "--help"},
                                                    {"worksheet", "--help"}}) {
    const TCliResult help = Cli(arguments);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage:\n", 0), 0u) << help.out;
  }
}

TEST(Cli, ClassesListsEveryOfferedClassOnOneTabSeparatedLine) {
  const TCliResult result = Cli({"classes"});
  ASSERT_EQ(result.status, 0) << result.err;
  std::istringstream lines(result.out);
  std::vector<std::string> rows;
  for (std::string line; std::getline(lines, line);) {
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3) << line;
    rows.push_back(line);
  }
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[0], "medium\tTNoneRIMap\tEmpty Tank\t ");
  const auto source = std::find(rows.begin(), rows.end(),
                                "source\tTGeneralExciter\tWave Source\tCan make different widths of wave ");
  EXPECT_NE(source, rows.end());
}

TEST(Cli, InfoListsTheSlidesOrSaysWhyTheFileDidNotOpen) {
  const std::string path = TempPath("two.wvr");
  WriteFileText(path, kTwoSlides);
  const TCliResult info = Cli({"info", path});
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("2 slides"), std::string::npos);
  EXPECT_NE(info.out.find("1. First\n"), std::string::npos);
  EXPECT_NE(
      info.out.find("2. Second  (active)\n   Description: Look closely\n   Medium: Empty Tank (TNoneRIMap)"),
      std::string::npos)
      << info.out;

  // What opening said, as the window would show it: the start of each message.
  const std::string cut =
      std::string(kTwoSlides).substr(0, std::string(kTwoSlides).find("  <TWater UniqueID=\"22\""));
  const std::tuple<std::string, int, std::string> cases[] = {
      {"<TWater />", 1, "File did not contain a slideshow\n"},
      {cut, 1, "Even after trying to ignore errors, this file could not be loaded."},
      {"<TSlideshow Version=\"1\"><TWater/></TSlideshow>", 0, ""},
      {"<TSlideshow Version=\"1.01\"><TWater/></TSlideshow>", 0,
       "File is from a newer version but seems to have loaded without a problem\n"},
      {"<TSlideshow Version=\"2\"><TWater><TFoo/></TWater></TSlideshow>", 0,
       "File is from a newer version and some objects seem to have been lost, salvaged slideshow has been "
       "loaded.\n\nThe following problem was reported:\n\nUnrecognised Tag: TFoo at "}};
  for (const auto& [text, status, message] : cases) {
    WriteFileText(TempPath("opened.wvr"), text);
    const TCliResult opened = Cli({"info", TempPath("opened.wvr")});
    EXPECT_EQ(opened.status, status) << text;
    EXPECT_EQ(message.empty() ? opened.err : opened.err.substr(0, message.size()), message) << text;
  }
  EXPECT_EQ(Cli({"run", TempPath("missing.wvr")}).status, 1);
  EXPECT_EQ(Cli({"run", path, "--slide", "3"}).status, 2);
}

TEST(Cli, RunWritesTheFieldOfTheChosenSlideAndItsPicture) {
  const std::string path = TempPath("run.wvr");
  WriteFileText(path, kTwoSlides);
  const std::string field = TempPath("field.bin");
  const std::string image = TempPath("tank.bmp");
  const TCliResult run = Cli(
      {"run", path, "--slide", "1", "--size", "40x30", "--frames", "3", "--field", field, "--image", image});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Ran slide 1 \"First\" for 3 frames (3 steps) at 40x30.\n");

  const std::string bytes = ReadFileText(field);
  ASSERT_EQ(bytes.size(), 16u + 40 * 30 * 16);
  EXPECT_EQ(bytes.substr(0, 8), "WVFIELD1");
  EXPECT_EQ(bytes.substr(8, 8), std::string("\x28\0\0\0\x1E\0\0\0", 8));
  // Cell [0][0]: no field, open medium, 0.999 damping on the outer ring.
  float cell[4];
  std::memcpy(cell, bytes.data() + 16, sizeof cell);
  EXPECT_EQ(cell[0], 0.0f);
  EXPECT_EQ(cell[2], 0.5f);
  EXPECT_EQ(cell[3], 0.999f);
  EXPECT_EQ(ReadFileText(image).substr(0, 2), "BM");
  // The theory overlay changes the picture; without it the picture is the same as before, byte for byte.
  const std::string picture = ReadFileText(image);
  for (const bool theory : {true, false}) {
    std::vector<std::string> again = {"run",   path,       "--slide", "1",       "--size",
                                      "40x30", "--frames", "3",       "--image", image};
    if (theory) again.push_back("--theory");
    ASSERT_EQ(Cli(again).status, 0);
    EXPECT_EQ(ReadFileText(image) == picture, !theory);
  }

  for (const char* option : {"--image", "--save"}) {
    const TCliResult unwritable =
        Cli({"run", path, "--size", "40x30", "--frames", "1", option, "/nonexistent/x.jpg"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("/nonexistent/x.jpg"), std::string::npos);
  }
}

// The web page's test mode records what its user did; replayed here it runs the same frames as a run.
TEST(Cli, EventsReplayWhatThePageDidOrNameTheBadLine) {
  const std::string path = TempPath("events.wvr");
  WriteFileText(path, kTwoSlides);
  const std::string events = TempPath("events.txt");
  WriteFileText(events, "# three frames of the second slide\nslide 2\nframes 2\n\nframes 1\n");
  const std::string replayed = TempPath("replayed.bin");
  const TCliResult replay = Cli({"run", path, "--size", "40x30", "--events", events, "--field", replayed});
  ASSERT_EQ(replay.status, 0) << replay.err;
  EXPECT_EQ(replay.out, "Replayed " + events + " on slide 2.\n");
  const std::string ran = TempPath("ran.bin");
  ASSERT_EQ(Cli({"run", path, "--size", "40x30", "--slide", "2", "--frames", "3", "--field", ran}).status, 0);
  EXPECT_TRUE(ReadFileText(replayed) == ReadFileText(ran));
  // The pointer's events replay too: a press, a drag and a release over the tank.
  WriteFileText(events, "frames 1\ndown 3 3\nmove 20 15\nup 20 15\nframes 1\n");
  EXPECT_EQ(Cli({"run", path, "--size", "40x30", "--events", events, "--field", replayed}).status, 0);

  for (const auto& [line, why] : std::vector<std::pair<std::string, std::string>>{
           {"slide 3", "event line 2: \"3\" is not a whole number from 1 to 2"},
           {"frames", "event line 2: frames takes 1 value"},
           {"panel medium Nothing 1", "event line 2: the medium panel refused Nothing"},
           {"panel light Nothing 1", "event line 2: the panel is source, medium or tool"},
           {"down 1", "event line 2: down takes 2 values"},
           {"jump 1 2", "event line 2: unknown event \"jump\""}}) {
    WriteFileText(events, "frames 1\n" + line + "\n");
    const TCliResult refused = Cli({"run", path, "--size", "40x30", "--events", events, "--field", replayed});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "wavora-cli: " + why + "\n");
  }
  EXPECT_EQ(Cli({"run", path, "--events", events, "--frames", "5"}).status, 2);
  EXPECT_EQ(Cli({"run", path, "--events", events, "--movie", TempPath("replay.gif")}).status, 2);
}

TEST(Cli, SaveWritesEverySlideAsTheWindowWouldAndReadsBackTheSame) {
  const std::string path = TempPath("tidy_in.wvr");
  WriteFileText(path, kTwoSlides);
  const std::string saved = TempPath("tidy_out.wvr");
  const TCliResult run = Cli({"run", path, "--size", "40x30", "--frames", "0", "--save", saved});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = ReadFileText(saved);
  EXPECT_EQ(text.rfind("<TSlideshow ActiveID=\"", 0), 0u) << text;

  // The copy lists the same slides with the same one active.
  const auto slides = [](const std::string& file) {
    const std::string listing = Cli({"info", file}).out;
    return listing.substr(listing.find('\n'));
  };
  EXPECT_EQ(slides(saved), slides(path));
}

// The default beam with a cross-section across it, a stopwatch running, a paper tape whose panel is
// shown, the default ruler and a protractor opened to a straight line.
const char kBeamWithTools[] =
    "<TSlideshow ActiveID=\"11\" Version=\"0.5\">\r\n  <TWater UniqueID=\"11\" Name=\"Beam\">\r\n"
    "    <TNoneRIMap UniqueID=\"12\" />\r\n    <TGeneralExciter UniqueID=\"13\" />\r\n"
    "    <TTimerTool UniqueID=\"14\" TurnedOff=\"False\" />\r\n"
    "    <TCrossSectionTool UniqueID=\"15\" />\r\n"
    "    <TPointLoggerTool UniqueID=\"16\" ActiveCPTool=\"True\" />\r\n    <TRuler UniqueID=\"17\" />\r\n"
    "    <TProtractor UniqueID=\"18\" X1Percent=\"10\" Y1Percent=\"50\" X2Percent=\"50\" Y2Percent=\"50\" "
    "X3Percent=\"90\" Y3Percent=\"50\" />\r\n  </TWater>\r\n</TSlideshow>\r\n";

TEST(Cli, ToolDataShowTheSourcesWavelengthAndTheRunsTime) {
  const std::string path = TempPath("beam.wvr");
  WriteFileText(path, kBeamWithTools);
  const std::string data = TempPath("tools.csv");
  const TCliResult run = Cli({"run", path, "--frames", "300", "--tool-data", data});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = ReadFileText(data);
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "tool,type,quantity,x,x_unit,value,value_unit\r");
  std::getline(lines, line);
  EXPECT_EQ(line, "1,Stopwatch,elapsed,,,4.8,s\r") << "300 frames of 16 ms";
  // Rising zero crossings of the displacement along the line, interpolated between samples.
  std::vector<double> crossings;
  double lastX = 0, lastValue = 0;
  while (std::getline(lines, line) && !line.starts_with("3,")) {
    ASSERT_EQ(line.rfind("2,Cross-section,displacement,", 0), 0u) << line;
    double x = 0, value = 0;
    ASSERT_EQ(std::sscanf(line.c_str(), "2,Cross-section,displacement,%lf,mm,%lf,mm", &x, &value), 2) << line;
    if (lastValue < 0 && value >= 0)
      crossings.push_back(lastX + (x - lastX) * -lastValue / (value - lastValue));
    lastX = x;
    lastValue = value;
  }
  ASSERT_GE(crossings.size(), 4u);
  const double wavelength = (crossings.back() - crossings.front()) / double(crossings.size() - 1);
  EXPECT_NEAR(wavelength, 25, 1);
  // The tape shown in the panel logs from the first step, as the stopwatch times: 300 steps of 16 ms
  // fill the columns of 10 ms up to 4790 ms.
  EXPECT_NE(text.find("\n3,Paper tape Logger,displacement,4790,ms,"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\n4,Ruler,length,,,156,mm\r\n5,Protractor,angle,,,180,degrees\r\n")) << text;

  // A slide without a panel tool has no panel picture: refused before the run, naming its tools.
  WriteFileText(
      path,
      "<TSlideshow Version=\"0.5\"><TWater UniqueID=\"11\" Name=\"Timing\"><TNoneRIMap UniqueID=\"12\" />"
      "<TTimerTool UniqueID=\"13\" /><TRuler UniqueID=\"14\" /></TWater></TSlideshow>");
  const TCliResult noPanel =
      Cli({"run", path, "--frames", "1", "--size", "40x30", "--panel-image", TempPath("panel.bmp")});
  EXPECT_EQ(noPanel.status, 1);
  EXPECT_EQ(noPanel.err,
            "Slide 1 \"Timing\" has no active tool with a panel to picture; its tools: Stopwatch, Ruler.\n");
}

TEST(Cli, MovieKeepsEveryNthFrameAsAGifOrAVideo) {
  for (const char* name : {"clip.gif", "clip.webm"}) {
    const std::string path = TempPath(name);
    const TCliResult run = Cli({"run", "--size", "40x30", "--frames", "7", "--every", "3", "--movie", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = ReadFileText(path);
    EXPECT_TRUE(bytes.starts_with(std::string_view(name).ends_with(".gif") ? "GIF89a" : "\x1A\x45\xDF\xA3"));
  }
  // Three frames (0, 3 and 6), each with its delay of 4 hundredths: "\x21\xF9\x04" opens each delay.
  const std::string gif = ReadFileText(TempPath("clip.gif"));
  size_t delays = 0;
  for (size_t at = gif.find("\x21\xF9\x04"); at != std::string::npos; at = gif.find("\x21\xF9\x04", at + 1)) {
    ++delays;
    EXPECT_EQ(gif[at + 4], 4);
  }
  EXPECT_EQ(delays, 3u);
}

// What a program of poppler-utils prints about the file.
std::string Poppler(const std::string& command) {
  std::string printed;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return printed;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    printed.append(buffer, n);
  ::pclose(pipe);
  return printed;
}

// The text with every run of white space as one space.
std::string Words(const std::string& text) {
  std::string words;
  for (const char c : text) {
    const bool space = std::isspace(static_cast<unsigned char>(c));
    if (!space) words += c;
    if (space && !words.empty() && words.back() != ' ') words += ' ';
  }
  return words;
}

TEST(Cli, WorksheetHasAPagePerSlideWithItsTextAndPicturesAndLeavesTheLessonAsItWas) {
  const std::string lessonFile = WAVORA_EXAMPLES_DIR "/first_steps.wvr";
  const std::string pdf = TempPath("worksheet.pdf");
  const TCliResult made = Cli({"worksheet", lessonFile, pdf, "--frames", "30"});
  ASSERT_EQ(made.status, 0) << made.err;
  const TRef<TWaterCollection> lesson =
      RefCast<TWaterCollection>(OpenSlideshowFile(lessonFile, 401, 401).document);
  const int slides = lesson->SlideCount();
  ASSERT_EQ(slides, 4);

  EXPECT_NE(Words(Poppler("pdfinfo " + pdf)).find(" Pages: 4 "), std::string::npos);
  const std::string text = Words(Poppler("pdftotext " + pdf + " -"));
  size_t at = 0;
  for (int i = 0; i < slides; ++i) {
    const std::string page = Words("Slide " + std::to_string(i + 1) + " " + lesson->SlideName(i) + " " +
                                   lesson->SlideDescription(i));
    at = text.find(page, at);
    EXPECT_NE(at, std::string::npos) << page << "\nin\n" << text;
  }
  // One picture a page, the tank's: none of these slides has a tool with a panel.
  const std::string images = Poppler("pdfimages -list " + pdf);
  for (int page = 1; page <= slides; ++page) {
    const std::string row =
        "\n   " + std::to_string(page) + "     " + std::to_string(page - 1) + " image     401   401";
    EXPECT_NE(images.find(row), std::string::npos) << images;
  }
  EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2 + slides);

  // The first page's picture is the first slide after 30 frames, to the byte.
  TRunClock clock;
  TSlideRun run(clock, lesson->GetWater(0), 417, 169, false);
  for (int i = 0; i < 30; ++i)
    run.RunFrame();
  run.Finish();
  Poppler("pdfimages -f 1 -l 1 " + pdf + " " + TempPath("page"));
  std::string picture;
  for (const char* kind : {"-000.ppm", "-000.pgm"}) {
    if (std::FILE* file = std::fopen(TempPath(std::string("page") + kind).c_str(), "rb")) {
      std::fclose(file);
      picture = ReadFileText(TempPath(std::string("page") + kind));
    }
  }
  const bool grey = picture.starts_with("P5\n401 401\n255\n");
  ASSERT_TRUE(grey || picture.starts_with("P6\n401 401\n255\n")) << picture.substr(0, 20);
  const size_t channels = grey ? 1 : 3;
  ASSERT_EQ(picture.size(), 15 + 401 * 401 * channels);
  int different = 0;
  for (int y = 0; y < 401; ++y) {
    for (int x = 0; x < 401; ++x) {
      const TColour tank = run.Picture().Pixel(x, y);
      const char* pixel = picture.data() + 15 + (y * 401 + x) * channels;
      const uint8_t red = pixel[0], green = pixel[grey ? 0 : 1], blue = pixel[grey ? 0 : 2];
      different += RGB(red, green, blue) != tank;
    }
  }
  EXPECT_EQ(different, 0);

  // The window's worksheet runs copies: the lesson it was given stays as it was.
  const std::string before = SaveToText(*lesson);
  WriteWorksheet(*lesson, TempPath("copy.pdf"), 5, kA4Paper, nullptr);
  EXPECT_EQ(SaveToText(*lesson), before);
}

}  // namespace
}  // namespace wavora
