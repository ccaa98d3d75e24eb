#include "store/resultstore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "store/store.h"
#include "support/testdata.h"

namespace mirvel {
namespace {

class ResultStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::OpenStore(folder_, store_));
    results_.DeleteAllResults();
  }

  int Add(const QString& exam, int success, int tasks, bool completed, const QString& mark = QStringLiteral("2"),
          int user_id = 1, QDateTime date = QDateTime(QDate(2026, 3, 1), QTime(10, 0))) {
    StoredRun run;
    run.date = date.addSecs(stamp_++);
    run.duration = QStringLiteral("00:05:00");
    run.group = QStringLiteral("Skupina");
    run.exam = exam;
    run.task_count = tasks;
    run.success = success;
    run.mark = mark;
    run.completed = completed;
    run.summary = QByteArray("<html>správa</html>");
    return results_.StoreResult(QStringLiteral("Kamarát"), user_id, run);
  }

  test::TempDataFolder folder_;
  Store store_;
  ResultStore results_{store_};
  int stamp_ = 0;
};

TEST_F(ResultStoreTest, StoresRunsAndShowsThemInTheGrid) {
  EXPECT_EQ(results_.GetHighestResultId(), 0);
  EXPECT_EQ(Add(QStringLiteral("A"), 100, 10, true, QStringLiteral("1*")), 1);
  EXPECT_EQ(Add(QStringLiteral("B"), 40, 6, false, QStringLiteral("4"), 999), 2);
  EXPECT_EQ(results_.CountResults(), 2);
  EXPECT_EQ(store_.SelectText(store_.ZQS(), QStringLiteral("SELECT mark FROM results WHERE id_res=1"),
                              QStringLiteral("mark")),
            QStringLiteral("0"));

  const auto rows = results_.FillResultsGrid(QString(), QStringLiteral("r.id_res"));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].mark, QStringLiteral("1*"));
  EXPECT_EQ(rows[0].interrupted, QString());
  EXPECT_EQ(rows[0].user, QStringLiteral("Kamarát"));
  EXPECT_EQ(rows[0].tasks, QStringLiteral("10 (+ 0)"));
  EXPECT_EQ(rows[1].interrupted, QStringLiteral("x"));
  EXPECT_EQ(rows[1].user, QString());  // user 999 does not exist
  EXPECT_EQ(rows[1].id, QStringLiteral("2"));
  EXPECT_EQ(results_.GetLastResultId(QStringLiteral("Skupina"), QStringLiteral("B")), 2);
  EXPECT_EQ(results_.GetLastResultId(QStringLiteral("Skupina"), QStringLiteral("C")), 0);
}

TEST_F(ResultStoreTest, DeletesAndSavesReports) {
  Add(QStringLiteral("A"), 50, 5, true);
  Add(QStringLiteral("A"), 60, 5, true);
  const QString path = folder_.File(QStringLiteral("result.html"));
  ASSERT_TRUE(results_.SaveResultReport(QStringLiteral("1"), path));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("<html>správa</html>"));
  f.close();
  results_.DeleteResult(QStringLiteral("1"));
  results_.DeleteResult(QStringLiteral("77"));
  EXPECT_EQ(results_.CountResults(), 1);
  ASSERT_TRUE(results_.SaveResultReport(QStringLiteral("1"), path));  // gone: empty file
  EXPECT_EQ(QFile(path).size(), 0);
  ASSERT_TRUE(results_.SaveResultReport(QStringLiteral("1 OR 1=1"), path));
  EXPECT_EQ(QFile(path).size(), 0);
  results_.DeleteAllResults();
  EXPECT_EQ(results_.CountResults(), 0);
}

TEST_F(ResultStoreTest, RecordNeedsBestSuccessAndMostTasksInOneCompletedRun) {
  QStringList list;
  Add(QStringLiteral("A"), 90, 10, true);
  Add(QStringLiteral("A"), 95, 8, true);
  Add(QStringLiteral("Z"), 0, 10, true);   // all zero
  Add(QStringLiteral("Z"), 0, 10, true);
  Add(QStringLiteral("I"), 80, 10, false);  // only interrupted
  EXPECT_EQ(results_.ListRecords(&list), 0);
  EXPECT_TRUE(list.isEmpty());

  Add(QStringLiteral("A"), 95, 10, true);
  list << QStringLiteral("stale");
  ASSERT_EQ(results_.ListRecords(&list), 1);
  ASSERT_EQ(list.size(), 5);
  EXPECT_EQ(list[0], QStringLiteral("Kamarát"));
  EXPECT_EQ(list[1], QStringLiteral("A"));
  EXPECT_EQ(list[2], QStringLiteral("10"));
  EXPECT_EQ(list[3], QStringLiteral("95"));
}

TEST_F(ResultStoreTest, MotivationWordByType) {
  // Own words, whatever the shipped content holds.
  auto& q = store_.ZQD();
  store_.Exec(q, QStringLiteral("DELETE FROM motivation"));
  int id = 0;
  for (const auto& [word, type] : std::vector<std::pair<QString, int>>{
           {QStringLiteral("Výborne!"), 0}, {QStringLiteral("Dobre!"), 1}, {QStringLiteral("Skús to znova."), 2}}) {
    store_.Exec(q, FormatSql("INSERT INTO motivation (id, word, type) VALUES (%d, '%s', %d)", {++id, word, type}));
  }
  int asked = -1;
  results_.SetRandomIndex([&asked](int count) {
    asked = count;
    return count - 1;
  });
  EXPECT_EQ(results_.GetMotivationWord(85), QStringLiteral("Výborne!"));
  EXPECT_EQ(results_.GetMotivationWord(80), QStringLiteral("Výborne!"));
  EXPECT_EQ(results_.GetMotivationWord(60), QStringLiteral("Dobre!"));
  EXPECT_EQ(results_.GetMotivationWord(50), QStringLiteral("Dobre!"));
  EXPECT_EQ(results_.GetMotivationWord(49), QStringLiteral("Skús to znova."));
  EXPECT_EQ(asked, 1);
  // With words of type 1 only, a success of 85 finds none.
  store_.Exec(q, QStringLiteral("DELETE FROM motivation WHERE type <> 1"));
  EXPECT_EQ(results_.GetMotivationWord(85), QString());
  EXPECT_EQ(results_.GetMotivationWord(60), QStringLiteral("Dobre!"));
}

}  // namespace
}  // namespace mirvel
