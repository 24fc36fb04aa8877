#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/lesson_changes.h"
#include "document/object_commands.h"
#include "document/object_list.h"
#include "document/picked_handle.h"
#include "document/slideshow_file.h"
#include "document/water_collection.h"
#include "image/fast_dib.h"
#include "sim/frame_loop.h"
#include "sim/panel_controls.h"
#include "sim/pointer.h"

namespace wavora {

class TBaseCPFrame;
class TClassList;
class TControlPanelModel;

// How a frame runs: one step, five steps, or the field frozen (the pause button down).
enum class TFrameMode { Normal, Fast, Frozen };

// The panels a slide shows: its source's, its medium's and its active tool's.
enum class TPanelSlot { Source, Medium, Tool };

struct TSlideSummary {
  std::string name;
  std::string description;
  std::string medium;  // the medium's type name, empty without one
};

// A class a catalogue offers: its element name, type name and description, its help page, and the
// index of its picture in the list's pictures (-1 for none).
struct TCatalogueEntry {
  std::string className;
  std::string typeName;
  std::string description;
  std::string helpPage;
  int imageIndex = -1;
};

// What opening a file did: the message to show, if any, and whether the slideshow in it replaced the
// open one (a salvaged file may do so with an error message).
struct TOpenedLesson {
  TMessageBox message;
  bool opened = false;
};

// What the window does with a slideshow, for a shell without widgets (the web page): the document
// and its slide on show, the frames, the pointer over the tank, the catalogues' commands, the panels
// of the slide on show through their self-description, and the slideshow, slide and field as bytes.
// Every rule stays in the document commands and the objects; this only keeps the window's state.
class TLessonSession {
 public:
  // A new slideshow with one new slide, as the program starts; the classes must be registered.
  TLessonSession(int32_t tankWidth, int32_t tankHeight);
  ~TLessonSession();
  TLessonSession(const TLessonSession&) = delete;
  TLessonSession& operator=(const TLessonSession&) = delete;

  // Opens a slideshow from a file's bytes as the window opens a file; a slideshow that could not be
  // used leaves the open one as it was.
  TOpenedLesson Open(const std::string& fileBytes, const std::string& fileName);
  // The file text of the whole slideshow, as saving writes it.
  std::string Save() const;
  // Whether the lesson changed since it was opened, made or saved (MarkSaved), as the window's title
  // marks it; another display shape is no change.
  bool Changed() const { return changes_.Changed(*document_); }
  void MarkSaved() { changes_.MarkUnchanged(*document_); }

  int SlideCount() const;
  TSlideSummary Slide(int index) const;
  // The slide's field and objects as they stand, at the tank's size.
  TFastDIB SlidePicture(int index) const;
  // The slide on show, or -1 when none is.
  int ShownSlide() const;
  // Shows the slide; an index outside the slideshow changes nothing.
  void ShowSlide(int index);

  // The info sheet's edits of the slide on show; a text equal to the medium's own stays unstored.
  void SetSlideTexts(const std::string& name, const std::string& description);
  // A new slide after the last, shown; the message why not when the slideshow is full.
  std::string NewSlide();
  // Deletes the slide on show, unless it is the only one; the slide after it shows, or the one
  // before when it was the last. Whether one was deleted.
  bool DeleteShownSlide();
  // Moves a slide to another place in the slideshow, as dragging its list item does.
  void MoveSlide(int fromIndex, int toIndex);
  // Every tank takes the size of the display shape (the help menu's tag 0 .. 3) and is cleared.
  void SetDisplayShape(int tag);

  // The controls beside the tank for the slide on show: clear the water, and the contrast slider's
  // position (0 .. 100; 50 without a slide).
  void ClearField();
  int ContrastPosition() const;
  void SetContrastPosition(int position);

  // The window's view settings, never saved in the lesson; both show from the next frame on. Theory
  // draws what physics predicts over the tank picture; high contrast draws the tank's objects with a
  // bolder pen.
  void SetTheory(bool on) { loop_.theory = on; }
  void SetHighContrast(bool on) { loop_.highContrast = on; }

