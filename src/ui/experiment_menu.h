#pragma once

#include <QIcon>
#include <QMenu>
#include <functional>
#include <vector>

namespace wavora {

// The menu of experiments (media), each entry with a small picture of its own tank run for a moment,
// so the user sees what the medium does before choosing it.
class TExperimentMenu : public QMenu {
 public:
  // chosen: called with the class index of the chosen medium.
  TExperimentMenu(QWidget* parent, std::function<void(int)> chosen);

  // The picture of the medium class by its index; the generic experiment picture for none (-1).
  QIcon Picture(int classIndex) const;
  // Names and describes the media in the language spoken now.
  void ApplyCaptions();

 private:
  std::vector<QIcon> pictures_;
};

}  // namespace wavora
