#include "store/tasks.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <ostream>
#include <vector>

#include "store/store.h"
#include "support/testdata.h"

namespace mirvel {

void PrintTo(const LoadedTask& t, std::ostream* os) {
  const QStringList texts = {t.word,  t.added, t.correct, t.pos,      t.letter,  t.word1,   t.word2,   t.word3,
                             t.word4, t.word5, t.word6,   t.question, t.answer1, t.answer2, t.answer3, t.category_text};
  *os << "{" << texts.join(QLatin1Char('|')).toStdString() << " #" << t.category << "}";
}

namespace {

// Recordings with bytes that a text conversion would damage.
const QByteArray kSoundA = QByteArray("ID3\x00\xff\xfe mama", 13);
const QByteArray kSoundB = QByteArray("\xff\xfb\x90\x00 lopta \x00\x01", 15);

class TasksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::OpenStore(folder_, store_));
    // The shipped content changes; every test brings its own rows.
    for (int n = 1; n <= 18; ++n) Sql(QStringLiteral("DELETE FROM exam%1").arg(n));
    Sql(QStringLiteral("DELETE FROM sounds"));
  }

  void Sql(const QString& sql) { store_.Exec(store_.ZQD(), sql); }

  void AddSound(const QString& name, const QByteArray& sound) {
    QSqlQuery q(store_.ZCData());
    ASSERT_TRUE(q.prepare(QStringLiteral("INSERT INTO sounds (sound_name, sound) VALUES (?, ?)")));
    q.addBindValue(name);
    q.addBindValue(sound);
    ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
  }

  QByteArray FileContent(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
  }

  QString SoundPath() const { return folder_.File(QStringLiteral("zvuk1.mp3")); }

  test::TempDataFolder folder_;
  Store store_;
};

TEST_F(TasksTest, FiltersSelectIdsAndCounts) {
  Sql(QStringLiteral("INSERT INTO exam2 (id, word, category) VALUES (3, 'mama', 'm')"));
  Sql(QStringLiteral("INSERT INTO exam2 (id, word, category) VALUES (5, 'lopta', 'l')"));
  Sql(QStringLiteral("INSERT INTO exam2 (id, word, category) VALUES (8, 'lano', 'l')"));
  struct Case {
    QString filter;
    QStringList ids;
  };
  const std::vector<Case> cases = {
      {QString(), {"3", "5", "8"}},
      {FormatSql("WHERE category='%s'", {"NOTHING"}), {}},
      {FormatSql("WHERE category='%s' OR category='%s'", {"l", "x"}), {"5", "8"}},
      {QStringLiteral("WHERE word='ma''ma' OR id=3"), {"3"}},
  };
  for (const Case& c : cases) {
    QStringList list = {QStringLiteral("stale")};
    ListTaskIds(store_, 2, c.filter, &list);
    list.sort();
    EXPECT_EQ(list, c.ids) << c.filter.toStdString();
    EXPECT_EQ(CountTasks(store_, 2, c.filter), c.ids.size()) << c.filter.toStdString();
  }
  EXPECT_EQ(CountTasks(store_, 9, QString()), 0);
}

