#include "engine/controlvalues.h"

namespace mirvel {

void ControlValues::SetCombo(const QString& name, int index, const QStringList& items) {
  Entry& e = entries_[name.toLower()];
  e.index = index;
  e.items = items;
  e.text = index >= 0 && index < items.size() ? items.at(index) : QString();
}

void ControlValues::SetCheck(const QString& name, bool checked, const QString& caption) {
  Entry& e = entries_[name.toLower()];
  e.checked = checked;
  e.text = caption;
}

void ControlValues::SetSpin(const QString& name, int value) {
  Entry& e = entries_[name.toLower()];
  e.value = value;
  e.text = QString::number(value);
}

void ControlValues::SetCheckList(const QString& name, const QStringList& items, const QVector<bool>& checks) {
  Entry& e = entries_[name.toLower()];
  e.items = items;
  e.checks = checks;
  e.checks.resize(items.size());
}

const ControlValues::Entry* ControlValues::Find(const QString& name) const {
  auto it = entries_.constFind(name.toLower());
  return it == entries_.constEnd() ? nullptr : &it.value();
}

bool ControlValues::Has(const QString& name) const { return Find(name) != nullptr; }
int ControlValues::Index(const QString& name) const { const Entry* e = Find(name); return e ? e->index : -1; }
QString ControlValues::Text(const QString& name) const { const Entry* e = Find(name); return e ? e->text : QString(); }
int ControlValues::Value(const QString& name) const { const Entry* e = Find(name); return e ? e->value : 0; }
bool ControlValues::Checked(const QString& name) const { const Entry* e = Find(name); return e && e->checked; }
QStringList ControlValues::Items(const QString& name) const { const Entry* e = Find(name); return e ? e->items : QStringList(); }
QVector<bool> ControlValues::Checks(const QString& name) const { const Entry* e = Find(name); return e ? e->checks : QVector<bool>(); }

}  // namespace mirvel
