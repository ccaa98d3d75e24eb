#include "app/runpage.h"

#include "engine/taskfilter.h"
#include "store/tasks.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/checklistbox.h"
#include "app/elapsedclock.h"
#include "app/exercisesettingstabs.h"
#include "app/tform1.h"
#include "engine/exercisecatalog.h"
#include "results/tfwebbrowser.h"
#include "settings/settingspage.h"
#include "store/sqltemplate.h"

namespace mirvel {
namespace {

constexpr int kLimitDesignMaximum = 20;
constexpr int kResultsWidth = 190;
constexpr int kButtonPanelWidth = 140;
const char kPageColour[] = "#E7F1FE";

struct Sheet {
  const char* name;
  int k;
  int height;
};
// The exercise panels; exercise 3's grid of ten rows needs the tallest one.
constexpr Sheet kSheets[] = {{"TS11", 1, 480}, {"TS13", 3, 590}, {"TS14", 4, 480}, {"TS15", 5, 480},
                             {"TS16", 6, 480}, {"TS17", 7, 480}, {"TS18", 8, 480}};
constexpr int kPanelWidth = 850;

QString U(const char* text) { return QString::fromUtf8(text); }

void Fill(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, colour);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

QLabel* Heading(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QLatin1String(name));
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  l->setStyleSheet(QStringLiteral("color: #1f4e9c;"));
  return l;
}

QLabel* Value(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QLatin1String(name));
  l->setWordWrap(true);
  return l;
}

}  // namespace

RunPage::RunPage(TForm1* form, QWidget* parent) : QWidget(parent), form_(form) {
  setObjectName(QStringLiteral("TSRun"));
  build_task_filter_ = [](int exam_no, const ControlValues& values) { return BuildTaskFilter(exam_no, values); };
  count_tasks_ = [this](int exam_no, const QString& filter) { return CountTasks(form_->store(), exam_no, filter); };

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);

  BuildSheets();
  grid->addWidget(pc2_, 0, 0, 1, 2);

  time_bar_ = new QProgressBar(this);
  time_bar_->setObjectName(QStringLiteral("PBTime"));
  time_bar_->setRange(0, 100);
  time_bar_->setValue(0);
  time_bar_->setTextVisible(false);
  time_bar_->setFixedHeight(14);
  time_bar_->hide();
  grid->addWidget(time_bar_, 1, 0, 1, 2, Qt::AlignLeft);

  pcset_ = new ExerciseSettingsTabs(this);
  grid->addWidget(pcset_, 2, 0);
  limit_ = FindControl<QSpinBox>(pcset_, QStringLiteral("SELimit"));
  max_info_ = FindControl<QLabel>(pcset_, QStringLiteral("LMaxInfo"));
  grid->addWidget(BuildButtonPanel(), 2, 1);

  grid->addWidget(BuildRunDisplay(), 0, 2, 3, 1);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(0, 1);

  cover_ = BuildCover();

  connect(pcset_, &ExerciseSettingsTabs::CountsMayChange, this, &RunPage::UpdateTaskCounts);
  connect(edu_, &QComboBox::currentIndexChanged, this, &RunPage::CBEduChange);
  if (auto* task_time = FindControl<QSpinBox>(pcset_, QStringLiteral("SETaskTime")))
    connect(task_time, &QSpinBox::valueChanged, this, &RunPage::CBEduChange);
}

void RunPage::BuildSheets() {
  pc2_ = new QStackedWidget(this);
  pc2_->setObjectName(QStringLiteral("PC2"));
  for (const Sheet& s : kSheets) {
    auto* sheet = new QWidget(pc2_);
    sheet->setObjectName(QLatin1String(s.name));
    auto* fill = new QVBoxLayout(sheet);
    fill->setContentsMargins(0, 0, 0, 0);
    auto* back = new QFrame(sheet);
    back->setObjectName(QStringLiteral("PBack%1").arg(s.k));
    Fill(back, QColor(QLatin1String(kPageColour)));
    fill->addWidget(back);
    // No layout on the background: the shell keeps the panel centred.
    auto* main = new QFrame(back);
    main->setObjectName(QStringLiteral("PMain%1").arg(s.k));
    main->setFixedSize(kPanelWidth, s.height);
    Fill(main, QColor(QLatin1String(kPageColour)));
    pc2_->addWidget(sheet);
    if (s.k == 1) sheet->installEventFilter(this);
  }
}

