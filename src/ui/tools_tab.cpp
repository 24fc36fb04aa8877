#include "ui/tools_tab.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>

#include "document/object_commands.h"
#include "model/file_text.h"
#include "sim/control_panel_tool.h"
#include "sim/list_menu_entry.h"
#include "sim/resource_strings.h"
#include "sim/ri_map.h"
#include "sim/tool_class_list.h"
#include "sim/water.h"
#include "ui/experiment_menu.h"
#include "ui/file_dialogs.h"
#include "ui/general_exciter_view.h"
#include "ui/message_sink.h"
#include "ui/object_item.h"
#include "ui/tool_panels.h"
#include "widgets/custom_bit_btn.h"
#include "widgets/custom_speed_button.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"
#include "widgets/scroller_list.h"

namespace wavora {

TToolsTab::TToolsTab(QWidget* parent, const QRect& geometry, TLinks links)
    : TPanelFrame(parent, "ToolBoxPanel", geometry), links_(std::move(links)) {
  CustomSpeedButton2 = MenuButton(this, "CustomSpeedButton2", QRect(6, 6, 58, 34),
                                  WavoraIcon(TIcon::ToolsTab), rs::AddToolHint);
  DeleteObjectBtn = SpeedButton(this, "DeleteObjectBtn", QRect(70, 6, 50, 34),
                                WavoraIcon(TIcon::DeleteObject), rs::DeleteObjectHint);
  SnapToGrid =
      SpeedButton(this, "SnapToGrid", QRect(122, 6, 50, 34), WavoraIcon(TIcon::SnapToGrid), rs::SnapHint, 1);
  DeleteObjectBtn->setEnabled(false);
  SnapToGrid->setEnabled(false);
  connect(CustomSpeedButton2, &QAbstractButton::clicked, this, &TToolsTab::ToolBoxButtonClick);
  connect(DeleteObjectBtn, &QAbstractButton::clicked, this, &TToolsTab::DeleteToolBtnClick);
  connect(SnapToGrid, &QAbstractButton::clicked, this, &TToolsTab::SnapToGridClick);

  ObjectList = new TScrollerList(this);
  ObjectList->setObjectName(QStringLiteral("ObjectList"));
  ObjectList->setAccessibleName(QtText(rs::ObjectListName));
  ObjectList->setGeometry(4, 46, geometry.width() - 8, geometry.height() - 50);
  ObjectList->SetDrawItem([this](QPainter& painter, int index, const QRect& rect, bool selected) {
    if (index < 0 || index >= int(objectItems_.size())) return;
    const TObjectListItem& item = objectItems_[size_t(index)];
    DrawObjectItem(painter, item, rect, selected, ObjectPicture(item),
                   links_.panels.SnapshotImageOf(item.uniqueID));
  });
  ObjectList->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ObjectList, &TScrollerList::Click, this, [this](int) { ObjectListClick(); });
  connect(ObjectList, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    ObjectListPopup(ObjectList->IndexAt(pos), ObjectList->mapToGlobal(pos));
  });

  PopupMenu3 = new QMenu(this);
  PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
  PopupMenu3->setToolTipsVisible(true);
  ObjectMenu = new QMenu(this);
  ObjectMenu->setObjectName(QStringLiteral("ObjectMenu"));
}

void TToolsTab::ApplyCaptions() {
  SnapToGrid->SetCaption(QtText(rs::SnapCaption));
}

void TToolsTab::FollowTank() {
  links_.panels.Follow(links_.current().Get());
  RebuildObjectList();
}

void TToolsTab::ToolBoxButtonClick() {
  if (!links_.current()) return;
  PopupMenu3->clear();
  for (int i = 0; i < ToolCount(); ++i) {
    QAction* entry =
        PopupMenu3->addAction(ToolImage(ToolImageIndex(i)),
                              QtText(rs::NewToolPrefix) + QtText(TranslatedText(ToolClass(i)->TypeName())),
                              this, [this, i] { AddToolFromMenu(i); });
    entry->setToolTip(QtText(TranslatedText(ToolClass(i)->TypeDescription())));
    entry->setData(i);
  }
  PopupMenu3->popup(CustomSpeedButton2->mapToGlobal(QPoint(0, CustomSpeedButton2->height())));
}

void TToolsTab::AddToolFromMenu(int toolIndex) {
  const TRef<TWater> tank = links_.current();
  if (!tank) return;
  const TRef<TBaseControl> tool = AddToolFromList(*tank, toolIndex);
  if (!tool) return;
  FollowTank();
  if (const TRef<TControlPanelTool> panelTool = RefCast<TControlPanelTool>(tool))
    links_.panels.Show(panelTool->GetUniqueID());
}

void TToolsTab::ObjectListClick() {
  const TRef<TWater> tank = links_.current();
  const int selected = ObjectList->SelectedIndex();
  if (!tank || selected < 0) return;
  const TRef<TBaseControl> object = SelectObject(*tank, ObjectList->ItemId(selected));
  if (!object) return;
  const TRef<TControlPanelTool> panelTool = RefCast<TControlPanelTool>(object);
  if (panelTool || RefCast<TBaseRIMap>(object)) links_.panels.Show(panelTool ? panelTool->GetUniqueID() : 0);
  shownSelectedObjectID_ = SelectedObjectID(*tank);
  ObjectList->update();
}

