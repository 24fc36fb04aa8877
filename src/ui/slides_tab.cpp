#include "ui/slides_tab.h"

#include "document/slide_commands.h"
#include "sim/resource_strings.h"
#include "sim/water.h"
#include "ui/message_sink.h"
#include "ui/slide_item.h"
#include "widgets/custom_bit_btn.h"
#include "widgets/custom_speed_button.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"
#include "widgets/scroller_list.h"

namespace wavora {

namespace {

// The running slide's thumbnail is remade at most four times a second.
constexpr int kThumbnailIntervalMs = 250;

}  // namespace

TSlidesTab::TSlidesTab(QWidget* parent, const QRect& geometry, TLinks links)
    : TPanelFrame(parent, "SlideShowPanel", geometry), links_(std::move(links)) {
  SlideShowModeBtn = MenuButton(this, "SlideShowModeBtn", QRect(6, 6, 58, 34),
                                WavoraIcon(TIcon::SlideshowMenu), rs::SlideshowMenuHint);
  NewSlideBtn =
      SpeedButton(this, "NewSlideBtn", QRect(70, 6, 50, 34), WavoraIcon(TIcon::NewSlide), rs::NewSlide);
  DeleteSlideBtn = SpeedButton(this, "DeleteSlideBtn", QRect(122, 6, 50, 34), WavoraIcon(TIcon::DeleteSlide),
                               rs::DeleteSlide);
  connect(SlideShowModeBtn, &QAbstractButton::clicked, this,
          [this] { links_.openMenu(SlideShowModeBtn->mapToGlobal(QPoint(0, SlideShowModeBtn->height()))); });
  connect(NewSlideBtn, &QAbstractButton::clicked, this, &TSlidesTab::NewSlideBtnClick);
  connect(DeleteSlideBtn, &QAbstractButton::clicked, this, &TSlidesTab::RemoveMapButtonClick);

  SlideList = new TScrollerList(this);
  SlideList->setObjectName(QStringLiteral("SlideList"));
  SlideList->setAccessibleName(QtText(rs::SlidesTab));
  SlideList->setGeometry(4, 46, geometry.width() - 8, geometry.height() - 50);
  SlideList->SetItemHeight(kSlideItemHeight);
  SlideList->SetDragReorder(true);
  SlideList->SetDrawItem([this](QPainter& painter, int index, const QRect& rect, bool selected) {
    const QImage thumbnail =
        index < int(slideThumbnails_.size()) ? slideThumbnails_[size_t(index)] : QImage();
    DrawSlideItem(painter, index, SlideList->ItemText(index), thumbnail, rect, selected);
  });
  connect(SlideList, &TScrollerList::Click, this, [this](int) { links_.chosen(); });
  connect(SlideList, &TScrollerList::MoveListItem, this, &TSlidesTab::SlideListMoveListItem);
  thumbnailAge_.start();
}

void TSlidesTab::RebuildSlideList() {
  const TSlideshow& document = *links_.document;
  SlideList->Clear();
  int active = 0;
  for (int i = 0; i < document.SlideCount(); ++i) {
    SlideList->AddItem(SlideItemText(QtText(document.SlideName(i)), QtText(document.SlideDescription(i))),
                       document.SlideUniqueID(i));
    if (document.SlideUniqueID(i) == document.ActiveID) active = i;
  }
  if (SlideList->Count() > 0) SlideList->SetSelectedIndex(active);
  RebuildThumbnails();
}

void TSlidesTab::ShowDocument() {
  shownID_ = 0;
  RebuildSlideList();
}

void TSlidesTab::RebuildThumbnails() {
  slideThumbnails_.assign(size_t(links_.document->SlideCount()), QImage());
  for (int i = 0; i < links_.document->SlideCount(); ++i)
    UpdateSlideThumbnail(i);
  SlideList->update();
}

void TSlidesTab::LeaveShown() {
  const int index = SlideList->IndexOfId(shownID_);
  if (index >= 0) UpdateSlideThumbnail(index);
}

int32_t TSlidesTab::SelectedID() const {
  const int selected = SlideList->SelectedIndex();
  return selected >= 0 ? SlideList->ItemId(selected) : 0;
}

int TSlidesTab::SelectedIndex() const {
  return SlideList->SelectedIndex();
}

void TSlidesTab::ShowSelected() {
  shownID_ = SelectedID();
  const int selected = SlideList->SelectedIndex();
  DeleteSlideBtn->setEnabled(selected >= 0 && SlideList->Count() > 1);
  if (selected >= 0) UpdateSlideThumbnail(selected);
  SlideList->update();
}

void TSlidesTab::Step(int step) {
  const int index = SlideList->SelectedIndex() + step;
  if (index < 0 || index >= SlideList->Count()) return;
  SlideList->SetSelectedIndex(index);
  links_.chosen();
}

void TSlidesTab::RefreshSlideItem(const TWater& tank) {
  const int item = SlideList->IndexOfId(tank.GetUniqueID());
  const int slide = tank.GetPosition();
  if (item < 0 || slide < 0) return;
  const TSlideshow& document = *links_.document;
  SlideList->SetItemText(
      item, SlideItemText(QtText(document.SlideName(slide)), QtText(document.SlideDescription(slide))));
  SlideList->RedrawItem(item);
}

void TSlidesTab::Reveal() {
  const int selected = SlideList->SelectedIndex();
  if (selected < 0) return;
  UpdateSlideThumbnail(selected);
  SlideList->MakeVisible(selected);
}

void TSlidesTab::FollowFrame(bool imageChanged) {
  // The thumbnail follows the tank picture a few times a second (remade every frame it cost more
  // than the frame); a still picture needs no new one once its last change is shown.
  const int selected = SlideList->SelectedIndex();
  thumbnailStale_ = thumbnailStale_ || imageChanged;
  if (!thumbnailStale_ || selected < 0 || !thumbnailAge_.hasExpired(kThumbnailIntervalMs)) return;
  UpdateSlideThumbnail(selected);
  SlideList->RedrawItem(selected);
  thumbnailStale_ = false;
  thumbnailAge_.start();
}

void TSlidesTab::UpdateSlideThumbnail(int index) {
  const TSlideshow& document = *links_.document;
  if (index < 0 || index >= document.SlideCount()) return;
  if (index >= int(slideThumbnails_.size())) slideThumbnails_.resize(size_t(index) + 1);
  const TRef<TWater> tank = document.GetWater(index);
  const int32_t width = document.TankWidth();
  const int32_t height = document.TankHeight();
  // The running slide's picture is the tank image of the last frame; others are drawn afresh.
  const TFastDIB& running = links_.tankImage;
  if (tank && tank == document.GetActiveWater() && running.Width() == width && running.Height() == height &&
      links_.framesRunning()) {
    slideThumbnails_[size_t(index)] = SlideThumbnail(running);
    return;
  }
  if (thumbnailImage_.Width() != width || thumbnailImage_.Height() != height)
    thumbnailImage_.SetSize(width, height);
  document.DrawSlide(index, thumbnailImage_);
  slideThumbnails_[size_t(index)] = SlideThumbnail(thumbnailImage_);
}

void TSlidesTab::NewSlideBtnClick() {
  try {
    AddNewSlide(*links_.document);
  } catch (const std::exception& e) {
    links_.messages.ShowMessage(TMessageBox::mbError, QString::fromUtf8(e.what()));
    return;
  }
  RebuildSlideList();
  SlideList->SetSelectedIndex(SlideList->Count() - 1);
  links_.chosen();
}

void TSlidesTab::RemoveMapButtonClick() {
  // The tank, and with it the panels' objects, goes only when this reference does, after the panels
  // show the new slide.
  const TRef<TWater> deleted = links_.document->GetActiveWater();
  if (!DeleteActiveSlide(*links_.document)) return;
  RebuildSlideList();
  links_.chosen();
}

void TSlidesTab::SlideListMoveListItem(int fromIndex, int toIndex) {
  TSlideshow& document = *links_.document;
  if (fromIndex < 0 || fromIndex >= document.GetChildCount()) return;
  document.Move(document.GetChildren(fromIndex), toIndex);
  RebuildThumbnails();
  links_.chosen();
}

}  // namespace wavora