QWidget* RunPage::BuildCover() {
  auto* cover = new QFrame(FindControl<QWidget>(pc2_, QStringLiteral("PMain1")));
  cover->setObjectName(QStringLiteral("PKrytka"));
  cover->setFrameShape(QFrame::StyledPanel);
  Fill(cover, QColor(QLatin1String(kPageColour)));
  auto* col = new QVBoxLayout(cover);
  col->setContentsMargins(30, 20, 30, 20);
  col->setSpacing(10);

  info_ = new QLabel(cover);
  info_->setObjectName(QStringLiteral("LInfo"));
  info_->setAlignment(Qt::AlignCenter);
  info_->setFont(QFont(QStringLiteral("Tahoma"), 30, QFont::Bold));
  info_->setStyleSheet(QStringLiteral("color: #1f4e9c;"));

  info_plus_ = new QLabel(cover);
  info_plus_->setObjectName(QStringLiteral("LInfoPlus"));
  info_plus_->setAlignment(Qt::AlignCenter);
  info_plus_->setWordWrap(true);
  info_plus_->setFont(QFont(QStringLiteral("Tahoma"), 18));

  exam_picture_ = new QLabel(cover);
  exam_picture_->setObjectName(QStringLiteral("IExam"));
  exam_picture_->setFixedSize(72, 72);
  exam_picture_->setAlignment(Qt::AlignCenter);

  edu_ = new QComboBox(cover);
  edu_->setObjectName(QStringLiteral("CBEdu"));
  edu_->addItems({U("skúšajúci režim"), U("vyučujúci režim")});
  edu_->setCurrentIndex(0);
  edu_->setFont(QFont(QStringLiteral("Tahoma"), 12));
  edu_->setMinimumWidth(220);

  count_ = new QLabel(cover);
  count_->setObjectName(QStringLiteral("LCount"));
  count_->setProperty("tag", 0);
  count_->setAlignment(Qt::AlignCenter);
  count2_ = new QLabel(cover);
  count2_->setObjectName(QStringLiteral("LCount2"));
  count2_->setAlignment(Qt::AlignCenter);
  count2_->setStyleSheet(QStringLiteral("color: #606060;"));

  help_ = new QLabel(cover);
  help_->setObjectName(QStringLiteral("LHelp"));
  help_->setText(QStringLiteral("<a href=\"help\">%1</a>").arg(U("Zobraziť návod k cvičeniu...")));
  help_->setAlignment(Qt::AlignCenter);
  help_->setCursor(Qt::PointingHandCursor);
  help_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  connect(help_, &QLabel::linkActivated, this, [this] {
    const TExam* exam = FindExam(form_->CurrentExam());
    if (!exam || !form_->FWebBrowser()) return;
    form_->FWebBrowser()->ShowHelp(form_->ProgramFolder() +
                                   QStringLiteral("Pomoc/cvicenia/cvicenie%1.html").arg(exam->HelpNo));
  });

  auto* mode_row = new QHBoxLayout;
  mode_row->addStretch(1);
  mode_row->addWidget(exam_picture_);
  mode_row->addSpacing(12);
  mode_row->addWidget(edu_, 0, Qt::AlignVCenter);
  mode_row->addStretch(1);

  col->addStretch(2);
  col->addWidget(info_);
  col->addWidget(info_plus_);
  col->addStretch(1);
  col->addLayout(mode_row);
  col->addSpacing(8);
  col->addWidget(count_);
  col->addWidget(count2_);
  col->addStretch(1);
  col->addWidget(help_);
  col->addStretch(1);
  cover->setGeometry(cover->parentWidget()->rect());
  return cover;
}

