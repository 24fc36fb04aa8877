#pragma once

#include <QAccessible>
#include <QString>

namespace wavora {

// Screen readers see every widget of class TWidget through a TAccessible made from it. The factory is
// installed once, on the first call; widgets call this when they are made.
template <class TWidget, class TAccessible>
void InstallAccessible() {
  static const bool installed = [] {
    QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
      if (className != QLatin1String(TWidget::staticMetaObject.className())) return nullptr;
      return new TAccessible(static_cast<TWidget*>(object));
    });
    return true;
  }();
  Q_UNUSED(installed);
}

}  // namespace wavora
