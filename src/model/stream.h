#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wavora {

// An in-memory byte stream with a position, which the text format reads and writes. Files are read
// into one and written from one whole, so a failed write never leaves half a document behind.
class TStream {
 public:
  TStream() = default;
  explicit TStream(std::string data) : data_(std::move(data)) {}

  size_t Size() const { return data_.size(); }
  size_t Position() const { return position_; }
  void SetPosition(size_t position) { position_ = position < data_.size() ? position : data_.size(); }
  bool AtEnd() const { return position_ >= data_.size(); }

  // Reads one byte; false at the end of the stream.
  bool ReadChar(char& c) {
    if (position_ >= data_.size()) return false;
    c = data_[position_++];
    return true;
  }
  // The byte at the position without moving; false at the end.
  bool PeekChar(char& c) const {
    if (position_ >= data_.size()) return false;
    c = data_[position_];
    return true;
  }
  // Writes at the position, overwriting and then extending.
  void Write(std::string_view text);

  const std::string& Data() const { return data_; }

 private:
  std::string data_;
  size_t position_ = 0;
};

}  // namespace wavora
