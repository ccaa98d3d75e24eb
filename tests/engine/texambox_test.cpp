#include "engine/texambox.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QXmlStreamReader>

#include <vector>

namespace mirvel {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// A run record on a clock the test moves by hand.
class RunRecord {
 public:
  RunRecord() : box_([this] { return now_; }) {}
  TExamBox& box() { return box_; }
  void Advance(qint64 ms) { now_ = now_.addMSecs(ms); }
  // Sets up and draws: entry i gets task i + 1 in a known order is not
  // guaranteed, so the tests read the identifiers back.
  void Start(int exam, int entries, bool multi_row, int mode) {
    box_.Setup(exam, entries, multi_row, U("Zrakové cvičenia"), U("Vizuálna diferenciácia"), mode);
    QStringList ids;
    for (int i = 1; i <= entries; ++i) ids << QString::number(100 + i);
    QRandomGenerator random(5);
    box_.DrawTasks(ids, random);
  }
  // Shows the current entry (as the exercise would) and records o.
  void Answer(int o) {
    box_.StartTaskClock();
    box_.SetSolution(U("slovo") + QString::number(box_.CurrentTaskId()));
    Advance(2000);
    box_.StampTaskTime();
    box_.RecordOutcome(o);
  }

 private:
  QDateTime now_ = QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3));
  TExamBox box_;
};

TEST(TExamBoxTest, SetupStartsAnOpenRun) {
  RunRecord r;
  r.Start(4, 3, false, 0);
  const TExamBox& b = r.box();
  EXPECT_EQ(b.Planned(), 3);
  EXPECT_EQ(b.EntryCount(), 3);
  EXPECT_EQ(b.CurrentIndex(), 1);
  EXPECT_EQ(b.MarkText(), U("5"));
  EXPECT_TRUE(b.Finished());
  EXPECT_EQ(b.StartTime(), QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)));
  QSet<int> ids;
  for (const TTask& t : b.Tasks()) {
    EXPECT_EQ(t.Outcome, 0);
    EXPECT_EQ(t.Time, U("-"));
    ids.insert(t.Id);
  }
  EXPECT_EQ(ids, QSet<int>({101, 102, 103}));
}

TEST(TExamBoxTest, OutcomeSequencesInTheRepetitionModes) {
  struct Case {
    const char* what;
    int mode;
    std::vector<int> outcomes;
    std::vector<const char*> marks;  // after each answer
    int count, good, bad, repeated, success;
    std::vector<int> codes;
  };
  const Case cases[] = {
      {"no repetition", 0, {1, 3, 1}, {"1*", "4", "3"}, 3, 2, 1, 0, 67, {1, 3, 1}},
      {"repeat once, repetition good", 1, {1, 3, 1, 1}, {"1*", "4", "3", "3"}, 4, 3, 1, 1, 75, {1, 3, 1, 11}},
      {"repeat once, repetition bad again", 1, {1, 3, 1, 3}, {"1*", "4", "3", "4"}, 4, 2, 2, 1, 50, {1, 3, 1, 13}},
      {"repeat until good", 2, {1, 3, 1, 3, 1}, {"1*", "4", "3", "4", "4"}, 5, 3, 2, 2, 60, {1, 3, 1, 13, 11}},
      {"late counts as wrong", 1, {2, 1}, {"5", "4"}, 3, 1, 0, 1, 50, {2, 1, 10}},
  };
  for (const Case& c : cases) {
    RunRecord r;
    r.Start(4, c.codes.size() - c.repeated, false, c.mode);
    TExamBox& b = r.box();
    for (size_t i = 0; i < c.outcomes.size(); ++i) {
      r.Answer(c.outcomes[i]);
      EXPECT_EQ(b.MarkText(), U(c.marks[i])) << c.what << " after answer " << i + 1;
    }
    EXPECT_EQ(b.EntryCount(), c.count) << c.what;
    EXPECT_EQ(b.Good(), c.good) << c.what;
    EXPECT_EQ(b.Bad(), c.bad) << c.what;
    EXPECT_EQ(b.Repeated(), c.repeated) << c.what;
    EXPECT_EQ(RoundHalfEven(b.SuccessValue()), c.success) << c.what;
    std::vector<int> codes;
    for (const TTask& t : b.Tasks()) codes.push_back(t.Outcome);
    if (c.codes.size() < static_cast<size_t>(b.EntryCount())) codes.resize(c.codes.size());
    EXPECT_EQ(codes, c.codes) << c.what;
    EXPECT_EQ(b.EntryCount(), b.Planned() + b.Repeated()) << c.what;
  }
}

