#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include "app/mirvelapplication.h"
#include "app/singleinstance.h"
#include "app/tform1.h"
#include "support/testdata.h"
#include "users/tfedit.h"
#include "users/tfquestion.h"

namespace mirvel {
namespace {

// Clicks a button of the modal dialog that opens next.
void ClickInNextModal(const char* button) {
  QTimer::singleShot(0, [button] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (auto* b = FindControl<QPushButton>(modal, QLatin1String(button))) b->click();
  });
}

class ShellTest : public ::testing::Test {
 protected:
  void StartWindow() {
    ASSERT_TRUE(folder_.ok());
    form_ = std::make_unique<TForm1>();
    QString message, detail;
    ASSERT_TRUE(form_->Create(&message, &detail)) << detail.toStdString();
    form_->CreateSecondaryWindows();
    form_->store().PutSetting(QStringLiteral("CHBLogin"), 2, QStringLiteral("1"));
    QSignalSpy ready(form_.get(), &TForm1::FirstShowFinished);
    form_->show();
    ASSERT_TRUE(ready.wait(5000));
  }

  test::TempDataFolder folder_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(ShellTest, CaptionShowsTheVersionWithAPointUnderEveryLocale) {
  QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
  StartWindow();
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Mirvel v1.0"));
  EXPECT_EQ(form_->Control<QLabel>(QStringLiteral("LMain"))->text(), QStringLiteral("Mirvel v1.0"));
  EXPECT_EQ(form_->PC()->currentWidget()->objectName(), QStringLiteral("TSAbout"));
  EXPECT_GE(form_->minimumWidth(), 1024);
  EXPECT_GE(form_->minimumHeight(), 768);
}

TEST_F(ShellTest, FirstShowingLogsInTheLastUserAndCountsTheStart) {
  StartWindow();
  EXPECT_EQ(form_->UserName(), QStringLiteral("Kamarát"));
  EXPECT_EQ(form_->UserId(), 1);
  EXPECT_EQ(form_->UserClass(), 4);
  EXPECT_EQ(form_->store().GetOtherValue(QStringLiteral("AutoInc")), QStringLiteral("1"));
  EXPECT_EQ(form_->store().GetVersion(), QStringLiteral("1"));
}

TEST_F(ShellTest, AnsweringNoKeepsTheWindowButStillDeletesTemporaryFiles) {
  StartWindow();
  const QStringList leftovers = {QStringLiteral("zvuk1.mp3"), QStringLiteral("zvuk10.mp3"),
                                 QStringLiteral("i_mirvel.exe"), QStringLiteral("mirvel.ini")};
  for (const QString& name : leftovers) {
    QFile f(folder_.File(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  ClickInNextModal("SBN");
  form_->Control<QToolButton>(QStringLiteral("SBQuit"))->click();
  EXPECT_TRUE(form_->isVisible());
  EXPECT_TRUE(form_->store().IsOpen());
  for (const QString& name : leftovers) EXPECT_FALSE(QFile::exists(folder_.File(name))) << name.toStdString();
}

TEST_F(ShellTest, AnsweringYesSavesAndDisconnects) {
  StartWindow();
  ClickInNextModal("SBA");
  EXPECT_TRUE(form_->close());
  EXPECT_FALSE(form_->store().IsOpen());
}

TEST_F(ShellTest, ASecondQuestionWhileOneIsOpenReturnsNoAtOnce) {
  StartWindow();
  bool second = true;
  QTimer::singleShot(0, [&] {
    second = form_->AskQuestion(QStringLiteral("OTÁZKA"), QStringLiteral("Druhá?"), false);
    FindControl<QPushButton>(QApplication::activeModalWidget(), QStringLiteral("SBA"))->click();
  });
  EXPECT_TRUE(form_->AskQuestion(QStringLiteral("otázka"), QStringLiteral("Prvá?"), false));
  EXPECT_FALSE(second);
  EXPECT_EQ(form_->FQuestion()->windowTitle(), QStringLiteral("OTÁZKA"));
}

TEST_F(ShellTest, QuestionDialogOffersTheButtonsOfItsKind) {
  StartWindow();
  struct Case { const char* title; bool info; const char* colour; };
  for (const Case& c : {Case{"OTÁZKA", false, "#000000"}, Case{"UPOZORNENIE", true, "#ff0000"},
                        Case{"CHYBA", true, "#ff0000"}, Case{"INFORMÁCIA", true, "#000080"},
                        Case{"Pracovné cesty", true, "#000000"}}) {
    bool ok_visible = false, yes_visible = false;
    QTimer::singleShot(0, [&] {
      TFQuestion* q = form_->FQuestion();
      ok_visible = FindControl<QPushButton>(q, QStringLiteral("SBOK"))->isVisible();
      yes_visible = FindControl<QPushButton>(q, QStringLiteral("SBA"))->isVisible();
      FindControl<QPushButton>(q, QLatin1String(c.info ? "SBOK" : "SBN"))->click();
    });
    EXPECT_FALSE(form_->AskQuestion(QString::fromUtf8(c.title), QStringLiteral("Text"), c.info));
    EXPECT_EQ(ok_visible, c.info) << c.title;
    EXPECT_EQ(yes_visible, !c.info) << c.title;
    EXPECT_EQ(TFQuestion::TitleColour(QLocale().toUpper(QString::fromUtf8(c.title))).name().toStdString(),
              std::string(c.colour)) << c.title;
  }
}

TEST_F(ShellTest, AskTextReturnsTheTypedNameOrNothingWhenCancelled) {
  StartWindow();
  QTimer::singleShot(0, [&] {
    TFEdit* e = form_->FEdit();
    e->EText()->setText(QStringLiteral("Žofia O'Neil a jej dlhé meno"));  // cut at 24
    FindControl<QPushButton>(e, QStringLiteral("SBA"))->click();
  });
  EXPECT_EQ(form_->AskText(QStringLiteral("PRIDAŤ"), QStringLiteral("Meno:"), 24),
            QStringLiteral("Žofia O'Neil a jej dlhé "));
  ClickInNextModal("SBN");
  EXPECT_EQ(form_->AskText(QStringLiteral("PRIDAŤ"), QStringLiteral("Meno:"), 24), QString());
}

TEST(SingleInstanceTest, SecondGuardIsRefusedAndWakesTheFirst) {
  SingleInstance first;
  ASSERT_TRUE(first.Acquire());
  first.Listen();
  QSignalSpy woken(&first, &SingleInstance::WakeUp);
  SingleInstance second;
  EXPECT_FALSE(second.Acquire());
  EXPECT_TRUE(SingleInstance::WakeRunningInstance());
  EXPECT_TRUE(woken.wait(3000));
}

// The real program, started as a process on a prepared data folder.
struct ProgramRun {
  int exit_code = -1;
  QString error_output;
  bool finished = false;
};

ProgramRun RunProgram(const QString& data_folder, int wait_ms = 20000) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("MIRVEL_DATA_DIR"), data_folder);
  p.setProcessEnvironment(env);
  p.start(qEnvironmentVariable("MIRVEL_BINARY"), {});
  ProgramRun run;
  run.finished = p.waitForFinished(wait_ms);
  if (!run.finished) {
    p.kill();
    p.waitForFinished();
  }
  run.exit_code = p.exitCode();
  run.error_output = QString::fromLocal8Bit(p.readAllStandardError());
  return run;
}

const char kBrokenInstallation[] = "Inštalácia programu je narušená. Program bude ukončený!";
const char kBrokenDatabase[] =
    "Databázová štruktúra programu je narušená alebo ju blokuje iný program. Program bude ukončený!";

TEST(StartupFailureTest, EachBrokenDataFolderEndsTheProgramWithItsMessage) {
  enum class Damage { kNoFolder, kNoConfig, kNoData, kEmptyConfig, kCorruptData };
  struct Case { const char* label; Damage damage; const char* message; };
  const Case cases[] = {
      {"missing data folder", Damage::kNoFolder, kBrokenInstallation},
      {"missing config.fdb", Damage::kNoConfig, kBrokenDatabase},
      {"missing data.fdb", Damage::kNoData, kBrokenDatabase},
      {"empty config.fdb", Damage::kEmptyConfig, kBrokenDatabase},
      {"corrupt data.fdb", Damage::kCorruptData, kBrokenDatabase},
  };
  for (const Case& c : cases) {
    test::TempDataFolder folder;
    QString path = folder.path();
    switch (c.damage) {
      case Damage::kNoFolder: path += QStringLiteral("chyba/"); break;
      case Damage::kNoConfig: QFile::remove(folder.File(QStringLiteral("config.fdb"))); break;
      case Damage::kNoData: QFile::remove(folder.File(QStringLiteral("data.fdb"))); break;
      case Damage::kEmptyConfig: QFile(folder.File(QStringLiteral("config.fdb"))).resize(0); break;
      case Damage::kCorruptData: {
        QFile f(folder.File(QStringLiteral("data.fdb")));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.write(QByteArray(4096, 'x'));
        break;
      }
    }
    const ProgramRun run = RunProgram(path);
    ASSERT_TRUE(run.finished) << c.label;
    EXPECT_EQ(run.exit_code, 1) << c.label;
    EXPECT_TRUE(run.error_output.contains(QString::fromUtf8(c.message))) << c.label << ": "
                                                                          << run.error_output.toStdString();
  }
}

TEST(StartupFailureTest, DatabaseHeldByAnotherProcessIsReported) {
  test::TempDataFolder folder;
  Store holder;
  ASSERT_TRUE(test::OpenStore(folder, holder));
  const ProgramRun run = RunProgram(folder.path());
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(run.error_output.contains(QString::fromUtf8(kBrokenDatabase))) << run.error_output.toStdString();
  // The holder's data is intact and still usable.
  EXPECT_EQ(holder.GetHighestUserId(), 1);
}

TEST(StartupFailureTest, SecondStartIsRefusedWhileTheFirstRuns) {
  test::TempDataFolder folder;
  {
    Store s;
    ASSERT_TRUE(test::OpenStore(folder, s));
    s.PutSetting(QStringLiteral("CHBLogin"), 2, QStringLiteral("1"));
  }
  QProcess first;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("MIRVEL_DATA_DIR"), folder.path());
  first.setProcessEnvironment(env);
  first.start(qEnvironmentVariable("MIRVEL_BINARY"), {});
  ASSERT_TRUE(first.waitForStarted());
  // The first instance is up once its wake-up server exists.
  for (int i = 0; i < 100 && !QFile::exists(SingleInstance::ServerPath()); ++i) QThread::msleep(100);
  ASSERT_TRUE(QFile::exists(SingleInstance::ServerPath()));
  const ProgramRun second = RunProgram(folder.path());
  first.kill();
  first.waitForFinished();
  ASSERT_TRUE(second.finished);
  EXPECT_EQ(second.exit_code, 1);
  EXPECT_TRUE(second.error_output.contains(QStringLiteral("Program Mirvel je už spustený!")))
      << second.error_output.toStdString();
}

}  // namespace
}  // namespace mirvel

namespace mirvel {
namespace {

QStringList g_shown_errors;

TEST(ErrorBoxTest, AFailedStatementAbandonsOnlyItsActionAndShowsTheError) {
  test::TempDataFolder folder;
  Store store;
  ASSERT_TRUE(test::OpenStore(folder, store));
  MirvelApplication::SetErrorSink([](const QString& text) { g_shown_errors << text; });
  QPushButton button;
  bool finished = false;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    store.Exec(store.ZQS(), QStringLiteral("UPDATE nowhere SET x=1"));
    finished = true;
  });
  button.show();
  QTest::mouseClick(&button, Qt::LeftButton);
  MirvelApplication::SetErrorSink(nullptr);
  EXPECT_FALSE(finished);
  ASSERT_EQ(g_shown_errors.size(), 1);
  EXPECT_TRUE(g_shown_errors.first().contains(QStringLiteral("NOWHERE"), Qt::CaseInsensitive));
  EXPECT_EQ(store.GetHighestUserId(), 1);  // the program goes on
}

}  // namespace
}  // namespace mirvel
