#include "engine/texambox.h"

#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

#include "engine/taskfilter.h"

namespace mirvel {
namespace {

constexpr int kRepetition = 10;

bool IsPending(int code) { return code == -1 || code == kRepetition - 1; }

QString Esc(const QString& text) { return text.toHtmlEscaped(); }

const char kHead[] =
    R"(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">)"
    R"(<html xmlns="http://www.w3.org/1999/xhtml" lang="en" xml:lang="en">)"
    R"(<head><title></title><meta http-equiv="Content-Type" content="text/html; charset=windows-1250"/><style type="text/css">body{background-color: #FFFFF0; color: #000; font-family: Tahoma,Arial; font-size: 12px; text-align: left;})"
    R"(.odsek{margin-left: 5%;margin-right: 5%;}.nadpis {font-size:14px;font-weight: bold;} #hlavny {font-size:16px; color: #FF5A00; letter-spacing: 3px;} #maly {font-size: 10px; float:right; display:block;} )"
    R"(#meno {font-size: 14px; color: #330000; font-weight: bold; float:right;}.t{font-size: 12px; width:100%; background-color: #F0F0F0; border:1px solid #C0C0C0; border-collapse:collapse; text-align: center;})"
    R"( .t th {font-weight: bold; background-color: #D0D0D0; padding: 4px;} .t td {border-bottom: 1px solid #C0C0C0; padding: 3px;} .s1{width:100px; font-weight: bold;} .s2{width:390px;} .s3{width:100px;} .s4{width:150px;})"
    R"(.z1{width:140px;} .z2{width:150px;} .z3{width:150px;} .z4{width:150px;} .col_left {text-align: right; width:90px;} .znamka{font-size: 16px;font-weight: bold; color: #584E56;})"
    R"(.neutral{border-right: 1px solid #C0C0C0;} .good{background-color: #9ACD32; border-right: 1px solid #C0C0C0;}  .bad{background-color: #FF3300; border-right: 1px solid #C0C0C0;})"
    R"(.late{background-color: #FF8C00; border-right: 1px solid #C0C0C0;} #prerus {color: #FF0000;}</style></head><body> <div class="odsek">)";

const char kTaskTableHead[] =
    R"(<table class="t"><tr><th class="s1">Č.</th><th class="s2">Zadaná úloha</th><th class="s3">Trvanie [h:min:s]</th><th class="s4">Riešenie</th></tr>)";

QString U(const char* s) { return QString::fromUtf8(s); }

// Class and heading of a task row by its outcome code. A row still pending
// when the run was interrupted reads like the task on screen at that moment.
void RowStyle(int code, QString* cls, QString* heading) {
  switch (code % kRepetition) {
    case 1: *cls = U("good"); *heading = U("SPRÁVNA ODPOVEĎ"); return;
    case 2: *cls = U("late"); *heading = U("NESTIHNUTÁ ODPOVEĎ"); return;
    case 3: *cls = U("bad"); *heading = U("NESPRÁVNA ODPOVEĎ"); return;
    default: *cls = U("neutral"); *heading = U("PRERUŠENÉ CVIČENIE"); return;
  }
}

QString TaskRow(int position, const TTask& t) {
  QString cls;
  QString heading;
  RowStyle(t.Outcome, &cls, &heading);
  QString task = Esc(t.Solution);
  if (!t.Presented.isEmpty()) task += U(" (") + Esc(t.Presented) + U(")");
  return U("<tr><td>") + QString::number(position) + U(".</td><td>") + task + U("</td><td>") + Esc(t.Time) +
         U("</td><td class=\"") + cls + U("\">") + heading + U("</td></tr>");
}

}  // namespace