TEST(TExamBoxTest, RepetitionsRepeatTheirTask) {
  RunRecord r;
  r.Start(4, 3, false, 2);
  TExamBox& b = r.box();
  r.Answer(1);
  r.Answer(3);
  r.Answer(1);
  r.Answer(3);
  ASSERT_EQ(b.EntryCount(), 5);
  EXPECT_EQ(b.Tasks()[3].Id, b.Tasks()[1].Id);
  EXPECT_EQ(b.Tasks()[4].Id, b.Tasks()[1].Id);
  EXPECT_EQ(b.CurrentTaskId(), b.Tasks()[1].Id);
}

TEST(TExamBoxTest, TaskClockStampsWholeSeconds) {
  RunRecord r;
  r.Start(4, 2, false, 0);
  TExamBox& b = r.box();
  b.StartTaskClock();
  r.Advance(65400);
  b.StampTaskTime();
  EXPECT_EQ(b.Tasks()[0].Time, U("00:01:05"));
  b.RecordOutcome(1);
  b.StartTaskClock();
  r.Advance(3725600);
  b.StampTaskTime();
  EXPECT_EQ(b.Tasks()[1].Time, U("01:02:06"));
}

// Exercise 3: a screen of rows is shown, then judged row by row.
TEST(TExamBoxTest, RowsOfAScreen) {
  RunRecord r;
  r.Start(3, 6, true, 1);
  TExamBox& b = r.box();
  b.StartTaskClock();
  for (int row = 0; row < 3; ++row) {
    b.SetSolution(U("r") + QString::number(row));
    b.RecordOutcome(-1);
  }
  EXPECT_EQ(b.CurrentIndex(), 4);
  EXPECT_EQ(b.FirstPendingRow(), 0);
  EXPECT_EQ(b.Good() + b.Bad() + b.Late(), 0);
  r.Advance(10000);
  b.StampRowTimes(3);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(b.Tasks()[row].Time, U("00:00:03"));
  EXPECT_EQ(b.Tasks()[3].Time, U("-"));
  b.RecordRowOutcome(0, 1);
  b.RecordRowOutcome(1, 3);
  b.RecordRowOutcome(2, 2);
  EXPECT_EQ(b.CurrentIndex(), 4);
  EXPECT_EQ(b.Tasks()[0].Outcome, 1);
  EXPECT_EQ(b.Tasks()[1].Outcome, 3);
  EXPECT_EQ(b.Tasks()[2].Outcome, 2);
  EXPECT_EQ(RoundHalfEven(b.SuccessValue()), 33);  // 1 of the 3 rows shown
  EXPECT_EQ(b.MarkText(), U("5"));
  ASSERT_EQ(b.EntryCount(), 8);  // the bad and the late row come again
  EXPECT_EQ(b.Tasks()[6].Id, b.Tasks()[1].Id);
  EXPECT_EQ(b.Tasks()[7].Id, b.Tasks()[2].Id);

  // The second screen runs into the repetitions: rows 4 to 6 and 7.
  for (int row = 3; row < 7; ++row) b.RecordOutcome(-1);
  EXPECT_EQ(b.Tasks()[6].Outcome, 9);
  EXPECT_EQ(b.FirstPendingRow(), 3);
  b.RecordRowOutcome(6, 1);
  EXPECT_EQ(b.Tasks()[6].Outcome, 11);
}

TEST(TExamBoxTest, DrawFromTooFewTasksCutsTheRun) {
  TExamBox b;
  b.Setup(5, 10, false, U("g"), U("n"), 0);
  QRandomGenerator random(3);
  b.DrawTasks({U("7"), U("8"), U("9"), U("7")}, random);
  EXPECT_EQ(b.EntryCount(), 3);
  EXPECT_EQ(b.Planned(), 3);
  QSet<int> ids;
  for (const TTask& t : b.Tasks()) ids.insert(t.Id);
  EXPECT_EQ(ids, QSet<int>({7, 8, 9}));
  b.DrawTasks({}, random);  // an empty list changes nothing
  EXPECT_EQ(b.EntryCount(), 3);
}

