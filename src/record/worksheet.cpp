#include "record/worksheet.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <sstream>
#include <vector>

#include "document/slide_clipboard.h"
#include "document/slide_run.h"
#include "document/water_collection.h"
#include "model/file_text.h"
#include "sim/tool_panel.h"

namespace wavora {

namespace {

// Page layout in points.
constexpr double kMargin = 48;
constexpr double kGap = 12;
constexpr double kPictureHeight = 290;  // the tank's picture at most this high
constexpr double kTextSize = 11;
constexpr double kLineSpacing = 15;
constexpr double kWritingLineSpacing = 26;

struct TCairoFree {
  void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using TCairo = std::unique_ptr<cairo_t, TCairoFree>;
using TSurface = std::unique_ptr<cairo_surface_t, TCairoFree>;

// A copy of the picture as cairo's 32-bit RGB, which has the picture's own layout.
TSurface SurfaceOf(const TFastDIB& picture) {
  TSurface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.Width(), picture.Height()));
  cairo_surface_flush(surface.get());
  uint8_t* bits = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  if (!bits) throw std::bad_alloc();
  for (int y = 0; y < picture.Height(); ++y)
    std::memcpy(bits + static_cast<ptrdiff_t>(y) * stride, picture.Row(y),
                static_cast<size_t>(picture.Width()) * TFastDIB::kBytesPerPixel);
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

// The text broken into lines no wider than width at the current font: at spaces, and at line breaks
// of its own.
std::vector<std::string> WrappedLines(cairo_t* cairo, const std::string& text, double width) {
  std::vector<std::string> lines;
  std::istringstream paragraphs(text);
  for (std::string paragraph; std::getline(paragraphs, paragraph);) {
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
    std::istringstream words(paragraph);
    std::string line;
    for (std::string word; words >> word;) {
      const std::string longer = line.empty() ? word : line + " " + word;
      cairo_text_extents_t extents;
      cairo_text_extents(cairo, longer.c_str(), &extents);
      if (!line.empty() && extents.x_advance > width) {
        lines.push_back(line);
        line = word;
      } else {
        line = longer;
      }
    }
    lines.push_back(line);
  }
  return lines;
}

class TWorksheetPdf {
 public:
  TWorksheetPdf(const std::string& temporaryName, const std::string& fileName, TPaper paper)
      : fileName_(fileName),
        paper_(paper),
        surface_(cairo_pdf_surface_create(temporaryName.c_str(), paper.width, paper.height)),
        cairo_(cairo_create(surface_.get())) {
    Check();
  }

  void AddPage(int number, const std::string& name, const std::string& description, const TFastDIB& tank,
               const TFastDIB* panel) {
    cairo_t* cairo = cairo_.get();
    const double width = paper_.width - 2 * kMargin;
    double y = kMargin;
    cairo_set_source_rgb(cairo, 0.35, 0.35, 0.35);
    Font(CAIRO_FONT_WEIGHT_NORMAL, 10);
    Text(kMargin, y + 10, "Slide " + std::to_string(number));
    cairo_set_source_rgb(cairo, 0, 0, 0);
    Font(CAIRO_FONT_WEIGHT_BOLD, 18);
    y += 16;
    Text(kMargin, y + 18, name);
    y += 18 + kGap + 6;

    const double scale = std::min({1.0, kPictureHeight / tank.Height(), width / tank.Width()});
    y = Picture(tank, scale, y) + kGap;
    if (panel) y = Picture(*panel, scale, y) + kGap;

    Font(CAIRO_FONT_WEIGHT_NORMAL, kTextSize);
    for (const std::string& line : WrappedLines(cairo, description, width)) {
      Text(kMargin, y + kTextSize, line);
      y += kLineSpacing;
    }
    // Room to write: ruled lines down to the bottom margin.
    cairo_set_source_rgb(cairo, 0.7, 0.7, 0.7);
    cairo_set_line_width(cairo, 0.5);
    for (y += kWritingLineSpacing; y <= paper_.height - kMargin; y += kWritingLineSpacing) {
      cairo_move_to(cairo, kMargin, y);
      cairo_line_to(cairo, kMargin + width, y);
    }
    cairo_stroke(cairo);
    cairo_show_page(cairo);
    Check();
  }

