#pragma once

#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QTimer;
class QToolButton;
class QWidget;

namespace mirvel {

class ElapsedClock;
class ExercisePage;
class SoundChannel;
class TExamBox;
class TForm1;

// Outcome codes handed to NextTask.
inline constexpr int kOutcomeNone = -1;
inline constexpr int kOutcomeGood = 1;
inline constexpr int kOutcomeLate = 2;
inline constexpr int kOutcomeBad = 3;

// The exercise run engine: starts and stops runs, presents the tasks one
// after the other through the exercise pages, judges answers, counts the task
// time, records outcomes in the run record, gives feedback and at the end
// stores the run and shows the result dialog.
//
// Waits (the feedback sound, the pause after an answer, the word's recording)
// process window events, so the stop button or a close request may end the
// run inside them; after every wait the engine checks Running() before it
// touches the run record or a page. See README.md in this folder.
class RunEngine final : public QObject {
  Q_OBJECT
 public:
  explicit RunEngine(TForm1* form);
  ~RunEngine() override;

  // Pages register once; the engine does not own them.
  void Register(ExercisePage* page);
  // Looks up the run page's controls; called once they all exist.
  void Attach();

  // The start/stop button.
  void SBStartStop1Click();
  void StartRun();
  // The page set-up at the start of a run.
  void PreparePage();
  // Records the outcome of the task just answered (unless kOutcomeNone) and
  // goes on with the next task or ends the run.
  void NextTask(int outcome);
  // Stops the task time, stamps the task's duration, asks the page.
  bool JudgeAnswer();
  // The OK buttons of the pages: good when the answer is right, else bad.
  void SBOK1Click();
  void StopRun(bool finished);
  void ShowScoring(bool on);
  // The picture of the outcome for two seconds, its sound; returns once the
  // sound has played.
  void GiveFeedback(int outcome);

  // Words.
  // A fresh temporary recording name, made the current one; empty when all
  // ten names are taken by files that cannot be deleted.
  QString TempSoundName();
  const QString& CurrentSound() const { return current_sound_; }
  // Plays an MP3 file on the one channel; a missing or undecodable file plays
  // nothing and gives no end event.
  void PlayWordSound(const QString& path);
  void DisableReplayButtons();
  void DeleteTempSounds();
  // Stops the output, waiting until it has stopped.
  void StopSound();

  // Close request: the audio stops; the timers stop; the run is stopped as
  // interrupted without a question.
  void StopTimers();

  bool TeachingMode() const { return teaching_mode_; }
  TExamBox* Run() const { return run_.get(); }
  int TickCount() const { return tick_count_; }
  bool PausePending() const { return pause_pending_; }
  // The result number of the last stored run (0 when none was stored).
  int LastStoredId() const { return last_stored_id_; }
  SoundChannel* Sound() const { return sound_; }
  QRandomGenerator& Random() { return random_; }
  // Random(m): uniform in 0 .. m-1.
  int RandomInt(int m) { return m > 0 ? static_cast<int>(random_.bounded(m)) : 0; }

 Q_SIGNALS:
  // A task is on screen (after PresentTask and the progress update).
  void TaskPresented();
  // The run has ended (after storing, before the result dialog).
  void RunEnded(bool finished);

 private:
  ExercisePage* PageFor(int exam) const;
  void TSekTimer();
  void TPauseTimer();
  void TEmoticonTimer();
  void OnPlaybackFinished(const QString& path, bool is_temp_sound);
  void ShowPicture(const QString& path);
  void ShowResultDialog(bool finished, int result_id, const QString& duration);
  void SetButtonRunning(bool running);
  bool TimerOn() const;
  int TaskTime() const;
  int Limit() const;

  TForm1* form_;
  std::vector<ExercisePage*> pages_;
  std::unique_ptr<TExamBox> run_;
  QStringList task_ids_;
  bool teaching_mode_ = false;
  int tick_count_ = 0;
  bool pause_pending_ = false;
  int last_stored_id_ = 0;
  quint64 run_serial_ = 0;
  QString current_sound_;
  QRandomGenerator random_;
  SoundChannel* sound_ = nullptr;

  QTimer* tsek_ = nullptr;
  QTimer* tpause_ = nullptr;
  QTimer* temoticon_ = nullptr;

  QToolButton* start_stop_ = nullptr;
  QWidget* button_panel_ = nullptr;
  QWidget* start_cover_ = nullptr;
  QProgressBar* time_bar_ = nullptr;
  QLabel* mode_ = nullptr;
  QWidget* results_cover_ = nullptr;
  QWidget* last_ = nullptr;
  QWidget* cover_ = nullptr;
  QProgressBar* gcount_ = nullptr;
  QLabel* gcount_label_ = nullptr;
  QProgressBar* success_ = nullptr;
  QLabel* mark_ = nullptr;
  QLabel* emoticon_ = nullptr;
  QComboBox* edu_ = nullptr;
  ElapsedClock* clock_ = nullptr;
  QWidget* pcset_ = nullptr;
};

}  // namespace mirvel
