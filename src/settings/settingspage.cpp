#include "settings/settingspage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "app/tform1.h"
#include "settings/colorscheme.h"

namespace mirvel {
namespace {

constexpr int kPanelWidth = 940;
constexpr int kPanelHeight = 540;
constexpr int kDefaultThresholds[4] = {85, 75, 65, 50};
constexpr int kDefaultLimit = 10;
constexpr int kMaxPathLength = 255;

// Stored types of the settings tables.
constexpr int kTypeCombo = 1;
constexpr int kTypeCheck = 2;
constexpr int kTypeSpin = 3;
constexpr int kTypePath = 4;
constexpr int kTypeCheckList = 5;
constexpr int kTypeLimit = 12;
constexpr int kTypeTimer = 13;

const char* const kSoundChecks[3] = {"CHBDobre", "CHBZle", "CHBNespravne"};
const char* const kSoundEdits[3] = {"EDobre", "EZle", "ENeskoro"};
const char* const kSoundCaptions[3] = {"Prehrať zvuk pri správnej odpovedi", "Prehrať zvuk pri nesprávnej odpovedi",
                                       "Prehrať zvuk pri nestihnutej odpovedi"};
const char* const kDefaultSounds[3] = {"Zvuky/dobre.mp3", "Zvuky/zle.mp3", "Zvuky/neskoro.mp3"};

QStringList Texts(std::initializer_list<const char*> items) {
  QStringList out;
  for (const char* s : items) out << QString::fromUtf8(s);
  return out;
}

// L11 .. L910: column 1..9, row 1..10 of the letter grid of exercise 3.
QStringList GridLabelNames() {
  QStringList names;
  for (int col = 1; col <= 9; ++col)
    for (int row = 1; row <= 10; ++row) names << QStringLiteral("L%1%2").arg(col).arg(row);
  return names;
}

QStringList Numbered(const QString& prefix, int first, int last) {
  QStringList names;
  for (int n = first; n <= last; ++n) names << prefix + QString::number(n);
  return names;
}

QStringList ExercisePanelNames() {
  QStringList names;
  for (int k : {1, 3, 4, 5, 6, 7, 8}) names << QStringLiteral("PBack%1").arg(k) << QStringLiteral("PMain%1").arg(k);
  return names;
}

void SetBackground(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, colour);
  p.setColor(QPalette::Base, colour);
  w->setPalette(p);
  w->setAutoFillBackground(true);
  w->update();
}

void SetForeground(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, colour);
  p.setColor(QPalette::Text, colour);
  p.setColor(QPalette::ButtonText, colour);
  w->setPalette(p);
}

void SetFontFamily(QWidget* w, const QString& family) {
  QFont f = w->font();
  f.setFamily(family);
  w->setFont(f);
}

void SetFontSize(QWidget* w, int points) {
  QFont f = w->font();
  f.setPointSize(points);
  w->setFont(f);
}

bool IsInternal(const QObject* o) { return o->objectName().isEmpty() || o->objectName().startsWith(QLatin1String("qt_")); }

QString CheckListValue(const QListWidget* list) {
  QString value;
  for (int i = 0; i < list->count(); ++i)
    value += list->item(i)->checkState() == Qt::Checked ? QLatin1Char('1') : QLatin1Char('0');
  return value;
}

template <typename T>
T* ChildNamed(const QObject* parent, const QString& name) {
  for (QObject* o : parent->children()) {
    auto* w = qobject_cast<T*>(o);
    if (w && w->objectName().compare(name, Qt::CaseInsensitive) == 0) return w;
  }
  return nullptr;
}

template <typename T>
T* Among(const QHash<QString, QWidget*>& controls, const QString& name) {
  return qobject_cast<T*>(controls.value(name.toLower()));
}

// Puts a stored value into the control of its setting type (combo box item
// text, check box "1"/"0", spin edit number) without running its handlers.
// A control of another kind, or a number that does not parse, is left alone.
void RestoreControlValue(QWidget* control, int type, const QString& value) {
  if (!control) return;
  const QSignalBlocker block(control);
  if (type == kTypeCombo) {
    if (auto* box = qobject_cast<QComboBox*>(control)) box->setCurrentIndex(box->findText(value, Qt::MatchExactly));
  } else if (type == kTypeCheck) {
    if (auto* check = qobject_cast<QCheckBox*>(control)) check->setChecked(value == QLatin1String("1"));
  } else if (type == kTypeSpin) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (auto* spin = qobject_cast<QSpinBox*>(control); spin && ok) spin->setValue(number);
  }
}

}  // namespace

