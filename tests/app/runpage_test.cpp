#include "app/runpage.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <set>
#include <vector>

#include "app/checklistbox.h"
#include "app/exercisesettingstabs.h"
#include "app/tform1.h"
#include "support/testdata.h"

namespace mirvel {
namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

class RunPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    form_ = std::make_unique<TForm1>();
    QString message, detail;
    ASSERT_TRUE(form_->Create(&message, &detail)) << message.toStdString() << " " << detail.toStdString();
    form_->CreateSecondaryWindows();
    form_->store().PutSetting(QStringLiteral("CHBLogin"), 2, QStringLiteral("1"));
    QSignalSpy first_show(form_.get(), &TForm1::FirstShowFinished);
    form_->show();
    ASSERT_TRUE(first_show.count() > 0 || first_show.wait(10000));
  }

  template <typename T = QWidget>
  T* Get(const QString& name) {
    T* w = form_->Control<T>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  template <typename T = QWidget>
  T* Get(const char* name) {
    return Get<T>(QLatin1String(name));
  }

  QAction* Entry(int exam_no) { return FindControl<QAction>(form_->PMRun1(), QStringLiteral("SubMenu%1").arg(exam_no)); }

  void Choose(int exam_no) {
    QAction* entry = Entry(exam_no);
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    QCoreApplication::processEvents();
  }

  // Every task count answers `matching` for a filtered count and `total` for all rows.
  void CountWith(int matching, int total) {
    form_->runPage()->SetTaskCounting([](int, const ControlValues&) { return QStringLiteral("WHERE x"); },
                                      [matching, total](int, const QString& filter) {
                                        return filter.isEmpty() ? total : matching;
                                      });
  }

  std::set<QString> VisibleTabs() {
    auto* tabs = Get<QTabWidget>("PCSet");
    std::set<QString> out;
    for (int i = 0; i < tabs->count(); ++i)
      if (tabs->isTabVisible(i)) out.insert(tabs->widget(i)->objectName());
    return out;
  }

  void SetCombo(const char* name, const char* item) {
    auto* box = Get<QComboBox>(name);
    const int index = box->findText(U(item));
    ASSERT_GE(index, 0) << item;
    box->setCurrentIndex(index);
  }

  // Clicks the check mark of a check list's item.
  void ClickCheckMark(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 10, r.center().y()));
  }

  test::TempDataFolder folder_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(RunPageTest, MenuFollowsTheSchoolYear) {
  const std::vector<std::set<int>> open_by_year = {
      {1, 2, 3, 4, 5, 14, 15, 18},
      {1, 2, 3, 4, 5, 14, 15, 18, 6, 7, 8, 9, 17},
      {1, 2, 3, 4, 5, 14, 15, 18, 6, 7, 8, 9, 17, 10, 11, 13},
      {1, 2, 3, 4, 5, 14, 15, 18, 6, 7, 8, 9, 17, 10, 11, 13, 12, 16},
  };
  for (int year = 1; year <= 4; ++year) {
    form_->store().SetUserClass(form_->UserName(), year);
    form_->ApplyCurrentUser();
    const std::set<int>& open = open_by_year[year - 1];
    for (int n = 1; n <= 18; ++n) {
      QAction* entry = Entry(n);
      ASSERT_NE(entry, nullptr) << n;
      EXPECT_EQ(entry->isEnabled(), open.count(n) == 1) << "year " << year << ", exercise " << n;
    }
  }
}

