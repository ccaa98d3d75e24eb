#pragma once

#include <QListWidget>
#include <QStringList>

namespace mirvel {

// A check-list box: a list of checkable items laid out in columns, filled
// column by column like a multi-column list box. It reports the release of a
// mouse button after the list has handled it (so a check mark toggled by the
// click is already in place), and clears its highlighted item when the focus
// leaves it. Its "tag" property holds an item index (see KeepOneChecked).
class CheckListBox final : public QListWidget {
  Q_OBJECT
 public:
  // Items start checked; rows = items divided by columns, rounded up.
  CheckListBox(QWidget* parent, const QString& name, const QStringList& items, int columns, int column_width);

  int CheckedCount() const;
  bool IsChecked(int row) const;
  void SetChecked(int row, bool checked);
  QStringList ItemTexts() const;
  QVector<bool> CheckMarks() const;

 Q_SIGNALS:
  void MouseUp();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace mirvel