SettingsPage::SettingsPage(TForm1* form, QWidget* parent) : QWidget(parent), form_(form) {
  setObjectName(QStringLiteral("TSSettings"));
  BuildPanel();
}

QComboBox* SettingsPage::AddCombo(const char* name, const QStringList& items, int default_index) {
  auto* box = new QComboBox(panel_);
  box->setObjectName(QLatin1String(name));
  box->setEditable(false);  // only its items can be chosen
  box->addItems(items);
  box->setCurrentIndex(default_index);
  return box;
}

QLineEdit* SettingsPage::AddSoundEdit(const char* name) {
  auto* edit = new QLineEdit(panel_);
  edit->setObjectName(QLatin1String(name));
  edit->setReadOnly(true);  // a file comes only through the file dialog
  edit->setMaxLength(kMaxPathLength);
  auto* button = new QToolButton(panel_);
  button->setObjectName(QStringLiteral("SB") + QLatin1String(name));
  button->setText(QStringLiteral("..."));
  button->setToolTip(QStringLiteral("Vybrať zvukový súbor"));
  connect(button, &QToolButton::clicked, this, [this, edit] { PickSound(edit); });
  return edit;
}

void SettingsPage::BuildPanel() {
  panel_ = new QFrame(this);
  panel_->setObjectName(QStringLiteral("PSettings"));
  panel_->setFrameShape(QFrame::StyledPanel);
  panel_->setFixedSize(kPanelWidth, kPanelHeight);
  // Two independent columns, so the tall sample row does not spread the mark table.
  auto* columns = new QHBoxLayout(panel_);
  columns->setContentsMargins(16, 12, 16, 12);
  columns->setSpacing(32);
  auto* grid = new QGridLayout;
  auto* right = new QGridLayout;
  for (QGridLayout* g : {grid, right}) {
    g->setHorizontalSpacing(10);
    g->setVerticalSpacing(6);
  }
  columns->addLayout(grid, 1);
  columns->addLayout(right, 1);

  auto heading = [this](const char* name, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), panel_);
    l->setObjectName(QLatin1String(name));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("QLabel { color: #1f4e9c; border-bottom: 1px solid #1f4e9c; }"));
    return l;
  };
  auto label = [this](const char* name, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), panel_);
    l->setObjectName(QLatin1String(name));
    return l;
  };

  // Left column: the look of the exercises and the other program options.
  grid->addWidget(heading("LHLook", "VZHĽAD CVIČENÍ"), 0, 0, 1, 2);
  scheme_ = AddCombo("CBScheme", ColorScheme::Names(), 0);
  font_ = AddCombo("CBFont", Texts({"Times New Roman", "Tahoma", "Verdana", "Arial"}), 0);
  font_size_ = AddCombo("CBFontSize", Texts({"36", "28", "26", "24"}), 0);
  grid->addWidget(label("LScheme", "Farebná schéma"), 1, 0);
  grid->addWidget(scheme_, 1, 1);
  grid->addWidget(label("LFont", "Typ písma v úlohách"), 2, 0);
  grid->addWidget(font_, 2, 1);
  grid->addWidget(label("LFontSize", "Veľkosť písma"), 3, 0);
  grid->addWidget(font_size_, 3, 1);

  sample_ = new QLabel(QStringLiteral("Ukážka písma"), panel_);
  sample_->setObjectName(QStringLiteral("PSample"));
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setFrameShape(QFrame::Panel);
  sample_->setFrameShadow(QFrame::Sunken);
  sample_->setFixedHeight(96);
  sample_->setFont(QFont(QStringLiteral("Times New Roman"), 36));
  SetBackground(sample_, ColorScheme::Get(0, ColorScheme::kBackground));
  SetForeground(sample_, ColorScheme::Get(0, ColorScheme::kText));
  grid->addWidget(sample_, 4, 0, 1, 2);

  grid->addWidget(heading("LHOther", "RÔZNE NASTAVENIA PROGRAMU"), 5, 0, 1, 2);
  login_ = new QCheckBox(QStringLiteral("Automaticky prihlasovať používateľa"), panel_);
  login_->setObjectName(QStringLiteral("CHBLogin"));
  grid->addWidget(login_, 6, 0, 1, 2);
  repetition_ = AddCombo("CBRSystem",
                         Texts({"neopakovať", "raz opakovať na konci cvičenia", "neustále opakovať na konci cvičenia"}), 0);
  process_ = AddCombo("CBProcess", Texts({"bez zdržania", "1 sekunda", "2 sekundy"}), 0);
  no_results_ = AddCombo("CBNoResults",
                         Texts({"zobrazovať", "nezobrazovať počas cvičenia", "nezobrazovať na konci cvičenia",
                                "nezobrazovať"}),
                         0);
  neutral_ = AddCombo("CBNeutral",
                      Texts({"otáznik", "hviezda", "srdce", "kvet", "lopta", "auto", "raketa", "lev", "pes", "ryba"}), 0);
  grid->addWidget(label("LRSystem", "Zle zodpovedané úlohy cvičenia"), 7, 0);
  grid->addWidget(repetition_, 7, 1);
  grid->addWidget(label("LProcess", "Prechod medzi úlohami cvičenia"), 8, 0);
  grid->addWidget(process_, 8, 1);
  grid->addWidget(label("LNoResults", "Výsledky"), 9, 0);
  grid->addWidget(no_results_, 9, 1);
  grid->addWidget(label("LNeutral", "Základný obrázok"), 10, 0);
  grid->addWidget(neutral_, 10, 1);
  neutral_picture_ = new QLabel(panel_);
  neutral_picture_->setObjectName(QStringLiteral("INeutral"));
  neutral_picture_->setFixedSize(64, 64);
  neutral_picture_->setScaledContents(true);
  grid->addWidget(neutral_picture_, 11, 1, Qt::AlignLeft | Qt::AlignTop);

  // Right column: the mark table with its thresholds, then the sounds.
  right->addWidget(heading("LHMarks", "ZNÁMKOVANIE"), 0, 0, 1, 5);
  const char* const marks[6] = {"1*", "1", "2", "3", "4", "5"};
  const char* const ranges[6] = {"100%", "od 99% do", "od 85% do", "od 75% do", "od 65% do", "od 50% do 0%"};
  const int minimum[4] = {4, 3, 2, 1};
  for (int m = 0; m < 6; ++m) {
    auto* mark = new QLabel(QString::fromUtf8(marks[m]), panel_);
    mark->setObjectName(QStringLiteral("LMark%1").arg(m));
    QFont f = mark->font();
    f.setBold(true);
    mark->setFont(f);
    right->addWidget(mark, m + 1, 0);
    range_labels_[m] = new QLabel(QString::fromUtf8(ranges[m]), panel_);
    range_labels_[m]->setObjectName(QStringLiteral("LSH%1").arg(m));
    right->addWidget(range_labels_[m], m + 1, 1);
    if (m < 1 || m > 4) continue;
    auto* se = new QSpinBox(panel_);
    se->setObjectName(QStringLiteral("SE%1").arg(m));
    se->setRange(minimum[m - 1], minimum[m - 1] + 94);  // two digits at most
    se->setValue(kDefaultThresholds[m - 1]);
    // Typed digits take effect when the edit is finished, so an intermediate
    // "9" of "90" never pushes the neighbours.
    se->setKeyboardTracking(false);
    thresholds_[m - 1] = se;
    right->addWidget(se, m + 1, 2);
    auto* percent = new QLabel(QStringLiteral("%"), panel_);
    percent->setObjectName(QStringLiteral("LPercent%1").arg(m));
    right->addWidget(percent, m + 1, 3);
    connect(se, &QSpinBox::valueChanged, this, [this, m] { SEChange(m); });
  }

  right->setRowMinimumHeight(7, 16);
  right->addWidget(heading("LHSounds", "ZVUKY"), 8, 0, 1, 5);
  for (int s = 0; s < 3; ++s) {
    sound_checks_[s] = new QCheckBox(QString::fromUtf8(kSoundCaptions[s]), panel_);
    sound_checks_[s]->setObjectName(QLatin1String(kSoundChecks[s]));
    right->addWidget(sound_checks_[s], 9 + 2 * s, 0, 1, 5);
    sound_edits_[s] = AddSoundEdit(kSoundEdits[s]);
    right->addWidget(sound_edits_[s], 10 + 2 * s, 0, 1, 4);
    right->addWidget(ChildNamed<QToolButton>(panel_, QStringLiteral("SB") + QLatin1String(kSoundEdits[s])), 10 + 2 * s,
                     4);
  }
  right->setRowStretch(15, 1);
  right->setColumnStretch(3, 1);
  right->setColumnMinimumWidth(1, 120);
  grid->setRowStretch(12, 1);
  grid->setColumnStretch(1, 1);

  connect(scheme_, &QComboBox::currentIndexChanged, this, &SettingsPage::CBSchemeChange);
  connect(font_, &QComboBox::currentIndexChanged, this, &SettingsPage::CBFontChange);
  connect(font_size_, &QComboBox::currentIndexChanged, this, &SettingsPage::CBFontSizeChange);
  connect(process_, &QComboBox::currentIndexChanged, this, &SettingsPage::CBProcessChange);
  connect(no_results_, &QComboBox::currentIndexChanged, this, &SettingsPage::CBNoResultsChange);
  connect(neutral_, &QComboBox::currentIndexChanged, this, &SettingsPage::CBNeutralChange);
}

