#pragma once

#include <functional>
#include <string_view>

#include "record/progress.h"

class QWidget;

namespace wavora {

class IMessageSink;

// Runs long work on the window's thread under a progress bar with a Cancel button; between the
// work's reports the window's events are handled, and the bar keeps every other input out. A failure
// is shown as an error with the failure text and its reason; a cancelled work shows nothing. Returns
// whether the work ended.
bool RunWithProgress(QWidget& window, std::string_view label, std::string_view failure,
                     IMessageSink& messages, const std::function<void(const TProgress&)>& work);

}  // namespace wavora
