#pragma once

#include <QLabel>

namespace wavora {

// The program's version in small, quiet type, for the about box: "Version 0.1".
class TVersionLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TVersionLabel(QWidget* parent = nullptr);

  static QString VersionText();
};

}  // namespace wavora
