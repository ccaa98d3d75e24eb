#include "store/store.h"

#include <gtest/gtest.h>

#include <QSqlRecord>

#include "support/testdata.h"

namespace mirvel {
namespace {

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::OpenStore(folder_, store_));
  }

  int Rows(const QString& sql) {
    return store_.SelectInt(store_.ZQS(), QStringLiteral("SELECT COUNT(*) AS N FROM ") + sql, QStringLiteral("N"));
  }

  test::TempDataFolder folder_;
  Store store_;
};

TEST(SqlTemplateTest, FillsPlaceholdersAndDoublesQuotes) {
  struct Case {
    const char* templ;
    std::vector<SqlArg> args;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"SELECT id FROM exam%s %s", {QStringLiteral("6"), QString()}, "SELECT id FROM exam6 "},
      {"WHERE name='%s'", {QStringLiteral("O'Neil")}, "WHERE name='O''Neil'"},
      {"WHERE name='%s'", {QStringLiteral("x' OR '1'='1")}, "WHERE name='x'' OR ''1''=''1'"},
      {"VALUES (%d,'%s',%d,0);", {7, QStringLiteral("Ján"), 3}, "VALUES (7,'Ján',3,0);"},
      {"category='%d' AND %%", {QStringLiteral("12")}, "category='12' AND %"},
  };
  for (const Case& c : cases) {
    QString out;
    switch (c.args.size()) {
      case 1: out = FormatSql(c.templ, {c.args[0]}); break;
      case 2: out = FormatSql(c.templ, {c.args[0], c.args[1]}); break;
      default: out = FormatSql(c.templ, {c.args[0], c.args[1], c.args[2]}); break;
    }
    EXPECT_EQ(out.toStdString(), std::string(c.expected)) << c.templ;
  }
}

TEST_F(StoreTest, PredefinedUserShipsAndKeysFollowTheHighest) {
  EXPECT_EQ(store_.ListUsers(), (QStringList{QStringLiteral("Kamarát"), QStringLiteral("4")}));
  EXPECT_EQ(store_.GetHighestUserId(), 1);
  store_.AddUser(QStringLiteral("Anna"), 2);
  EXPECT_EQ(store_.GetUserId(QStringLiteral("Anna")), 2);
  EXPECT_EQ(store_.GetUserClass(QStringLiteral("Anna")), 2);
  store_.DeleteUser(QStringLiteral("Anna"));
  store_.AddUser(QStringLiteral("Boris"), 1);
  EXPECT_EQ(store_.GetUserId(QStringLiteral("Boris")), 2);  // the highest key is reused
  EXPECT_EQ(store_.GetUserId(QStringLiteral("Nikto")), 0);
  EXPECT_EQ(store_.GetUserClass(QStringLiteral("Nikto")), 0);
}

TEST_F(StoreTest, EmptyUserTableGivesTheFirstUserKeyOne) {
  store_.Exec(store_.ZQS(), QStringLiteral("DELETE FROM mvusers"));
  EXPECT_EQ(store_.GetHighestUserId(), 0);
  store_.AddUser(QStringLiteral("Eva"), 1);
  EXPECT_EQ(store_.GetUserId(QStringLiteral("Eva")), 1);
}

TEST_F(StoreTest, NamesAreStoredAndFoundExactlyAsTyped) {
  const QStringList names = {QStringLiteral("O'Neil"), QStringLiteral("x' OR '1'='1"),
                             QStringLiteral("Ľudo; DROP TABLE mvusers"), QStringLiteral("Šťastný Žofka Ďuro áäô"),
                             QStringLiteral("Dvadsaťštyri znakov meno")};
  for (const QString& name : names) {
    ASSERT_LE(name.size(), 24);
    store_.AddUser(name, 3);
  }
  for (const QString& name : names) {
    EXPECT_TRUE(store_.UserNameExists(name)) << name.toStdString();
    EXPECT_GT(store_.GetUserId(name), 1) << name.toStdString();
    store_.MarkLoggedUser(name);
    EXPECT_EQ(store_.GetLastUserName(), name);
  }
  EXPECT_EQ(Rows(QStringLiteral("mvusers")), names.size() + 1);
  EXPECT_EQ(Rows(QStringLiteral("mvusers WHERE status = 1")), 1);
}

