#include "web/page_texts.h"

#include <string_view>

#include "sim/resource_strings.h"
#include "web/json_text.h"

namespace wavora {

namespace {

// The entry, not its words: they are read in the language chosen when the page asks.
struct TNamedText {
  std::string_view name;
  TText text;
};

constexpr TText Entry(TText text) {
  return text;
}
// File extensions are no words: they pass the lookup too and find no translation.
constexpr TText Entry(std::string_view word) {
  return TText{word};
}

// The name is written once: the macro makes the page's key from the table's own name.
#define WAVORA_TEXT(name)  \
  TNamedText {             \
#name, Entry(rs::name) \
  }

constexpr TNamedText kPageTexts[] = {
    WAVORA_TEXT(AppTitle),
    WAVORA_TEXT(Controls),
    WAVORA_TEXT(Contrast),
    WAVORA_TEXT(ToolsTab),
    WAVORA_TEXT(SlidesTab),
    WAVORA_TEXT(CopyCaption),
    WAVORA_TEXT(SaveCaption),
    WAVORA_TEXT(Experiment),
    WAVORA_TEXT(NewSlide),
    WAVORA_TEXT(DeleteSlide),
    WAVORA_TEXT(Drips),
    WAVORA_TEXT(FastForward),
    WAVORA_TEXT(SlidePrefix),
    WAVORA_TEXT(SlideshowMenuHint),
    WAVORA_TEXT(ExperimentHint),
    WAVORA_TEXT(HelpHint),
    WAVORA_TEXT(CopySnapshotHint),
    WAVORA_TEXT(SaveSnapshotHint),
    WAVORA_TEXT(HelpCaption),
    WAVORA_TEXT(SlideNamePlaceholder),
    WAVORA_TEXT(SlideDescriptionPlaceholder),
    WAVORA_TEXT(AboutTagline),
    WAVORA_TEXT(AboutText),
    WAVORA_TEXT(AboutClose),
    WAVORA_TEXT(NextSlide),
    WAVORA_TEXT(PreviousSlide),
    WAVORA_TEXT(OkCaption),
    WAVORA_TEXT(CloseCaption),
    WAVORA_TEXT(ClearTheWater),
    WAVORA_TEXT(FreezeTheWater),
    WAVORA_TEXT(MakeDrips),
    WAVORA_TEXT(AdjustContrast),
    WAVORA_TEXT(OpenSlideshow),
    WAVORA_TEXT(SaveSlideshow),
    WAVORA_TEXT(CutSlide),
    WAVORA_TEXT(CopySlide),
    WAVORA_TEXT(PasteSlide),
    WAVORA_TEXT(Examples),
    WAVORA_TEXT(WavoraHelp),
    WAVORA_TEXT(DisplayShape),
    WAVORA_TEXT(ShapeNormal),
    WAVORA_TEXT(ShapeSmall),
    WAVORA_TEXT(ShapeLongAndThin),
    WAVORA_TEXT(ShapeTallAndNarrow),
    WAVORA_TEXT(AboutWavora),
    WAVORA_TEXT(Language),
    WAVORA_TEXT(Theory),
    WAVORA_TEXT(HighContrast),
    WAVORA_TEXT(SlideshowExtension),
    WAVORA_TEXT(CouldNotSaveSnapshot),
    WAVORA_TEXT(CouldNotSave),
    WAVORA_TEXT(HelpBack),
    WAVORA_TEXT(HelpForward),
    WAVORA_TEXT(HelpHome),
    WAVORA_TEXT(Untitled),
    WAVORA_TEXT(ChangedMark),
    WAVORA_TEXT(LessonNotLoaded),
    WAVORA_TEXT(DropLesson),
    WAVORA_TEXT(PasteFallback),
    WAVORA_TEXT(CopyFallback),
    WAVORA_TEXT(NoPictureOnClipboard),
    WAVORA_TEXT(NewToolPrefix),
    WAVORA_TEXT(AddToolHint),
    WAVORA_TEXT(DeleteObjectHint),
    WAVORA_TEXT(SnapCaption),
    WAVORA_TEXT(SnapHint),
    WAVORA_TEXT(DataExtension),
    WAVORA_TEXT(CouldNotSaveData),
    WAVORA_TEXT(TankName),
    WAVORA_TEXT(TankDescription),
    WAVORA_TEXT(PickedHandle),
    WAVORA_TEXT(ToolReading),
};

#undef WAVORA_TEXT

}  // namespace

std::string PageTextsJson() {
  TJsonText json;
  json.BeginObject();
  for (const TNamedText& entry : kPageTexts)
    json.Key(entry.name).Value(entry.text);
  return json.EndObject().Text();
}

}  // namespace wavora