// One row per table with every column filled; each exercise gets exactly its
// columns, numbers where the category is a number, and its recording.
TEST_F(TasksTest, EachExerciseLoadsItsColumns) {
  AddSound(QStringLiteral("ďateľ"), kSoundA);
  struct Case {
    int exam;
    QString insert;  // the task, id 7, word 'ďateľ'
    LoadedTask expected;
    bool recording;
  };
  auto task = [](auto fill) {
    LoadedTask t;
    t.word = QStringLiteral("ďateľ");
    fill(t);
    return t;
  };
  const std::vector<Case> cases = {
      {1, "INSERT INTO exam1 VALUES (7, 'ďateľ')", task([](LoadedTask&) {}), true},
      {2, "INSERT INTO exam2 VALUES (7, 'ďateľ', 'a', 'c')", task([](LoadedTask& t) { t.added = "a"; }), true},
      {3, "INSERT INTO exam3 VALUES (7, 'ďateľ', 'a/b', 2)", task([](LoadedTask& t) { t.added = "a/b"; }), false},
      {4, "INSERT INTO exam4 VALUES (7, 'ďateľ', 'dateľ', 'a', 'c')",
       task([](LoadedTask& t) { t.correct = "dateľ"; t.added = "a"; }), true},
      {5, "INSERT INTO exam5 VALUES (7, 'ďateľ', '1,4', 'c', '1')", task([](LoadedTask& t) { t.pos = "1,4"; }), true},
      {6, "INSERT INTO exam6 VALUES (7, 'ďateľ', 'i', '3', 'c', '0')",
       task([](LoadedTask& t) { t.letter = "i"; t.pos = "3"; }), true},
      {7, "INSERT INTO exam7 VALUES (7, 'ďateľ', 'c')", task([](LoadedTask&) {}), true},
      {8, "INSERT INTO exam8 VALUES (7, 'ďateľ', 'c', '1')", task([](LoadedTask&) {}), true},
      {9, "INSERT INTO exam9 VALUES (7, 'ďateľ')", task([](LoadedTask&) {}), false},
      {10, "INSERT INTO exam10 VALUES (7, 'ďateľ', 12)", task([](LoadedTask& t) { t.category = 12; }), false},
      {11, "INSERT INTO exam11 VALUES (7, 'w1', 'w2', 3)",
       [] {
         LoadedTask t;
         t.word1 = "w1"; t.word2 = "w2"; t.category = 3;
         return t;
       }(),
       false},
      {12, "INSERT INTO exam12 VALUES (7, 'w1', 'w2', 'w3', 'w4', 'w5', 'w6', 4)",
       [] {
         LoadedTask t;
         t.word1 = "w1"; t.word2 = "w2"; t.word3 = "w3"; t.word4 = "w4"; t.word5 = "w5"; t.word6 = "w6";
         t.category = 4;
         return t;
       }(),
       false},
      {13, "INSERT INTO exam13 VALUES (7, 'ďateľ', 'Kto?', 5)",
       task([](LoadedTask& t) { t.question = "Kto?"; t.category = 5; }), false},
      {14, "INSERT INTO exam14 VALUES (7, 'ďateľ', '0101')", task([](LoadedTask& t) { t.category_text = "0101"; }),
       true},
      {15, "INSERT INTO exam15 VALUES (7, 'ďateľ', '12')", task([](LoadedTask& t) { t.category_text = "12"; }), true},
      {16, "INSERT INTO exam16 VALUES (7, 'ďateľ', 'a1', 'a2', 'a3', 'N')",
       task([](LoadedTask& t) { t.answer1 = "a1"; t.answer2 = "a2"; t.answer3 = "a3"; t.category_text = "N"; }),
       false},
      {17, "INSERT INTO exam17 VALUES (7, 'ďateľ', 'ab')", task([](LoadedTask& t) { t.category_text = "ab"; }), false},
      {18, "INSERT INTO exam18 VALUES (7, 'ďateľ', '2112', 'ďa-teľ')",
       task([](LoadedTask& t) { t.category_text = "2112"; t.added = "ďa-teľ"; }), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exam);
    Sql(c.insert);
    QFile::remove(SoundPath());
    EXPECT_EQ(LoadTask(store_, c.exam, 7, SoundPath()), c.expected);
    if (c.recording) {
      EXPECT_EQ(FileContent(SoundPath()), kSoundA);
    } else {
      EXPECT_FALSE(QFile::exists(SoundPath()));
    }
  }
}

