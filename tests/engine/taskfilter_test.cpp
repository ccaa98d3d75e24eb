#include "engine/taskfilter.h"

#include <gtest/gtest.h>

#include <QSet>

#include <functional>

#include "store/store.h"
#include "support/controlstate.h"
#include "support/testdata.h"

namespace mirvel {
namespace {

using test::Combo;
using test::Items;
using test::List;
using test::U;
using test::kException;
using test::kSpeech;
using test::kSyllables;
using test::kWordsSentences;

const QStringList kWordTypes2 = Items({"x-x", "xx-", "xxx", "x-xx", "xx-x", "xxx-", "xxxx", "xx-xx", "xxx-x", "xxxx-", "x-xxx-", "iné"});
const QStringList kLetters2 = Items({"len malé písmená", "len veľké písmená", "malé aj veľké písmená"});
const QStringList kGroups4 = Items({"skupina 1", "skupina 2", "skupina 3", "skupina 4"});
const QStringList kType5 = Items({"typ skúšania:", "slová", "vety"});
const QStringList kDtn = Items({"di/dy", "ti/ty", "ni/ny"});
const QStringList kPos = Items({"na začiatku", "v strede", "na konci"});
const QStringList kType10 = Items({"slová", "slovné spojenia"});
const QStringList kBpm10 = Items({"b", "p", "m", "v", "r", "z", "s", "l"});
const QStringList kType12 = Items({"slovné spojenia", "vety"});
const QStringList kCases12 = Items({"1. pád+jed.č.", "2. a 4. pád", "3. pád", "5. pád", "6. pád", "druhové"});
const QStringList kEdu = Items({"skúšajúci režim", "vyučujúci režim"});
const QStringList kKinds13 = Items({"podstatné mená", "prídavné mená", "slovesá"});
const QStringList kVocabulary16 = Items({"základná slovná zásoba", "pokročilá slovná zásoba", "príslovia a porekadlá"});
const QStringList kType17 = Items({"ľahká obtiažnosť", "stredne ťažká obtiažnosť", "ťažká obtiažnosť"});

struct FilterCase {
  const char* what;
  int exam;
  std::function<void(ControlValues&)> set;
  const char* expected;
};

// The filter cases, each with the control state that leads to it.
std::vector<FilterCase> FilterCases() {
  return {
      {"exercise 1 takes every task", 1, [](ControlValues&) {}, ""},
      {"exercise 2 compares captions", 2, [](ControlValues& c) { List(c, "CHLB2", kWordTypes2, {"x-x", "xxx"}); },
       "WHERE category='x-x' OR category='xxx'"},
      {"exercise 2 with nothing checked", 2, [](ControlValues& c) { List(c, "CHLB2", kWordTypes2, {}); },
       "WHERE category='NOTHING'"},
      {"exercise 3 one-letter capitals", 3,
       [](ControlValues& c) {
         c.SetSpin(U("SEMaxLength2"), 1);
         Combo(c, "CBLetters2", kLetters2, "len veľké písmená");
       },
       "WHERE category=1 AND word=UPPER(word)"},
      {"exercise 3 one-letter small", 3,
       [](ControlValues& c) {
         c.SetSpin(U("SEMaxLength2"), 1);
         Combo(c, "CBLetters2", kLetters2, "len malé písmená");
       },
       "WHERE category=1 AND word=LOWER(word)"},
      {"exercise 3 one letter of both cases", 3,
       [](ControlValues& c) {
         c.SetSpin(U("SEMaxLength2"), 1);
         Combo(c, "CBLetters2", kLetters2, "malé aj veľké písmená");
       },
       "WHERE category=1"},
      {"exercise 3 longer words ignore the letter case choice", 3,
       [](ControlValues& c) {
         c.SetSpin(U("SEMaxLength2"), 3);
         Combo(c, "CBLetters2", kLetters2, "len veľké písmená");
       },
       "WHERE category=3"},
      {"exercise 4 numbers groups from 1", 4, [](ControlValues& c) { List(c, "CHLB4", kGroups4, {"skupina 2", "skupina 4"}); },
       "WHERE category='2' OR category='4'"},
      {"exercise 5 sentences without speech", 5,
       [](ControlValues& c) {
         Combo(c, "CBType5", kType5, "vety");
         Combo(c, "CBSpeech5", kSpeech, "bez hlasového doprovodu");
       },
       "WHERE category='2' AND dual='0'"},
      {"exercise 5 words with speech", 5,
       [](ControlValues& c) {
         Combo(c, "CBType5", kType5, "slová");
         Combo(c, "CBSpeech5", kSpeech, "s hlasovým doprovodom");
       },
       "WHERE category='1'"},
      {"exercise 6 words combine consonant, position and vocabulary", 6,
       [](ControlValues& c) {
         Combo(c, "CBType6", kWordsSentences, "slová");
         List(c, "CHLB6dtn", kDtn, {"di/dy", "ni/ny"});
         List(c, "CHLB6pos", kPos, {"na konci"});
         Combo(c, "CBException6", kException, "bežná slovná zásoba");
       },
       "WHERE category='0' AND (letter='0' OR letter='2')  AND (pos='2')  AND EXCEP='0'"},
      {"exercise 6 sentences test the flag of each consonant", 6,
       [](ControlValues& c) {
         Combo(c, "CBType6", kWordsSentences, "vety");
         List(c, "CHLB6dtn", kDtn, {"ti/ty", "ni/ny"});
         List(c, "CHLB6pos", kPos, {});
         Combo(c, "CBException6", kException, "všetko spolu");
       },
       "WHERE category='1' AND (SUBSTRING(letter FROM 2 FOR 1) ='1' OR SUBSTRING(letter FROM 3 FOR 1)='1') "},
      {"exercise 6 words with no position", 6,
       [](ControlValues& c) {
         Combo(c, "CBType6", kWordsSentences, "slová");
         List(c, "CHLB6dtn", kDtn, {"ti/ty"});
         List(c, "CHLB6pos", kPos, {});
         Combo(c, "CBException6", kException, "výnimky a cudzie slová");
       },
       "WHERE category='NOTHING' AND EXCEP='1'"},
      {"exercise 7 by type", 7, [](ControlValues& c) { Combo(c, "CBType7", kWordsSentences, "vety"); }, "WHERE category='1'"},
      {"exercise 8 everything", 8,
       [](ControlValues& c) {
         Combo(c, "CBType8", kWordsSentences, "vety");
         Combo(c, "CBException8", kException, "všetko spolu");
       },
       "WHERE category='1'"},
      {"exercise 8 exceptions", 8,
       [](ControlValues& c) {
         Combo(c, "CBType8", kWordsSentences, "slová");
         Combo(c, "CBException8", kException, "výnimky a cudzie slová");
       },
       "WHERE category='0' AND EXCEP='1'"},
      {"exercise 9 takes every task", 9, [](ControlValues&) {}, ""},
      {"exercise 10 phrases ignore the consonants", 10,
       [](ControlValues& c) {
         Combo(c, "CBType10", kType10, "slovné spojenia");
         List(c, "CHLBBPM10", kBpm10, {"p", "s"});
       },
       "WHERE category='8'"},
      {"exercise 10 words by consonant", 10,
       [](ControlValues& c) {
         Combo(c, "CBType10", kType10, "slová");
         List(c, "CHLBBPM10", kBpm10, {"p", "s"});
       },
       "WHERE category='1' OR category='6'"},
      {"exercise 10 words with no consonant", 10,
       [](ControlValues& c) {
         Combo(c, "CBType10", kType10, "slová");
         List(c, "CHLBBPM10", kBpm10, {});
       },
       "WHERE CAST(category AS VARCHAR(20))='NOTHING'"},
      {"exercise 11 takes every task", 11, [](ControlValues&) {}, ""},
      {"exercise 12 testing, case and generic", 12,
       [](ControlValues& c) {
         Combo(c, "CBType12", kType12, "slovné spojenia");
         List(c, "CHLBPM12", kCases12, {"3. pád", "druhové"});
         Combo(c, "CBEdu", kEdu, "skúšajúci režim");
       },
       "WHERE category='0' OR category='2'"},
      {"exercise 12 teaching, case and generic", 12,
       [](ControlValues& c) {
         Combo(c, "CBType12", kType12, "slovné spojenia");
         List(c, "CHLBPM12", kCases12, {"3. pád", "druhové"});
         Combo(c, "CBEdu", kEdu, "vyučujúci režim");
       },
       "WHERE category='0'"},
      {"exercise 12 testing, generic only", 12,
       [](ControlValues& c) {
         Combo(c, "CBType12", kType12, "slovné spojenia");
         List(c, "CHLBPM12", kCases12, {"druhové"});
         Combo(c, "CBEdu", kEdu, "skúšajúci režim");
       },
       "WHERE category='2'"},
      {"exercise 12 teaching, generic only", 12,
       [](ControlValues& c) {
         Combo(c, "CBType12", kType12, "slovné spojenia");
         List(c, "CHLBPM12", kCases12, {"druhové"});
         Combo(c, "CBEdu", kEdu, "vyučujúci režim");
       },
       "WHERE CAST(category AS VARCHAR(20))='NOTHING'"},
      {"exercise 12 testing, case only", 12,
       [](ControlValues& c) {
         Combo(c, "CBType12", kType12, "slovné spojenia");
         List(c, "CHLBPM12", kCases12, {"1. pád+jed.č."});
         Combo(c, "CBEdu", kEdu, "skúšajúci režim");
       },
       "WHERE category='0'"},
      {"exercise 12 sentences", 12,
       [](ControlValues& c) {
         Combo(c, "CBType12", kType12, "vety");
         List(c, "CHLBPM12", kCases12, {});
         Combo(c, "CBEdu", kEdu, "vyučujúci režim");
       },
       "WHERE category='1'"},
      {"exercise 13 by part of speech", 13, [](ControlValues& c) { List(c, "CHLBSD13", kKinds13, {"podstatné mená", "slovesá"}); },
       "WHERE category='0' OR category='2'"},
      {"exercise 13 with nothing checked", 13, [](ControlValues& c) { List(c, "CHLBSD13", kKinds13, {}); },
       "WHERE CAST(category AS VARCHAR(20))='NOTHING'"},
      {"exercise 14 by syllable count", 14, [](ControlValues& c) { List(c, "CHLB14", kSyllables, {"jednoslabičné", "trojslabičné"}); },
       "WHERE CHAR_LENGTH(category)='1' OR CHAR_LENGTH(category)='3'"},
      {"exercise 15 is fixed", 15, [](ControlValues&) {}, "WHERE CHAR_LENGTH(category)<='3'"},
      {"exercise 16 by vocabulary", 16, [](ControlValues& c) { List(c, "CHLBSZ16", kVocabulary16, {"príslovia a porekadlá"}); },
       "WHERE category='2'"},
      {"exercise 17 by difficulty", 17,
       [](ControlValues& c) {
         Combo(c, "CBType17", kType17, "ťažká obtiažnosť");
         c.SetCheck(U("CHBDual17"), true);
       },
       "WHERE category='2'"},
      {"exercise 17 pairs of words", 17,
       [](ControlValues& c) {
         Combo(c, "CBType17", kType17, "stredne ťažká obtiažnosť");
         c.SetCheck(U("CHBDual17"), true);
       },
       "WHERE category='3'"},
      {"exercise 18 by syllable count", 18, [](ControlValues& c) { List(c, "CHLB18", kSyllables, {"päťslabičné"}); },
       "WHERE CHAR_LENGTH(category)='5'"},
      {"exercise 18 with nothing checked", 18, [](ControlValues& c) { List(c, "CHLB18", kSyllables, {}); },
       "WHERE category='NOTHING'"},
  };
}

TEST(TaskFilterTest, BuildsTheClauseOfEachExercise) {
  for (const FilterCase& fc : FilterCases()) {
    ControlValues c;
    fc.set(c);
    EXPECT_EQ(BuildTaskFilter(fc.exam, c), U(fc.expected)) << fc.what;
  }
}

TEST(TaskFilterTest, NoRowClausesAreRecognised) {
  for (int exam = 1; exam <= 18; ++exam) EXPECT_TRUE(IsNothingFilter(NothingFilter(exam))) << exam;
  EXPECT_FALSE(IsNothingFilter(U("WHERE category='0'")));
}

// Every clause runs on the real content database, whose tables here hold one
// row each, and the no-row clauses find nothing there.
TEST(TaskFilterTest, EveryClauseRunsOnTheContentTables) {
  test::TempDataFolder folder;
  ASSERT_TRUE(folder.ok());
  QString reason;
  ASSERT_TRUE(Store::PrepareLockDirectory(folder.path(), &reason)) << reason.toStdString();
  Store store;
  ASSERT_TRUE(store.Open(folder.path(), &reason)) << reason.toStdString();
  const char* rows[] = {
      "INSERT INTO exam1 (id, word) VALUES (9001, 'a')",
      "INSERT INTO exam2 (id, word, category) VALUES (9001, 'a', 'x-x')",
      "INSERT INTO exam3 (id, word, category) VALUES (9001, 'A', 1)",
      "INSERT INTO exam4 (id, word, category) VALUES (9001, 'a', '2')",
      "INSERT INTO exam5 (id, word, category, dual) VALUES (9001, 'a', '2', '0')",
      "INSERT INTO exam6 (id, word, letter, pos, category, EXCEP) VALUES (9001, 'a', '0', '2', '0', '0')",
      "INSERT INTO exam7 (id, word, category) VALUES (9001, 'a', '1')",
      "INSERT INTO exam8 (id, word, category, EXCEP) VALUES (9001, 'a', '0', '1')",
      "INSERT INTO exam9 (id, word) VALUES (9001, 'a')",
      "INSERT INTO exam10 (id, word, category) VALUES (9001, 'a', 1)",
      "INSERT INTO exam11 (id, word1, category) VALUES (9001, 'a', 0)",
      "INSERT INTO exam12 (id, word1, category) VALUES (9001, 'a', 0)",
      "INSERT INTO exam13 (id, word, category) VALUES (9001, 'a', 0)",
      "INSERT INTO exam14 (id, word, category) VALUES (9001, 'a', '1')",
      "INSERT INTO exam15 (id, word, category) VALUES (9001, 'a', '12')",
      "INSERT INTO exam16 (id, word, category) VALUES (9001, 'a', '2')",
      "INSERT INTO exam17 (id, word, category) VALUES (9001, 'a', '2')",
      "INSERT INTO exam18 (id, word, category) VALUES (9001, 'a', '12345')",
  };
  for (const char* sql : rows) ASSERT_NO_THROW(store.Exec(store.ZQD(), U(sql))) << sql;
  auto count = [&](int exam, const QString& filter) {
    return store.SelectInt(store.ZQD(), QStringLiteral("SELECT COUNT(*) AS N FROM exam%1 %2").arg(exam).arg(filter),
                           QStringLiteral("N"));
  };
  for (const FilterCase& fc : FilterCases()) {
    ControlValues c;
    fc.set(c);
    const QString filter = BuildTaskFilter(fc.exam, c);
    int n = -1;
    EXPECT_NO_THROW(n = count(fc.exam, filter)) << fc.what;
    if (IsNothingFilter(filter)) {
      EXPECT_EQ(n, 0) << fc.what;
    }
  }
  for (int exam = 2; exam <= 18; ++exam) {
    if (exam == 9) continue;  // no category column, never filtered
    int n = -1;
    EXPECT_NO_THROW(n = count(exam, NothingFilter(exam))) << exam;
    EXPECT_EQ(n, 0) << exam;
  }
}

TEST(TaskFilterTest, UnitSizeOfAScreenOrALine) {
  ControlValues c;
  c.SetSpin(U("SERow2"), 5);
  Combo(c, "CBType17", kType17, "stredne ťažká obtiažnosť");
  EXPECT_EQ(TaskUnitSize(3, c), 5);
  EXPECT_EQ(TaskUnitSize(17, c), 1);
  c.SetCheck(U("CHBRow17"), true);
  EXPECT_EQ(TaskUnitSize(17, c), 6);
  c.SetCheck(U("CHBDual17"), true);
  EXPECT_EQ(TaskUnitSize(17, c), 3);
  EXPECT_EQ(TaskUnitSize(4, c), 1);
  Combo(c, "CBType17", kType17, "ťažká obtiažnosť");
  EXPECT_EQ(TaskUnitSize(17, c), 1);
  c.SetSpin(U("SERow2"), 0);
  EXPECT_EQ(TaskUnitSize(3, c), 1);
}

TEST(TaskFilterTest, CountsSetTheTaskLimit) {
  struct Case {
    int matching, total, unit, limit;
    int max_limit, new_limit;
    bool covered;
  };
  const Case cases[] = {
      {23, 40, 5, 4, 4, 4, false},   // 23 rows, 5 per screen: 4 screens
      {23, 40, 5, 10, 4, 4, false},  // above the maximum: set to 23, then brought down to 4
      {30, 30, 1, 10, 30, 10, false},
      {1, 30, 1, 10, 1, 2, false},   // one task: the minimum of 2 stays
      {0, 30, 1, 10, 0, 2, true},    // nothing matches: start covered
      {12, 30, 1, 15, 12, 12, false},
  };
  for (const Case& c : cases) {
    const TaskCounts t = ComputeTaskCounts(c.matching, c.total, c.unit, c.limit);
    EXPECT_EQ(t.max_limit, c.max_limit) << c.matching << "/" << c.unit;
    EXPECT_EQ(t.limit, c.new_limit) << c.matching << "/" << c.unit << " limit " << c.limit;
    EXPECT_EQ(t.start_covered, c.covered) << c.matching;
  }
  const TaskCounts t = ComputeTaskCounts(23, 40, 5, 4);
  EXPECT_EQ(t.count_text, U("Počet vybraných úloh: 4"));
  EXPECT_EQ(t.count2_text, U("Počet všetkých úloh: 40"));
  EXPECT_EQ(t.max_info_text, U("(max. 4)"));
}

TEST(TaskFilterTest, KeepOneCheckedRechecksTheLastItem) {
  struct Case {
    QVector<bool> checks;
    int tag;
    int new_tag;
    int recheck;
  };
  const Case cases[] = {
      {{false, true, true}, 0, 2, -1},    // something checked: nothing to do, tag follows the last one
      {{false, false, false}, 1, 1, 1},   // the only checked item was just unchecked
      {{false, false, false}, 0, 0, 0},   // never had a check: the first item
      {{}, 0, 0, -1},                     // empty list
  };
  for (const Case& c : cases) {
    const KeepOneCheckedResult r = KeepOneChecked(c.checks, c.tag);
    EXPECT_EQ(r.tag, c.new_tag);
    EXPECT_EQ(r.recheck, c.recheck);
  }
}

QStringList Ids(int from, int to) {
  QStringList ids;
  for (int i = from; i <= to; ++i) ids << QString::number(i);
  return ids;
}

TEST(TaskFilterTest, DrawGivesDifferentTasks) {
  QRandomGenerator random(7);
  for (int round = 0; round < 20; ++round) {
    const QVector<int> drawn = DrawTaskIds(Ids(1, 10), 10, random);
    ASSERT_EQ(drawn.size(), 10);
    EXPECT_EQ(QSet<int>(drawn.begin(), drawn.end()), QSet<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  }
  const QVector<int> some = DrawTaskIds(Ids(1, 23), 20, random);
  ASSERT_EQ(some.size(), 20);
  EXPECT_EQ(QSet<int>(some.begin(), some.end()).size(), 20);
  for (int id : some) EXPECT_TRUE(id >= 1 && id <= 23);
}

TEST(TaskFilterTest, DrawEndsWhenTooFewTasksMatch) {
  QRandomGenerator random(11);
  struct Case {
    QStringList ids;
    int entries, unit;
    int expected;
  };
  const Case cases[] = {
      {Ids(1, 3), 10, 1, 3},                               // all three, once each
      {QStringList{U("5"), U("5"), U("5")}, 2, 1, 1},      // one distinct task
      {QStringList{U("0"), U("x"), U("4")}, 2, 1, 1},      // only positive numbers are tasks
      {Ids(1, 13), 20, 5, 10},                             // whole screens of 5 rows
      {Ids(1, 3), 20, 5, 3},                               // less than one screen
      {QStringList(), 5, 1, 0},
  };
  for (const Case& c : cases) {
    const QVector<int> drawn = DrawTaskIds(c.ids, c.entries, random, c.unit);
    EXPECT_EQ(drawn.size(), c.expected) << c.ids.join(',').toStdString();
    EXPECT_EQ(QSet<int>(drawn.begin(), drawn.end()).size(), drawn.size());
    for (int id : drawn) EXPECT_GT(id, 0);
  }
}

}  // namespace
}  // namespace mirvel
