#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

#include "engine/marks.h"
#include "store/storedrun.h"

namespace mirvel {

// One entry of a run.
struct TTask {
  int Id = 0;            // task identifier in the exercise's table; 0 until drawn
  int Outcome = 0;       // 0 open, 1 good, 2 late, 3 bad; +10 for a repetition; -1 / 9 a row shown, judgement pending
  QString Time = QStringLiteral("-");  // "hh:nn:ss" once stamped
  QString Solution;      // set by the exercise when it shows the task
  QString Presented;     // what the pupil saw, where the exercise keeps it
};

// The record of one run: its entries in run order, what was answered to each,
// how long each took, the counters, success and mark, and the texts stored with
// the run. Entries only grow (repetitions are appended), never shrink, except
// that a draw from too few matching tasks cuts the run down to those tasks.
class TExamBox final {
 public:
  using Clock = std::function<QDateTime()>;

  // The clock gives "now" for the start of the run and the task times; by
  // default the local date and time.
  explicit TExamBox(Clock clock = Clock());

  // Starts a run of exercise `exam` with `entries` entries. multi_row: several
  // rows per screen (exercise 3). repeat_mode: 0 never repeat, 1 repeat each
  // wrong task of the run once at the end, 2 repeat until answered good.
  void Setup(int exam, int entries, bool multi_row, const QString& group, const QString& name, int repeat_mode);
  // The thresholds MarkFor uses (the settings page's SE1 .. SE4).
  void SetMarkThresholds(const MarkThresholds& thresholds) { thresholds_ = thresholds; }

  // Gives the entries different identifiers drawn from ids at random. When
  // fewer different tasks match than there are entries, the run is cut down to
  // the tasks there are (in whole units of `unit` entries where they fill one).
  // An empty list changes nothing.
  void DrawTasks(const QStringList& ids, QRandomGenerator& random, int unit = 1);

  void StartTaskClock();
  // The current entry's time := whole seconds since StartTaskClock.
  void StampTaskTime();
  // Every pending row (-1 or 9) gets the screen's time shared by `rows`.
  void StampRowTimes(int rows);

  // 0-based index of the first entry with a pending row code, 0 when none.
  int FirstPendingRow() const;
  // Records o (1 good, 2 late, 3 bad, -1 row shown) for the current entry,
  // appends a repetition where the mode asks for one, recomputes success and
  // mark and moves on to the next entry. Other values record nothing.
  void RecordOutcome(int o);
  // Records o (1, 2, 3) for entry i (0-based) of a judged screen; the current
  // entry does not move.
  void RecordRowOutcome(int i, int o);
  // Moves on without recording anything.
  void SkipTask();

  void SetFinished(bool finished) { finished_ = finished; }
  void SetSolution(const QString& text);
  void SetPresented(const QString& text);
  void SetDuration(const QString& text) { duration_ = text; }
  void SetSummary(const QString& html) { summary_ = html; }

  int CurrentTaskId() const;
  QString GetSolution() const;
  QString GetPresented() const;
  int CurrentIndex() const { return current_; }
  int EntryCount() const { return count_; }
  QString MarkText() const { return mark_; }
  double SuccessValue() const { return success_; }

  int Exam() const { return exam_; }
  const QString& Group() const { return group_; }
  const QString& Name() const { return name_; }
  int RepeatMode() const { return repeat_mode_; }
  bool Finished() const { return finished_; }
  bool MultiRow() const { return multi_row_; }
  int Planned() const { return planned_; }
  int Repeated() const { return repeated_; }
  int Good() const { return good_; }
  int Bad() const { return bad_; }
  int Late() const { return late_; }
  const QDateTime& StartTime() const { return start_time_; }
  const QString& Duration() const { return duration_; }
  const QString& Summary() const { return summary_; }
  const QVector<TTask>& Tasks() const { return tasks_; }

  // The values stored with the run, the report included as Windows-1250 bytes.
  StoredRun ValuesForStoring(const QString& user_name) const;
  // The run's XHTML report. The user name, the catalogue texts and the task
  // texts are escaped; the settings summary is markup and goes in as it is.
  QString ReportHtml(const QString& user_name) const;

 private:
  TTask* CurrentEntry();
  const TTask* CurrentEntry() const;
  void Count(int o);
  void Repeat(const TTask& e, int o);
  void Recompute();
  int SecondsSinceTaskStart() const;

  Clock clock_;
  MarkThresholds thresholds_ = kDefaultMarkThresholds;
  int exam_ = 0;
  QString group_;
  QString name_;
  int repeat_mode_ = 0;
  bool finished_ = true;
  bool multi_row_ = false;
  int current_ = 1;
  int planned_ = 0;
  int count_ = 0;
  int repeated_ = 0;
  int good_ = 0;
  int bad_ = 0;
  int late_ = 0;
  QString mark_ = QStringLiteral("5");
  double success_ = 0.0;
  QDateTime start_time_;
  QDateTime task_start_;
  QString duration_;
  QString summary_;
  QVector<TTask> tasks_;
};

// "hh:nn:ss" for a number of seconds.
QString FormatSeconds(int seconds);

// The text as Windows-1250 bytes; a character the code page lacks becomes a
// numeric character reference, so it still shows in the report.
QByteArray EncodeWindows1250(const QString& text);

}  // namespace mirvel
