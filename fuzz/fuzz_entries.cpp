#include "fuzz_entries.h"

#include <memory>

#include "document/class_registration.h"
#include "document/slide_clipboard.h"
#include "document/slide_commands.h"
#include "document/slideshow_file.h"
#include "image/fast_dib.h"
#include "model/file_encoding.h"
#include "model/node_errors.h"
#include "model/stream.h"
#include "round_trip.h"
#include "sim/control_panel_tool.h"
#include "sim/frame_loop.h"
#include "sim/general_exciter_cp.h"
#include "sim/scene_object.h"
#include "sim/tool_panel.h"
#include "sim/unique_id.h"

namespace wavora {

namespace {

// Small tanks keep every input cheap; the grid code does not care about the size.
constexpr int32_t kTankSize = 64;
constexpr int kFramesPerPath = 3;
// Tool panels as small as the window may show them: a panel's drawing costs by its area.
constexpr int kPanelWidth = 64;
constexpr int kPanelHeight = 32;

void ReadAndWrite(const std::string& text, bool skipUnknowns) {
  TStream stream(text);
  const iXMLNode root = MakeNode<TXMLNode>();
  try {
    if (skipUnknowns) {
      root->LoadFromStreamSkipUnknows(stream);
    } else {
      root->LoadFromStream(stream);
    }
  } catch (const TXMLNodeParsingError&) {
  } catch (const EConvertError&) {
  }
  TStream written;
  root->SaveToStream(written, true, 0);
}

// Every panel of the slide's objects, as the window builds them, each brought up to date once the
// way the window does it: a tool panel by its tool, the source panel by its polls.
void BuildAndUpdatePanels(const TWater& tank) {
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    const TRef<TBaseWaterObject> object = RefCast<TBaseWaterObject>(tank.GetChildren(i));
    if (!object) continue;
    const std::unique_ptr<TControlPanelModel> panel = object->CreateControlPanel();
    if (auto* toolPanel = dynamic_cast<TBaseCPFrame*>(panel.get())) {
      toolPanel->SetBoxSize(kPanelWidth, kPanelHeight);
      toolPanel->Tool().UpdateControlPanel(*toolPanel);
      toolPanel->RefreshPanel();
      toolPanel->PopupMenu1Popup();
    } else if (auto* sourcePanel = dynamic_cast<TGeneralExciterCP*>(panel.get())) {
      sourcePanel->Poll50ms();
      sourcePanel->Poll200ms();
    }
  }
}

// A few frames of each path the frame loop takes: normal, fast, and the frozen redraw.
void RunFrames(TWater& tank, TFastDIB& image) {
  TFrameLoop loop;
  int64_t now = 0;
  loop.TickCount = [&now] { return now += TFrameLoop::kTimerIntervalMs; };
  for (const bool fast : {false, true}) {
    loop.fast = fast;
    for (int frame = 0; frame < kFramesPerPath; ++frame)
      loop.RunFrame(&tank, image, true);
  }
  loop.paused = true;
  for (int frame = 0; frame < kFramesPerPath; ++frame)
    loop.RunFrame(&tank, image, false);
}

void RunSlide(TWater& tank, TFastDIB& image) {
  BuildAndUpdatePanels(tank);
  RunFrames(tank, image);
}

// Every input runs as in a fresh process: the classes registered and no identifier issued yet. The
// identifiers are forgotten again when the input ends, so an input frees what it allocated and
// libFuzzer's leak check runs only where something really leaked.
struct TFreshInput {
  TFreshInput() {
    RegisterClasses();
    RestartUniqueIDs();
  }
  ~TFreshInput() { RestartUniqueIDs(); }
  TFreshInput(const TFreshInput&) = delete;
  TFreshInput& operator=(const TFreshInput&) = delete;
};

void Save(const TWaterCollection& slideshow) {
  TStream stream;
  slideshow.SaveToStream(stream, true, 0);
  EncodeFileText(stream.Data());
}

}  // namespace

TFuzzFinding FuzzReader(std::string_view bytes) {
  const TFreshInput fresh;
  const std::string text = DecodeFileText(std::string(bytes));
  ReadAndWrite(text, false);
  ReadAndWrite(text, true);
  return std::nullopt;
}

TFuzzFinding FuzzSlideshow(std::string_view bytes) {
  const TFreshInput fresh;
  const TOpenedSlideshow opened = OpenSlideshowBytes(std::string(bytes), "fuzz.wvr", kTankSize, kTankSize);
  const TRef<TWaterCollection> slideshow = RefCast<TWaterCollection>(opened.document);
  if (!slideshow) {
    if (opened.message.text.empty()) return "a file was refused without a message";
    return std::nullopt;
  }
  if (auto difference = RoundTripDifference(*slideshow)) return "round trip: " + *difference;
  TFastDIB image(kTankSize, kTankSize);
  for (int i = 0; i < slideshow->SlideCount(); ++i) {
    if (const TRef<TWater> tank = slideshow->GetWater(i)) RunSlide(*tank, image);
    slideshow->DrawSlide(i, image);
  }
  Save(*slideshow);
  return std::nullopt;
}

TFuzzFinding FuzzPaste(std::string_view bytes) {
  const TFreshInput fresh;
  const TRef<TSlideshow> slideshow = NewSlideshow(kTankSize, kTankSize);
  const TPastedSlide pasted = PasteSlide(*slideshow, bytes);
  if (!pasted.slide) {
    if (pasted.errors.empty()) return "a paste was refused without a message";
    if (slideshow->SlideCount() != 1) return "a refused paste changed the document";
    return std::nullopt;
  }
  if (slideshow->SlideCount() != 2) return "a pasted slide was not added as the second slide";
  if (auto difference = RoundTripDifference(*slideshow)) return "round trip: " + *difference;
  TFastDIB image(kTankSize, kTankSize);
  RunSlide(*pasted.slide, image);
  return std::nullopt;
}

const std::vector<TFuzzTarget>& FuzzTargets() {
  static const std::vector<TFuzzTarget> targets = {
      {"reader", FuzzReader}, {"slideshow", FuzzSlideshow}, {"paste", FuzzPaste}};
  return targets;
}

}  // namespace wavora
