#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "engine/controlvalues.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QSpinBox;
class QStackedWidget;
class QToolButton;

namespace mirvel {

class ElapsedClock;
class ExerciseSettingsTabs;
class TForm1;
struct TExam;

// The run page TSRun: the exercise sheets (PC2, one sheet per kind of page,
// each with its background panel PBack + k and the fixed-size exercise panel
// PMain + k), the cover PKrytka over the chosen exercise's panel, the run
// settings tabs PCSet along the bottom with the start button SBStartStop1 in
// PButton at their right, the task time bar PBTime and the run display
// PLocalResults along the right edge.
class RunPage final : public QWidget {
  Q_OBJECT
 public:
  // Task counting is pluggable: the filter of the exercise's settings and the
  // number of rows a filter matches.
  using FilterBuilder = std::function<QString(int exam_no, const ControlValues& values)>;
  using TaskCounter = std::function<int(int exam_no, const QString& filter)>;

  RunPage(TForm1* form, QWidget* parent);

  // Choosing an exercise, from the centring of the panels on: titles, the
  // exercise's sheet and tabs, its stored run settings, the counts, the run
  // display, the dependent controls and the timer controls.
  void ChooseExercise(const TExam& exam);
  void SetUserLabel(const QString& name);
  // LUser, GCount (maximum SELimit), GSuccess, LGCount, LMark, the neutral
  // picture and the clock at 0:00:00.
  void ResetRunDisplay();
  // First showing: every filter check list keeps one checked item (no
  // recount), then the dependent controls follow their combo boxes again.
  void KeepAllListsChecked();

  // Recounts the tasks of CurrentExam: LCount (its "tag" holds the matching
  // count), LCount2, the maximum of SELimit with LMaxInfo, PStartKrytka.
  void UpdateTaskCounts();
  // The maximum of SELimit becomes c tasks per run; a value above it is
  // brought down (to `matching`, then into the spin edit's range).
  void SetLimitMaximum(int c, int matching);
  // The mode changed (or the task time): LMode, IExam, the timer controls,
  // and for exercise 12 the counts.
  void CBEduChange();
  // The values of the run settings controls and of CBEdu.
  ControlValues CurrentControlValues() const;

  void SetTaskCounting(FilterBuilder build_filter, TaskCounter count);

  ExerciseSettingsTabs* PCSet() const { return pcset_; }
  QStackedWidget* PC2() const { return pc2_; }
  ElapsedClock* Clock() const { return clock_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildSheets();
  QWidget* BuildCover();
  QWidget* BuildRunDisplay();
  QWidget* BuildButtonPanel();
  void PlaceResultsCover();
  void ShowNeutralPicture();
  // LMode and IExam show the chosen mode.
  void UpdateModeDisplay();
  bool TeachingModeChosen() const;

  TForm1* form_;
  FilterBuilder build_task_filter_;
  TaskCounter count_tasks_;

  QStackedWidget* pc2_ = nullptr;
  QWidget* cover_ = nullptr;  // PKrytka
  QLabel* info_ = nullptr;
  QLabel* info_plus_ = nullptr;
  QComboBox* edu_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* count2_ = nullptr;
  QLabel* exam_picture_ = nullptr;
  QLabel* help_ = nullptr;
  ExerciseSettingsTabs* pcset_ = nullptr;
  QSpinBox* limit_ = nullptr;
  QLabel* max_info_ = nullptr;
  QWidget* button_panel_ = nullptr;
  QToolButton* start_stop_ = nullptr;
  QWidget* start_cover_ = nullptr;
  QProgressBar* time_bar_ = nullptr;
  QWidget* results_ = nullptr;  // PLocalResults
  QWidget* results_cover_ = nullptr;
  QLabel* mode_ = nullptr;
  QLabel* user_ = nullptr;
  QLabel* exam_ = nullptr;
  ElapsedClock* clock_ = nullptr;
  QProgressBar* gcount_ = nullptr;
  QLabel* gcount_label_ = nullptr;
  QProgressBar* success_ = nullptr;
  QLabel* mark_ = nullptr;
  QLabel* emoticon_ = nullptr;
  QWidget* duration_heading_ = nullptr;
};

}  // namespace mirvel
