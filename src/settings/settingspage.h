#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace mirvel {

class TForm1;

// The settings page TSSettings: the fixed-size panel PSettings (the main
// window centres it) with the look of the exercises, the program-wide
// options, the mark thresholds SE1..SE4 and the feedback sounds; and the
// saving and restoring of program-wide settings (table settings), the
// current user's exercise settings and the per-exercise run limits
// (local_settings).
class SettingsPage final : public QWidget {
  Q_OBJECT
 public:
  SettingsPage(TForm1* form, QWidget* parent);

  // Folder the three sound pickers open in (program folder + "Zvuky").
  void SetSoundFolder(const QString& folder);
  // SE1..SE4 copied into the mirrors their handlers compare against.
  void CopyThresholdMirrors();
  // Shows the page with the focus on CBScheme.
  void ShowSettingsPage();
  // CHBLogin is checked.
  bool AutoLogin() const;

  // Program-wide settings. Restore sets the controls of PSettings from the
  // stored values without running any change handler; Apply then runs the
  // handlers and fills in missing sound files; Save stores every control of
  // PSettings under its name.
  void RestoreProgramSettings();
  void ApplyProgramSettings();
  void SaveProgramSettings();
  // The current user's settings of every exercise tab of PCSet except the
  // common tab TSSet. Loading runs no change handler; a stored check list
  // whose length differs from the list's item count is ignored.
  void SaveUserSettings();
  void LoadUserSettings();
  // SELimit, SETaskTime and CHBTimer of exercise exam_no for the current user;
  // a value never stored loads as 10, 10 and unchecked.
  void SaveExerciseLimits(int exam_no);
  void LoadExerciseLimits(int exam_no);

  // Run start: the exercise panels take the background of PSample; run end:
  // they go back to the background of scheme 0.
  void ApplySchemeToExercisePages();
  void ResetExercisePageColours();

  // Values the run engine and the exercises read.
  // The chosen scheme (0 when none is chosen) and one of its colours.
  int CurrentScheme() const;
  QColor SchemeColour(int colour) const;
  // The holder of the task font and its colours.
  QLabel* PSample() const { return sample_; }
  // Interval of the pause after an answer, in ms (300, 1000 or 2000).
  int PauseInterval() const { return pause_interval_; }
  // Index of CBRSystem: 0 no repetition, 1 once, 2 again and again.
  int RepetitionMode() const;
  // Index of CBNoResults (0 when none is chosen).
  int ResultsDisplay() const;
  // Program folder + "Emotikony/neutral" + index of CBNeutral + ".png".
  QString NeutralPicture() const;

  // Change handlers.
  void CBSchemeChange();
  void CBFontChange();
  void CBFontSizeChange();
  void CBProcessChange();
  void CBNoResultsChange();
  void CBNeutralChange();
  // k = 1..4: keeps SE1 > SE2 > SE3 > SE4 and rewrites the range label below.
  void SEChange(int k);

 private:
  void BuildPanel();
  QComboBox* AddCombo(const char* name, const QStringList& items, int default_index);
  QLineEdit* AddSoundEdit(const char* name);
  void PickSound(QLineEdit* edit);
  QList<QWidget*> ExerciseSettingControls() const;
  QList<QWidget*> NamedWidgets(const QStringList& names) const;
  void RefreshThresholdLabels();

  TForm1* form_;
  QFrame* panel_ = nullptr;
  QComboBox* scheme_ = nullptr;
  QComboBox* font_ = nullptr;
  QComboBox* font_size_ = nullptr;
  QCheckBox* login_ = nullptr;
  QComboBox* repetition_ = nullptr;
  QComboBox* process_ = nullptr;
  QComboBox* no_results_ = nullptr;
  QComboBox* neutral_ = nullptr;
  QLabel* neutral_picture_ = nullptr;
  QLabel* sample_ = nullptr;
  QSpinBox* thresholds_[4] = {};
  QLabel* range_labels_[6] = {};
  int mirrors_[4] = {85, 75, 65, 50};
  QCheckBox* sound_checks_[3] = {};
  QLineEdit* sound_edits_[3] = {};
  QString sound_folder_;
  int pause_interval_ = 300;
};

}  // namespace mirvel
