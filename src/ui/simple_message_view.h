#pragma once

#include <QLabel>

namespace wavora {

class TSimpleMessageCP;

// A panel with one centred, word-wrapped message.
class TSimpleMessageView : public QLabel {
  Q_OBJECT

 public:
  TSimpleMessageView(TSimpleMessageCP& model, QWidget* parent);
};

}  // namespace wavora
