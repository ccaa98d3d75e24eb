#pragma once

#include <QMainWindow>
#include <QString>

#include <memory>

#include "app/findcontrol.h"
#include "store/store.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolButton;

namespace mirvel {

class LetterPage;
class RunEngine;
class RunPage;
class ResultsPage;
class SettingsPage;
class TFEdit;
class TFLogin;
class TFQuestion;
class TFResults;
class TFWebBrowser;

// The main window: the menu bar PMenu, the page control PC with the pages
// TSAbout, TSRun, TSResults, TSSettings and TSBlank, the two database
// connections and the shell state. Every page and dialog reaches the shell's
// services (store, folders, AskQuestion, AskText, controls by name) through it.
class TForm1 final : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Creation steps: version text, folders, both connections, results grid,
  // run state. False with the message that ends the program (and a detail for
  // standard error) when the data folder or a database cannot be used.
  bool Create(QString* message, QString* detail);
  // The secondary windows in their order: login, text input, question, viewer, result.
  void CreateSecondaryWindows();

  // Services.
  Store& store() { return *store_; }
  const QString& ProgramFolder() const { return program_folder_; }
  const QString& DataFolder() const { return data_folder_; }
  bool AskQuestion(const QString& title, const QString& text, bool info_only);
  QString AskText(const QString& title, const QString& prompt, int max_length);
  template <typename T = QObject>
  T* Control(const QString& name) const { return FindControl<T>(this, name); }

  TFLogin* FLogin() const { return login_; }
  TFEdit* FEdit() const { return edit_; }
  TFQuestion* FQuestion() const { return question_; }
  TFWebBrowser* FWebBrowser() const { return web_browser_; }
  TFResults* FResults() const { return results_dialog_; }
  RunPage* runPage() const { return run_page_; }
  RunEngine* Engine() const { return engine_; }
  ResultsPage* resultsPage() const { return results_page_; }
  SettingsPage* settingsPage() const { return settings_page_; }
  QStackedWidget* PC() const { return pc_; }
  QFrame* PMenu() const { return menu_bar_; }
  QMenu* PMRun1() const { return exercise_menu_; }

  // Shell state.
  int CurrentExam() const { return current_exam_; }
  void SetCurrentExam(int exam_no) { current_exam_ = exam_no; }
  const QString& UserName() const { return user_name_; }
  int UserId() const { return user_id_; }
  int UserClass() const { return user_class_; }
  bool Closing() const { return closing_; }
  const QString& VersionText() const { return version_text_; }
  double ScreenPixelsPerInch() const { return screen_ppi_; }
  bool FirstShowDone() const { return first_show_done_; }

  // Run state shared with the run engine.
  bool Running() const { return running_; }
  void SetRunning(bool running) { running_ = running; }
  bool StopFlag() const { return stop_flag_; }
  void SetStopFlag(bool stop) { stop_flag_ = stop; }

  // Shell operations.
  void CentreExercisePanels();
  void ApplyCurrentUser();
  void SubMenuBClick(QAction* entry);
  void SBMenuLoginClick();
  void ShowPage(QWidget* page);
  // Brings the window to the front, restored if minimised (wake-up of a second start).
  void Wake();
  // The close request's steps; true when the window may close.
  bool CloseRequest();

 Q_SIGNALS:
  // The first showing's steps have all run.
  void FirstShowFinished();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenuBar();
  void BuildExerciseMenu();
  QWidget* BuildAboutPage();
  void FirstShow();
  void CentrePanels();
  void DeleteLeftOverFiles();

  std::unique_ptr<Store> store_;
  QString version_text_;
  QString program_folder_;
  QString data_folder_;
  double screen_ppi_ = 96.0;
  int current_exam_ = 0;
  QString user_name_;
  int user_id_ = 0;
  int user_class_ = 0;
  bool closing_ = false;
  bool running_ = false;
  bool stop_flag_ = false;
  bool first_show_started_ = false;
  bool first_show_done_ = false;

  QFrame* menu_bar_ = nullptr;
  QMenu* exercise_menu_ = nullptr;
  QStackedWidget* pc_ = nullptr;
  QWidget* about_page_ = nullptr;
  QWidget* about_panel_ = nullptr;
  QLabel* main_label_ = nullptr;
  QLabel* web_icon_ = nullptr;
  QWidget* blank_page_ = nullptr;
  RunPage* run_page_ = nullptr;
  RunEngine* engine_ = nullptr;
  ResultsPage* results_page_ = nullptr;
  SettingsPage* settings_page_ = nullptr;

  TFLogin* login_ = nullptr;
  TFEdit* edit_ = nullptr;
  TFQuestion* question_ = nullptr;
  TFWebBrowser* web_browser_ = nullptr;
  TFResults* results_dialog_ = nullptr;
};

}  // namespace mirvel
