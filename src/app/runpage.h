#pragma once

#include <QWidget>

namespace mirvel {

class TForm1;
struct TExam;

// The run page TSRun: the exercise sheets (PC2), the cover PKrytka, the run
// settings tabs PCSet, the run display PLocalResults and the start button.
class RunPage final : public QWidget {
  Q_OBJECT
 public:
  RunPage(TForm1* form, QWidget* parent);

  // SubMenuBClick from step 3 on, for the looked-up exercise.
  void ChooseExercise(const TExam& exam);
  void SetUserLabel(const QString& name);
  void ResetRunDisplay();
  // First showing: every filter check list keeps one checked item, then the
  // CBType6/12/17 handlers run once.
  void KeepAllListsChecked();
  void StopAudio();
  void StopTimers();
  // The close request interrupts the run: stored as interrupted, no question.
  void StopRunForClose();

 private:
  TForm1* form_;
};

}  // namespace mirvel
