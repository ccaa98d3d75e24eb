#include "app/tform1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/paths.h"
#include "app/runpage.h"
#include "engine/exercisecatalog.h"
#include "engine/ui/runengine.h"
#include "exercises/ui/letterpage.h"
#include "results/resultspage.h"
#include "results/tfresults.h"
#include "results/tfwebbrowser.h"
#include "settings/settingspage.h"
#include "users/tfedit.h"
#include "users/tflogin.h"
#include "users/tfquestion.h"

namespace mirvel {
namespace {

constexpr int kMenuButtonHeight = 55;

QString BuildVersionText() {
  // Version 1.0 printed without decimals is "1"; one character long, so ".0" follows.
  QString text = QString::number(1.0, 'f', 0);
  if (text.size() == 1) text += QStringLiteral(".0");
  return text;
}

QToolButton* MenuButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap icon) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QLatin1String(name));
  b->setText(caption);
  b->setIcon(parent->style()->standardIcon(icon));
  b->setIconSize(QSize(24, 24));
  b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  b->setAutoRaise(true);
  b->setFixedHeight(kMenuButtonHeight);
  b->setMinimumWidth(96);
  return b;
}

QToolButton* MenuSeparator(QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setEnabled(false);
  b->setFixedSize(3, kMenuButtonHeight);
  b->setStyleSheet(QStringLiteral("QToolButton { border: none; border-left: 1px solid #a0a0a0; }"));
  return b;
}

// Centres a panel in a page of the given size, with truncating division.
void CentreIn(QWidget* panel, const QSize& page) {
  if (!panel) return;
  panel->move(page.width() / 2 - panel->width() / 2, page.height() / 2 - panel->height() / 2);
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), store_(std::make_unique<Store>()) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Mirvel v"));
  setMinimumSize(1024, 768);

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("PBackground"));
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  setCentralWidget(central);

  BuildMenuBar();
  layout->addWidget(menu_bar_);

  pc_ = new QStackedWidget(central);
  pc_->setObjectName(QStringLiteral("PC"));
  layout->addWidget(pc_, 1);

  about_page_ = BuildAboutPage();
  pc_->addWidget(about_page_);
  run_page_ = new RunPage(this, pc_);
  pc_->addWidget(run_page_);
  results_page_ = new ResultsPage(this, pc_);
  pc_->addWidget(results_page_);
  settings_page_ = new SettingsPage(this, pc_);
  pc_->addWidget(settings_page_);
  engine_ = new RunEngine(this);
  engine_->Register(new LetterPage(this, engine_, Control<QWidget>(QStringLiteral("PMain1"))));
  engine_->Attach();
  blank_page_ = new QWidget(pc_);
  blank_page_->setObjectName(QStringLiteral("TSBlank"));
  pc_->addWidget(blank_page_);
  pc_->setCurrentWidget(about_page_);
}

TForm1::~TForm1() = default;

bool TForm1::Create(QString* message, QString* detail) {
  // 1. Version in the caption and the About title, never with a decimal comma.
  version_text_ = BuildVersionText();
  const QString version = QString(version_text_).replace(QLatin1Char(','), QLatin1Char('.'));
  setWindowTitle(windowTitle() + version);
  main_label_->setText(main_label_->text() + version);

  // 2. The wake-up hook is the single-instance server of the process entry.
  if (QScreen* s = QApplication::primaryScreen()) screen_ppi_ = s->logicalDotsPerInchX();

  // 3.
  program_folder_ = ProgramFolderPath();
  closing_ = false;

  // 4. The three sound pickers start in Zvuky (settings page).
  settings_page_->SetSoundFolder(program_folder_ + QStringLiteral("Zvuky"));

  // 5.
  data_folder_ = DataFolderPath();
  if (!QDir(data_folder_).exists()) {
    *message = QStringLiteral("Inštalácia programu je narušená. Program bude ukončený!");
    *detail = QStringLiteral("dátový priečinok %1 neexistuje").arg(data_folder_);
    return false;
  }

  // 6.
  QString reason;
  if (!Store::PrepareLockDirectory(data_folder_, &reason) || !store_->Open(data_folder_, &reason)) {
    *message = QStringLiteral(
        "Databázová štruktúra programu je narušená alebo ju blokuje iný program. Program bude ukončený!");
    *detail = reason;
    return false;
  }

  // 7. and 8. Mark-threshold mirrors and the results grid columns.
  settings_page_->CopyThresholdMirrors();
  results_page_->SetUpGridColumns();

  // 9. No run, no exercise, no pause; empty task list (run engine).
  running_ = false;
  stop_flag_ = false;
  current_exam_ = 0;
  return true;
}