TEST_F(RunPageTest, ChoosingAnExerciseShowsItsSheetTitlesAndTabs) {
  struct Case {
    int exam;
    const char* title;
    const char* sheet;
    const char* panel;
    std::set<QString> tabs;
  };
  const Case cases[] = {
      {1, "Sluchové cvičenia - Dopĺňanie jedného písmena", "TS11", "PMain1", {"TSSet", "TSSet1"}},
      {2, "Sluchové cvičenia - Skladanie slova z písmen", "TS11", "PMain1", {"TSSet", "TSSet2"}},
      {6, "Gramatické cvičenia - Spoluhlásky - slová s i/y po d/t/n", "TS16", "PMain6", {"TSSet", "TSSet6"}},
      {9, "Gramatické cvičenia - Rozlišovanie ä/e", "TS16", "PMain6", {"TSSet"}},
      {12, "Gramatické cvičenia - Písanie prídavných mien", "TS16", "PMain6", {"TSSet", "TSSet12", "TSSet12plus"}},
      {17, "Cvičenia čítania - Čítanie nezmyselných slabík", "TS17", "PMain7", {"TSSet", "TSSET17"}},
      {3, "Zrakové cvičenia - Zraková diferenciácia", "TS13", "PMain3", {"TSSet", "TSSet3"}},
  };
  CountWith(30, 40);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exam);
    Choose(c.exam);
    EXPECT_EQ(form_->CurrentExam(), c.exam);
    EXPECT_EQ(form_->PC()->currentWidget(), form_->runPage());
    EXPECT_EQ(Get<QLabel>("LExam")->text(), U(c.title));
    const QStringList parts = U(c.title).split(QStringLiteral(" - "));
    EXPECT_EQ(Get<QLabel>("LInfo")->text(), parts.first());
    EXPECT_EQ(Get<QLabel>("LInfoPlus")->text(), U(c.title).mid(parts.first().size() + 3));
    EXPECT_EQ(Get<QStackedWidget>("PC2")->currentWidget()->objectName(), QLatin1String(c.sheet));
    EXPECT_EQ(Get("PKrytka")->parentWidget()->objectName(), QLatin1String(c.panel));
    EXPECT_FALSE(Get("PKrytka")->isHidden());
    EXPECT_EQ(VisibleTabs(), c.tabs);
    auto* tabs = Get<QTabWidget>("PCSet");
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("TSSet"));
  }
  auto* tabs = Get<QTabWidget>("PCSet");
  EXPECT_EQ(tabs->tabText(tabs->indexOf(Get("TSSet"))), U("Počet úloh a časovač"));
  EXPECT_EQ(tabs->tabText(tabs->indexOf(Get("TSSet6"))), U("Nastavenia cvičenia"));
  EXPECT_EQ(tabs->tabText(tabs->indexOf(Get("TSSet12plus"))), U("Ďalšie nastavenia"));
}

TEST_F(RunPageTest, FreshUserGetsTenTasksTenSecondsAndNoTimer) {
  CountWith(50, 50);
  Choose(5);
  EXPECT_EQ(Get<QSpinBox>("SELimit")->value(), 10);
  EXPECT_EQ(Get<QSpinBox>("SETaskTime")->value(), 10);
  EXPECT_FALSE(Get<QCheckBox>("CHBTimer")->isChecked());
  EXPECT_EQ(Get<QLabel>("LGCount")->text(), QStringLiteral("0/0"));
  EXPECT_EQ(Get<QLabel>("LMark")->text(), QStringLiteral("-"));
  EXPECT_EQ(Get<QLabel>("LUser")->text(), form_->UserName());
}

TEST_F(RunPageTest, CountsLimitTheTaskCountAndCoverTheStart) {
  struct Case {
    int exam;
    int matching;
    int total;
    const char* setup;  // what is switched before counting
    int selected;       // LCount
    int limit;          // SELimit afterwards (10 before)
    bool covered;
  };
  const Case cases[] = {
      {2, 30, 40, "", 30, 10, false},
      {2, 7, 40, "", 7, 7, false},
      {2, 0, 40, "", 0, 2, true},
      {3, 23, 40, "", 4, 4, false},           // five rows per screen
      {3, 3, 40, "", 0, 3, true},             // not one screen of tasks
      {17, 60, 90, "row", 10, 10, false},     // six texts per line
      {17, 60, 90, "row+dual", 20, 10, false},  // three pairs per line
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.exam << " " << c.matching << " " << c.setup);
    CountWith(c.matching, c.total);
    Get<QSpinBox>("SELimit")->setMaximum(20);
    Get<QSpinBox>("SELimit")->setValue(10);
    if (c.exam == 17) {
      SetCombo("CBType17", "stredne ťažká obtiažnosť");
      Get<QCheckBox>("CHBRow17")->setChecked(QLatin1String(c.setup).startsWith(QLatin1String("row")));
      Get<QCheckBox>("CHBDual17")->setChecked(QLatin1String(c.setup).endsWith(QLatin1String("dual")));
    }
    Choose(c.exam);
    EXPECT_EQ(Get<QLabel>("LCount")->text(), U("Počet vybraných úloh: %1").arg(c.selected));
    EXPECT_EQ(Get<QLabel>("LCount")->property("tag").toInt(), c.matching);
    EXPECT_EQ(Get<QLabel>("LCount2")->text(), U("Počet všetkých úloh: %1").arg(c.total));
    EXPECT_EQ(Get<QLabel>("LMaxInfo")->text(), QStringLiteral("(max. %1)").arg(c.selected));
    EXPECT_EQ(Get<QSpinBox>("SELimit")->value(), c.limit);
    EXPECT_EQ(Get("PStartKrytka")->isHidden(), !c.covered);
  }
}