TEST_F(StoreTest, UserNameExistsIgnoresCaseOfAccentedLetters) {
  store_.AddUser(QStringLiteral("Anna"), 2);
  store_.AddUser(QStringLiteral("Ľubomír Šťastný"), 2);
  struct Case { const char* name; bool exists; };
  for (const Case& c : {Case{"anna", true}, Case{"ANNA", true}, Case{"ľubomír šťastný", true},
                        Case{"ĽUBOMÍR ŠŤASTNÝ", true}, Case{"lubomir stastny", false}, Case{"Ann", false}}) {
    EXPECT_EQ(store_.UserNameExists(QString::fromUtf8(c.name)), c.exists) << c.name;
  }
}

TEST_F(StoreTest, MarkLoggedUserLeavesOneOrNoUserMarked) {
  store_.AddUser(QStringLiteral("Anna"), 2);
  store_.AddUser(QStringLiteral("Boris"), 3);
  store_.MarkLoggedUser(QStringLiteral("Anna"));
  EXPECT_EQ(store_.GetLastUserName(), QStringLiteral("Anna"));
  store_.MarkLoggedUser(QStringLiteral("Boris"));
  EXPECT_EQ(store_.GetLastUserName(), QStringLiteral("Boris"));
  EXPECT_EQ(Rows(QStringLiteral("mvusers WHERE status = 1")), 1);
  store_.MarkLoggedUser(QStringLiteral("Nikto"));
  EXPECT_EQ(store_.GetLastUserName(), QString());
}

TEST_F(StoreTest, SetUserClassChangesOnlyThatUser) {
  store_.AddUser(QStringLiteral("Anna"), 2);
  store_.SetUserClass(QStringLiteral("Anna"), 3);
  store_.SetUserClass(QStringLiteral("Nikto"), 1);
  EXPECT_EQ(store_.GetUserClass(QStringLiteral("Anna")), 3);
  EXPECT_EQ(store_.GetUserClass(QStringLiteral("Kamarát")), 4);
  EXPECT_EQ(Rows(QStringLiteral("mvusers WHERE updated = CURRENT_DATE")), 1);
}

TEST_F(StoreTest, DeleteUserRemovesHisRunsAndSettingsOnly) {
  store_.AddUser(QStringLiteral("Anna"), 2);   // id 2
  store_.AddUser(QStringLiteral("Boris"), 3);  // id 3
  for (int user : {2, 3}) {
    store_.PutUserSetting(user, QStringLiteral("SELimit1"), 12, QStringLiteral("15"));
    store_.Exec(store_.ZQS(), QStringLiteral("INSERT INTO results (id_res, e_date, id_user_fk) VALUES (%1, "
                                             "CURRENT_TIMESTAMP, %1)").arg(user));
  }
  store_.PutSetting(QStringLiteral("CBScheme"), 1, QStringLiteral("modré pozadie"));
  store_.DeleteUser(QStringLiteral("Anna"));
  EXPECT_EQ(store_.GetUserId(QStringLiteral("Anna")), 0);
  EXPECT_EQ(Rows(QStringLiteral("results WHERE id_user_fk = 2")), 0);
  EXPECT_EQ(Rows(QStringLiteral("local_settings WHERE id_user = 2")), 0);
  EXPECT_EQ(Rows(QStringLiteral("results WHERE id_user_fk = 3")), 1);
  EXPECT_EQ(store_.GetUserSetting(3, QStringLiteral("SELimit1")), QStringLiteral("15"));
  EXPECT_EQ(Rows(QStringLiteral("mvusers")), 2);
  EXPECT_EQ(store_.GetSetting(QStringLiteral("CBScheme")), QStringLiteral("modré pozadie"));
}

