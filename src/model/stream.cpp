#include "model/stream.h"

namespace wavora {

void TStream::Write(std::string_view text) {
  if (position_ == data_.size()) {
    data_.append(text);
  } else {
    data_.replace(position_, std::min(text.size(), data_.size() - position_), text);
  }
  position_ += text.size();
}

}  // namespace wavora
