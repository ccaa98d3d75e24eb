#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace mirvel {

// The state of the named settings controls, read off the widgets, so that the
// task filters and the settings summary are plain functions of values.
// Look-up by name ignores letter case; a control that is not present reads as
// index -1, empty text, value 0, unchecked, no items.
class ControlValues final {
 public:
  struct Entry {
    QString text;                // combo box: the shown item's text; check box: its caption
    int index = -1;              // combo box: the shown item's index
    int value = 0;               // spin edit: its value
    bool checked = false;        // check box
    QStringList items;           // combo box / check list: the item texts
    QVector<bool> checks;        // check list: one flag per item
  };

  void SetCombo(const QString& name, int index, const QStringList& items);
  void SetCheck(const QString& name, bool checked, const QString& caption = QString());
  void SetSpin(const QString& name, int value);
  void SetCheckList(const QString& name, const QStringList& items, const QVector<bool>& checks);

  bool Has(const QString& name) const;
  int Index(const QString& name) const;
  QString Text(const QString& name) const;
  int Value(const QString& name) const;
  bool Checked(const QString& name) const;
  QStringList Items(const QString& name) const;
  QVector<bool> Checks(const QString& name) const;
  const Entry* Find(const QString& name) const;

 private:
  QHash<QString, Entry> entries_;  // keyed by the lower-case name
};

}  // namespace mirvel