void TForm1::CreateSecondaryWindows() {
  login_ = new TFLogin(this);
  edit_ = new TFEdit(this);
  question_ = new TFQuestion(this);
  web_browser_ = new TFWebBrowser(this);
  results_dialog_ = new TFResults(this);
}

void TForm1::BuildMenuBar() {
  menu_bar_ = new QFrame(this);
  menu_bar_->setObjectName(QStringLiteral("PMenu"));
  menu_bar_->setFrameShape(QFrame::StyledPanel);
  auto* row = new QHBoxLayout(menu_bar_);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(2);

  QToolButton* about = MenuButton(menu_bar_, "SBAbout", QStringLiteral("O &programe"), QStyle::SP_MessageBoxInformation);
  QToolButton* run = MenuButton(menu_bar_, "SBRun1", QStringLiteral("&Cvičenia"), QStyle::SP_MediaPlay);
  QToolButton* results = MenuButton(menu_bar_, "SBResults", QStringLiteral("&Výsledky"), QStyle::SP_FileDialogDetailedView);
  QToolButton* settings = MenuButton(menu_bar_, "SBSettings", QStringLiteral("&Nastavenia programu"), QStyle::SP_FileDialogContentsView);
  QToolButton* login = MenuButton(menu_bar_, "SBMenuLogin", QStringLiteral("&Zmeniť používateľa"), QStyle::SP_DirHomeIcon);
  QToolButton* help = MenuButton(menu_bar_, "SBHelp", QStringLiteral("Po&mocník"), QStyle::SP_DialogHelpButton);
  QToolButton* quit = MenuButton(menu_bar_, "SBQuit", QStringLiteral("&Koniec"), QStyle::SP_DialogCloseButton);

  row->addWidget(about);
  row->addWidget(MenuSeparator(menu_bar_));
  row->addWidget(run);
  row->addWidget(MenuSeparator(menu_bar_));
  row->addWidget(results);
  row->addWidget(settings);
  row->addWidget(login);
  row->addWidget(help);
  row->addWidget(MenuSeparator(menu_bar_));
  row->addWidget(quit);
  row->addStretch(1);

  BuildExerciseMenu();
  run->setMenu(exercise_menu_);
  run->setPopupMode(QToolButton::InstantPopup);

  connect(about, &QToolButton::clicked, this, [this] { ShowPage(about_page_); });
  connect(results, &QToolButton::clicked, this, [this] { results_page_->ShowResultsPage(); });
  connect(settings, &QToolButton::clicked, this, [this] { settings_page_->ShowSettingsPage(); });
  connect(login, &QToolButton::clicked, this, &TForm1::SBMenuLoginClick);
  connect(help, &QToolButton::clicked, this, [this] {
    web_browser_->ShowHelp(program_folder_ + QStringLiteral("Pomoc/index.html"));
  });
  connect(quit, &QToolButton::clicked, this, &QWidget::close);
}

