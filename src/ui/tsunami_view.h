#pragma once

#include <QWidget>

namespace wavora {

class TTsunamiCP;

// The tsunami's panel: the Indian Ocean and Atlantic buttons with their captions.
class TTsunamiView : public QWidget {
  Q_OBJECT

 public:
  TTsunamiView(TTsunamiCP& model, QWidget* parent);
};

}  // namespace wavora