// The report decoded from its stored bytes, checked for well-formed XML; the
// texts of the elements with an id are collected.
struct ParsedReport {
  bool ok = false;
  QString error;
  QHash<QString, QString> by_id;
  QStringList cells;
};

ParsedReport Parse(const QByteArray& bytes) {
  ParsedReport p;
  QStringDecoder decoder("windows-1250");
  const QString text = decoder.decode(bytes);
  if (decoder.hasError()) {
    p.error = U("not Windows-1250");
    return p;
  }
  QXmlStreamReader xml(text);
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const QString id = xml.attributes().value(U("id")).toString();
      if (xml.name() == U("td")) {
        p.cells << xml.readElementText(QXmlStreamReader::IncludeChildElements);
      } else if (!id.isEmpty()) {
        p.by_id[id] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      }
    }
  }
  p.ok = !xml.hasError();
  if (xml.hasError()) p.error = xml.errorString() + U(" at ") + QString::number(xml.characterOffset());
  return p;
}

TEST(TExamBoxTest, ReportsAreWellFormedAndShowTextsAsTyped) {
  const QString name = U("Ján <3 & \"Ω\"");
  struct Case {
    const char* what;
    int mode;
    std::vector<int> outcomes;
    bool interrupted;
  };
  const Case cases[] = {
      {"finished", 0, {1, 3, 1}, false},
      {"with repetitions", 1, {1, 3, 1, 1}, false},
      {"interrupted in the second task", 0, {1}, true},
      {"stopped before any answer", 0, {}, true},
  };
  for (const Case& c : cases) {
    RunRecord r;
    r.Start(4, 3, false, c.mode);
    TExamBox& b = r.box();
    b.SetSummary(U("<b>typ slov:</b> skupina 1"));
    b.SetDuration(U("00:00:42"));
    for (int o : c.outcomes) {
      r.Answer(o);
    }
    if (c.interrupted) {
      b.SetSolution(U("a<b & \"c\""));
      b.SetPresented(U("a<_ &"));
      b.SetFinished(false);
    }
    const StoredRun stored = b.ValuesForStoring(name);
    const ParsedReport p = Parse(stored.summary);
    EXPECT_TRUE(p.ok) << c.what << ": " << p.error.toStdString();
    EXPECT_EQ(p.by_id.value(U("meno")), name) << c.what;
    EXPECT_EQ(p.by_id.value(U("hlavny")), U("Zrakové cvičenia - Vizuálna diferenciácia")) << c.what;
    EXPECT_EQ(p.by_id.value(U("maly")), U("05.03. 2024 09:07:03")) << c.what;
    EXPECT_TRUE(p.cells.contains(U("typ slov: skupina 1"))) << c.what;  // the summary stays markup
    if (c.interrupted) {
      EXPECT_TRUE(p.cells.contains(U("a<b & \"c\" (a<_ &)"))) << c.what;
      EXPECT_TRUE(p.by_id.contains(U("prerus"))) << c.what;
    }
  }
}