void TForm1::BuildExerciseMenu() {
  exercise_menu_ = new QMenu(this);
  exercise_menu_->setObjectName(QStringLiteral("PMRun1"));
  auto submenu = [](QMenu* parent, const char* name, const QString& caption) {
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(QLatin1String(name));
    m->menuAction()->setObjectName(QLatin1String(name));
    return m;
  };
  auto entry = [this](QMenu* parent, int exam_no, const QString& caption) {
    QAction* a = parent->addAction(caption);
    a->setObjectName(QStringLiteral("SubMenu%1").arg(exam_no));
    connect(a, &QAction::triggered, this, [this, a] { SubMenuBClick(a); });
  };
  QMenu* c = submenu(exercise_menu_, "MainMenuC", QStringLiteral("Sluchové cvičenia"));
  entry(c, 1, QStringLiteral("Dopĺňanie jedného písmena"));
  entry(c, 2, QStringLiteral("Skladanie slova z písmen"));
  entry(c, 4, QStringLiteral("Skladanie slova zo slabík"));
  QMenu* c1 = submenu(c, "MainMenuC1", QStringLiteral("Dĺžne v slovách"));
  entry(c1, 18, QStringLiteral("Určovanie dĺžky slabík bzučiakom"));
  entry(c1, 14, QStringLiteral("Dopĺňanie dĺžňov do slov"));
  entry(c1, 15, QStringLiteral("Zaraďovanie slova podľa predlohy"));
  QMenu* d = submenu(exercise_menu_, "MainMenuD", QStringLiteral("Zrakové cvičenia"));
  entry(d, 3, QStringLiteral("Zraková diferenciácia"));
  entry(d, 5, QStringLiteral("Dopĺňanie b/d/p"));
  QMenu* e = submenu(exercise_menu_, "MainMenuE", QStringLiteral("Cvičenia čítania"));
  entry(e, 17, QStringLiteral("Čítanie nezmyselných slabík"));
  entry(e, 16, QStringLiteral("Rozšírenie slovnej zásoby"));
  QMenu* f = submenu(exercise_menu_, "MainMenuF", QStringLiteral("Gramatické cvičenia"));
  QMenu* f1 = submenu(f, "MainMenuF1", QStringLiteral("Tvrdé a mäkké spoluhlásky"));
  entry(f1, 8, QStringLiteral("Slová s i/y bez d/t/n"));
  entry(f1, 6, QStringLiteral("Slová s i/y po d/t/n"));
  entry(f1, 7, QStringLiteral("Slová s dvoma i/y"));
  entry(f, 9, QStringLiteral("Rozlišovanie ä/e"));
  entry(f, 11, QStringLiteral("Koncovka -ou/-ov"));
  entry(f, 10, QStringLiteral("Vybrané a odvodené slová"));
  entry(f, 12, QStringLiteral("Písanie prídavných mien"));
  entry(f, 13, QStringLiteral("Určovanie slovných druhov"));
}