void SettingsPage::SetSoundFolder(const QString& folder) { sound_folder_ = folder; }

void SettingsPage::CopyThresholdMirrors() {
  for (int k = 0; k < 4; ++k) mirrors_[k] = thresholds_[k]->value();
}

void SettingsPage::ShowSettingsPage() {
  form_->ShowPage(this);
  scheme_->setFocus();
}

bool SettingsPage::AutoLogin() const { return login_->isChecked(); }

int SettingsPage::CurrentScheme() const { return std::max(0, scheme_->currentIndex()); }

QColor SettingsPage::SchemeColour(int colour) const { return ColorScheme::Get(CurrentScheme(), colour); }

int SettingsPage::RepetitionMode() const { return std::max(0, repetition_->currentIndex()); }

int SettingsPage::ResultsDisplay() const { return std::max(0, no_results_->currentIndex()); }

QString SettingsPage::NeutralPicture() const {
  return form_->ProgramFolder() + QStringLiteral("Emotikony/neutral%1.png").arg(std::max(0, neutral_->currentIndex()));
}

QList<QWidget*> SettingsPage::NamedWidgets(const QStringList& names) const {
  QHash<QString, bool> wanted;
  for (const QString& n : names) wanted.insert(n.toLower(), true);
  QList<QWidget*> out;
  for (QWidget* w : form_->findChildren<QWidget*>()) {
    if (!w->objectName().isEmpty() && wanted.contains(w->objectName().toLower())) out << w;
  }
  return out;
}

