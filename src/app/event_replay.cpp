#include "app/event_replay.h"

#include <charconv>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "document/lesson_session.h"

namespace wavora {

namespace {

constexpr long kMaxEventFrames = 10000000;

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;)
    words.push_back(word);
  return words;
}

}  // namespace

void ReplayEvents(TLessonSession& session, std::string_view events) {
  std::istringstream lines{std::string(events)};
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    const std::vector<std::string> words = Words(line);
    if (words.empty() || words[0].starts_with('#')) continue;
    const auto bad = [&](const std::string& why) {
      return TEventError("event line " + std::to_string(number) + ": " + why);
    };
    const auto whole = [&](size_t index, long low, long high) {
      long value = 0;
      const std::string& text = words[index];
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
      if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw bad("\"" + text + "\" is not a whole number from " + std::to_string(low) + " to " +
                  std::to_string(high));
      return static_cast<int32_t>(value);
    };
    const auto arguments = [&](size_t count) {
      if (words.size() != count + 1)
        throw bad(words[0] + " takes " + std::to_string(count) + " value" + (count == 1 ? "" : "s"));
    };
    const std::string& what = words[0];
    constexpr TShiftState kNoShift{};
    if (what == "slide") {
      arguments(1);
      session.ShowSlide(whole(1, 1, session.SlideCount()) - 1);
    } else if (what == "frames") {
      arguments(1);
      for (long frame = whole(1, 0, kMaxEventFrames); frame > 0; --frame)
        session.RunFrame(TFrameMode::Normal);
    } else if (what == "move" || what == "down" || what == "up") {
      arguments(2);
      const int32_t x = whole(1, -1000000, 1000000), y = whole(2, -1000000, 1000000);
      if (what == "move") {
        session.PointerMove(kNoShift, x, y);
      } else if (what == "down") {
        session.PointerDown(TMouseButton::Left, kNoShift, x, y, false);
      } else {
        session.PointerUp(TMouseButton::Left, kNoShift, x, y);
      }
    } else if (what == "panel") {
      arguments(3);
      const std::string& slot = words[1];
      if (slot != "source" && slot != "medium" && slot != "tool")
        throw bad("the panel is source, medium or tool");
      const TPanelSlot panel = slot == "source"   ? TPanelSlot::Source
                               : slot == "medium" ? TPanelSlot::Medium
                                                  : TPanelSlot::Tool;
      const TChangeResult result = session.ChangePanel(panel, words[2], whole(3, INT32_MIN, INT32_MAX));
      if (result != TChangeResult::Done) throw bad("the " + slot + " panel refused " + words[2]);
    } else {
      throw bad("unknown event \"" + what + "\"");
    }
  }
}

}  // namespace wavora
