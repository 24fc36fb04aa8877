#include "ui/progress_run.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "sim/resource_strings.h"
#include "ui/message_sink.h"
#include "widgets/qt_text.h"

namespace wavora {

bool RunWithProgress(QWidget& window, std::string_view label, std::string_view failure,
                     IMessageSink& messages, const std::function<void(const TProgress&)>& work) {
  constexpr int kSteps = 1000;
  QProgressDialog bar(QtText(label), QtText(rs::Cancel), 0, kSteps, &window);
  bar.setObjectName(QStringLiteral("ProgressDialog"));
  bar.setWindowModality(Qt::WindowModal);
  bar.setMinimumDuration(0);
  bar.setAutoClose(false);
  bar.setValue(0);
  const TProgress progress = [&bar](double done) {
    bar.setValue(static_cast<int>(done * kSteps));
    QCoreApplication::processEvents();
    return !bar.wasCanceled();
  };
  try {
    work(progress);
    return true;
  } catch (const TCancelled&) {
    return false;
  } catch (const std::exception& e) {
    bar.close();
    messages.ShowMessage(TMessageBox::mbError,
                         QtText(failure) + QStringLiteral("\n\n") + QString::fromUtf8(e.what()));
    return false;
  }
}

}  // namespace wavora
