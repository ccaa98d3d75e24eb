#include "users/dragbar.h"

#include <QMouseEvent>
#include <QWidget>

namespace mirvel {

DragBar::DragBar(QWidget* bar) : QObject(bar), bar_(bar) { bar_->installEventFilter(this); }

bool DragBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched != bar_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() != Qt::LeftButton) return false;
      dragging_ = true;
      grab_ = e->globalPosition().toPoint() - bar_->window()->frameGeometry().topLeft();
      return true;
    }
    case QEvent::MouseMove: {
      if (!dragging_) return false;
      auto* e = static_cast<QMouseEvent*>(event);
      bar_->window()->move(e->globalPosition().toPoint() - grab_);
      return true;
    }
    case QEvent::MouseButtonRelease:
      dragging_ = false;
      return false;
    default:
      return false;
  }
}

}  // namespace mirvel