QWidget* TForm1::BuildAboutPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("TSAbout"));
  about_panel_ = new QFrame(page);
  about_panel_->setObjectName(QStringLiteral("SAbout"));
  about_panel_->setFixedSize(640, 380);
  about_panel_->setStyleSheet(QStringLiteral(
      "QFrame#SAbout { background: white; border: 1px solid #9db3d6; border-radius: 12px; }"));
  page->installEventFilter(this);
  auto* col = new QVBoxLayout(about_panel_);
  col->setSpacing(14);

  main_label_ = new QLabel(QStringLiteral("Mirvel v"), about_panel_);
  main_label_->setObjectName(QStringLiteral("LMain"));
  QFont title(QStringLiteral("Verdana"), 36, QFont::Bold);
  main_label_->setFont(title);
  main_label_->setAlignment(Qt::AlignCenter);
  main_label_->setStyleSheet(QStringLiteral("color: #1f4e9c;"));

  auto* text = new QLabel(
      QStringLiteral("Špecializovaný program pre deti vhodný aj pri špecifických poruchách učenia."), about_panel_);
  text->setObjectName(QStringLiteral("LAbout"));
  text->setWordWrap(true);
  text->setAlignment(Qt::AlignCenter);
  QFont big(QStringLiteral("Tahoma"), 13);
  text->setFont(big);

  auto* trains = new QLabel(
      QStringLiteral("Cvičenia sluchu, zraku, čítania a pravopisu pre žiakov 1. až 4. ročníka základnej školy."),
      about_panel_);
  trains->setObjectName(QStringLiteral("LAbout2"));
  trains->setWordWrap(true);
  trains->setAlignment(Qt::AlignCenter);

  auto* maker = new QLabel(QStringLiteral("Mirvel – výučbový program pre školy"), about_panel_);
  maker->setObjectName(QStringLiteral("LMaker"));
  maker->setAlignment(Qt::AlignCenter);

  web_icon_ = new QLabel(about_panel_);
  web_icon_->setObjectName(QStringLiteral("IWeb"));
  web_icon_->setAlignment(Qt::AlignCenter);
  web_icon_->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
  web_icon_->installEventFilter(this);

  col->addStretch(1);
  col->addWidget(main_label_);
  col->addWidget(text);
  col->addWidget(trains);
  col->addStretch(1);
  col->addWidget(maker);
  col->addWidget(web_icon_);
  for (QLabel* l : {main_label_, text, trains, maker}) l->installEventFilter(this);
  return page;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // The pages get their size from the layout after the window's own resize.
  if (event->type() == QEvent::Resize && watched == about_page_) CentrePanels();
  if (event->type() == QEvent::MouseButtonPress) {
    auto* e = static_cast<QMouseEvent*>(event);
    if (watched == web_icon_ && (e->modifiers() & Qt::ControlModifier)) {
      AskQuestion(QStringLiteral("Pracovné cesty"), program_folder_ + QStringLiteral("\r\n") + data_folder_, true);
      return true;
    }
    // Ctrl and the right button alone on a label of the About page: the counters.
    if (watched != web_icon_ && qobject_cast<QLabel*>(watched) && watched->parent() == about_panel_ &&
        e->button() == Qt::RightButton && e->buttons() == Qt::RightButton &&
        e->modifiers() == Qt::ControlModifier) {
      QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Mirvel"), store_->CountersSummary(), QMessageBox::Ok,
                      this);
      box.exec();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TForm1::AskQuestion(const QString& title, const QString& text, bool info_only) {
  if (!question_ || question_->isVisible()) return false;
  return question_->Ask(title, text, info_only);
}

QString TForm1::AskText(const QString& title, const QString& prompt, int max_length) {
  if (!edit_) return QString();
  return edit_->Ask(title, prompt, max_length);
}

void TForm1::ShowPage(QWidget* page) {
  pc_->setCurrentWidget(page);
  CentrePanels();
  if (page == run_page_) CentreExercisePanels();
}

void TForm1::Wake() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (first_show_started_) return;
  first_show_started_ = true;
  // The steps run once the window is on screen, so the login window opens over it.
  QTimer::singleShot(0, this, &TForm1::FirstShow);
}

void TForm1::FirstShow() {
  // 1.
  settings_page_->RestoreProgramSettings();
  settings_page_->ApplyProgramSettings();
  // 2. and 3.
  login_->FillLoginGrid();
  if (!settings_page_->AutoLogin()) login_->exec();
  // 4. and 5.
  ApplyCurrentUser();
  run_page_->ResetRunDisplay();
  first_show_done_ = true;
  // 6. - 8.
  settings_page_->LoadUserSettings();
  store_->CountProgramStart();
  if (store_->GetVersion() != QLatin1String("1")) store_->SetVersion(QStringLiteral("1"));
  // 9.
  run_page_->KeepAllListsChecked();
  Q_EMIT FirstShowFinished();
}

void TForm1::ApplyCurrentUser() {
  user_name_ = login_->SelectedName();
  run_page_->SetUserLabel(user_name_);
  store_->MarkLoggedUser(user_name_);
  user_id_ = store_->GetUserId(user_name_);
  user_class_ = store_->GetUserClass(user_name_);
  for (const TExam& exam : ExerciseCatalog) {
    if (QAction* a = FindControl<QAction>(exercise_menu_, QStringLiteral("SubMenu%1").arg(exam.ExamNo))) {
      a->setEnabled(user_class_ >= exam.MinYear);
    }
  }
}

