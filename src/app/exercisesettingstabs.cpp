#include "app/exercisesettingstabs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>

#include <initializer_list>

#include "app/checklistbox.h"
#include "app/findcontrol.h"

namespace mirvel {
namespace {

// Rows of the tabs' absolute layout (the controls keep their places, so a
// handler can move one, as CBType10Change does with CHBIIYY10).
constexpr int kRow1 = 10;
constexpr int kRow2 = 42;
constexpr int kRow3 = 74;
constexpr int kLabelOffset = 3;
constexpr int kTabHeight = 108;

// Where CHBIIYY10 stands while the consonant list beside it is shown.
constexpr int kIIYY10LeftWithList = 480;

QString U(const char* text) { return QString::fromUtf8(text); }

QStringList Items(std::initializer_list<const char*> texts) {
  QStringList out;
  for (const char* t : texts) out << U(t);
  return out;
}

bool IsInternalName(const QString& name) { return name.isEmpty() || name.startsWith(QLatin1String("qt_")); }

}  // namespace

ExerciseSettingsTabs::ExerciseSettingsTabs(QWidget* parent) : QTabWidget(parent) {
  setObjectName(QStringLiteral("PCSet"));
  setDocumentMode(true);
  tabBar()->setDrawBase(false);
  setUsesScrollButtons(false);
  BuildCommonTab();
  BuildTabs1To5();
  BuildTabs6To10();
  BuildTabs11To13();
  BuildTabs14To18();
  setFixedHeight(kTabHeight + tabBar()->sizeHint().height());
  for (int i = 1; i < count(); ++i) setTabVisible(i, false);
  setCurrentIndex(0);
  ApplyVisibilityRules();
}

template <typename T>
T* ExerciseSettingsTabs::Get(const char* name) const {
  return FindControl<T>(this, QLatin1String(name));
}

QWidget* ExerciseSettingsTabs::AddTab(const char* name, const QString& caption) {
  auto* tab = new QWidget(this);
  tab->setObjectName(QLatin1String(name));
  addTab(tab, caption);
  return tab;
}

QLabel* ExerciseSettingsTabs::AddLabel(QWidget* tab, const char* name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, tab);
  label->setObjectName(QLatin1String(name));
  label->move(x, y + kLabelOffset);
  label->adjustSize();
  return label;
}

QComboBox* ExerciseSettingsTabs::AddCombo(QWidget* tab, const char* name, const QStringList& items, int current,
                                          int x, int y, int width, bool counts) {
  auto* box = new QComboBox(tab);
  box->setObjectName(QLatin1String(name));
  box->addItems(items);
  box->setCurrentIndex(current);
  box->setGeometry(x, y, width, 24);
  if (counts) {
    connect(box, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT CountsMayChange(); });
  }
  return box;
}

QSpinBox* ExerciseSettingsTabs::AddSpin(QWidget* tab, const char* name, int min, int max, int value, int x, int y,
                                        bool counts) {
  auto* spin = new QSpinBox(tab);
  spin->setObjectName(QLatin1String(name));
  spin->setRange(min, max);
  spin->setValue(value);
  spin->setGeometry(x, y, 64, 24);
  if (counts) {
    connect(spin, &QSpinBox::valueChanged, this, [this] { Q_EMIT CountsMayChange(); });
  }
  return spin;
}

QCheckBox* ExerciseSettingsTabs::AddCheck(QWidget* tab, const char* name, const QString& caption, bool checked,
                                          int x, int y, bool counts) {
  auto* check = new QCheckBox(caption, tab);
  check->setObjectName(QLatin1String(name));
  check->setChecked(checked);
  check->move(x, y + 2);
  check->adjustSize();
  if (counts) {
    connect(check, &QCheckBox::toggled, this, [this] { Q_EMIT CountsMayChange(); });
  }
  return check;
}

CheckListBox* ExerciseSettingsTabs::AddCheckList(QWidget* tab, const char* name, const QStringList& items,
                                                 int columns, int column_width, int x, int y) {
  auto* list = new CheckListBox(tab, QLatin1String(name), items, columns, column_width);
  list->move(x, y);
  lists_ << list;
  // Every check-mark change, by mouse or keyboard, recounts; a change that
  // would leave the list with no checked item is undone at once.
  connect(list, &QListWidget::itemChanged, this, [this, list](QListWidgetItem* item) {
    if (item->checkState() != Qt::Checked && list->CheckedCount() == 0) {
      list->setProperty("tag", list->row(item));
      KeepOneChecked(list, true);
      return;
    }
    Q_EMIT CountsMayChange();
  });
  connect(list, &CheckListBox::MouseUp, this, [this, list] { KeepOneChecked(list, true); });
  return list;
}

