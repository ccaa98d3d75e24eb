#include "settings/settingspage.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/runpage.h"
#include "settings/colorscheme.h"
#include "users/mainwindowfixture.h"
#include "users/tflogin.h"

namespace mirvel {
namespace {

using test::ClickInModal;
using test::OnModal;

class SettingsPageTest : public test::MainWindowTest {
 protected:
  SettingsPage* page() { return form_->settingsPage(); }

  // A control of the exercise pages; made on the run page when the page does
  // not have it, so the handlers have something to reach.
  template <typename T = QLabel>
  QWidget* ExerciseControl(const char* name) {
    if (QWidget* w = form_->Control<QWidget>(QLatin1String(name))) return w;
    auto* w = new T(form_->runPage());
    w->setObjectName(QLatin1String(name));
    return w;
  }

  void Choose(const char* combo, const char* item) {
    auto* box = Get<QComboBox>(combo);
    const int index = box->findText(QString::fromUtf8(item));
    ASSERT_GE(index, 0) << item;
    box->setCurrentIndex(index);
  }

  int Threshold(int k) { return form_->Control<QSpinBox>(QStringLiteral("SE%1").arg(k))->value(); }
  QString RangeLabel(int m) { return form_->Control<QLabel>(QStringLiteral("LSH%1").arg(m))->text(); }
};

TEST(ColorSchemeTest, TableAndOutOfRangeIndices) {
  ASSERT_EQ(ColorScheme::Names().size(), 7);
  EXPECT_EQ(ColorScheme::Name(6), QStringLiteral("čierne pozadie"));
  EXPECT_EQ(ColorScheme::Get(3, ColorScheme::kBlue), QColor(0x2B, 0x92, 0xBE));
  EXPECT_EQ(ColorScheme::Get(4, ColorScheme::kRed), QColor(0xFF, 0x27, 0x27));
  // A damaged scheme number or colour index reads scheme 0 / the background.
  EXPECT_EQ(ColorScheme::Get(-1, 1), QColor(0, 0, 0));
  EXPECT_EQ(ColorScheme::Get(7, 0), QColor(0xE7, 0xF1, 0xFE));
  EXPECT_EQ(ColorScheme::Get(0, 6), QColor(0xE7, 0xF1, 0xFE));
}

TEST_F(SettingsPageTest, PanelHoldsEveryControlWithItsDefault) {
  auto* panel = Get("PSettings");
  const char* const direct[] = {"CBScheme", "CBFont", "CBFontSize", "CHBLogin", "CBRSystem", "CBProcess",
                                "CBNoResults", "CBNeutral", "SE1", "SE2", "SE3", "SE4", "CHBDobre", "EDobre",
                                "CHBZle", "EZle", "CHBNespravne", "ENeskoro"};
  for (const char* name : direct) {
    QWidget* w = form_->Control<QWidget>(QLatin1String(name));
    ASSERT_NE(w, nullptr) << name;
    EXPECT_EQ(w->parentWidget(), panel) << name;
  }
  EXPECT_EQ(Get<QComboBox>("CBScheme")->currentText(), QStringLiteral("základná"));
  EXPECT_EQ(Get<QComboBox>("CBFont")->currentText(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(Get<QComboBox>("CBNeutral")->count(), 10);
  EXPECT_EQ(Get<QSpinBox>("SE1")->maximum(), 98);
  EXPECT_EQ(Get<QSpinBox>("SE4")->minimum(), 1);
  EXPECT_EQ(RangeLabel(2), QStringLiteral("od 85% do"));
  // A fresh installation plays all three sounds from Zvuky.
  EXPECT_EQ(Get<QLineEdit>("EZle")->text(), form_->ProgramFolder() + QStringLiteral("Zvuky/zle.mp3"));
  EXPECT_TRUE(Get<QCheckBox>("CHBZle")->isChecked());
  EXPECT_FALSE(Get<QComboBox>("CBScheme")->isEditable());
  EXPECT_TRUE(Get<QLineEdit>("EDobre")->isReadOnly());
}

TEST_F(SettingsPageTest, BlackSchemePaintsSampleAndExercisePanels) {
  QWidget* task = ExerciseControl("LZadanie1");
  QWidget* cell = ExerciseControl("L11");
  QWidget* main = ExerciseControl<QWidget>("PMain1");
  Choose("CBScheme", "čierne pozadie");
  QLabel* sample = page()->PSample();
  EXPECT_EQ(sample->palette().color(QPalette::Window), QColor(0, 0, 0));
  EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0));
  EXPECT_EQ(cell->palette().color(QPalette::Window), QColor(0, 0, 0));
  EXPECT_EQ(task->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0));
  EXPECT_EQ(page()->SchemeColour(ColorScheme::kGreen), QColor(0x01, 0xBE, 0x01));

