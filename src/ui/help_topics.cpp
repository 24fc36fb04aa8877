#include "ui/help_topics.h"

#include <QWidget>
#include <string>

#include "document/help_page_name.h"
#include "sim/control_panel_tool.h"
#include "sim/exciter.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora {

namespace {

// Whose page a part of the window has: its own, or that of the object it shows the panel of.
enum class THelpSubject { OwnPage, Medium, Source, ActiveTool };

struct THelpTopic {
  const char* container;  // the objectName of a panel of the main window
  THelpSubject subject;
  const char* page;  // the page of an OwnPage, else the section of the object's page ("" for its top)
};

// The search walks from the widget outwards; the nearest part named here decides.
constexpr THelpTopic kHelpTopics[] = {
    {"InfoControlPanel", THelpSubject::OwnPage, "info-sheet.html"},
    {"ToolControlPanel", THelpSubject::ActiveTool, kHelpPanelSection.data()},
    {"ControlPanelHolder", THelpSubject::Medium, kHelpPanelSection.data()},
    {"Panel1", THelpSubject::Medium, ""},
    {"ExciterControlPanel", THelpSubject::Source, kHelpPanelSection.data()},
    {"ToolBoxPanel", THelpSubject::OwnPage, "tools-tab.html"},
    {"SlideShowPanel", THelpSubject::OwnPage, "slides.html"},
    {"ToolsTabButton", THelpSubject::OwnPage, "tools-tab.html"},
    {"MenuButton", THelpSubject::OwnPage, "slides.html"},
    {"DebugPanel", THelpSubject::OwnPage, "debug-panel.html"},
    {"Panel5", THelpSubject::OwnPage, "index.html#controls"},
    {"Panel2", THelpSubject::OwnPage, "index.html#clear"},
    {"Box", THelpSubject::OwnPage, "index.html#tank"},
};

const TClassInfo* ActiveToolClass(TWater& tank) {
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    const TRef<TControlPanelTool> tool = RefCast<TControlPanelTool>(tank.GetChildren(i));
    if (tool && tool->GetActiveCPTool()) return &tool->ClassInfo();
  }
  return nullptr;
}

const TClassInfo* SubjectClass(THelpSubject subject, TWater* tank) {
  if (!tank) return nullptr;
  switch (subject) {
    case THelpSubject::Medium:
      if (const TRef<TBaseRIMap> medium = tank->GetRIMap()) return &medium->ClassInfo();
      return nullptr;
    case THelpSubject::Source:
      if (const TRef<TBaseExciter> source = tank->GetExciter()) return &source->ClassInfo();
      return nullptr;
    case THelpSubject::ActiveTool:
      return ActiveToolClass(*tank);
    case THelpSubject::OwnPage:
      return nullptr;
  }
  return nullptr;
}

}  // namespace

QString HelpPageAt(const QWidget* widget, TWater* tank) {
  for (; widget; widget = widget->parentWidget()) {
    for (const THelpTopic& topic : kHelpTopics) {
      if (widget->objectName() != QLatin1String(topic.container)) continue;
      if (topic.subject == THelpSubject::OwnPage) return QLatin1String(topic.page);
      const TClassInfo* objectClass = SubjectClass(topic.subject, tank);
      if (!objectClass) continue;
      std::string page = HelpPageOf(*objectClass);
      if (*topic.page) page += std::string("#") + topic.page;
      return QString::fromStdString(page);
    }
  }
  return QStringLiteral("index.html");
}

}  // namespace wavora