void ExerciseSettingsTabs::BuildCommonTab() {
  QWidget* tab = AddTab("TSSet", U("Počet úloh a časovač"));
  AddLabel(tab, "LSELimit", U("počet úloh na precvičenie"), 10, kRow1);
  AddSpin(tab, "SELimit", 2, 20, 10, 190, kRow1, false);
  AddLabel(tab, "LMaxInfo", U("(max. 20)"), 262, kRow1);
  AddCheck(tab, "CHBTimer", U("s časovačom"), false, 10, kRow2, false);
  AddSpin(tab, "SETaskTime", 3, 600, 10, 190, kRow2, false);
  AddLabel(tab, "LSek", U("sekúnd na úlohu"), 262, kRow2);
}

void ExerciseSettingsTabs::BuildTabs1To5() {
  const QString caption = U("Nastavenia cvičenia");

  QWidget* t1 = AddTab("TSSet1", caption);
  AddLabel(t1, "LSECount1", U("počet ponúkaných písmen:"), 10, kRow1);
  AddSpin(t1, "SECount1", 3, 10, 3, 190, kRow1, true);
  AddLabel(t1, "LCHLB1", U("dopĺňanie :"), 10, kRow2);
  AddCheckList(t1, "CHLB1", Items({"prvej hlásky", "strednej hlásky", "poslednej hlásky"}), 3, 140, 190, kRow2);
  AddCheck(t1, "CHBNoSound1", U("bez zvuku vo vyučovacom režime"), false, 10, kRow3, false);

  QWidget* t2 = AddTab("TSSet2", caption);
  AddLabel(t2, "LCBCount2", U("počet písmen:"), 10, kRow1);
  AddCombo(t2, "CBCount2", Items({"presný", "vždy 10"}), 0, 190, kRow1, 120, false);
  AddCheck(t2, "CHBNoSound2", U("bez zvuku vo vyučovacom režime"), false, 330, kRow1, false);
  AddLabel(t2, "LCHLB2", U("typ slov:"), 10, kRow2);
  QLabel* hint = AddLabel(t2, "LCHLB2Hint", U("(x - pozícia spoluhlásky)"), 10, kRow2 + 20);
  hint->setStyleSheet(QStringLiteral("color: #606060;"));
  AddCheckList(t2, "CHLB2",
               Items({"x-x", "xx-", "xxx", "x-xx", "xx-x", "xxx-", "xxxx", "xx-xx", "xxx-x", "xxxx-", "x-xxx-",
                      "iné"}),
               6, 80, 190, kRow2);

  QWidget* t3 = AddTab("TSSet3", caption);
  AddLabel(t3, "LSERow2", U("počet riadkov:"), 10, kRow1);
  AddSpin(t3, "SERow2", 1, 10, 5, 160, kRow1, false);
  AddLabel(t3, "LSEColumn2", U("počet stĺpcov:"), 10, kRow2);
  AddSpin(t3, "SEColumn2", 4, 9, 9, 160, kRow2, false);
  AddLabel(t3, "LSEMaxLength2", U("počet písmen v slove:"), 260, kRow1);
  QSpinBox* length = AddSpin(t3, "SEMaxLength2", 1, 5, 1, 420, kRow1, true);
  connect(length, &QSpinBox::valueChanged, this, &ExerciseSettingsTabs::SEMaxLength2Change);
  AddCombo(t3, "CBLetters2", Items({"len malé písmená", "len veľké písmená", "malé aj veľké písmená"}), 2, 260,
           kRow2, 224, true);

  QWidget* t4 = AddTab("TSSet4", caption);
  AddLabel(t4, "LCHLB4", U("kategória slov:"), 10, kRow1);
  AddCheckList(t4, "CHLB4", Items({"skupina 1", "skupina 2", "skupina 3", "skupina 4"}), 4, 100, 130, kRow1);

  QWidget* t5 = AddTab("TSSet5", caption);
  AddLabel(t5, "LCBType5", U("typ skúšania:"), 10, kRow1);
  AddCombo(t5, "CBType5", Items({"slová", "vety"}), 0, 120, kRow1, 100, true);
  AddCombo(t5, "CBSpeech5", Items({"s hlasovým doprovodom", "bez hlasového doprovodu"}), 0, 230, kRow1, 200, true);
  AddCheck(t5, "CHBChangePos5", U("náhodne meniť pozíciu tlačidiel b/d/p"), false, 10, kRow2, false);
}