QWidget* RunPage::BuildButtonPanel() {
  button_panel_ = new QFrame(this);
  button_panel_->setObjectName(QStringLiteral("PButton"));
  button_panel_->setFixedSize(kButtonPanelWidth, pcset_->height());
  Fill(button_panel_, QColor(0x2E, 0x9E, 0x3E));
  auto* fill = new QVBoxLayout(button_panel_);
  fill->setContentsMargins(6, 6, 6, 6);
  start_stop_ = new QToolButton(button_panel_);
  start_stop_->setObjectName(QStringLiteral("SBStartStop1"));
  start_stop_->setText(U("Spustiť"));
  start_stop_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  start_stop_->setIconSize(QSize(32, 32));
  start_stop_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  start_stop_->setFont(QFont(QStringLiteral("Tahoma"), 14, QFont::Bold));
  start_stop_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  start_stop_->setAutoRaise(true);
  start_stop_->setStyleSheet(QStringLiteral("QToolButton { color: white; }"));
  fill->addWidget(start_stop_);

  // Over the button while no task matches (and while the result dialog is open).
  start_cover_ = new QFrame(button_panel_);
  start_cover_->setObjectName(QStringLiteral("PStartKrytka"));
  Fill(start_cover_, QColor(0xC8, 0xC8, 0xC8));
  start_cover_->setGeometry(0, 0, button_panel_->width(), button_panel_->height());
  start_cover_->hide();
  return button_panel_;
}

QWidget* RunPage::BuildRunDisplay() {
  auto* panel = new QFrame(this);
  results_ = panel;
  panel->setObjectName(QStringLiteral("PLocalResults"));
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFixedWidth(kResultsWidth);
  Fill(panel, QColor(0xF4, 0xF8, 0xFE));
  auto* col = new QVBoxLayout(panel);
  col->setContentsMargins(10, 10, 10, 10);
  col->setSpacing(4);

  auto* title = new QLabel(U("VÝSLEDKY CVIČENIA"), panel);
  title->setObjectName(QStringLiteral("LResultsTitle"));
  title->setAlignment(Qt::AlignCenter);
  title->setFont(QFont(QStringLiteral("Tahoma"), 10, QFont::Bold));
  title->setWordWrap(true);  // the side panel is narrow on 1024-pixel screens
  title->setStyleSheet(QStringLiteral("color: #1f4e9c;"));
  col->addWidget(title);

  mode_ = Value(panel, "LMode", U("skúšajúci režim"));
  mode_->setAlignment(Qt::AlignCenter);
  mode_->setStyleSheet(QStringLiteral("color: #c05000; font-weight: bold;"));
  mode_->hide();
  col->addWidget(mode_);

  auto* last = new QLabel(QStringLiteral("<a href=\"last\">%1</a>").arg(U("Zobraziť posledné...")), panel);
  last->setObjectName(QStringLiteral("LLast"));
  last->setAlignment(Qt::AlignCenter);
  last->setCursor(Qt::PointingHandCursor);
  last->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  col->addWidget(last);
  col->addSpacing(8);

  col->addWidget(Heading(panel, "LUserTitle", U("POUŽÍVATEĽ")));
  user_ = Value(panel, "LUser", QString());
  col->addWidget(user_);
  col->addSpacing(6);
  col->addWidget(Heading(panel, "LExamTitle", U("CVIČENIE")));
  exam_ = Value(panel, "LExam", QString());
  col->addWidget(exam_);
  col->addSpacing(6);

  auto* duration = Heading(panel, "LTimeTitle", U("TRVANIE"));
  duration_heading_ = duration;
  col->addWidget(duration);
  clock_ = new ElapsedClock(panel);
  clock_->setFont(QFont(QStringLiteral("Verdana"), 16, QFont::Bold));
  col->addWidget(clock_);
  col->addSpacing(6);

  col->addWidget(Heading(panel, "LTaskTitle", U("ÚLOHA")));
  gcount_ = new QProgressBar(panel);
  gcount_->setObjectName(QStringLiteral("GCount"));
  gcount_->setRange(0, 10);
  gcount_->setValue(0);
  gcount_->setTextVisible(false);
  gcount_->setFixedHeight(14);
  col->addWidget(gcount_);
  gcount_label_ = Value(panel, "LGCount", QStringLiteral("0/0"));
  gcount_label_->setAlignment(Qt::AlignCenter);
  col->addWidget(gcount_label_);
  col->addSpacing(6);

  auto* scoring = new QGridLayout;
  scoring->setHorizontalSpacing(8);
  auto* success_icon = new QLabel(panel);
  success_icon->setObjectName(QStringLiteral("IU"));
  success_icon->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(16, 16));
  auto* success_title = Heading(panel, "LU2", U("ÚSPEŠNOSŤ"));
  auto* mark_icon = new QLabel(panel);
  mark_icon->setObjectName(QStringLiteral("Im"));
  mark_icon->setPixmap(style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(16, 16));
  auto* mark_title = Heading(panel, "LU3", U("ZNÁMKA"));
  success_ = new QProgressBar(panel);
  success_->setObjectName(QStringLiteral("GSuccess"));
  success_->setOrientation(Qt::Vertical);
  success_->setRange(0, 100);
  success_->setValue(0);
  success_->setFormat(QStringLiteral("%p%"));
  success_->setTextVisible(true);
  success_->setFixedSize(44, 110);
  mark_ = Value(panel, "LMark", QStringLiteral("-"));
  mark_->setAlignment(Qt::AlignCenter);
  mark_->setFont(QFont(QStringLiteral("Verdana"), 36, QFont::Bold));
  mark_->setStyleSheet(QStringLiteral("color: #c00000;"));
  scoring->addWidget(success_icon, 0, 0);
  scoring->addWidget(success_title, 0, 1);
  scoring->addWidget(mark_icon, 2, 0);
  scoring->addWidget(mark_title, 2, 1);
  scoring->addWidget(success_, 1, 1, Qt::AlignHCenter);
  scoring->addWidget(mark_, 3, 1);
  col->addLayout(scoring);

  emoticon_ = new QLabel(panel);
  emoticon_->setObjectName(QStringLiteral("IEmoticon"));
  emoticon_->setFixedSize(100, 100);
  emoticon_->setAlignment(Qt::AlignCenter);
  col->addWidget(emoticon_, 0, Qt::AlignHCenter);
  col->addStretch(1);

  // Covers the middle of the display (duration to mark) while no run is in progress.
  results_cover_ = new QFrame(panel);
  results_cover_->setObjectName(QStringLiteral("PResKrytka"));
  Fill(results_cover_, QColor(0xF4, 0xF8, 0xFE));
  panel->installEventFilter(this);
  return panel;
}