TEST_F(StoreTest, UpsertsKeepOneRowPerKey) {
  store_.PutSetting(QStringLiteral("CBFont"), 1, QStringLiteral("Arial"));
  store_.PutSetting(QStringLiteral("CBFont"), 1, QStringLiteral("Verdana"));
  EXPECT_EQ(store_.GetSetting(QStringLiteral("CBFont")), QStringLiteral("Verdana"));
  EXPECT_EQ(Rows(QStringLiteral("settings")), 1);

  store_.PutUserSetting(1, QStringLiteral("CHLB2"), 5, QStringLiteral("1010"));
  store_.PutUserSetting(1, QStringLiteral("CHLB2"), 5, QStringLiteral("0110"));
  store_.PutUserSetting(2, QStringLiteral("CHLB2"), 5, QStringLiteral("1111"));
  EXPECT_EQ(store_.GetUserSetting(1, QStringLiteral("CHLB2")), QStringLiteral("0110"));
  EXPECT_EQ(store_.GetUserSetting(2, QStringLiteral("CHLB2")), QStringLiteral("1111"));
  EXPECT_EQ(store_.GetUserSetting(3, QStringLiteral("CHLB2")), QString());
  EXPECT_EQ(Rows(QStringLiteral("local_settings")), 2);

  store_.PutOtherValue(QStringLiteral("Kľúč's"), QStringLiteral("a"));
  store_.PutOtherValue(QStringLiteral("Kľúč's"), QStringLiteral("b'c"));
  EXPECT_EQ(store_.GetOtherValue(QStringLiteral("Kľúč's")), QStringLiteral("b'c"));
  EXPECT_EQ(store_.GetOtherValue(QStringLiteral("chýba")), QString());
}

TEST_F(StoreTest, SettingNamesAreListedByTypeInNameOrder) {
  store_.PutSetting(QStringLiteral("CHBSound"), 2, QStringLiteral("1"));
  store_.PutSetting(QStringLiteral("CBScheme"), 1, QStringLiteral("x"));
  store_.PutSetting(QStringLiteral("CHBLogin"), 2, QStringLiteral("0"));
  EXPECT_EQ(store_.ListSettingNames(2), (QStringList{QStringLiteral("CHBLogin"), QStringLiteral("CHBSound")}));
  store_.PutUserSetting(1, QStringLiteral("SELimit7"), 12, QStringLiteral("8"));
  store_.PutUserSetting(1, QStringLiteral("SELimit12"), 12, QStringLiteral("9"));
  store_.PutUserSetting(2, QStringLiteral("SELimit3"), 12, QStringLiteral("9"));
  EXPECT_EQ(store_.ListUserSettingNames(1, 12),
            (QStringList{QStringLiteral("SELimit12"), QStringLiteral("SELimit7")}));
  EXPECT_TRUE(store_.ListUserSettingNames(1, 13).isEmpty());
}

TEST_F(StoreTest, CountersAndTheirSummary) {
  EXPECT_EQ(store_.CountersSummary(), QStringLiteral("0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0"));
  store_.CountExerciseStart(5);
  EXPECT_EQ(store_.GetOtherValue(QStringLiteral("Exam5")), QStringLiteral("1"));
  store_.CountExerciseStart(5);
  EXPECT_EQ(store_.GetOtherValue(QStringLiteral("Exam5")), QStringLiteral("2"));
  store_.PutOtherValue(QStringLiteral("Exam5"), QStringLiteral("0"));
  for (int i = 0; i < 3; ++i) store_.CountExerciseStart(1);
  store_.CountExerciseStart(18);
  for (int i = 0; i < 12; ++i) store_.CountProgramStart();
  EXPECT_EQ(store_.CountersSummary(), QStringLiteral("3;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;1;12"));
  EXPECT_EQ(store_.GetVersion(), QStringLiteral("1"));
}

TEST_F(StoreTest, FailedStatementThrowsWithTheEngineText) {
  EXPECT_THROW(store_.Exec(store_.ZQS(), QStringLiteral("SELECT nothing FROM nowhere")), DbError);
  // The connection stays usable after a failed statement.
  EXPECT_EQ(store_.GetHighestUserId(), 1);
}

}  // namespace
}  // namespace mirvel