  void Finish() {
    cairo_.reset();
    cairo_surface_finish(surface_.get());
    Check(cairo_surface_status(surface_.get()));
    surface_.reset();
  }

 private:
  void Font(cairo_font_weight_t weight, double size) {
    cairo_select_font_face(cairo_.get(), "sans-serif", CAIRO_FONT_SLANT_NORMAL, weight);
    cairo_set_font_size(cairo_.get(), size);
  }
  void Text(double x, double baseline, const std::string& text) {
    cairo_move_to(cairo_.get(), x, baseline);
    cairo_show_text(cairo_.get(), text.c_str());
  }
  // Draws the picture centred at the scale with its top at y, framed; returns its bottom.
  double Picture(const TFastDIB& picture, double scale, double y) {
    cairo_t* cairo = cairo_.get();
    const double width = picture.Width() * scale, height = picture.Height() * scale;
    const double x = (paper_.width - width) / 2;
    const TSurface surface = SurfaceOf(picture);
    cairo_save(cairo);
    cairo_translate(cairo, x, y);
    cairo_scale(cairo, scale, scale);
    cairo_set_source_surface(cairo, surface.get(), 0, 0);
    cairo_paint(cairo);
    cairo_restore(cairo);
    cairo_set_source_rgb(cairo, 0.2, 0.2, 0.2);
    cairo_set_line_width(cairo, 0.75);
    cairo_rectangle(cairo, x, y, width, height);
    cairo_stroke(cairo);
    cairo_set_source_rgb(cairo, 0, 0, 0);
    return y + height;
  }
  void Check() { Check(cairo_ ? cairo_status(cairo_.get()) : cairo_surface_status(surface_.get())); }
  void Check(cairo_status_t status) {
    if (status != CAIRO_STATUS_SUCCESS)
      throw TFileError("Cannot write file \"" + fileName_ + "\": " + cairo_status_to_string(status));
  }

  std::string fileName_;
  TPaper paper_;
  TSurface surface_;
  TCairo cairo_;
};

}  // namespace

void WriteWorksheet(const TWaterCollection& lesson, const std::string& fileName, long frames, TPaper paper,
                    const TProgress& progress) {
  TRunClock clock;
  const int slides = lesson.SlideCount();
  if (slides == 0)
    throw std::runtime_error("Cannot write file \"" + fileName + "\": the lesson has no slides");
  TReplacingFile file(fileName);
  TWorksheetPdf pdf(file.TemporaryName(), fileName, paper);
  for (int i = 0; i < slides; ++i) {
    const TRef<TWater> original = lesson.GetWater(i);
    if (!original) continue;
    // The slide runs as a copy in a slideshow of its own at the lesson's tank size.
    const TRef<TSlideshow> scratch = MakeNode<TSlideshow>();
    scratch->SetTankSize(lesson.TankWidth(), lesson.TankHeight());
    const TPastedSlide copy = PasteSlide(*scratch, SlideClipboardText(*original));
    if (!copy.slide) throw std::runtime_error("Slide " + std::to_string(i + 1) + " could not be copied");
    TSlideRun run(clock, copy.slide, kToolPanelWidth, kToolPanelHeight, false);
    for (long frame = 0; frame < frames; ++frame) {
      run.RunFrame();
      if (frame % 16 == 15) Report(progress, 0, 1, (i + double(frame + 1) / frames) / slides);
    }
    run.Finish();
    TBaseCPFrame* panel = run.ActivePanel();
    pdf.AddPage(i + 1, lesson.SlideName(i), lesson.SlideDescription(i), run.Picture(),
                panel ? &panel->SnapshotPicture() : nullptr);
    Report(progress, 0, 1, double(i + 1) / slides);
  }
  pdf.Finish();
  file.Commit();
}

}  // namespace wavora
