#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "engine/ui/exercisepage.h"

class QLabel;
class QToolButton;
class QWidget;

namespace mirvel {

class RunEngine;
class TForm1;

// Page TS11 of the hearing exercises 1 ("Dopĺňanie jedného písmena": one
// hidden letter unit, chosen among 3 to 10 buttons) and 2 ("Skladanie slova z
// písmen": the word composed unit by unit). Its controls live in PMain1.
class LetterPage final : public QObject, public ExercisePage {
  Q_OBJECT
 public:
  LetterPage(TForm1* form, RunEngine* engine, QWidget* panel);

  bool Handles(int exam) const override { return exam == 1 || exam == 2; }
  void PreparePage(int exam) override;
  void PresentTask(int exam) override;
  bool CheckAnswer(int exam) override;

  // Handlers of the page's buttons.
  void SB1Click(QToolButton* button);
  void SBErase1LClick();
  void SBErase1Click();
  void SBPlay1Click();

  // The letter buttons on (OK off) or off (OK on).
  void EnableLetters(bool on);
  // Every letter button black and enabled.
  void ResetLetters();
  // n letter buttons shown, PControl1 centred on the page.
  void LayOutButtons(int n);

 private:
  void PresentLetter();
  void PresentWord();
  void AfterLetter();
  bool Teaching() const;
  bool Checked(const char* name) const;
  void SetCaptionColour(QToolButton* button, const QColor& colour);

  TForm1* form_;
  RunEngine* engine_;
  int exam_ = 1;
  QString presented_;
  QString solution_;

  QWidget* panel_;
  QLabel* info_ = nullptr;     // LInfo1
  QLabel* task_ = nullptr;     // LZadanie1
  QWidget* control_ = nullptr;  // PControl1
  QToolButton* letters_[10] = {};
  QToolButton* ok_ = nullptr;
  QWidget* buttons_ = nullptr;  // PButtons1
  QToolButton* play_ = nullptr;
  QToolButton* erase_letter_ = nullptr;
  QToolButton* erase_word_ = nullptr;
};

}  // namespace mirvel