// Whether the recording is joined depends on the exercise and on the path:
// a word without a recording loads only when the table is read alone.
TEST_F(TasksTest, RecordingJoinFollowsExerciseAndPath) {
  AddSound(QStringLiteral("lopta"), kSoundB);
  Sql(QStringLiteral("INSERT INTO exam18 VALUES (1, 'mama', '11', 'ma-ma')"));
  Sql(QStringLiteral("INSERT INTO exam18 VALUES (2, 'lopta', '12', 'lop-ta')"));
  Sql(QStringLiteral("INSERT INTO exam14 VALUES (1, 'mama', '11')"));
  Sql(QStringLiteral("INSERT INTO exam1 VALUES (1, 'mama')"));
  struct Case {
    int exam;
    int id;
    bool with_path;
    QString word;        // empty: the task loads empty
    QByteArray content;  // of the recording file after the load
  };
  const QByteArray none("<no file>");
  const std::vector<Case> cases = {
      {18, 1, false, "mama", none},      // the table alone
      {18, 1, true, "", ""},             // no recording: empty task, empty file
      {18, 2, true, "lopta", kSoundB},   // joined
      {18, 2, false, "lopta", none},     //
      {14, 1, false, "mama", none},      //
      {1, 1, false, "", none},           // always joined, even without a path
      {1, 1, true, "", ""},              //
      {18, 99, true, "", ""},            // unknown id
      {18, 99, false, "", none},         //
      {10, 99, true, "", "previous word"},  // no recordings: the path is not touched
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.exam << "/" << c.id << (c.with_path ? " path" : ""));
    {
      QFile stale(SoundPath());
      ASSERT_TRUE(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
      stale.write("previous word");
    }
    if (!c.with_path) QFile::remove(SoundPath());
    const LoadedTask t = LoadTask(store_, c.exam, c.id, c.with_path ? SoundPath() : QString());
    EXPECT_EQ(t.word, c.word);
    if (c.word.isEmpty()) {
      EXPECT_EQ(t, LoadedTask());
    }
    EXPECT_EQ(FileContent(SoundPath()), c.content);
  }
}

TEST_F(TasksTest, LoadingAgainReplacesTheRecording) {
  AddSound(QStringLiteral("mama"), kSoundA);
  AddSound(QStringLiteral("lopta"), kSoundB);
  Sql(QStringLiteral("INSERT INTO exam7 VALUES (1, 'mama', 'm')"));
  Sql(QStringLiteral("INSERT INTO exam7 VALUES (2, 'lopta', 'l')"));
  const QDir dir(folder_.path());
  const QStringList before = dir.entryList(QDir::Files);
  LoadTask(store_, 7, 2, SoundPath());
  LoadTask(store_, 7, 1, SoundPath());
  LoadTask(store_, 7, 1, SoundPath());
  EXPECT_EQ(FileContent(SoundPath()), kSoundA);
  QStringList added = dir.entryList(QDir::Files);
  for (const QString& name : before) added.removeOne(name);
  EXPECT_EQ(added, QStringList{QStringLiteral("zvuk1.mp3")});
}

TEST_F(TasksTest, CategoryWordsAreAppended) {
  Sql(QStringLiteral("INSERT INTO exam10 VALUES (1, 'pes', 2)"));
  Sql(QStringLiteral("INSERT INTO exam10 VALUES (2, 'mačka', 3)"));
  Sql(QStringLiteral("INSERT INTO exam10 VALUES (3, 'kôň', 2)"));
  QStringList list = {QStringLiteral("prvé")};
  ListCategoryWords(store_, 2, &list);
  std::sort(list.begin() + 1, list.end());
  EXPECT_EQ(list, (QStringList{"prvé", "kôň", "pes"}));
  ListCategoryWords(store_, 9, &list);
  EXPECT_EQ(list.size(), 3);
}

TEST_F(TasksTest, BadExerciseOrUnwritablePathIsReported) {
  AddSound(QStringLiteral("mama"), kSoundA);
  Sql(QStringLiteral("INSERT INTO exam1 VALUES (1, 'mama')"));
  QStringList list;
  for (int exam : {0, 19}) {
    EXPECT_THROW(ListTaskIds(store_, exam, QString(), &list), DbError);
    EXPECT_THROW(CountTasks(store_, exam, QString()), DbError);
    EXPECT_THROW(LoadTask(store_, exam, 1, SoundPath()), DbError);
  }
  EXPECT_THROW(LoadTask(store_, 1, 1, folder_.File(QStringLiteral("missing/zvuk1.mp3"))), DbError);
  EXPECT_THROW(CountTasks(store_, 2, QStringLiteral("WHERE nosuchcolumn=1")), DbError);
  // The store stays usable afterwards.
  EXPECT_EQ(LoadTask(store_, 1, 1, SoundPath()).word, QStringLiteral("mama"));
}

}  // namespace
}  // namespace mirvel
