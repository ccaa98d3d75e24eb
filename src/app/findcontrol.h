#pragma once

#include <QObject>
#include <QString>

namespace mirvel {

// The descendant of root whose object name equals name, ignoring letter case
// (controls are looked up as "TSSet" + n, "PMain" + k, "SubMenu" + n).
template <typename T = QObject>
T* FindControl(const QObject* root, const QString& name) {
  if (!root) return nullptr;
  for (T* child : root->findChildren<T*>()) {
    if (child->objectName().compare(name, Qt::CaseInsensitive) == 0) return child;
  }
  return nullptr;
}

}  // namespace mirvel
