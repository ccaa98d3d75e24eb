#pragma once

#include <QElapsedTimer>
#include <QLabel>

class QTimer;

namespace mirvel {

// The elapsed-time clock of the run display: hours, minutes and seconds,
// shown as "hh:mm:ss". Reset sets it to 0:00:00 and stops it; Start counts on
// from the shown time; Stop freezes it.
class ElapsedClock final : public QLabel {
  Q_OBJECT
 public:
  explicit ElapsedClock(QWidget* parent);

  void Reset();
  void Start();
  void Stop();
  bool IsRunning() const { return running_; }
  qint64 TotalSeconds() const;
  int Hours() const { return static_cast<int>(TotalSeconds() / 3600); }
  int Minutes() const { return static_cast<int>(TotalSeconds() / 60 % 60); }
  int Seconds() const { return static_cast<int>(TotalSeconds() % 60); }

 private:
  void ShowTime();

  QTimer* tick_;
  QElapsedTimer elapsed_;
  qint64 carried_ms_ = 0;  // time counted before the last Start
  bool running_ = false;
};

}  // namespace mirvel
