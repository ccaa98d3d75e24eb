#include "app/elapsedclock.h"

#include <QTimer>

namespace mirvel {

ElapsedClock::ElapsedClock(QWidget* parent) : QLabel(parent), tick_(new QTimer(this)) {
  setObjectName(QStringLiteral("Clock"));
  setAlignment(Qt::AlignCenter);
  tick_->setInterval(1000);
  connect(tick_, &QTimer::timeout, this, &ElapsedClock::ShowTime);
  ShowTime();
}

void ElapsedClock::Reset() {
  tick_->stop();
  running_ = false;
  carried_ms_ = 0;
  ShowTime();
}

void ElapsedClock::Start() {
  if (running_) return;
  elapsed_.start();
  running_ = true;
  tick_->start();
  ShowTime();
}

void ElapsedClock::Stop() {
  if (!running_) return;
  carried_ms_ += elapsed_.elapsed();
  running_ = false;
  tick_->stop();
  ShowTime();
}

qint64 ElapsedClock::TotalSeconds() const {
  const qint64 ms = carried_ms_ + (running_ ? elapsed_.elapsed() : 0);
  return ms / 1000;
}

void ElapsedClock::ShowTime() {
  setText(QString::asprintf("%.2d:%.2d:%.2d", Hours(), Minutes(), Seconds()));
}

}  // namespace mirvel