void SettingsPage::CBSchemeChange() {
  const int s = CurrentScheme();
  SetBackground(sample_, ColorScheme::Get(s, ColorScheme::kBackground));
  const QColor background = sample_->palette().color(QPalette::Window);
  const QStringList grid_labels = GridLabelNames();
  for (QWidget* w : NamedWidgets(grid_labels + Numbered(QStringLiteral("PSD"), 1, 10))) SetBackground(w, background);
  SetForeground(sample_, ColorScheme::Get(s, ColorScheme::kText));
  const QColor text = sample_->palette().color(QPalette::WindowText);
  const QStringList coloured = QStringList{QStringLiteral("LZadanie1"), QStringLiteral("LZadanie4"),
                                           QStringLiteral("LZadanie15"), QStringLiteral("LZadanie16"),
                                           QStringLiteral("RE5"), QStringLiteral("RE6")} +
                               grid_labels;
  for (QWidget* w : NamedWidgets(coloured)) SetForeground(w, text);
}

void SettingsPage::CBFontChange() {
  // A stored font that is no longer offered falls back to the first item.
  const QString family = font_->currentIndex() >= 0 ? font_->currentText() : font_->itemText(0);
  SetFontFamily(sample_, family);
  QStringList names{QStringLiteral("LZadanie1"), QStringLiteral("LZadanie4"), QStringLiteral("LZadanie15"),
                    QStringLiteral("LZadanie16"), QStringLiteral("RE5"),     QStringLiteral("RE6"),
                    QStringLiteral("SB16a"),      QStringLiteral("SB16b"),     QStringLiteral("SB16c"),
                    QStringLiteral("SB5a"),       QStringLiteral("SB5b"),      QStringLiteral("SB5c")};
  names += Numbered(QStringLiteral("SB"), 1, 10);
  names += Numbered(QStringLiteral("SBS"), 1, 8);
  names += Numbered(QStringLiteral("LVzor"), 1, 10);
  names += GridLabelNames();
  for (QWidget* w : NamedWidgets(names)) SetFontFamily(w, family);
}

