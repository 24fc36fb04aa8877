#pragma once

class QWidget;

namespace wavora {

class IMessageSink;
class TSlideshow;

// "Print Worksheet…": asks for a PDF name and writes a worksheet of the lesson (WriteWorksheet) on the
// paper of the user's locale, under a progress bar that can cancel it. The slides run as copies; the
// caller stops its own frames meanwhile, as both would read the stopwatches' one clock.
void PrintWorksheet(QWidget& window, const TSlideshow& lesson, IMessageSink& messages);

}  // namespace wavora