void TForm1::SubMenuBClick(QAction* entry) {
  if (current_exam_ != 0) settings_page_->SaveExerciseLimits(current_exam_);
  const QString name = entry ? entry->objectName() : QString();
  if (!name.startsWith(QLatin1String("SubMenu"), Qt::CaseInsensitive)) return;
  bool ok = false;
  const int exam_no = name.mid(7).toInt(&ok);
  const TExam* exam = ok ? FindExam(exam_no) : nullptr;
  if (!exam) return;
  run_page_->ChooseExercise(*exam);
}

void TForm1::SBMenuLoginClick() {
  if (!AskQuestion(QStringLiteral("OTÁZKA"), QStringLiteral("Chcete zmeniť aktuálneho používateľa programu?"), false))
    return;
  menu_bar_->hide();
  QWidget* remembered = pc_->currentWidget();
  pc_->setCurrentWidget(blank_page_);
  settings_page_->SaveUserSettings();
  if (current_exam_ != 0) settings_page_->SaveExerciseLimits(current_exam_);
  login_->FillLoginGrid();
  login_->SetAutoLoginBox(false);
  login_->exec();
  ApplyCurrentUser();
  run_page_->ResetRunDisplay();
  current_exam_ = 0;
  settings_page_->LoadUserSettings();
  pc_->setCurrentWidget(remembered);
  menu_bar_->show();
}

void TForm1::DeleteLeftOverFiles() {
  for (int n = 1; n <= 10; ++n) QFile::remove(data_folder_ + QStringLiteral("zvuk%1.mp3").arg(n));
  for (const char* name : {"i_mirvel.exe", "mirvel.ini"}) QFile::remove(data_folder_ + QLatin1String(name));
}

bool TForm1::CloseRequest() {
  // 1. - 3. run on every close request.
  engine_->StopSound();
  DeleteLeftOverFiles();
  // 4.
  if (running_) {
    if (AskQuestion(QStringLiteral("OTÁZKA"),
                    QStringLiteral("Chcete prerušiť aktuálne cvičenie a ukončiť prácu s programom?"), false)) {
      closing_ = true;
      engine_->SBStartStop1Click();
    } else {
      stop_flag_ = true;
      return false;
    }
  }
  // 5.
  if (running_) return false;
  if (!closing_ &&
      !AskQuestion(QStringLiteral("OTÁZKA"), QStringLiteral("Chcete naozaj ukončiť prácu s programom?"), false))
    return false;
  engine_->StopTimers();
  settings_page_->SaveProgramSettings();
  settings_page_->SaveUserSettings();
  if (current_exam_ != 0) settings_page_->SaveExerciseLimits(current_exam_);
  store_->Close();
  return true;
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (CloseRequest()) {
    event->accept();
    QCoreApplication::exit(0);
  } else {
    event->ignore();
  }
}

void TForm1::CentrePanels() {
  const QSize page = about_page_->size();
  CentreIn(about_panel_, page);
  CentreIn(Control<QWidget>(QStringLiteral("PResults")), page);
  CentreIn(Control<QWidget>(QStringLiteral("PSettings")), page);
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  CentrePanels();
  if (pc_->currentWidget() == run_page_) CentreExercisePanels();
}

void TForm1::CentreExercisePanels() {
  auto* bar = Control<QWidget>(QStringLiteral("PBTime"));
  auto* button_panel = Control<QWidget>(QStringLiteral("PButton"));
  if (bar && button_panel) bar->setFixedWidth(std::max(0, button_panel->x() - 20));
  auto* sheet = Control<QWidget>(QStringLiteral("TS11"));
  if (!sheet) return;
  const QSize area = sheet->contentsRect().size();
  for (int k : {1, 3, 4, 5, 6, 7, 8}) {
    auto* panel = Control<QWidget>(QStringLiteral("PMain%1").arg(k));
    if (!panel) continue;
    CentreIn(panel, area);
    if (menu_bar_->isHidden()) panel->move(panel->x(), panel->y() + menu_bar_->height() / 2);
  }
}

}  // namespace mirvel
