#pragma once

#include <string>
#include <utility>
#include <vector>

#include "sim/control_panel_model.h"

namespace wavora {

// A panel that shows one centred, word-wrapped message.
class TSimpleMessageCP : public TControlPanelModel {
 public:
  explicit TSimpleMessageCP(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  void SetMessage(std::string message) { message_ = std::move(message); }

 protected:
  std::vector<TPanelControl> OwnControls() const override {
    return {ReadOutControl("Message", {}, message_)};
  }

 private:
  std::string message_;
};

}  // namespace wavora