QString FormatSeconds(int seconds) {
  seconds = std::max(seconds, 0);
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
      .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QByteArray EncodeWindows1250(const QString& text) {
  QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
  QByteArray bytes = encoder.encode(text);
  if (!encoder.hasError()) return bytes;
  // Rare: go character by character. A fresh encoder each time, because
  // resetting one does not clear its error with every back end.
  bytes.clear();
  for (const char32_t c : text.toUcs4()) {
    if (c < 0x80) {
      bytes += static_cast<char>(c);
      continue;
    }
    QStringEncoder one("windows-1250", QStringConverter::Flag::Stateless);
    const QByteArray b = one.encode(QString::fromUcs4(&c, 1));
    if (one.hasError() || b.isEmpty()) {
      bytes += "&#" + QByteArray::number(static_cast<uint>(c)) + ';';
    } else {
      bytes += b;
    }
  }
  return bytes;
}

TExamBox::TExamBox(Clock clock) : clock_(std::move(clock)) {
  if (!clock_) clock_ = [] { return QDateTime::currentDateTime(); };
}

void TExamBox::Setup(int exam, int entries, bool multi_row, const QString& group, const QString& name,
                     int repeat_mode) {
  exam_ = exam;
  group_ = group;
  name_ = name;
  repeat_mode_ = repeat_mode;
  multi_row_ = multi_row;
  planned_ = count_ = std::max(entries, 0);
  tasks_ = QVector<TTask>(count_);
  mark_ = QStringLiteral("5");
  success_ = 0.0;
  current_ = 1;
  repeated_ = 0;
  finished_ = true;
  good_ = bad_ = late_ = 0;
  duration_.clear();
  summary_.clear();
  start_time_ = clock_();
  task_start_ = start_time_;
}

void TExamBox::DrawTasks(const QStringList& ids, QRandomGenerator& random, int unit) {
  if (ids.isEmpty()) return;
  const QVector<int> drawn = DrawTaskIds(ids, count_, random, unit);
  if (drawn.isEmpty()) return;
  if (drawn.size() < count_) {
    tasks_.resize(drawn.size());
    planned_ = count_ = static_cast<int>(drawn.size());
  }
  for (int i = 0; i < drawn.size(); ++i) tasks_[i].Id = drawn.at(i);
}

void TExamBox::StartTaskClock() { task_start_ = clock_(); }

int TExamBox::SecondsSinceTaskStart() const {
  if (!task_start_.isValid()) return 0;
  return std::max(RoundHalfEven(task_start_.msecsTo(clock_()) / 1000.0), 0);
}

void TExamBox::StampTaskTime() {
  if (TTask* e = CurrentEntry()) e->Time = FormatSeconds(SecondsSinceTaskStart());
}

void TExamBox::StampRowTimes(int rows) {
  const QString time = FormatSeconds(SecondsSinceTaskStart() / std::max(rows, 1));
  for (TTask& t : tasks_) {
    if (IsPending(t.Outcome)) t.Time = time;
  }
}

int TExamBox::FirstPendingRow() const {
  for (int i = 0; i < tasks_.size(); ++i) {
    if (IsPending(tasks_.at(i).Outcome)) return i;
  }
  return 0;
}

TTask* TExamBox::CurrentEntry() { return current_ >= 1 && current_ <= tasks_.size() ? &tasks_[current_ - 1] : nullptr; }

const TTask* TExamBox::CurrentEntry() const {
  return current_ >= 1 && current_ <= tasks_.size() ? &tasks_.at(current_ - 1) : nullptr;
}

void TExamBox::Count(int o) {
  if (o == 1) ++good_;
  if (o == 2) ++late_;
  if (o == 3) ++bad_;
}

void TExamBox::Repeat(const TTask& e, int o) {
  if (repeat_mode_ <= 0 || o <= 1) return;
  if (repeat_mode_ == 1 && e.Outcome >= kRepetition) return;
  if (repeat_mode_ != 1 && repeat_mode_ != 2) return;
  TTask again;
  again.Id = e.Id;
  again.Outcome = kRepetition;
  tasks_.append(again);
  ++count_;
  ++repeated_;
}

void TExamBox::Recompute() {
  success_ = SuccessPercent(good_, current_, multi_row_);
  mark_ = MarkFor(success_, thresholds_);
}

void TExamBox::RecordOutcome(int o) {
  if (o != 1 && o != 2 && o != 3 && o != -1) return;
  TTask* e = CurrentEntry();
  if (!e) return;
  Count(o);
  e->Outcome += o;
  const TTask recorded = *e;  // the append below may move the entries
  Repeat(recorded, o);
  Recompute();
  ++current_;
}

void TExamBox::RecordRowOutcome(int i, int o) {
  if (o != 1 && o != 2 && o != 3) return;
  if (i < 0 || i >= tasks_.size()) return;
  Count(o);
  TTask& e = tasks_[i];
  if (e.Outcome == -1) e.Outcome = 0;
  if (e.Outcome == kRepetition - 1) e.Outcome = kRepetition;
  e.Outcome += o;
  const TTask recorded = e;
  Repeat(recorded, o);
  Recompute();
}

void TExamBox::SkipTask() { ++current_; }

void TExamBox::SetSolution(const QString& text) {
  if (TTask* e = CurrentEntry()) e->Solution = text;
}

void TExamBox::SetPresented(const QString& text) {
  if (TTask* e = CurrentEntry()) e->Presented = text;
}

int TExamBox::CurrentTaskId() const {
  const TTask* e = CurrentEntry();
  return e ? e->Id : 0;
}

QString TExamBox::GetSolution() const {
  const TTask* e = CurrentEntry();
  return e ? e->Solution : QString();
}

QString TExamBox::GetPresented() const {
  const TTask* e = CurrentEntry();
  return e ? e->Presented : QString();
}

StoredRun TExamBox::ValuesForStoring(const QString& user_name) const {
  StoredRun r;
  r.date = start_time_;
  r.duration = duration_;
  r.group = group_;
  r.exam = name_;
  r.task_count = planned_;
  r.repeated = repeated_;
  r.good = good_;
  r.bad = bad_;
  r.late = late_;
  r.success = RoundHalfEven(success_);
  r.mark = StoredMark(mark_);
  r.completed = finished_;
  r.summary = EncodeWindows1250(ReportHtml(user_name));
  return r;
}

QString TExamBox::ReportHtml(const QString& user_name) const {
  QString h = U(kHead);
  h += U("<p><span class=\"nadpis\" id=\"hlavny\">") + Esc(group_) + U(" - ") + Esc(name_) +
       U("</span><span id=\"meno\">") + Esc(user_name) + U("</span></p><p><span id=\"maly\">") +
       start_time_.toString(QStringLiteral("dd.MM. yyyy hh:mm:ss")) + U("</span></p>");
  h += U(R"(<table class="t"><tr><th class="z1" colspan="2">Počet úloh</th><th class="z2">Trvanie [h:min:s]</th><th class="z3">Úspešnosť</th><th class="z4">Známka</th></tr>)");
  h += U(R"(<tr><td class="col_left"><b>celkovo:</b></td><td class="neutral">)") + QString::number(planned_) +
       U(R"(</td><td rowspan="5" class="znamka" style="border-right:1px solid #C0C0C0;">)") + Esc(duration_) +
       U("</td>");
  h += U(R"(<td rowspan="5" class="znamka" style="border-right:1px solid #C0C0C0;">)") +
       QString::number(RoundHalfEven(success_)) + U(R"(%</td><td rowspan="5" class="znamka">)") + Esc(mark_) +
       U("</td></tr>");
  h += U(R"(<tr><td class="col_left">opakovaných:</td><td class="neutral">+ )") + QString::number(repeated_) +
       U(R"(</td></tr><tr><td class="col_left">dobrých:</td><td class="good">)") + QString::number(good_) +
       U("</td></tr>");
  h += U(R"(<tr><td class="col_left">zlých:</td><td class="bad">)") + QString::number(bad_) +
       U(R"(</td></tr><tr><td class="col_left">nestihnutých:</td><td class="late">)") + QString::number(late_) +
       U(R"(</td></tr><tr><th colspan="5" style="text-align: center;">Nastavenie cvičenia</th></tr>)");
  h += U(R"(<tr><td colspan="5" style="font-size:10px;text-align: left;">)") + summary_ +
       U("</td></tr></table><br/>");
  h += U(R"(<p class="nadpis">Úlohy</p>)") + U(kTaskTableHead);
  bool unanswered = false;
  for (int i = 0; i < tasks_.size(); ++i) {
    const TTask& t = tasks_.at(i);
    if (t.Outcome == 0) unanswered = true;
    if (t.Outcome < kRepetition && !t.Solution.isEmpty()) h += TaskRow(i + 1, t);
  }
  h += U("</table><br/>");
  if (repeated_ > 0 && !unanswered) {
    h += U(R"(<p class="nadpis">Opakované úlohy</p>)") + U(kTaskTableHead);
    for (int i = 0; i < tasks_.size(); ++i) {
      const TTask& t = tasks_.at(i);
      if (t.Outcome >= kRepetition && !t.Solution.isEmpty()) h += TaskRow(i + 1, t);
    }
    h += U("</table><br/>");
  }
  h += finished_ ? U("<p>Všetky úlohy cvičenia boli riadne dokončené.</p>")
                 : U(R"(<span id="prerus">Cvičenie bolo prerušené používateľom.</span>  )");
  h += U("</div></body></html>");
  return h;
}

}  // namespace mirvel
