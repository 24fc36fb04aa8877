#include "ui/worksheet_command.h"

#include "document/water_collection.h"
#include "record/worksheet.h"
#include "sim/resource_strings.h"
#include "ui/file_dialogs.h"
#include "ui/progress_run.h"

namespace wavora {

namespace {

// Each slide is pictured after as many frames as the runner's default, about five seconds of water.
constexpr long kWorksheetFrames = 300;

}  // namespace

void PrintWorksheet(QWidget& window, const TSlideshow& lesson, IMessageSink& messages) {
  const QString fileName =
      AskSaveFileName(&window, rs::WorksheetDialogTitle, rs::WorksheetFilter, rs::WorksheetExtension);
  if (fileName.isEmpty()) return;
  RunWithProgress(window, rs::MakingWorksheet, rs::CouldNotSaveWorksheet, messages,
                  [&](const TProgress& progress) {
                    WriteWorksheet(lesson, LocalPath(fileName), kWorksheetFrames, PaperOfLocale(), progress);
                  });
}

}  // namespace wavora