  // Runs one frame of the slide on show; whether the picture changed.
  bool RunFrame(TFrameMode mode);
  const TFastDIB& Picture() const { return image_; }
  // Which of the delete and snap commands apply to the objects selected now.
  const TSelectionButtons& SelectionButtons() const { return buttons_; }

  // The pointer over the tank picture, in tank pixels; drip: the drip button is down.
  void PointerDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y, bool drip);
  void PointerMove(TShiftState shift, int32_t x, int32_t y);
  void PointerUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);

  static std::vector<TCatalogueEntry> Experiments();
  static std::vector<TCatalogueEntry> Tools();
  // The slide on show takes a new object of the experiment class; an index outside the list changes
  // nothing.
  void ChooseExperiment(int classIndex);
  // Adds a tool of the class to the slide on show and selects it; whether there was one to add.
  bool AddTool(int toolIndex);
  TDeleted DeleteSelected();
  // The objects of the slide on show as the "Tools" tab lists them, and a click on one of them.
  TObjectListContent Objects() const;
  void SelectObject(int32_t uniqueID);
  // Every selected object takes the snap button's state.
  void SetSnap(bool snap);
  // The keyboard's pick among the handles of the slide on show (document/picked_handle.h): the handle
  // after (step > 0) or before the picked one, its object selected as a press on the handle selects
  // it; a move of the picked handle by cells, as a drag moves it; and where it is now.
  TPickedHandle StepHandle(const TPickedHandle& picked, int step);
  bool NudgeHandle(const TPickedHandle& picked, int dx, int dy);
  std::optional<THandlePlace> HandlePlace(const TPickedHandle& picked) const;
  // The tool's reading as its label or panel writes it ("156.0mm"); empty for an object of the slide
  // on show that writes none, or for no object.
  std::string ReadOut(int32_t uniqueID) const;

  // The panel in the slot, or none (no slide, no such object, or no active panel tool).
  TControlPanelModel* Panel(TPanelSlot slot) const;
  std::vector<TPanelControl> PanelControls(TPanelSlot slot) const;
  // The help page of the object whose panel the slot shows (its panel's section), or empty.
  std::string HelpPage(TPanelSlot slot) const;
  // A change of one control of the panel; UnknownControl when the slot holds no panel.
  TChangeResult ChangePanel(TPanelSlot slot, const std::string& id, int32_t value);
  // Panels keep the texts they were made with: after a language switch they are made again.
  void RemakePanels();
  // The active tool's panel picture at the box size the shell shows it in; none without that panel.
  const TFastDIB* ToolPanelPicture(int32_t width, int32_t height);
  // The pointer over the active tool's panel picture, in its pixels.
  enum class TPanelPointer { Down, Move, Up };
  void ToolPanelPointer(TPanelPointer what, int32_t x, int32_t y);

  // Every tool's readings on the slide on show as CSV, as the runner writes them.
  std::string ToolReadingsCsv() const;
  // The slide on show as clipboard text (empty without one), and a slide pasted from such text as
  // the last slide: the messages to show, none when it was added.
  std::string CopySlide() const;
  std::vector<std::string> PasteSlide(const std::string& text);
  // The field of the slide on show as a field file's bytes (empty without one).
  std::string FieldBytes() const;

 private:
  struct THeld {
    int32_t tag = 0;
    std::unique_ptr<TControlPanelModel> model;
  };
  TRef<TWater> ShownTank() const;
  // Remakes the panels whose object changed since they were made.
  void FollowTank();
  TBaseCPFrame* ToolPanelOf(int32_t toolID) const;

  TRef<TSlideshow> document_;
  TLessonChanges changes_;
  TFastDIB image_;
  TFrameLoop loop_;
  TSelectionButtons buttons_;
  bool pointerDown_ = false;
  int32_t activeToolID_ = 0;
  // Panels refer to the document's objects: they go before it.
  THeld source_;
  THeld medium_;
  std::vector<THeld> tools_;
  int32_t toolsTankID_ = -1;
};

}  // namespace wavora