void ExerciseSettingsTabs::BuildTabs6To10() {
  const QString caption = U("Nastavenia cvičenia");
  const QStringList type_items = Items({"slová", "vety"});
  const QStringList speech_items = Items({"s hlasovým doprovodom", "bez hlasového doprovodu"});
  const QStringList exception_items = Items({"bežná slovná zásoba", "výnimky a cudzie slová", "všetko spolu"});
  const QString four_buttons = U("použiť štyri tlačidlá s i/í/y/ý");

  QWidget* t6 = AddTab("TSSet6", caption);
  AddLabel(t6, "LCBType6", U("typ skúšania:"), 10, kRow1);
  QComboBox* type6 = AddCombo(t6, "CBType6", type_items, 0, 120, kRow1, 100, true);
  connect(type6, &QComboBox::currentIndexChanged, this, &ExerciseSettingsTabs::CBType6Change);
  AddCombo(t6, "CBSpeech6", speech_items, 0, 230, kRow1, 200, true);
  AddCombo(t6, "CBException6", exception_items, 0, 440, kRow1, 190, true);
  AddCheckList(t6, "CHLB6dtn", Items({"di/dy", "ti/ty", "ni/ny"}), 3, 70, 120, kRow2);
  AddCheckList(t6, "CHLB6pos", Items({"na začiatku", "v strede", "na konci"}), 3, 100, 340, kRow2);

  QWidget* t7 = AddTab("TSSet7", caption);
  AddLabel(t7, "LCBType7", U("typ skúšania:"), 10, kRow1);
  AddCombo(t7, "CBType7", type_items, 0, 120, kRow1, 100, true);
  AddCombo(t7, "CBSpeech7", speech_items, 0, 230, kRow1, 200, true);
  AddCheck(t7, "CHBIIYY7", four_buttons, false, 10, kRow2, true);

  QWidget* t8 = AddTab("TSSet8", caption);
  AddLabel(t8, "LCBType8", U("typ skúšania:"), 10, kRow1);
  AddCombo(t8, "CBType8", type_items, 0, 120, kRow1, 100, true);
  AddCombo(t8, "CBSpeech8", speech_items, 0, 230, kRow1, 200, true);
  AddCombo(t8, "CBException8", exception_items, 1, 440, kRow1, 190, true);
  AddCheck(t8, "CHBIIYY8", four_buttons, false, 10, kRow2, true);

  AddTab("TSSet9", caption);

  QWidget* t10 = AddTab("TSSet10", caption);
  AddLabel(t10, "LCBType10", U("typ skúšania:"), 10, kRow1);
  QComboBox* type10 = AddCombo(t10, "CBType10", Items({"slová", "slovné spojenia"}), 0, 120, kRow1, 150, true);
  connect(type10, &QComboBox::currentIndexChanged, this, &ExerciseSettingsTabs::CBType10Change);
  AddLabel(t10, "LCHLBBPM10", U("po"), 10, kRow2);
  AddCheckList(t10, "CHLBBPM10", Items({"b", "p", "m", "v", "r", "z", "s", "l"}), 8, 46, 40, kRow2);
  AddCheck(t10, "CHBIIYY10", four_buttons, false, kIIYY10LeftWithList, kRow2, true);
}

