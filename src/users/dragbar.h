#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace mirvel {

// Makes a widget (a title label of a borderless window) a drag bar:
// dragging it with the left mouse button moves its window.
class DragBar final : public QObject {
  Q_OBJECT
 public:
  explicit DragBar(QWidget* bar);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* bar_;
  QPoint grab_;
  bool dragging_ = false;
};

}  // namespace mirvel