  page()->ApplySchemeToExercisePages();
  EXPECT_EQ(main->palette().color(QPalette::Window), QColor(0, 0, 0));
  page()->ResetExercisePageColours();
  EXPECT_EQ(main->palette().color(QPalette::Window), QColor(0xE7, 0xF1, 0xFE));
}

TEST_F(SettingsPageTest, FontAndSizeReachTheTaskTexts) {
  QWidget* first = ExerciseControl("LZadanie1");
  QWidget* vocabulary = ExerciseControl("LZadanie16");
  const int vocabulary_size = vocabulary->font().pointSize();
  Choose("CBFontSize", "24");
  EXPECT_EQ(page()->PSample()->font().pointSize(), 24);
  EXPECT_EQ(first->font().pointSize(), 24);
  EXPECT_EQ(vocabulary->font().pointSize(), vocabulary_size);

  Choose("CBFont", "Verdana");
  EXPECT_EQ(page()->PSample()->font().family(), QStringLiteral("Verdana"));
  EXPECT_EQ(vocabulary->font().family(), QStringLiteral("Verdana"));
}

TEST_F(SettingsPageTest, ThresholdsNudgeTheirNeighbours) {
  struct Case {
    const char* what;
    int setup[4];  // values set one after another, SE1 first
    int k;         // the threshold then changed
    int value;
    int expected[4];
    int label;  // LSH label that must read label_text
    const char* label_text;
  };
  const Case cases[] = {
      {"SE1 76 -> 75 meets SE2", {76, 75, 65, 50}, 1, 75, {75, 74, 65, 50}, 3, "od 74 % do"},
      {"SE1 label", {76, 75, 65, 50}, 1, 75, {75, 74, 65, 50}, 2, "od 75 % do"},
      {"SE4 raised onto SE3", {85, 75, 65, 64}, 4, 65, {85, 75, 66, 65}, 5, "od 65 % do 0 %"},
      {"SE2 raised onto SE1", {80, 79, 65, 50}, 2, 80, {81, 80, 65, 50}, 3, "od 80 % do"},
      {"SE3 lowered onto SE4", {85, 75, 51, 50}, 3, 50, {85, 75, 50, 49}, 4, "od 50 % do"},
      {"typed jump keeps the order", {85, 75, 65, 50}, 1, 40, {40, 39, 38, 37}, 5, "od 37 % do 0 %"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Reset to well-spread values from the top down so the setup nudges nothing.
    for (int k = 1; k <= 4; ++k) form_->Control<QSpinBox>(QStringLiteral("SE%1").arg(k))->setValue(95 - 10 * k);
    for (int k = 4; k >= 1; --k) {
      form_->Control<QSpinBox>(QStringLiteral("SE%1").arg(k))->setValue(c.setup[k - 1]);
    }
    for (int k = 1; k <= 4; ++k) ASSERT_EQ(Threshold(k), c.setup[k - 1]) << "setup SE" << k;
    form_->Control<QSpinBox>(QStringLiteral("SE%1").arg(c.k))->setValue(c.value);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(Threshold(k), c.expected[k - 1]) << "SE" << k;
    EXPECT_EQ(RangeLabel(c.label), QString::fromUtf8(c.label_text));
  }
}

TEST_F(SettingsPageTest, ProgramSettingsFoundAgainAfterRestart) {
  Choose("CBScheme", "modré pozadie");
  Choose("CBFontSize", "28");
  Choose("CBFont", "Arial");
  Choose("CBProcess", "2 sekundy");
  Choose("CBNeutral", "pes");
  Choose("CBRSystem", "raz opakovať na konci cvičenia");
  Choose("CBNoResults", "nezobrazovať");
  Get<QCheckBox>("CHBZle")->setChecked(false);
  Get<QSpinBox>("SE1")->setValue(90);
  Get<QSpinBox>("SE2")->setValue(80);
  Restart();

  EXPECT_EQ(Get<QComboBox>("CBScheme")->currentText(), QStringLiteral("modré pozadie"));
  EXPECT_EQ(page()->PSample()->palette().color(QPalette::Window), QColor(0, 0, 0x80));
  EXPECT_EQ(page()->PSample()->font().pointSize(), 28);
  EXPECT_EQ(page()->PSample()->font().family(), QStringLiteral("Arial"));
  EXPECT_EQ(page()->PauseInterval(), 2000);
  EXPECT_TRUE(page()->NeutralPicture().endsWith(QStringLiteral("Emotikony/neutral8.png")));
  EXPECT_EQ(page()->RepetitionMode(), 1);
  EXPECT_EQ(page()->ResultsDisplay(), 3);
  EXPECT_TRUE(page()->AutoLogin());
  // The default sound file is missing in a build folder, so it comes back
  // checked; what matters is that the path survived.
  EXPECT_EQ(Get<QLineEdit>("EZle")->text(), form_->ProgramFolder() + QStringLiteral("Zvuky/zle.mp3"));
  EXPECT_EQ(Threshold(1), 90);
  EXPECT_EQ(Threshold(2), 80);
  EXPECT_EQ(RangeLabel(2), QStringLiteral("od 90 % do"));
  EXPECT_EQ(RangeLabel(3), QStringLiteral("od 80 % do"));
  // The mirrors follow the restored values: SE1 lowered onto SE2 pushes it.
  Get<QSpinBox>("SE1")->setValue(80);
  EXPECT_EQ(Threshold(2), 79);
}

TEST_F(SettingsPageTest, DamagedStoredValuesFallBack) {
  Store& store = form_->store();
  const QString kept_sound = folder_.File(QStringLiteral("moj zvuk.mp3"));
  {
    QFile f(kept_sound);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ID3");
  }
  store.PutSetting(QStringLiteral("CBFontSize"), 1, QStringLiteral("99"));
  store.PutSetting(QStringLiteral("CBProcess"), 1, QStringLiteral("3 sekundy"));
  store.PutSetting(QStringLiteral("CBNeutral"), 1, QStringLiteral("drak"));
  store.PutSetting(QStringLiteral("CBFont"), 1, QStringLiteral("Comic Sans"));
  store.PutSetting(QStringLiteral("EDobre"), 4, folder_.File(QStringLiteral("zmazany.mp3")));
  store.PutSetting(QStringLiteral("CHBDobre"), 2, QStringLiteral("0"));
  store.PutSetting(QStringLiteral("EZle"), 4, QString());
  store.PutSetting(QStringLiteral("CHBZle"), 2, QStringLiteral("0"));
  store.PutSetting(QStringLiteral("ENeskoro"), 4, kept_sound);
  store.PutSetting(QStringLiteral("CHBNespravne"), 2, QStringLiteral("0"));
  store.PutSetting(QStringLiteral("SE1"), 3, QStringLiteral("50"));
  store.PutSetting(QStringLiteral("SE2"), 3, QStringLiteral("60"));
  Reopen();

  EXPECT_EQ(Get<QComboBox>("CBFontSize")->currentIndex(), -1);
  EXPECT_EQ(page()->PSample()->font().pointSize(), 36);
  EXPECT_EQ(page()->PauseInterval(), 300);
  EXPECT_EQ(Get<QComboBox>("CBNeutral")->currentIndex(), 0);
  EXPECT_EQ(page()->PSample()->font().family(), QStringLiteral("Times New Roman"));
  // A vanished or empty sound comes back as the default, switched on; a
  // sound switched off stays off while its file exists.
  EXPECT_EQ(Get<QLineEdit>("EDobre")->text(), form_->ProgramFolder() + QStringLiteral("Zvuky/dobre.mp3"));
  EXPECT_TRUE(Get<QCheckBox>("CHBDobre")->isChecked());
  EXPECT_EQ(Get<QLineEdit>("EZle")->text(), form_->ProgramFolder() + QStringLiteral("Zvuky/zle.mp3"));
  EXPECT_TRUE(Get<QCheckBox>("CHBZle")->isChecked());
  EXPECT_EQ(Get<QLineEdit>("ENeskoro")->text(), kept_sound);
  EXPECT_FALSE(Get<QCheckBox>("CHBNespravne")->isChecked());
  // Thresholds out of order cannot mark; the defaults come back.
  const int defaults[4] = {85, 75, 65, 50};
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(Threshold(k), defaults[k - 1]) << "SE" << k;
}

TEST_F(SettingsPageTest, SoundPickerTakesTheChosenFile) {
  const QString file = folder_.File(QStringLiteral("fanfara.mp3"));
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ID3");
  }
  page()->SetSoundFolder(folder_.path());
  OnModal(QStringLiteral("ODSound"), [file](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(QDir(dialog->directory()).absolutePath(), QDir(QFileInfo(file).path()).absolutePath());
    dialog->selectFile(file);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  Get<QAbstractButton>("SBEDobre")->click();
  EXPECT_EQ(Get<QLineEdit>("EDobre")->text(), file);
}

// Exercise settings: controls of any kind and depth on the exercise tabs of
// PCSet; the common tab TSSet is kept per exercise instead.
class UserSettingsTest : public SettingsPageTest {
 protected:
  void SetUp() override {
    SettingsPageTest::SetUp();
    QWidget* pcset = form_->Control<QWidget>(QStringLiteral("PCSet"));
    if (!pcset) {
      auto* tabs = new QTabWidget(form_->runPage());
      tabs->setObjectName(QStringLiteral("PCSet"));
      pcset = tabs;
    }
    QWidget* common = form_->Control<QWidget>(QStringLiteral("TSSet"));
    if (!common) common = AddTab(pcset, "TSSet");
    if (!form_->Control<QSpinBox>(QStringLiteral("SELimit"))) {
      auto* limit = new QSpinBox(common);
      limit->setObjectName(QStringLiteral("SELimit"));
      limit->setRange(1, 100);
      auto* time = new QSpinBox(common);
      time->setObjectName(QStringLiteral("SETaskTime"));
      time->setRange(1, 100);
      auto* timer = new QCheckBox(common);
      timer->setObjectName(QStringLiteral("CHBTimer"));
    }
    common_combo_ = new QComboBox(common);
    common_combo_->setObjectName(QStringLiteral("CBCommonTest"));
    common_combo_->addItems({QStringLiteral("a"), QStringLiteral("b")});

    QWidget* tab = AddTab(pcset, "TSSetTest");
    auto* group = new QGroupBox(tab);  // nested one level down
    combo_ = new QComboBox(group);
    combo_->setObjectName(QStringLiteral("CBTypeTest"));
    combo_->addItems({QStringLiteral("prvé"), QStringLiteral("druhé"), QStringLiteral("tretie")});
    check_ = new QCheckBox(group);
    check_->setObjectName(QStringLiteral("CHBTest"));
    spin_ = new QSpinBox(tab);
    spin_->setObjectName(QStringLiteral("SETest"));
    spin_->setRange(1, 20);
    list_ = new QListWidget(group);
    list_->setObjectName(QStringLiteral("CHLBTest"));
    for (const char* item : {"b", "d", "p"}) AddListItem(item, false);
  }

  static QWidget* AddTab(QWidget* pcset, const char* name) {
    auto* tab = new QWidget;
    tab->setObjectName(QLatin1String(name));
    if (auto* tabs = qobject_cast<QTabWidget*>(pcset)) {
      tabs->addTab(tab, QLatin1String(name));
    } else if (auto* stack = qobject_cast<QStackedWidget*>(pcset)) {
      stack->addWidget(tab);
    } else {
      tab->setParent(pcset);
    }
    return tab;
  }

  void AddListItem(const char* text, bool checked) {
    auto* item = new QListWidgetItem(QLatin1String(text), list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  }

  void Set(int combo, bool check, int spin, const char* checks) {
    combo_->setCurrentIndex(combo);
    check_->setChecked(check);
    spin_->setValue(spin);
    for (int i = 0; i < list_->count(); ++i)
      list_->item(i)->setCheckState(checks[i] == '1' ? Qt::Checked : Qt::Unchecked);
  }

  QString Checks() const {
    QString s;
    for (int i = 0; i < list_->count(); ++i) s += list_->item(i)->checkState() == Qt::Checked ? u'1' : u'0';
    return s;
  }

  void SwitchTo(const QString& user) {
    ClickInModal(QStringLiteral("TFQuestion"), QStringLiteral("SBA"));
    OnModal(QStringLiteral("TFLogin"), [user](QWidget* w) {
      auto* login = qobject_cast<TFLogin*>(w);
      const auto found = login->SGLogin()->findItems(user, Qt::MatchExactly);
      ASSERT_FALSE(found.isEmpty());
      login->SGLogin()->selectRow(found.first()->row());
      login->findChild<QAbstractButton*>(QStringLiteral("SBLogin"))->click();
    });
    form_->SBMenuLoginClick();
    ASSERT_EQ(form_->UserName(), user);
  }

  QComboBox* common_combo_ = nullptr;
  QComboBox* combo_ = nullptr;
  QCheckBox* check_ = nullptr;
  QSpinBox* spin_ = nullptr;
  QListWidget* list_ = nullptr;
};

TEST_F(UserSettingsTest, TwoUsersKeepTheirOwnSettings) {
  form_->store().AddUser(QStringLiteral("Anna"), 3);
  const QString first = form_->UserName();
  Set(2, true, 7, "101");
  SwitchTo(QStringLiteral("Anna"));
  Set(0, false, 3, "010");
  SwitchTo(first);
  EXPECT_EQ(combo_->currentIndex(), 2);
  EXPECT_TRUE(check_->isChecked());
  EXPECT_EQ(spin_->value(), 7);
  EXPECT_EQ(Checks(), QStringLiteral("101"));

  // The common tab's controls are not per-user exercise settings.
  const int user = form_->UserId();
  EXPECT_TRUE(form_->store().GetUserSetting(user, QStringLiteral("CBCommonTest")).isEmpty());
  EXPECT_EQ(form_->store().GetUserSetting(user, QStringLiteral("CHLBTest")), QStringLiteral("101"));

  // A list that now has four items ignores Anna's three; a stored text that
  // is no longer an item leaves the combo box without a choice.
  AddListItem("t", true);
  form_->store().PutUserSetting(form_->store().GetUserId(QStringLiteral("Anna")), QStringLiteral("CBTypeTest"), 1,
                                QStringLiteral("štvrté"));
  SwitchTo(QStringLiteral("Anna"));
  EXPECT_EQ(Checks(), QStringLiteral("1011"));
  EXPECT_EQ(combo_->currentIndex(), -1);
  EXPECT_FALSE(check_->isChecked());
  EXPECT_EQ(spin_->value(), 3);
}

TEST_F(UserSettingsTest, LoadingRunsNoChangeHandler) {
  Set(1, true, 5, "110");
  page()->SaveUserSettings();
  Set(0, false, 1, "000");
  int changes = 0;
  QObject::connect(combo_, &QComboBox::currentIndexChanged, [&changes] { ++changes; });
  QObject::connect(list_, &QListWidget::itemChanged, [&changes] { ++changes; });
  QObject::connect(spin_, &QSpinBox::valueChanged, [&changes] { ++changes; });
  page()->LoadUserSettings();
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(combo_->currentIndex(), 1);
  EXPECT_EQ(Checks(), QStringLiteral("110"));
}

TEST_F(UserSettingsTest, ExerciseLimitsPerExercise) {
  auto* limit = Get<QSpinBox>("SELimit");
  auto* time = Get<QSpinBox>("SETaskTime");
  auto* timer = Get<QCheckBox>("CHBTimer");
  limit->setValue(4);
  time->setValue(6);
  timer->setChecked(true);
  page()->SaveExerciseLimits(6);
  page()->LoadExerciseLimits(7);
  EXPECT_EQ(limit->value(), 10);
  EXPECT_EQ(time->value(), 10);
  EXPECT_FALSE(timer->isChecked());
  page()->LoadExerciseLimits(6);
  EXPECT_EQ(limit->value(), 4);
  EXPECT_EQ(time->value(), 6);
  EXPECT_TRUE(timer->isChecked());
  EXPECT_EQ(form_->store().GetUserSetting(form_->UserId(), QStringLiteral("CHBTimer6")), QStringLiteral("1"));
}

}  // namespace
}  // namespace mirvel
