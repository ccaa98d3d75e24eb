#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace mirvel {

// The values of one finished or interrupted run as they are stored in results.
struct StoredRun {
  QDateTime date;           // the run's date and time
  QString duration;         // "hh:mm:ss"
  QString group;            // catalogue group name
  QString exam;             // catalogue exercise name
  int task_count = 0;       // planned number of tasks
  int repeated = 0;         // tasks appended for repetition
  int good = 0;
  int bad = 0;
  int late = 0;
  int success = 0;          // whole percent
  QString mark;             // "1*" or "1" .. "5" (stored with "1*" as "0")
  bool completed = false;
  QByteArray summary;       // the HTML report, Windows-1250 bytes
};

}  // namespace mirvel