void RunPage::PlaceResultsCover() {
  if (!results_cover_ || !duration_heading_ || !mark_) return;
  const int top = duration_heading_->y() - 2;
  const int bottom = mark_->geometry().bottom() + 2;
  results_cover_->setGeometry(2, top, results_->width() - 4, std::max(0, bottom - top));
  results_cover_->raise();
}

bool RunPage::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type t = event->type();
  if (watched == results_ && (t == QEvent::Resize || t == QEvent::Show || t == QEvent::LayoutRequest)) {
    PlaceResultsCover();
  } else if (t == QEvent::Resize && watched->objectName() == QLatin1String("TS11")) {
    form_->CentreExercisePanels();
  }
  return QWidget::eventFilter(watched, event);
}

void RunPage::ChooseExercise(const TExam& exam) {
  // 4.
  form_->CentreExercisePanels();
  // 5.
  const QString group = exam.group();
  const QString name = exam.name();
  exam_->setText(name.isEmpty() ? group : group + QStringLiteral(" - ") + name);
  info_->setText(group);
  info_plus_->setText(name);
  // 6.
  form_->SetCurrentExam(exam.ExamNo);
  // 7.
  pc2_->hide();
  if (auto* panel = FindControl<QWidget>(pc2_, QStringLiteral("PMain%1").arg(exam.Page))) {
    cover_->setParent(panel);
    cover_->setGeometry(panel->rect());
    cover_->show();
    cover_->raise();
  }
  if (auto* sheet = FindControl<QWidget>(pc2_, exam.sheet())) pc2_->setCurrentWidget(sheet);
  // 8. and 14.
  pcset_->ShowTabsFor(exam.ExamNo);
  // 9.
  form_->ShowPage(this);
  pc2_->show();
  edu_->setFocus();
  // 10.
  if (form_->settingsPage()) form_->settingsPage()->LoadExerciseLimits(exam.ExamNo);
  // 11.
  UpdateTaskCounts();
  // 12.
  ResetRunDisplay();
  // 13. The stored settings were restored silently; the dependent controls follow them again.
  pcset_->ApplyVisibilityRules();
  // 15. (The cover's mode picture follows the mode as well.)
  UpdateModeDisplay();
  pcset_->SetTimerControlsVisible(!TeachingModeChosen() && exam.ExamNo != 17);
  form_->CentreExercisePanels();
}

bool RunPage::TeachingModeChosen() const { return edu_->currentIndex() == 1; }

void RunPage::SetUserLabel(const QString& name) { user_->setText(name); }