void ExerciseSettingsTabs::BuildTabs11To13() {
  const QString caption = U("Nastavenia cvičenia");

  QWidget* t11 = AddTab("TSSet11", caption);
  AddCheck(t11, "CHBTenTa11", U("nepoužívať pomôcku ten/tá vo vyučujucom režime "), false, 10, kRow1, true);
  AddCheck(t11, "CHBChangePos11", U("náhodne meniť pozíciu tlačidiel ov/ou"), false, 10, kRow2, true);

  QWidget* t12 = AddTab("TSSet12", caption);
  AddLabel(t12, "LCBType12", U("typ skúšania:"), 10, kRow1);
  QComboBox* type12 = AddCombo(t12, "CBType12", Items({"slovné spojenia", "vety"}), 0, 120, kRow1, 150, true);
  connect(type12, &QComboBox::currentIndexChanged, this, &ExerciseSettingsTabs::CBType12Change);
  AddLabel(t12, "LCHLBPM12", U("množné číslo"), 10, kRow2);
  AddCheckList(t12, "CHLBPM12",
               Items({"1. pád+jed.č.", "2. a 4. pád", "3. pád", "5. pád", "6. pád", "druhové"}), 3, 120, 120,
               kRow2);

  QWidget* t12plus = AddTab("TSSet12plus", U("Ďalšie nastavenia"));
  AddCheck(t12plus, "CHBIIYY12", U("použiť štyri tlačidlá s i/í/y/ý"), false, 10, kRow1, true);
  AddCheck(t12plus, "CHBChangePos12", U("náhodne meniť pozíciu tlačidiel i/y a í/ý vo vyučovacom režime"), true,
           10, kRow2, true);

  QWidget* t13 = AddTab("TSSet13", caption);
  AddLabel(t13, "LCHLBSD13", U("slovné druhy"), 10, kRow1);
  AddCheckList(t13, "CHLBSD13", Items({"podstatné mená", "prídavné mená", "slovesá"}), 3, 140, 120, kRow1);
}

void ExerciseSettingsTabs::BuildTabs14To18() {
  const QString caption = U("Nastavenia cvičenia");
  const QStringList syllables =
      Items({"jednoslabičné", "dvojslabičné", "trojslabičné", "štvorslabičné", "päťslabičné"});

  QWidget* t14 = AddTab("TSSet14", caption);
  AddLabel(t14, "LCHLB14", U("slová"), 10, kRow1);
  AddCheckList(t14, "CHLB14", syllables, 5, 110, 70, kRow1);
  AddCombo(t14, "CBSpeech14",
           Items({"s hlasovým doprovodom pred úlohou", "s hlasovým doprovodom po úlohe", "so bzučiakom pred úlohou",
                  "bez hlasového doprovodu"}),
           0, 70, kRow2 + 4, 300, true);

  QWidget* t15 = AddTab("TSSet15", caption);
  AddLabel(t15, "LCBSpeech15", U("typ skúšania:"), 10, kRow1);
  AddCombo(t15, "CBSpeech15", Items({"s hlasovým doprovodom", "bez hlasového doprovodu"}), 0, 120, kRow1, 200, true);

  QWidget* t16 = AddTab("TSSET16", caption);
  AddLabel(t16, "LCHLBSZ16", U("slová"), 10, kRow1);
  AddCheckList(t16, "CHLBSZ16",
               Items({"základná slovná zásoba", "pokročilá slovná zásoba", "príslovia a porekadlá"}), 3, 180, 70,
               kRow1);

  QWidget* t17 = AddTab("TSSET17", caption);
  AddLabel(t17, "LCBType17", U("Slovná zásoba"), 10, kRow1);
  QComboBox* type17 =
      AddCombo(t17, "CBType17", Items({"ľahká obtiažnosť", "stredne ťažká obtiažnosť", "ťažká obtiažnosť"}), 0, 120,
               kRow1, 200, true);
  connect(type17, &QComboBox::currentIndexChanged, this, &ExerciseSettingsTabs::CBType17Change);
  AddCheck(t17, "CHBRow17", U("vytvoriť z viacerých slov jeden riadok"), false, 10, kRow2, true);
  AddCheck(t17, "CHBDual17", U("precvičovať čítanie s dvojicami slov"), false, 320, kRow2, true);

  QWidget* t18 = AddTab("TSSET18", caption);
  AddLabel(t18, "LCHLB18", U("slová"), 10, kRow1);
  AddCheckList(t18, "CHLB18", syllables, 5, 110, 70, kRow1);
  AddCombo(t18, "CBSpeech18",
           Items({"s hlasovým doprovodom pred úlohou", "s hlasovým doprovodom po úlohe", "bez hlasového doprovodu"}),
           0, 70, kRow2 + 4, 300, true);
  AddCheck(t18, "CHBNoBzzz18", U("bez zvuku slabík"), false, 390, kRow2 + 4, true);
}

