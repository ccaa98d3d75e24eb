#include "engine/ui/runengine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <cmath>

#include "app/elapsedclock.h"
#include "app/exercisesettingstabs.h"
#include "app/runpage.h"
#include "app/tform1.h"
#include "audio/soundchannel.h"
#include "audio/wordsound.h"
#include "engine/exercisecatalog.h"
#include "engine/marks.h"
#include "engine/settingssummary.h"
#include "engine/taskfilter.h"
#include "engine/texambox.h"
#include "engine/ui/exercisepage.h"
#include "exercises/texthelpers.h"
#include "results/tfresults.h"
#include "settings/settingspage.h"
#include "store/resultstore.h"
#include "store/tasks.h"

namespace mirvel {
namespace {

constexpr int kSecondInterval = 1000;
constexpr int kEmoticonInterval = 2000;
const char* const kReplayButtons[] = {"SBPlay1", "SBPlay4", "SBPlay5", "SBPlay6", "SBPlay14", "SBPlay18"};
// Panels of the later exercise pages that every run starts with hidden.
const char* const kHiddenAtStart[] = {"PVariants10", "PTTT12", "PTenTa11", "PSlovD13", "PAux13",
                                      "Panel14",     "Panel15", "LZadanie15", "LZadanie16", "Panel14Aux",
                                      "I14",         "I17",     "Panel16",  "Panel17",   "SBHelp17",
                                      "TB17",        "SBRead17", "SRP1",    "SRP2"};
const QColor kIdleColour(0x2E, 0x9E, 0x3E);
const QColor kRunningColour(0xC8, 0x28, 0x28);

void Fill(QWidget* w, const QColor& colour) {
  if (!w) return;
  QPalette p = w->palette();
  p.setColor(QPalette::Window, colour);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace

RunEngine::RunEngine(TForm1* form) : QObject(form), form_(form), random_(QRandomGenerator::securelySeeded()) {
  setObjectName(QStringLiteral("RunEngine"));
  sound_ = new SoundChannel(this);
  connect(sound_, &SoundChannel::PlaybackFinished, this, &RunEngine::OnPlaybackFinished);

  tsek_ = new QTimer(this);
  tsek_->setObjectName(QStringLiteral("TSek"));
  tsek_->setInterval(kSecondInterval);
  connect(tsek_, &QTimer::timeout, this, &RunEngine::TSekTimer);
  tpause_ = new QTimer(this);
  tpause_->setObjectName(QStringLiteral("TPause"));
  tpause_->setInterval(300);
  connect(tpause_, &QTimer::timeout, this, &RunEngine::TPauseTimer);
  temoticon_ = new QTimer(this);
  temoticon_->setObjectName(QStringLiteral("TEmoticon"));
  temoticon_->setInterval(kEmoticonInterval);
  connect(temoticon_, &QTimer::timeout, this, &RunEngine::TEmoticonTimer);
}

RunEngine::~RunEngine() = default;

void RunEngine::Register(ExercisePage* page) { pages_.push_back(page); }

void RunEngine::Attach() {
  start_stop_ = form_->Control<QToolButton>(QStringLiteral("SBStartStop1"));
  button_panel_ = form_->Control<QWidget>(QStringLiteral("PButton"));
  start_cover_ = form_->Control<QWidget>(QStringLiteral("PStartKrytka"));
  time_bar_ = form_->Control<QProgressBar>(QStringLiteral("PBTime"));
  mode_ = form_->Control<QLabel>(QStringLiteral("LMode"));
  results_cover_ = form_->Control<QWidget>(QStringLiteral("PResKrytka"));
  last_ = form_->Control<QWidget>(QStringLiteral("LLast"));
  cover_ = form_->Control<QWidget>(QStringLiteral("PKrytka"));
  gcount_ = form_->Control<QProgressBar>(QStringLiteral("GCount"));
  gcount_label_ = form_->Control<QLabel>(QStringLiteral("LGCount"));
  success_ = form_->Control<QProgressBar>(QStringLiteral("GSuccess"));
  mark_ = form_->Control<QLabel>(QStringLiteral("LMark"));
  emoticon_ = form_->Control<QLabel>(QStringLiteral("IEmoticon"));
  edu_ = form_->Control<QComboBox>(QStringLiteral("CBEdu"));
  clock_ = form_->Control<ElapsedClock>(QStringLiteral("Clock"));
  if (!clock_ && form_->runPage()) clock_ = form_->runPage()->Clock();
  pcset_ = form_->Control<QWidget>(QStringLiteral("PCSet"));
  if (start_stop_) connect(start_stop_, &QToolButton::clicked, this, &RunEngine::SBStartStop1Click);
}

ExercisePage* RunEngine::PageFor(int exam) const {
  for (ExercisePage* page : pages_)
    if (page->Handles(exam)) return page;
  return nullptr;
}

void RunEngine::SBStartStop1Click() {
  if (!form_->Running()) {
    // No run starts without a selected exercise whose page exists.
    if (!PageFor(form_->CurrentExam())) {
      form_->AskQuestion(QStringLiteral("CHYBA"), QStringLiteral("Chybné cvičenie!"), true);
      return;
    }
    StartRun();
    PreparePage();
    NextTask(kOutcomeNone);
    return;
  }
  if (form_->Closing() ||
      form_->AskQuestion(QStringLiteral("OTÁZKA"), QStringLiteral("Chcete prerušiť aktuálne cvičenie?"), false)) {
    if (form_->Running()) StopRun(false);
  }
}

bool RunEngine::TimerOn() const {
  auto* timer = form_->Control<QCheckBox>(QStringLiteral("CHBTimer"));
  return timer && timer->isChecked();
}

int RunEngine::TaskTime() const {
  auto* time = form_->Control<QSpinBox>(QStringLiteral("SETaskTime"));
  return time ? std::max(1, time->value()) : 10;
}

int RunEngine::Limit() const {
  auto* limit = form_->Control<QSpinBox>(QStringLiteral("SELimit"));
  return limit ? limit->value() : 10;
}

void RunEngine::SetButtonRunning(bool running) {
  if (start_stop_) {
    start_stop_->setText(running ? QStringLiteral("Zastaviť") : QStringLiteral("Spustiť"));
    start_stop_->setIcon(start_stop_->style()->standardIcon(running ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
  }
  Fill(button_panel_, running ? kRunningColour : kIdleColour);
}

void RunEngine::StartRun() {
  const int exam = form_->CurrentExam();
  RunPage* page = form_->runPage();
  ++run_serial_;
  // 1.
  form_->store().CountExerciseStart(exam);
  // 2.
  teaching_mode_ = (edu_ && edu_->currentIndex() == 1) || exam == 17;
  // 3.
  if (mode_) mode_->show();
  page->ResetRunDisplay();
  if (results_cover_) results_cover_->hide();
  // 4.
  SetButtonRunning(true);
  // 5.
  if (time_bar_) {
    time_bar_->setValue(0);
    time_bar_->setVisible(!teaching_mode_ && TimerOn());
  }
  // 6.
  form_->PMenu()->hide();
  if (pcset_) pcset_->hide();
  form_->settingsPage()->ApplySchemeToExercisePages();
  if (cover_) cover_->hide();
  if (last_) last_->hide();
  form_->CentreExercisePanels();
  // 7.
  const ControlValues values = page->CurrentControlValues();
  const int limit = Limit();
  int unit = 1;
  if (exam == 3) {
    unit = std::max(1, values.Value(QStringLiteral("SERow2")));
  } else if (exam == 17 && values.Index(QStringLiteral("CBType17")) == 1 &&
             values.Checked(QStringLiteral("CHBRow17"))) {
    unit = values.Checked(QStringLiteral("CHBDual17")) ? 3 : 6;
  }
  const TExam* entry = FindExam(exam);
  run_ = std::make_unique<TExamBox>();
  MarkThresholds thresholds = kDefaultMarkThresholds;
  for (int k = 0; k < 4; ++k) {
    if (auto* se = form_->Control<QSpinBox>(QStringLiteral("SE%1").arg(k + 1))) thresholds[k] = se->value();
  }
  run_->SetMarkThresholds(thresholds);
  run_->Setup(exam, limit * unit, exam == 3, entry ? entry->group() : QString(), entry ? entry->name() : QString(),
              form_->settingsPage()->RepetitionMode());
  // 8.
  run_->SetSummary(BuildSettingsSummary(exam, values));
  // 9.
  ListTaskIds(form_->store(), exam, BuildTaskFilter(exam, values), &task_ids_);
  run_->DrawTasks(task_ids_, random_, unit);
  // 10. - 12.
  form_->SetRunning(true);
  ShowScoring(!teaching_mode_);
  if (clock_) clock_->Start();
}

void RunEngine::PreparePage() {
  // 1.
  DisableReplayButtons();
  // 2.
  const QColor background = form_->settingsPage()->SchemeColour(0);
  for (const char* name : {"RE5", "RE6"}) Fill(form_->Control<QWidget>(QLatin1String(name)), background);
  // 3.
  for (const char* name : kHiddenAtStart)
    if (auto* w = form_->Control<QWidget>(QLatin1String(name))) w->hide();
  if (auto* w = form_->Control<QWidget>(QStringLiteral("Panel6Aux"))) w->show();
  // 4.
  const int exam = form_->CurrentExam();
  if (ExercisePage* page = PageFor(exam)) page->PreparePage(exam);
}

void RunEngine::NextTask(int outcome) {
  // 1.
  if (!form_->Running() || !run_) return;
  const int exam = run_->Exam();
  // A run stopped inside one of the waits below may be followed by a new run
  // before this call resumes; the serial tells them apart.
  const quint64 serial = run_serial_;
  auto still_running = [this, serial] { return form_->Running() && run_ && run_serial_ == serial; };
  // 2.
  if (outcome >= 0) {
    if (exam != 3) run_->RecordOutcome(outcome);
    if (mark_) mark_->setText(run_->MarkText());
    if (success_) success_->setValue(RoundHalfEven(run_->SuccessValue()));
    GiveFeedback(outcome);
    pause_pending_ = true;
    tpause_->setInterval(form_->settingsPage()->PauseInterval());
    tpause_->start();
    while (pause_pending_ && still_running()) WaitMs(10);
  }
  // 4. (before 3, so that a new run's display is left alone)
  if (!still_running()) return;
  // 3.
  tick_count_ = 0;
  if (time_bar_) time_bar_->setValue(0);
  // 5.
  if (run_->EntryCount() < run_->CurrentIndex()) {
    StopRun(true);
    return;
  }
  // 6.
  if (ExercisePage* page = PageFor(exam)) {
    page->PresentTask(exam);
  } else {
    form_->AskQuestion(QStringLiteral("CHYBA"), QStringLiteral("Chybné cvičenie!"), true);
  }
  // 7.
  if (!still_running()) return;
  // 8.
  int maximum = run_->EntryCount();
  int position = run_->CurrentIndex();
  const ControlValues values = form_->runPage()->CurrentControlValues();
  if (exam == 17 && values.Index(QStringLiteral("CBType17")) == 1 && values.Checked(QStringLiteral("CHBRow17"))) {
    const int per = values.Checked(QStringLiteral("CHBDual17")) ? 3 : 6;
    maximum = run_->EntryCount() / per;
    position = (run_->CurrentIndex() - 1) / per;
  } else if (exam == 3) {
    position = run_->CurrentIndex() - 1;
  }
  if (gcount_) {
    gcount_->setRange(0, std::max(1, maximum));
    gcount_->setValue(std::clamp(position, 0, std::max(1, maximum)));
  }
  if (gcount_label_) gcount_label_->setText(QStringLiteral("%1/%2").arg(position).arg(maximum));
  Q_EMIT TaskPresented();
  // 9.
  run_->StartTaskClock();
  // 10. Only a word of at least half a second is waited for.
  if (!current_sound_.isEmpty() && QFile::exists(current_sound_) && sound_->CurrentFile() == current_sound_ &&
      std::lround(sound_->CurrentLength()) % 60 != 0) {
    WaitForPlaybackEnd(*sound_, still_running);
  }
  // 11.
  if (still_running()) tsek_->start();
}

bool RunEngine::JudgeAnswer() {
  // 1.
  tsek_->stop();
  if (!run_) return false;
  const int exam = run_->Exam();
  // 2.
  if (exam == 3) {
    int rows = 0;
    for (const TTask& t : run_->Tasks()) rows += (t.Outcome == -1 || t.Outcome == 9) ? 1 : 0;
    run_->StampRowTimes(std::max(1, rows));
  } else if (exam != 17) {
    run_->StampTaskTime();
  }
  // 3.
  bool right = true;
  if (exam != 17) {
    if (ExercisePage* page = PageFor(exam)) {
      right = page->CheckAnswer(exam);
    } else {
      form_->AskQuestion(QStringLiteral("CHYBA"), QStringLiteral("Chybné cvičenie!"), true);
      right = false;
    }
  }
  // 4. Exercise 14 may still play its word after the answer.
  if (exam != 14 && !current_sound_.isEmpty()) QFile::remove(current_sound_);
  return right;
}

void RunEngine::SBOK1Click() {
  if (!form_->Running()) return;
  NextTask(JudgeAnswer() ? kOutcomeGood : kOutcomeBad);
}

void RunEngine::TSekTimer() {
  // 1.
  if (!TimerOn() || teaching_mode_ || !form_->Running()) return;
  // 2.
  ++tick_count_;
  const int limit = TaskTime();
  if (time_bar_) time_bar_->setValue(static_cast<int>(std::lround(100.0 * tick_count_ / limit)));
  // 3.
  if (tick_count_ >= limit) {
    form_->SetStopFlag(true);
    NextTask(JudgeAnswer() ? kOutcomeGood : kOutcomeLate);
  }
}

void RunEngine::TPauseTimer() {
  tpause_->stop();
  pause_pending_ = false;
}

void RunEngine::StopRun(bool finished) {
  if (!run_) {
    form_->SetRunning(false);
    return;
  }
  RunPage* page = form_->runPage();
  // 1.
  tsek_->stop();
  if (clock_) clock_->Stop();
  // 2.
  run_->SetFinished(finished);
  // 3.
  form_->SetRunning(false);
  // 4.
  StopSound();
  DeleteTempSounds();
  current_sound_.clear();
  // 5.
  if (cover_) {
    cover_->show();
    cover_->raise();
  }
  if (mode_) mode_->hide();
  // 6.
  const qint64 total = clock_ ? clock_->TotalSeconds() : 0;
  const QString duration = QString::asprintf("%.2d:%.2d:%.2d", static_cast<int>(total / 3600),
                                             static_cast<int>(total / 60 % 60), static_cast<int>(total % 60));
  run_->SetDuration(duration);
  // 7.
  int result_id = 0;
  if (teaching_mode_) {
    ShowScoring(true);
  } else {
    ResultStore results(form_->store());
    result_id = results.StoreResult(form_->UserName(), form_->UserId(), run_->ValuesForStoring(form_->UserName()));
    last_stored_id_ = result_id;
  }
  // 8.
  run_.reset();
  // 9.
  if (results_cover_) results_cover_->show();
  form_->settingsPage()->ResetExercisePageColours();
  // 10.
  SetButtonRunning(false);
  if (time_bar_) time_bar_->hide();
  form_->PMenu()->show();
  if (pcset_) pcset_->show();
  if (edu_) edu_->setFocus();
  if (last_) last_->show();
  form_->CentreExercisePanels();
  Q_UNUSED(page);
  Q_EMIT RunEnded(finished);
  // 11.
  if (!teaching_mode_ && form_->settingsPage()->ResultsDisplay() <= 1) ShowResultDialog(finished, result_id, duration);
}

void RunEngine::ShowResultDialog(bool finished, int result_id, const QString& duration) {
  TFResults* dialog = form_->FResults();
  if (!dialog) return;
  auto text = [this](const char* name) {
    auto* l = form_->runPage()->findChild<QLabel*>(QLatin1String(name));
    return l ? l->text() : QString();
  };
  RunSummary summary;
  summary.user = text("LUser");
  summary.exam = text("LExam");
  summary.tasks = text("LGCount");
  summary.mark = text("LMark");
  summary.time = duration;
  summary.completed = finished;
  summary.result_id = result_id;
  if (finished) summary.motivation = ResultStore(form_->store()).GetMotivationWord(success_ ? success_->value() : 0);
  dialog->Fill(summary);
  const bool covered = start_cover_ && start_cover_->isVisible();
  if (start_cover_) {
    start_cover_->show();
    start_cover_->raise();
  }
  dialog->exec();
  // The cover stays where no task matches.
  if (start_cover_ && !covered) start_cover_->hide();
  form_->runPage()->UpdateTaskCounts();
}

void RunEngine::ShowScoring(bool on) {
  for (const char* name : {"LU2", "LU3", "IU", "Im", "LMark", "GSuccess"}) {
    if (auto* w = form_->runPage()->findChild<QWidget*>(QLatin1String(name))) w->setVisible(on);
  }
  if (success_) success_->setValue(0);
  if (mark_) mark_->setText(QStringLiteral("-"));
}

void RunEngine::ShowPicture(const QString& path) {
  if (!emoticon_ || form_->ProgramFolder().isEmpty() || !QFile::exists(path)) return;
  emoticon_->setPixmap(QPixmap(path).scaled(emoticon_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  emoticon_->show();
}

void RunEngine::GiveFeedback(int outcome) {
  // 1. and 2.
  ShowPicture(form_->ProgramFolder() + QStringLiteral("Emotikony/smile%1.png").arg(outcome));
  temoticon_->start();
  // 3.
  if (sound_->IsPlaying()) sound_->Stop(true);
  // 4.
  const char* check = outcome == kOutcomeGood ? "CHBDobre" : outcome == kOutcomeLate ? "CHBNespravne" : "CHBZle";
  const char* edit = outcome == kOutcomeGood ? "EDobre" : outcome == kOutcomeLate ? "ENeskoro" : "EZle";
  auto* box = form_->Control<QCheckBox>(QLatin1String(check));
  auto* file = form_->Control<QLineEdit>(QLatin1String(edit));
  bool started = false;
  if (box && file && box->isChecked() && !file->text().isEmpty() && QFile::exists(file->text()))
    started = sound_->Play(file->text());
  // 5. A sound of less than half a second is not waited for.
  if (started && std::lround(sound_->CurrentLength()) % 60 != 0)
    WaitForPlaybackEnd(*sound_, [this] { return form_->Running(); });
}

void RunEngine::TEmoticonTimer() {
  temoticon_->stop();
  ShowPicture(form_->settingsPage()->NeutralPicture());
}

QString RunEngine::TempSoundName() {
  current_sound_ = mirvel::TempSoundName(form_->DataFolder(), current_sound_);
  return current_sound_;
}

void RunEngine::PlayWordSound(const QString& path) {
  if (path.isEmpty()) return;
  sound_->Play(path);
}

void RunEngine::OnPlaybackFinished(const QString& path, bool is_temp_sound) {
  Q_UNUSED(path);
  if (!is_temp_sound) return;
  for (const char* name : kReplayButtons)
    if (auto* b = form_->Control<QWidget>(QLatin1String(name))) b->setEnabled(true);
}

void RunEngine::DisableReplayButtons() {
  for (const char* name : kReplayButtons)
    if (auto* b = form_->Control<QWidget>(QLatin1String(name))) b->setEnabled(false);
}

void RunEngine::DeleteTempSounds() { mirvel::DeleteTempSounds(form_->DataFolder()); }

void RunEngine::StopSound() { sound_->Stop(true); }

void RunEngine::StopTimers() {
  tsek_->stop();
  temoticon_->stop();
}

}  // namespace mirvel