void RunPage::ResetRunDisplay() {
  user_->setText(form_->UserName());
  gcount_->setRange(0, limit_->value());
  gcount_->setValue(0);
  success_->setValue(0);
  gcount_label_->setText(QStringLiteral("0/0"));
  mark_->setText(QStringLiteral("-"));
  ShowNeutralPicture();
  clock_->Reset();
}

void RunPage::ShowNeutralPicture() {
  int index = 0;
  if (auto* neutral = form_->Control<QComboBox>(QStringLiteral("CBNeutral"))) index = std::max(0, neutral->currentIndex());
  const QString path = form_->ProgramFolder() + QStringLiteral("Emotikony/neutral%1.png").arg(index);
  if (!form_->ProgramFolder().isEmpty() && QFile::exists(path)) {
    emoticon_->setPixmap(QPixmap(path).scaled(emoticon_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
}

void RunPage::KeepAllListsChecked() {
  for (CheckListBox* list : pcset_->CheckLists()) pcset_->KeepOneChecked(list, false);
  pcset_->ApplyVisibilityRules();
}


ControlValues RunPage::CurrentControlValues() const {
  ControlValues values = ReadControlValues(pcset_);
  QStringList modes;
  for (int i = 0; i < edu_->count(); ++i) modes << edu_->itemText(i);
  values.SetCombo(QStringLiteral("CBEdu"), edu_->currentIndex(), modes);
  return values;
}

void RunPage::SetTaskCounting(FilterBuilder build_filter, TaskCounter count) {
  if (build_filter) build_task_filter_ = std::move(build_filter);
  if (count) count_tasks_ = std::move(count);
}

void RunPage::UpdateTaskCounts() {
  const int exam = form_->CurrentExam();
  if (exam == 0) return;
  const ControlValues values = CurrentControlValues();
  // 1. and 2.
  const int matching = count_tasks_(exam, build_task_filter_(exam, values));
  count_->setProperty("tag", matching);
  const int total = count_tasks_(exam, QString());
  // 3. Task entries per unit of SELimit.
  int per_unit = 1;
  if (exam == 3) {
    per_unit = std::max(1, values.Value(QStringLiteral("SERow2")));
  } else if (exam == 17 && values.Index(QStringLiteral("CBType17")) == 1 && values.Checked(QStringLiteral("CHBRow17"))) {
    per_unit = values.Checked(QStringLiteral("CHBDual17")) ? 3 : 6;
  }
  // 4.
  const int units = matching / per_unit;
  SetLimitMaximum(units, matching);
  // 5. No run can start without one whole unit of tasks: with fewer matching
  // tasks than a screen of exercise 3 needs, a run could never be drawn.
  start_cover_->setVisible(units == 0);
  if (start_cover_->isVisibleTo(button_panel_)) start_cover_->raise();
  // 6.
  count_->setText(U("Počet vybraných úloh: %1").arg(units));
  count2_->setText(U("Počet všetkých úloh: %1").arg(total));
}

void RunPage::SetLimitMaximum(int c, int matching) {
  limit_->setProperty("MaxValue", c);
  int value = limit_->value();
  if (value > c) {
    value = std::max(matching, limit_->minimum());
    if (c > 0) value = std::min(value, c);
  }
  // A maximum of 0 sets no upper bound; the spin edit keeps its design range then.
  const int upper = c > 0 ? std::max(c, limit_->minimum()) : std::max(kLimitDesignMaximum, value);
  limit_->setMaximum(upper);
  limit_->setValue(value);
  max_info_->setText(QStringLiteral("(max. %1)").arg(c));
  max_info_->adjustSize();
}

void RunPage::CBEduChange() {
  UpdateModeDisplay();
  pcset_->SetTimerControlsVisible(!TeachingModeChosen() && form_->CurrentExam() != 17);
  if (form_->CurrentExam() == 12) UpdateTaskCounts();
}

void RunPage::UpdateModeDisplay() {
  const bool teaching = TeachingModeChosen();
  mode_->setText(edu_->currentText());
  const QString picture = form_->ProgramFolder() + (teaching ? QStringLiteral("Emotikony/b2.png") : QStringLiteral("Emotikony/b1.png"));
  if (!form_->ProgramFolder().isEmpty() && QFile::exists(picture)) {
    exam_picture_->setPixmap(
        QPixmap(picture).scaled(exam_picture_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
}

}  // namespace mirvel