TEST(TExamBoxTest, ReportOfARunWithARepetition) {
  RunRecord r;
  r.Start(4, 3, false, 1);
  TExamBox& b = r.box();
  for (int o : {1, 3, 1, 1}) r.Answer(o);
  const QString html = b.ReportHtml(U("Eva"));
  EXPECT_TRUE(html.startsWith(
      U(R"(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">)"
        R"(<html xmlns="http://www.w3.org/1999/xhtml" lang="en" xml:lang="en"><head><title></title>)")));
  const int tasks = html.indexOf(U(R"(<p class="nadpis">Úlohy</p>)"));
  const int repeated = html.indexOf(U(R"(<p class="nadpis">Opakované úlohy</p>)"));
  ASSERT_GT(tasks, 0);
  ASSERT_GT(repeated, tasks);
  const QString second = U("<tr><td>2.</td><td>slovo%1</td><td>00:00:02</td><td class=\"bad\">NESPRÁVNA ODPOVEĎ</td></tr>")
                             .arg(b.Tasks()[1].Id);
  const QString fourth = U("<tr><td>4.</td><td>slovo%1</td><td>00:00:02</td><td class=\"good\">SPRÁVNA ODPOVEĎ</td></tr>")
                             .arg(b.Tasks()[1].Id);
  EXPECT_GT(html.indexOf(second), tasks);
  EXPECT_LT(html.indexOf(second), repeated);
  EXPECT_GT(html.indexOf(fourth), repeated);
  EXPECT_TRUE(html.contains(U(R"(<td rowspan="5" class="znamka" style="border-right:1px solid #C0C0C0;">75%</td><td rowspan="5" class="znamka">3</td></tr>)")));
  EXPECT_TRUE(html.contains(U(R"(<td class="neutral">+ 1</td>)")));
  EXPECT_TRUE(html.endsWith(U("<p>Všetky úlohy cvičenia boli riadne dokončené.</p></div></body></html>")));
}

TEST(TExamBoxTest, ReportOfAnInterruptedRun) {
  RunRecord r;
  r.Start(4, 4, false, 1);
  TExamBox& b = r.box();
  r.Answer(3);  // would be repeated, but the run does not get that far
  b.SetSolution(U("druhé"));
  b.SetFinished(false);
  const QString html = b.ReportHtml(U("Eva"));
  EXPECT_TRUE(html.contains(U(R"(<td class="bad">NESPRÁVNA ODPOVEĎ</td>)")));
  EXPECT_TRUE(html.contains(U(R"(<tr><td>2.</td><td>druhé</td><td>-</td><td class="neutral">PRERUŠENÉ CVIČENIE</td></tr>)")));
  EXPECT_FALSE(html.contains(U("<tr><td>3.</td>")));
  EXPECT_FALSE(html.contains(U("Opakované úlohy")));
  EXPECT_TRUE(html.endsWith(U(R"(<span id="prerus">Cvičenie bolo prerušené používateľom.</span>  </div></body></html>)")));
  const StoredRun s = b.ValuesForStoring(U("Eva"));
  EXPECT_FALSE(s.completed);
  EXPECT_EQ(s.repeated, 1);
}

TEST(TExamBoxTest, ValuesForStoring) {
  struct Case {
    const char* what;
    std::vector<int> outcomes;
    bool finished;
    int success;
    const char* mark;
  };
  const Case cases[] = {
      {"perfect", {1, 1, 1}, true, 100, "0"},
      {"stopped before any answer", {}, false, 0, "5"},
      {"two of three", {1, 3, 1}, true, 67, "3"},
  };
  for (const Case& c : cases) {
    RunRecord r;
    r.Start(7, 3, false, 0);
    for (int o : c.outcomes) r.Answer(o);
    r.box().SetFinished(c.finished);
    r.box().SetDuration(U("00:01:10"));
    const StoredRun s = r.box().ValuesForStoring(U("Eva"));
    EXPECT_EQ(s.success, c.success) << c.what;
    EXPECT_EQ(s.mark, U(c.mark)) << c.what;
    EXPECT_EQ(s.completed, c.finished) << c.what;
    EXPECT_EQ(s.task_count, 3) << c.what;
    EXPECT_EQ(s.duration, U("00:01:10")) << c.what;
    EXPECT_EQ(s.group, U("Zrakové cvičenia")) << c.what;
    EXPECT_EQ(s.exam, U("Vizuálna diferenciácia")) << c.what;
    EXPECT_EQ(s.date, r.box().StartTime()) << c.what;
    EXPECT_EQ(QStringDecoder("windows-1250").decode(s.summary), r.box().ReportHtml(U("Eva"))) << c.what;
  }
  RunRecord perfect;
  perfect.Start(7, 2, false, 0);
  perfect.Answer(1);
  perfect.Answer(1);
  EXPECT_TRUE(perfect.box().ReportHtml(U("Eva")).contains(U(R"(<td rowspan="5" class="znamka">1*</td>)")));
}

TEST(TExamBoxTest, CharactersOutsideTheCodePageBecomeReferences) {
  EXPECT_EQ(EncodeWindows1250(U("čšť€")), QByteArray("\xE8\x9A\x9D\x80"));
  EXPECT_EQ(EncodeWindows1250(U("aΩb")), QByteArray("a&#937;b"));
}

}  // namespace
}  // namespace mirvel