TEST_F(RunPageTest, DependentControlsFollowTheirSettings) {
  struct Case {
    int exam;
    const char* combo;  // or a spin edit, with the item as its value
    const char* item;
    std::vector<const char*> shown;
    std::vector<const char*> hidden;
  };
  const Case cases[] = {
      {6, "CBType6", "vety", {}, {"CHLB6pos"}},
      {6, "CBType6", "slová", {"CHLB6pos"}, {}},
      {10, "CBType10", "slovné spojenia", {}, {"CHLBBPM10"}},
      {10, "CBType10", "slová", {"CHLBBPM10"}, {}},
      {12, "CBType12", "vety", {}, {"CHLBPM12"}},
      {12, "CBType12", "slovné spojenia", {"CHLBPM12"}, {}},
      {17, "CBType17", "stredne ťažká obtiažnosť", {"CHBRow17", "CHBDual17"}, {}},
      {17, "CBType17", "ťažká obtiažnosť", {}, {"CHBRow17", "CHBDual17"}},
      {17, "CBType17", "ľahká obtiažnosť", {}, {"CHBRow17", "CHBDual17"}},
      {3, "SEMaxLength2", "2", {}, {"CBLetters2"}},
      {3, "SEMaxLength2", "1", {"CBLetters2"}, {}},
      {5, "CBEdu", "vyučujúci režim", {}, {"CHBTimer", "SETaskTime", "LSek"}},
      {5, "CBEdu", "skúšajúci režim", {"CHBTimer", "SETaskTime", "LSek"}, {}},
      {17, "CBEdu", "skúšajúci režim", {}, {"CHBTimer", "SETaskTime", "LSek"}},
  };
  CountWith(30, 40);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.exam << " " << c.combo << " " << c.item);
    Choose(c.exam);
    if (auto* spin = form_->Control<QSpinBox>(QLatin1String(c.combo))) {
      spin->setValue(QString::fromUtf8(c.item).toInt());
    } else {
      SetCombo(c.combo, c.item);
    }
    for (const char* name : c.shown) EXPECT_FALSE(Get(name)->isHidden()) << name;
    for (const char* name : c.hidden) EXPECT_TRUE(Get(name)->isHidden()) << name;
    // Values set silently (as the stored settings are) are followed at the next choice.
    Choose(c.exam);
    for (const char* name : c.shown) EXPECT_FALSE(Get(name)->isHidden()) << name;
    for (const char* name : c.hidden) EXPECT_TRUE(Get(name)->isHidden()) << name;
  }
  SetCombo("CBEdu", "skúšajúci režim");
  Choose(10);
  SetCombo("CBType10", "slová");
  EXPECT_EQ(Get("CHBIIYY10")->x(), 480);
  SetCombo("CBType10", "slovné spojenia");
  EXPECT_EQ(Get("CHBIIYY10")->x(), Get("CHLBBPM10")->x());
}

TEST_F(RunPageTest, StoredValuesRestoredSilentlyAreFollowedWhenChosen) {
  CountWith(30, 40);
  {
    const QSignalBlocker block(Get<QComboBox>("CBType12"));
    SetCombo("CBType12", "vety");
  }
  EXPECT_FALSE(Get("CHLBPM12")->isHidden());
  Choose(12);
  EXPECT_TRUE(Get("CHLBPM12")->isHidden());
}