QList<CheckListBox*> ExerciseSettingsTabs::CheckLists() const { return lists_; }

void ExerciseSettingsTabs::ShowTabsFor(int exam_no) {
  for (int i = 1; i < count(); ++i) setTabVisible(i, false);
  setCurrentIndex(0);
  if (exam_no != 9) {
    if (auto* own = FindControl<QWidget>(this, QStringLiteral("TSSet%1").arg(exam_no))) {
      setTabVisible(indexOf(own), true);
    }
  }
  if (exam_no == 12) setTabVisible(indexOf(Get<QWidget>("TSSet12plus")), true);
}

void ExerciseSettingsTabs::SetTimerControlsVisible(bool visible) {
  for (const char* name : {"CHBTimer", "SETaskTime", "LSek"}) {
    if (QWidget* w = Get<QWidget>(name)) w->setVisible(visible);
  }
}

void ExerciseSettingsTabs::CBType6Change() {
  auto* type = Get<QComboBox>("CBType6");
  Get<QWidget>("CHLB6pos")->setVisible(type->currentText() == U("slová"));
}

void ExerciseSettingsTabs::CBType10Change() {
  const bool words = Get<QComboBox>("CBType10")->currentText() == U("slová");
  auto* list = Get<QWidget>("CHLBBPM10");
  list->setVisible(words);
  Get<QWidget>("LCHLBBPM10")->setVisible(words);
  auto* four = Get<QWidget>("CHBIIYY10");
  four->move(words ? kIIYY10LeftWithList : list->x(), four->y());
}

void ExerciseSettingsTabs::CBType12Change() {
  const bool phrases = Get<QComboBox>("CBType12")->currentText() == U("slovné spojenia");
  Get<QWidget>("CHLBPM12")->setVisible(phrases);
  Get<QWidget>("LCHLBPM12")->setVisible(phrases);
}

void ExerciseSettingsTabs::CBType17Change() {
  const bool medium = Get<QComboBox>("CBType17")->currentText() == U("stredne ťažká obtiažnosť");
  Get<QWidget>("CHBRow17")->setVisible(medium);
  Get<QWidget>("CHBDual17")->setVisible(medium);
}

void ExerciseSettingsTabs::SEMaxLength2Change() {
  Get<QWidget>("CBLetters2")->setVisible(Get<QSpinBox>("SEMaxLength2")->value() == 1);
}

void ExerciseSettingsTabs::ApplyVisibilityRules() {
  CBType6Change();
  CBType10Change();
  CBType12Change();
  CBType17Change();
  SEMaxLength2Change();
}

bool ExerciseSettingsTabs::KeepOneChecked(QListWidget* list, bool recount) {
  if (!list || list->count() == 0) return false;
  int checked = 0;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->checkState() == Qt::Checked) {
      ++checked;
      list->setProperty("tag", i);
    }
  }
  if (checked > 0) return false;
  int tag = list->property("tag").toInt();
  if (tag < 0 || tag >= list->count()) tag = 0;
  {
    // The recount below stands for this change as well.
    const QSignalBlocker block(list);
    list->item(tag)->setCheckState(Qt::Checked);
  }
  if (recount) Q_EMIT CountsMayChange();
  return true;
}

ControlValues ReadControlValues(const QWidget* root) {
  ControlValues values;
  if (!root) return values;
  for (const QWidget* w : root->findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (IsInternalName(name)) continue;
    if (const auto* box = qobject_cast<const QComboBox*>(w)) {
      QStringList items;
      for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
      values.SetCombo(name, box->currentIndex(), items);
    } else if (const auto* check = qobject_cast<const QCheckBox*>(w)) {
      values.SetCheck(name, check->isChecked(), check->text());
    } else if (const auto* spin = qobject_cast<const QSpinBox*>(w)) {
      values.SetSpin(name, spin->value());
    } else if (const auto* list = qobject_cast<const QListWidget*>(w)) {
      QStringList items;
      QVector<bool> checks;
      for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
        checks << (list->item(i)->checkState() == Qt::Checked);
      }
      values.SetCheckList(name, items, checks);
    }
  }
  return values;
}

}  // namespace mirvel