void SettingsPage::CBFontSizeChange() {
  bool ok = false;
  int size = font_size_->currentText().toInt(&ok);
  if (font_size_->currentIndex() < 0 || !ok || size <= 0) size = 36;
  SetFontSize(sample_, size);
  for (QWidget* w : NamedWidgets({QStringLiteral("LZadanie1"), QStringLiteral("LZadanie4"),
                                  QStringLiteral("LZadanie15"), QStringLiteral("RE5"), QStringLiteral("RE6")}))
    SetFontSize(w, size);
}

void SettingsPage::CBProcessChange() {
  switch (process_->currentIndex()) {
    case 1:
      pause_interval_ = 1000;
      break;
    case 2:
      pause_interval_ = 2000;
      break;
    default:
      pause_interval_ = 300;
  }
  if (auto* pause = form_->Control<QTimer>(QStringLiteral("TPause"))) pause->setInterval(pause_interval_);
}

void SettingsPage::CBNoResultsChange() {
  const int index = no_results_->currentIndex();
  if (auto* results = form_->Control<QWidget>(QStringLiteral("PLocalResults")))
    results->setVisible(index != 1 && index != 3);
  form_->CentreExercisePanels();
}

void SettingsPage::CBNeutralChange() {
  if (neutral_->currentIndex() < 0) {
    const QSignalBlocker block(neutral_);
    neutral_->setCurrentIndex(0);
  }
  const QPixmap picture(NeutralPicture());
  if (picture.isNull()) {
    neutral_picture_->clear();
  } else {
    neutral_picture_->setPixmap(picture);
  }
}

void SettingsPage::SEChange(int k) {
  if (k < 1 || k > 4) return;
  const int value = thresholds_[k - 1]->value();
  // The neighbours are compared by their mirrors and nudged so that the order
  // stays strict; the nudged neighbour's handler runs before this one updates
  // its own mirror. A step of one moves the neighbour by one; a typed jump
  // moves it just past the new value, never leaving two equal thresholds.
  if (k < 4 && value <= mirrors_[k]) thresholds_[k]->setValue(value - 1);
  if (k > 1 && value >= mirrors_[k - 2]) thresholds_[k - 2]->setValue(value + 1);
  mirrors_[k - 1] = value;
  range_labels_[k + 1]->setText(k == 4 ? QStringLiteral("od %1 % do 0 %").arg(value)
                                       : QStringLiteral("od %1 % do").arg(value));
}

void SettingsPage::RefreshThresholdLabels() {
  bool ordered = true;
  for (int k = 0; k < 3; ++k) ordered = ordered && thresholds_[k]->value() > thresholds_[k + 1]->value();
  if (!ordered) {
    // Stored thresholds out of order cannot give marks; the defaults can.
    for (int k = 0; k < 4; ++k) {
      const QSignalBlocker block(thresholds_[k]);
      thresholds_[k]->setValue(kDefaultThresholds[k]);
    }
  }
  CopyThresholdMirrors();
  for (int k = 1; k <= 4; ++k) {
    const int value = thresholds_[k - 1]->value();
    if (value == kDefaultThresholds[k - 1]) continue;  // the design caption already says it
    range_labels_[k + 1]->setText(k == 4 ? QStringLiteral("od %1 % do 0 %").arg(value)
                                         : QStringLiteral("od %1 % do").arg(value));
  }
}

void SettingsPage::RestoreProgramSettings() {
  Store& store = form_->store();
  for (int type : {kTypeCombo, kTypeCheck, kTypeSpin, kTypePath}) {
    for (const QString& name : store.ListSettingNames(type)) {
      const QString value = store.GetSetting(name);
      if (value.isEmpty()) continue;
      switch (type) {
        case kTypeCombo:
        case kTypeCheck:
        case kTypeSpin:
          RestoreControlValue(ChildNamed<QWidget>(panel_, name), type, value);
          break;
        case kTypePath:
          if (auto* edit = ChildNamed<QLineEdit>(panel_, name)) {
            const QSignalBlocker block(edit);
            edit->setText(value.left(kMaxPathLength));
          }
          break;
      }
    }
  }
}