TEST_F(RunPageTest, ACheckListNeverLosesItsLastCheckMark) {
  int counts = 0;
  form_->runPage()->SetTaskCounting(
      [](int, const ControlValues& v) {
        int n = 0;
        for (bool on : v.Checks(QStringLiteral("CHLB2"))) n += on ? 1 : 0;
        return QStringLiteral("%1").arg(n);
      },
      [&counts](int, const QString& filter) {
        ++counts;
        return filter.isEmpty() ? 100 : filter.toInt() * 10;
      });
  Choose(2);
  auto* list = Get<CheckListBox>("CHLB2");
  ASSERT_EQ(list->count(), 12);
  for (int i = 0; i < list->count(); ++i) list->SetChecked(i, i == 3 || i == 4);
  EXPECT_EQ(Get<QLabel>("LCount")->text(), U("Počet vybraných úloh: 20"));

  // A click on a check mark toggles it and recounts.
  ClickCheckMark(list, 4);
  EXPECT_FALSE(list->IsChecked(4));
  EXPECT_EQ(Get<QLabel>("LCount")->text(), U("Počet vybraných úloh: 10"));

  // Unchecking the only checked item checks it again at once.
  ClickCheckMark(list, 3);
  EXPECT_TRUE(list->IsChecked(3));
  EXPECT_EQ(list->CheckedCount(), 1);
  EXPECT_EQ(Get<QLabel>("LCount")->text(), U("Počet vybraných úloh: 10"));
  EXPECT_TRUE(Get("PStartKrytka")->isHidden());

  // The keyboard recounts too.
  list->setFocus();
  list->setCurrentRow(0);
  const int before = counts;
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_TRUE(list->IsChecked(0));
  EXPECT_GT(counts, before);
  EXPECT_EQ(Get<QLabel>("LCount")->text(), U("Počet vybraných úloh: 20"));

  // A list left with no check mark (restored silently) gets back the item
  // named by its tag at the next mouse release.
  {
    const QSignalBlocker block(list);
    for (int i = 0; i < list->count(); ++i) list->SetChecked(i, false);
  }
  list->setProperty("tag", 5);
  const QRect r = list->visualItemRect(list->item(7));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(r.right() - 4, r.center().y()));
  EXPECT_EQ(list->CheckedCount(), 1);
  EXPECT_TRUE(list->IsChecked(5));
  EXPECT_EQ(Get<QLabel>("LCount")->text(), U("Počet vybraných úloh: 10"));
}

TEST_F(RunPageTest, FirstShowingLeavesEveryCheckListWithACheckMark) {
  auto* tabs = qobject_cast<ExerciseSettingsTabs*>(Get<QTabWidget>("PCSet"));
  ASSERT_NE(tabs, nullptr);
  const QList<CheckListBox*> lists = tabs->CheckLists();
  ASSERT_EQ(lists.size(), 11);
  for (CheckListBox* list : lists) {
    const QSignalBlocker block(list);
    for (int i = 0; i < list->count(); ++i) list->SetChecked(i, false);
  }
  form_->runPage()->KeepAllListsChecked();
  for (CheckListBox* list : lists) {
    // Every item was checked before, so the last one found is checked again.
    EXPECT_EQ(list->CheckedCount(), 1) << list->objectName().toStdString();
    EXPECT_TRUE(list->IsChecked(list->count() - 1)) << list->objectName().toStdString();
    // Every control of the exercise tabs is a direct child of its tab.
    EXPECT_TRUE(list->parentWidget()->objectName().startsWith(QLatin1String("TSSet"), Qt::CaseInsensitive));
  }
}

TEST_F(RunPageTest, SettingsValuesAreReadOffTheTabs) {
  SetCombo("CBType6", "vety");
  Get<QSpinBox>("SERow2")->setValue(7);
  Get<QCheckBox>("CHBIIYY7")->setChecked(true);
  auto* list = Get<CheckListBox>("CHLB6dtn");
  list->SetChecked(1, false);
  const ControlValues v = ReadControlValues(Get("PCSet"));
  EXPECT_EQ(v.Text(QStringLiteral("CBType6")), U("vety"));
  EXPECT_EQ(v.Index(QStringLiteral("cbtype6")), 1);
  EXPECT_EQ(v.Value(QStringLiteral("SERow2")), 7);
  EXPECT_TRUE(v.Checked(QStringLiteral("CHBIIYY7")));
  EXPECT_EQ(v.Items(QStringLiteral("CHLB6dtn")), QStringList({"di/dy", "ti/ty", "ni/ny"}));
  EXPECT_EQ(v.Checks(QStringLiteral("CHLB6dtn")), QVector<bool>({true, false, true}));
  EXPECT_EQ(v.Text(QStringLiteral("CBException8")), U("výnimky a cudzie slová"));
  EXPECT_EQ(v.Index(QStringLiteral("CBLetters2")), 2);
  EXPECT_TRUE(v.Checked(QStringLiteral("CHBChangePos12")));
  const ControlValues with_mode = form_->runPage()->CurrentControlValues();
  EXPECT_EQ(with_mode.Text(QStringLiteral("CBEdu")), U("skúšajúci režim"));
}

}  // namespace
}  // namespace mirvel