void TToolsTab::DeleteToolBtnClick() {
  const TRef<TWater> tank = links_.current();
  if (!tank) return;
  // The objects live on until their panels have gone, as panels refer to them.
  const std::vector<iXMLNode> keep = ChildList(*tank);
  if (DeleteActiveObject(*tank) == TDeleted::Medium) {
    links_.mediumDeleted(*tank);  // the window shows the tank anew, its tools and objects with it
  } else {
    FollowTank();
  }
}

void TToolsTab::SnapToGridClick() {
  if (const TRef<TWater> tank = links_.current()) SnapActiveObjects(*tank, SnapToGrid->Down());
}

void TToolsTab::RebuildObjectList() {
  ObjectList->Clear();
  objectItems_.clear();
  shownSelectedObjectID_ = -1;
  const TRef<TWater> tank = links_.current();
  if (!tank) return;
  TObjectListContent content = ObjectListOf(*tank);
  objectItems_ = std::move(content.items);
  for (const TObjectListItem& item : objectItems_)
    ObjectList->AddItem(QtText(item.name), item.uniqueID, ObjectItemHeight(item.kind));
  if (!objectItems_.empty()) ObjectList->SetSelectedIndex(content.selected);
  shownSelectedObjectID_ = SelectedObjectID(*tank);
}

void TToolsTab::FollowFrame(const TWater& tank) {
  if (ObjectList->Count() == 0) return;
  const TObjectListContent content = ObjectListOf(tank);
  if (content.items.size() != objectItems_.size()) {
    RebuildObjectList();
    return;
  }
  // A source that changed its shape shows its new picture and name.
  for (size_t i = 0; i < objectItems_.size(); ++i) {
    if (content.items[i] == objectItems_[i]) continue;
    objectItems_[i] = content.items[i];
    ObjectList->SetItemText(int(i), QtText(objectItems_[i].name));
    ObjectList->RedrawItem(int(i));
  }
  // Selecting in the tank selects in the list.
  const int32_t selectedID = SelectedObjectID(tank);
  if (selectedID != shownSelectedObjectID_) {
    const int index = ObjectList->IndexOfId(selectedID);
    if (index != ObjectList->SelectedIndex()) ObjectList->SetSelectedIndex(index);
    shownSelectedObjectID_ = selectedID;
    ObjectList->update();
  }
  // Panel items show what their panels show now.
  for (size_t i = 0; i < objectItems_.size(); ++i) {
    if (objectItems_[i].kind != TObjectKind::PanelTool) continue;
    links_.panels.Refresh(objectItems_[i].uniqueID);
    ObjectList->RedrawItem(int(i));
  }
}

void TToolsTab::ShowSelectionButtons(const TSelectionButtons& buttons) {
  if (SnapToGrid->isEnabled() != buttons.snapEnabled) SnapToGrid->setEnabled(buttons.snapEnabled);
  if (SnapToGrid->Down() != buttons.snapDown) SnapToGrid->SetDown(buttons.snapDown);
  if (DeleteObjectBtn->isEnabled() != buttons.deleteEnabled)
    DeleteObjectBtn->setEnabled(buttons.deleteEnabled);
}

QIcon TToolsTab::ObjectPicture(const TObjectListItem& item) const {
  switch (item.kind) {
    case TObjectKind::Source:
      return TGeneralExciterView::ShapePicture(item.imageIndex);
    case TObjectKind::Medium:
      return links_.experiments.Picture(item.imageIndex);
    default:
      return ToolImage(item.imageIndex);
  }
}

void TToolsTab::ObjectListPopup(int index, const QPoint& globalPos) {
  const TRef<TWater> tank = links_.current();
  if (!tank || index < 0) return;
  for (const iXMLNode& child : ChildList(*tank)) {
    auto* object = dynamic_cast<TBaseWaterObject*>(child.Get());
    if (!object || object->GetUniqueID() != ObjectList->ItemId(index)) continue;
    const std::vector<TListMenuEntry> entries = object->ListMenuEntries();
    if (entries.empty()) return;
    ObjectMenu->clear();
    for (const TListMenuEntry& entry : entries) {
      // The entry holds the object, which lives on while the menu is open.
      ObjectMenu->addAction(QtText(entry.caption), this, [this, entry, child] { RunListMenuEntry(entry); });
    }
    ObjectMenu->popup(globalPos);
    return;
  }
}

void TToolsTab::RunListMenuEntry(const TListMenuEntry& entry) {
  if (entry.action == TListMenuEntry::TAction::CopyText) {
    QGuiApplication::clipboard()->setText(QtText(entry.text()));
    return;
  }
  const auto dialog = FileDialog(this, entry.dialogTitle, entry.filter, entry.extension);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
  try {
    WriteFileText(LocalPath(dialog->selectedFiles().constFirst()), entry.text());
  } catch (const std::exception& e) {
    links_.messages.ShowMessage(TMessageBox::mbError, QtText(rs::CouldNotSaveFile) + QStringLiteral("\n\n") +
                                                          QString::fromUtf8(e.what()));
  }
}

}  // namespace wavora
