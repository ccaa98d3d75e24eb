#include "app/checklistbox.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace mirvel {
namespace {
constexpr int kRowHeight = 22;
}  // namespace

CheckListBox::CheckListBox(QWidget* parent, const QString& name, const QStringList& items, int columns,
                           int column_width)
    : QListWidget(parent) {
  setObjectName(name);
  setProperty("tag", 0);
  for (const QString& text : items) {
    auto* item = new QListWidgetItem(text, this);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  const int cols = std::max(1, columns);
  const int rows = std::max<int>(1, (items.size() + cols - 1) / cols);
  // Top to bottom with wrapping: the viewport holds exactly `rows` rows, so
  // the items fill the first column, then the next.
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setUniformItemSizes(true);
  setGridSize(QSize(column_width, kRowHeight));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::SingleSelection);
  const int frame = 2 * frameWidth();
  setFixedSize(cols * column_width + frame + 2, rows * kRowHeight + frame + 2);
}

int CheckListBox::CheckedCount() const {
  int n = 0;
  for (int i = 0; i < count(); ++i) n += IsChecked(i) ? 1 : 0;
  return n;
}

bool CheckListBox::IsChecked(int row) const {
  const QListWidgetItem* it = item(row);
  return it && it->checkState() == Qt::Checked;
}

void CheckListBox::SetChecked(int row, bool checked) {
  if (QListWidgetItem* it = item(row)) it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QStringList CheckListBox::ItemTexts() const {
  QStringList out;
  for (int i = 0; i < count(); ++i) out << item(i)->text();
  return out;
}

QVector<bool> CheckListBox::CheckMarks() const {
  QVector<bool> out;
  for (int i = 0; i < count(); ++i) out << IsChecked(i);
  return out;
}

void CheckListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  Q_EMIT MouseUp();
}

void CheckListBox::focusOutEvent(QFocusEvent* event) {
  QListWidget::focusOutEvent(event);
  clearSelection();
  setCurrentIndex(QModelIndex());
}

}  // namespace mirvel
