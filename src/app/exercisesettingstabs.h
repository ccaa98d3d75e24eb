#pragma once

#include <QStringList>
#include <QTabWidget>

#include "engine/controlvalues.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QSpinBox;

namespace mirvel {

class CheckListBox;

// The run settings tabs PCSet below the exercise pages: the common tab TSSet
// "Počet úloh a časovač" (SELimit, CHBTimer, SETaskTime) and one tab
// "Nastavenia cvičenia" per exercise ("TSSet" + number; TSSET16 .. TSSET18),
// plus TSSet12plus "Ďalšie nastavenia". Every settings control is a direct
// child of its tab, so the per-user settings can be found by their parent.
//
// The tabs keep their own dependent visibility (CHLB6pos, CHLBBPM10,
// CHLBPM12, CHBRow17/CHBDual17, CBLetters2) and the rule that a check list
// always keeps one checked item; whenever a control that decides which tasks
// match changes, CountsMayChange is emitted.
class ExerciseSettingsTabs final : public QTabWidget {
  Q_OBJECT
 public:
  explicit ExerciseSettingsTabs(QWidget* parent);

  // The eleven check lists of the exercise tabs, in exercise order.
  QList<CheckListBox*> CheckLists() const;

  // Shows the common tab (made current) and the exercise's own tabs only;
  // exercise 9 has no tab of its own, exercise 12 has two.
  void ShowTabsFor(int exam_no);
  // CHBTimer, SETaskTime and LSek.
  void SetTimerControlsVisible(bool visible);

  // The handlers that switch dependent controls; they run on every change of
  // their control and can be run again after values were set silently.
  void CBType6Change();
  void CBType10Change();
  void CBType12Change();
  void CBType17Change();
  void SEMaxLength2Change();
  void ApplyVisibilityRules();

  // A check list never ends up with no checked item: counts the checked
  // items (the tag records the index of the last one found); with none, the
  // item named by the tag is checked again and, with recount, the counts are
  // refreshed. Returns true when it checked an item again.
  bool KeepOneChecked(QListWidget* list, bool recount);

 Q_SIGNALS:
  void CountsMayChange();

 private:
  QWidget* AddTab(const char* name, const QString& caption);
  QLabel* AddLabel(QWidget* tab, const char* name, const QString& text, int x, int y);
  QComboBox* AddCombo(QWidget* tab, const char* name, const QStringList& items, int current, int x, int y,
                      int width, bool counts);
  QSpinBox* AddSpin(QWidget* tab, const char* name, int min, int max, int value, int x, int y, bool counts);
  QCheckBox* AddCheck(QWidget* tab, const char* name, const QString& caption, bool checked, int x, int y,
                      bool counts);
  CheckListBox* AddCheckList(QWidget* tab, const char* name, const QStringList& items, int columns,
                             int column_width, int x, int y);

  void BuildCommonTab();
  void BuildTabs1To5();
  void BuildTabs6To10();
  void BuildTabs11To13();
  void BuildTabs14To18();

  template <typename T>
  T* Get(const char* name) const;

  QList<CheckListBox*> lists_;
};

// The state of every named settings control below root (normally PCSet):
// combo boxes, check boxes, spin edits and check lists.
ControlValues ReadControlValues(const QWidget* root);

}  // namespace mirvel