void SettingsPage::ApplyProgramSettings() {
  CBSchemeChange();
  CBFontSizeChange();
  CBFontChange();
  CBProcessChange();
  CBNeutralChange();
  CBNoResultsChange();
  // The thresholds were restored without their handlers: mirrors and range
  // labels follow the restored values.
  RefreshThresholdLabels();
  for (int s = 0; s < 3; ++s) {
    const QString path = sound_edits_[s]->text();
    if (path.isEmpty() || !QFile::exists(path)) {
      sound_edits_[s]->setText(form_->ProgramFolder() + QLatin1String(kDefaultSounds[s]));
      sound_checks_[s]->setChecked(true);
    }
  }
  // Every character of the task texts keeps the chosen task font; no glyphs
  // borrowed from other fonts.
  for (QWidget* w : NamedWidgets({QStringLiteral("RE5"), QStringLiteral("RE6")})) {
    QFont f = w->font();
    f.setStyleStrategy(QFont::NoFontMerging);
    w->setFont(f);
  }
}

void SettingsPage::SaveProgramSettings() {
  Store& store = form_->store();
  for (QObject* o : panel_->children()) {
    if (IsInternal(o)) continue;
    const QString name = o->objectName();
    if (auto* box = qobject_cast<QComboBox*>(o)) {
      store.PutSetting(name, kTypeCombo, box->currentText());
    } else if (auto* check = qobject_cast<QCheckBox*>(o)) {
      store.PutSetting(name, kTypeCheck, check->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    } else if (auto* spin = qobject_cast<QSpinBox*>(o)) {
      store.PutSetting(name, kTypeSpin, QString::number(spin->value()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(o)) {
      store.PutSetting(name, kTypePath, edit->text());
    }
  }
}

QList<QWidget*> SettingsPage::ExerciseSettingControls() const {
  QList<QWidget*> out;
  auto* pcset = form_->Control<QWidget>(QStringLiteral("PCSet"));
  if (!pcset) return out;
  QList<QWidget*> tabs;
  if (auto* tab_widget = qobject_cast<QTabWidget*>(pcset)) {
    for (int i = 0; i < tab_widget->count(); ++i) tabs << tab_widget->widget(i);
  } else if (auto* stack = qobject_cast<QStackedWidget*>(pcset)) {
    for (int i = 0; i < stack->count(); ++i) tabs << stack->widget(i);
  } else {
    tabs = pcset->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  }
  for (QWidget* tab : tabs) {
    // The common tab's values are kept per exercise (SaveExerciseLimits).
    if (tab->objectName().compare(QLatin1String("TSSet"), Qt::CaseInsensitive) == 0) continue;
    for (QWidget* w : tab->findChildren<QWidget*>()) {
      if (IsInternal(w)) continue;
      if (qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QSpinBox*>(w) ||
          qobject_cast<QListWidget*>(w))
        out << w;
    }
  }
  return out;
}

void SettingsPage::SaveUserSettings() {
  const int user = form_->UserId();
  if (user <= 0) return;
  Store& store = form_->store();
  for (QWidget* w : ExerciseSettingControls()) {
    const QString name = w->objectName();
    if (auto* box = qobject_cast<QComboBox*>(w)) {
      store.PutUserSetting(user, name, kTypeCombo, box->currentText());
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
      store.PutUserSetting(user, name, kTypeCheck, check->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
      store.PutUserSetting(user, name, kTypeSpin, QString::number(spin->value()));
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
      store.PutUserSetting(user, name, kTypeCheckList, CheckListValue(list));
    }
  }
}

void SettingsPage::LoadUserSettings() {
  const int user = form_->UserId();
  if (user <= 0) return;
  QHash<QString, QWidget*> controls;
  for (QWidget* w : ExerciseSettingControls()) controls.insert(w->objectName().toLower(), w);
  Store& store = form_->store();
  for (int type : {kTypeCombo, kTypeCheck, kTypeSpin, kTypeCheckList}) {
    for (const QString& name : store.ListUserSettingNames(user, type)) {
      const QString value = store.GetUserSetting(user, name);
      if (value.isEmpty()) continue;
      switch (type) {
        case kTypeCombo:
        case kTypeCheck:
        case kTypeSpin:
          RestoreControlValue(controls.value(name.toLower()), type, value);
          break;
        case kTypeCheckList:
          if (auto* list = Among<QListWidget>(controls, name)) {
            // A list that gained or lost items since it was stored keeps its state.
            if (value.size() != list->count()) break;
            const QSignalBlocker block(list);
            for (int i = 0; i < list->count(); ++i)
              list->item(i)->setCheckState(value.at(i) == QLatin1Char('1') ? Qt::Checked : Qt::Unchecked);
          }
          break;
      }
    }
  }
}

void SettingsPage::SaveExerciseLimits(int exam_no) {
  const int user = form_->UserId();
  if (user <= 0 || exam_no <= 0) return;
  Store& store = form_->store();
  const QString n = QString::number(exam_no);
  if (auto* limit = form_->Control<QSpinBox>(QStringLiteral("SELimit")))
    store.PutUserSetting(user, QStringLiteral("SELimit") + n, kTypeLimit, QString::number(limit->value()));
  if (auto* time = form_->Control<QSpinBox>(QStringLiteral("SETaskTime")))
    store.PutUserSetting(user, QStringLiteral("SETaskTime") + n, kTypeLimit, QString::number(time->value()));
  if (auto* timer = form_->Control<QCheckBox>(QStringLiteral("CHBTimer")))
    store.PutUserSetting(user, QStringLiteral("CHBTimer") + n, kTypeTimer,
                         timer->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsPage::LoadExerciseLimits(int exam_no) {
  const int user = form_->UserId();
  if (exam_no <= 0) return;
  Store& store = form_->store();
  const QString n = QString::number(exam_no);
  auto stored_number = [&](const QString& key) {
    bool ok = false;
    const int v = user > 0 ? store.GetUserSetting(user, key).toInt(&ok) : 0;
    return ok ? v : kDefaultLimit;
  };
  if (auto* limit = form_->Control<QSpinBox>(QStringLiteral("SELimit")))
    limit->setValue(stored_number(QStringLiteral("SELimit") + n));
  if (auto* time = form_->Control<QSpinBox>(QStringLiteral("SETaskTime")))
    time->setValue(stored_number(QStringLiteral("SETaskTime") + n));
  if (auto* timer = form_->Control<QCheckBox>(QStringLiteral("CHBTimer")))
    timer->setChecked(user > 0 && store.GetUserSetting(user, QStringLiteral("CHBTimer") + n) == QLatin1String("1"));
}

void SettingsPage::ApplySchemeToExercisePages() {
  SetBackground(sample_, SchemeColour(ColorScheme::kBackground));
  const QColor background = sample_->palette().color(QPalette::Window);
  for (QWidget* w : NamedWidgets(ExercisePanelNames())) SetBackground(w, background);
  const QColor text = sample_->palette().color(QPalette::WindowText);
  for (QWidget* w : NamedWidgets({QStringLiteral("RE5"), QStringLiteral("RE6")})) {
    SetBackground(w, background);
    SetForeground(w, text);
  }
}

void SettingsPage::ResetExercisePageColours() {
  const QColor background = ColorScheme::Get(0, ColorScheme::kBackground);
  for (QWidget* w : NamedWidgets(ExercisePanelNames())) SetBackground(w, background);
}

void SettingsPage::PickSound(QLineEdit* edit) {
  QFileDialog dialog(this, QStringLiteral("Vyberte zvukový súbor"), sound_folder_,
                     QStringLiteral("MP3 (*.mp3 *.MP3)"));
  dialog.setObjectName(QStringLiteral("ODSound"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString file = dialog.selectedFiles().first();
  if (file.size() > kMaxPathLength) {
    form_->AskQuestion(QStringLiteral("UPOZORNENIE"),
                       QStringLiteral("Cesta k zvukovému súboru je dlhšia ako 255 znakov. Vyberte súbor "
                                      "z priečinka s kratšou cestou!"),
                       true);
    return;
  }
  edit->setText(file);
}

}  // namespace mirvel
