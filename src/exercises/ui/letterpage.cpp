#include "exercises/ui/letterpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "app/checklistbox.h"
#include "app/tform1.h"
#include "engine/texambox.h"
#include "engine/ui/runengine.h"
#include "exercises/letterunits.h"
#include "exercises/texthelpers.h"
#include "store/tasks.h"

namespace mirvel {
namespace {

constexpr int kLetterWidth = 76;
constexpr int kLetterHeight = 98;
constexpr int kControlWidth = 839;
constexpr int kEraseWidth = 150;
constexpr int kPageWidth = 848;

QToolButton* SpeedButton(QWidget* parent, const QString& name, const QString& caption, int w, int h) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setText(caption);
  b->setFixedSize(w, h);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

LetterPage::LetterPage(TForm1* form, RunEngine* engine, QWidget* panel)
    : QObject(panel), form_(form), engine_(engine), panel_(panel) {
  info_ = new QLabel(panel);
  info_->setObjectName(QStringLiteral("LInfo1"));
  QFont info_font(QStringLiteral("Tahoma"));
  info_font.setPixelSize(37);
  info_->setFont(info_font);
  info_->setAlignment(Qt::AlignCenter);
  info_->setStyleSheet(QStringLiteral("color: #1f4e9c;"));
  info_->setGeometry(0, 24, panel->width(), 56);

  task_ = new QLabel(QStringLiteral("_"), panel);
  task_->setObjectName(QStringLiteral("LZadanie1"));
  QFont task_font(QStringLiteral("Times New Roman"));
  task_font.setPixelSize(64);
  task_->setFont(task_font);
  task_->setAlignment(Qt::AlignCenter);
  QPalette grey = task_->palette();
  grey.setColor(QPalette::WindowText, QColor(0x60, 0x60, 0x60));
  task_->setPalette(grey);
  task_->setGeometry(0, 100, panel->width(), 130);

  control_ = new QFrame(panel);
  control_->setObjectName(QStringLiteral("PControl1"));
  control_->setGeometry(5, 250, kControlWidth, 100);
  QFont letter_font(QStringLiteral("Tahoma"));
  letter_font.setPixelSize(29);
  letter_font.setBold(true);
  for (int k = 0; k < 10; ++k) {
    letters_[k] = SpeedButton(control_, QStringLiteral("SB%1").arg(k + 1), QString(), kLetterWidth, kLetterHeight);
    letters_[k]->setFont(letter_font);
    QToolButton* b = letters_[k];
    connect(b, &QToolButton::clicked, this, [this, b] { SB1Click(b); });
  }
  ok_ = SpeedButton(control_, QStringLiteral("SBOK1"), QStringLiteral("OK"), kLetterWidth, kLetterHeight);
  ok_->setFont(letter_font);
  ok_->setEnabled(false);
  connect(ok_, &QToolButton::clicked, engine_, &RunEngine::SBOK1Click);

  buttons_ = new QFrame(panel);
  buttons_->setObjectName(QStringLiteral("PButtons1"));
  buttons_->setGeometry(0, 380, 3 * kEraseWidth, 63);
  QFont button_font(QStringLiteral("Tahoma"));
  button_font.setPixelSize(14);
  play_ = SpeedButton(buttons_, QStringLiteral("SBPlay1"), QStringLiteral("Vypočuť znova"), kEraseWidth, 63);
  erase_letter_ =
      SpeedButton(buttons_, QStringLiteral("SBErase1L"), QStringLiteral("Vymazať písmeno"), kEraseWidth, 63);
  erase_word_ = SpeedButton(buttons_, QStringLiteral("SBErase1"), QStringLiteral("Vymazať slovo"), kEraseWidth, 63);
  for (QToolButton* b : {play_, erase_letter_, erase_word_}) b->setFont(button_font);
  play_->setEnabled(false);
  connect(play_, &QToolButton::clicked, this, &LetterPage::SBPlay1Click);
  connect(erase_letter_, &QToolButton::clicked, this, &LetterPage::SBErase1LClick);
  connect(erase_word_, &QToolButton::clicked, this, &LetterPage::SBErase1Click);
  LayOutButtons(10);
}

bool LetterPage::Teaching() const { return engine_->TeachingMode(); }

bool LetterPage::Checked(const char* name) const {
  auto* box = form_->Control<QCheckBox>(QLatin1String(name));
  return box && box->isChecked();
}

void LetterPage::SetCaptionColour(QToolButton* button, const QColor& colour) {
  QPalette p = button->palette();
  p.setColor(QPalette::ButtonText, colour);
  button->setPalette(p);
}

void LetterPage::PreparePage(int exam) {
  exam_ = exam;
  int n = 10;
  if (exam == 1) {
    info_->setText(QStringLiteral("Doplň hlásku do slova"));
    if (auto* count = form_->Control<QSpinBox>(QStringLiteral("SECount1"))) n = count->value();
    erase_word_->hide();
    buttons_->setFixedWidth(2 * kEraseWidth);
  } else {
    info_->setText(QStringLiteral("Poskladaj z hlások slovo"));
    erase_word_->show();
    buttons_->setFixedWidth(3 * kEraseWidth);
  }
  // The visible buttons side by side, in the order play, erase letter, erase word.
  play_->move(0, 0);
  erase_letter_->move(kEraseWidth, 0);
  erase_word_->move(2 * kEraseWidth, 0);
  buttons_->move(panel_->width() / 2 - buttons_->width() / 2, buttons_->y());
  control_->setProperty("tag", n);
  ResetLetters();
  LayOutButtons(n);
}

void LetterPage::LayOutButtons(int n) {
  n = std::clamp(n, 3, 10);
  for (int k = 0; k < 10; ++k) {
    letters_[k]->move(k * kLetterWidth, 1);
    letters_[k]->setVisible(k < 3 || k < n);
  }
  const int width = kControlWidth - (10 - n) * kLetterWidth;
  control_->setGeometry((10 - n) * kLetterWidth / 2 + 5 + (panel_->width() - kPageWidth) / 2, control_->y(), width,
                        control_->height());
  ok_->move(width - kLetterWidth - 1, 1);
}

void LetterPage::EnableLetters(bool on) {
  for (QToolButton* b : letters_) b->setEnabled(on);
  ok_->setEnabled(!on);
}

void LetterPage::ResetLetters() {
  for (QToolButton* b : letters_) {
    SetCaptionColour(b, Qt::black);
    b->setEnabled(true);
  }
}

void LetterPage::PresentTask(int exam) {
  exam_ = exam;
  if (exam == 1) {
    PresentLetter();
  } else {
    PresentWord();
  }
}

void LetterPage::PresentLetter() {
  TExamBox* run = engine_->Run();
  // 1.
  const bool silent = Teaching() && Checked("CHBNoSound1");
  play_->setVisible(!silent);
  // 2.
  const QString sound = engine_->TempSoundName();
  const LoadedTask t = LoadTask(form_->store(), 1, run->CurrentTaskId(), sound);
  const QString w = t.word;
  solution_ = w;
  run->SetSolution(w);
  const RandomInt random = [this](int m) { return engine_->RandomInt(m); };
  // 3. One item at least is always checked; without any the first letter is hidden.
  int kind = 0;
  if (auto* list = form_->Control<CheckListBox>(QStringLiteral("CHLB1")); list && list->CheckedCount() > 0) {
    do {
      kind = random(3);
    } while (!list->IsChecked(kind));
  }
  // 4. and 5.
  const int g = ChooseGapPosition(w, kind, random);
  erase_letter_->setProperty("tag", g);
  // 6. and 7.
  int m = 3;
  if (auto* count = form_->Control<QSpinBox>(QStringLiteral("SECount1"))) m = count->value();
  const QStringList slots = OfferLetterSlots(LetterUnitAt(w, g), m, SlovakAlphabet(), random);
  // 8.
  presented_ = w.isEmpty() ? QStringLiteral("_") : PresentWithGap(w, g);
  task_->setText(presented_);
  run->SetPresented(presented_);
  // 9.
  for (int k = 0; k < 10; ++k) letters_[k]->setText(slots.at(k));
  EnableLetters(true);
  erase_letter_->setEnabled(!Teaching());
  // 10.
  if (!silent) engine_->PlayWordSound(sound);
}

void LetterPage::PresentWord() {
  TExamBox* run = engine_->Run();
  // 1.
  const bool silent = Teaching() && Checked("CHBNoSound2");
  play_->setVisible(!silent);
  // 2.
  const QString sound = engine_->TempSoundName();
  const LoadedTask t = LoadTask(form_->store(), 2, run->CurrentTaskId(), sound);
  const QString w = t.word;
  solution_ = w;
  // 3. - 6.
  bool always_ten = false;
  if (auto* count = form_->Control<QComboBox>(QStringLiteral("CBCount2"))) always_ten = count->currentIndex() == 1;
  int distinct = 0;
  const QStringList slots =
      OfferWordSlots(w, t.added, always_ten, [this](int m) { return engine_->RandomInt(m); }, &distinct);
  const int n = always_ten ? 10 : distinct;
  control_->setProperty("tag", n);
  LayOutButtons(n);
  // 7.
  const int units = std::max<int>(1, static_cast<int>(SplitLetterUnits(w).size()));
  erase_word_->setProperty("tag", units);
  task_->setText(GapsText(units));
  // 8.
  for (int k = 0; k < 10; ++k) letters_[k]->setText(slots.at(k));
  run->SetSolution(w);
  EnableLetters(true);
  erase_word_->setEnabled(!Teaching());
  erase_letter_->setEnabled(!Teaching());
  // 9.
  if (!silent) engine_->PlayWordSound(sound);
}

bool LetterPage::CheckAnswer(int exam) {
  for (QToolButton* b : letters_) b->setEnabled(false);
  ok_->setEnabled(false);
  erase_letter_->setEnabled(false);
  play_->setEnabled(false);
  if (exam == 2) erase_word_->setEnabled(false);
  return RemoveChar(task_->text(), u' ') == solution_;
}

void LetterPage::SB1Click(QToolButton* button) {
  if (!form_->Running()) return;
  const QString t = task_->text();
  const QString c = button->text();
  if (!t.contains(QLatin1Char('_'))) return;
  if (!Teaching()) {
    task_->setText(FillFirstGap(t, c));
  } else if (c != ExpectedUnit(solution_, t, exam_ == 2)) {
    SetCaptionColour(button, Qt::red);
    button->setEnabled(false);
    return;
  } else {
    task_->setText(FillFirstGap(t, c));
    ResetLetters();
  }
  AfterLetter();
}

void LetterPage::AfterLetter() {
  if (!task_->text().contains(QLatin1Char('_'))) EnableLetters(false);
}

void LetterPage::SBErase1LClick() {
  if (!form_->Running()) return;
  if (exam_ == 1) {
    task_->setText(presented_);
    if (Teaching()) ResetLetters();
    EnableLetters(true);
    return;
  }
  const QString t = task_->text();
  const bool gap_open = t.contains(QLatin1Char('_'));
  task_->setText(EraseLastUnit(t));
  if (Teaching()) ResetLetters();
  if (!gap_open) EnableLetters(true);
}

void LetterPage::SBErase1Click() {
  if (!form_->Running()) return;
  task_->setText(GapsText(erase_word_->property("tag").toInt()));
  if (Teaching()) ResetLetters();
  EnableLetters(true);
}

void LetterPage::SBPlay1Click() {
  play_->setEnabled(false);
  engine_->PlayWordSound(engine_->CurrentSound());
}

}  // namespace mirvel
