#include "store/store.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QTemporaryFile>

#include <atomic>

namespace mirvel {
namespace {

constexpr char kUser[] = "SYSDBA";
constexpr char kPassword[] = "mirvel";
constexpr char kConnectOptions[] = "ISC_DPB_LC_CTYPE=UTF8";

constexpr char kListUsers[] = "SELECT name,class FROM mvusers WHERE status > -1 ORDER BY id_user";
constexpr char kGetLastUserName[] = "SELECT name FROM mvusers WHERE status = 1";
constexpr char kClearLoggedUser[] = "UPDATE mvusers SET status=0 WHERE status > 0;";
constexpr char kMarkLoggedUser[] = "UPDATE mvusers SET status=1 WHERE name='%s';";
constexpr char kGetHighestUserId[] = "SELECT FIRST 1 id_user FROM mvusers ORDER BY id_user DESC";
constexpr char kAddUser[] = "INSERT INTO mvusers(id_user,name, class,status) VALUES (%d,'%s',%d,0);";
constexpr char kUserNameExists[] = "SELECT id_user FROM mvusers WHERE UPPER(name) = '%s'";
constexpr char kGetUserId[] = "SELECT id_user FROM mvusers WHERE name = '%s'";
constexpr char kGetUserClass[] = "SELECT class FROM mvusers WHERE name = '%s'";
constexpr char kSetUserClass[] = "UPDATE mvusers SET class=%d,updated=CURRENT_DATE WHERE name='%s';";
constexpr char kDeleteUserId[] = "SELECT id_user FROM mvusers WHERE name='%s';";
constexpr char kDeleteUserRow[] = "DELETE FROM mvusers WHERE id_user='%s';";
constexpr char kDeleteUserResults[] = "DELETE FROM results WHERE id_user_fk='%s';";
constexpr char kDeleteUserSettings[] = "DELETE FROM local_settings WHERE id_user='%s';";

constexpr char kPutSetting[] =
    "UPDATE or INSERT INTO settings (id_name, id_type, c_value) VALUES ('%s',%d,'%s') MATCHING (id_name)";
constexpr char kListSettingNames[] = "SELECT * FROM settings WHERE id_type = %d ORDER BY id_name";
constexpr char kGetSetting[] = "SELECT c_value FROM settings WHERE id_name = '%s'";

constexpr char kPutUserSetting[] =
    "UPDATE or INSERT INTO local_settings (id_name, id_user, id_type, c_value) VALUES ('%s',%d,%d,'%s') "
    "MATCHING (id_name, id_user)";
constexpr char kListUserSettingNames[] =
    "SELECT * FROM local_settings WHERE id_type = %d AND id_user = %d ORDER BY id_name";
constexpr char kGetUserSetting[] = "SELECT c_value FROM local_settings WHERE id_name = '%s' AND id_user=%d";

constexpr char kPutOtherValue[] = "UPDATE or INSERT INTO other(var1,var2) VALUES ('%s','%s') MATCHING (var1)";
constexpr char kGetOtherValue[] = "SELECT var2 FROM other WHERE var1 = '%s'";
constexpr char kReadProgramStarts[] = "SELECT var2 FROM other WHERE var1='AutoInc'";
constexpr char kReadCounter[] = "SELECT var2 FROM other WHERE var1='%s'";
constexpr char kWriteCounter[] = "UPDATE or INSERT INTO other(var1,var2) VALUES ('%s','%d') MATCHING (var1)";

QString NextConnectionName(const char* role) {
  static std::atomic<int> counter{0};
  return QStringLiteral("%1_%2").arg(QLatin1String(role)).arg(++counter);
}

QString ErrorText(const QSqlError& e) {
  QString text = e.databaseText().trimmed();
  if (text.isEmpty()) text = e.text().trimmed();
  return text;
}

bool OpenFile(QSqlDatabase& db, const QString& path, QString* reason) {
  if (!QFileInfo::exists(path)) {
    if (reason) *reason = QStringLiteral("súbor %1 neexistuje").arg(path);
    return false;
  }
  db.setDatabaseName(path);
  db.setUserName(QLatin1String(kUser));
  db.setPassword(QLatin1String(kPassword));
  db.setConnectOptions(QLatin1String(kConnectOptions));
  if (!db.open()) {
    if (reason) *reason = QStringLiteral("%1: %2").arg(path, ErrorText(db.lastError()));
    return false;
  }
  return true;
}

int TextToInt(const QString& text) {
  bool ok = false;
  const int n = text.trimmed().toInt(&ok);
  return ok ? n : 0;
}

}  // namespace

Store::Store()
    : data_connection_name_(NextConnectionName("ZCData")),
      settings_connection_name_(NextConnectionName("ZCSettings")) {}

Store::~Store() {
  Close();
  zqd_.reset();
  zqs_.reset();
  data_db_ = QSqlDatabase();
  settings_db_ = QSqlDatabase();
  if (QSqlDatabase::contains(data_connection_name_)) QSqlDatabase::removeDatabase(data_connection_name_);
  if (QSqlDatabase::contains(settings_connection_name_))
    QSqlDatabase::removeDatabase(settings_connection_name_);
}

bool Store::PrepareLockDirectory(const QString& data_folder, QString* reason) {
  // MIRVEL_LOCK_DIR names another shared place (a test process that opens many
  // data folders keeps one lock table for its whole life).
  QString dir = qEnvironmentVariable("MIRVEL_LOCK_DIR");
  if (dir.isEmpty()) dir = data_folder + QStringLiteral(".fblock");
  QDir d(dir);
  if (!d.exists() && !QDir().mkpath(dir)) {
    if (reason) *reason = QStringLiteral("adresár zámkov %1 sa nedá vytvoriť").arg(dir);
    return false;
  }
  // Shared by every user of the computer: group-writable, set-group-id, so the
  // engine's lock files stay with the data folder's group.
  QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                 QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                 QFileDevice::ReadOther | QFileDevice::ExeOther);
  QTemporaryFile probe(dir + QStringLiteral("/probe_XXXXXX"));
  if (!probe.open()) {
    if (reason) *reason = QStringLiteral("do adresára zámkov %1 sa nedá zapisovať").arg(dir);
    return false;
  }
  qputenv("FIREBIRD_LOCK", QFile::encodeName(dir));
  return true;
}

bool Store::Open(const QString& data_folder, QString* reason) {
  Close();
  zqd_.reset();
  zqs_.reset();
  if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE"))) {
    if (reason) *reason = QStringLiteral("chýba databázový ovládač QIBASE");
    return false;
  }
  if (!QSqlDatabase::contains(data_connection_name_))
    QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), data_connection_name_);
  if (!QSqlDatabase::contains(settings_connection_name_))
    QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), settings_connection_name_);
  data_db_ = QSqlDatabase::database(data_connection_name_, false);
  settings_db_ = QSqlDatabase::database(settings_connection_name_, false);
  if (!OpenFile(data_db_, data_folder + QStringLiteral("data.fdb"), reason)) return false;
  if (!OpenFile(settings_db_, data_folder + QStringLiteral("config.fdb"), reason)) {
    data_db_.close();
    return false;
  }
  zqd_ = std::make_unique<QSqlQuery>(data_db_);
  zqs_ = std::make_unique<QSqlQuery>(settings_db_);
  zqd_->setForwardOnly(true);
  zqs_->setForwardOnly(true);
  return true;
}

void Store::Close() {
  if (zqs_) zqs_->clear();
  if (zqd_) zqd_->clear();
  if (settings_db_.isOpen()) settings_db_.close();
  if (data_db_.isOpen()) data_db_.close();
}

bool Store::IsOpen() const { return data_db_.isOpen() && settings_db_.isOpen(); }

void Store::Exec(QSqlQuery& q, const QString& sql) {
  q.clear();
  q.setForwardOnly(true);
  if (!q.exec(sql)) throw DbError(ErrorText(q.lastError()) + QStringLiteral("\n\n") + sql);
}

QSqlQuery& Store::Select(QSqlQuery& q, const QString& sql) {
  Exec(q, sql);
  return q;
}

QString Store::SelectText(QSqlQuery& q, const QString& sql, const QString& field) {
  Select(q, sql);
  if (!q.next()) return QString();
  return q.value(field).toString();
}

int Store::SelectInt(QSqlQuery& q, const QString& sql, const QString& field) {
  Select(q, sql);
  if (!q.next()) return 0;
  return q.value(field).toInt();
}

QStringList Store::SelectColumn(QSqlQuery& q, const QString& sql, const QString& field) {
  Select(q, sql);
  QStringList out;
  const int index = q.record().indexOf(field);
  while (q.next()) out << q.value(index).toString();
  return out;
}

QStringList Store::ListUsers() {
  Select(ZQS(), QString::fromUtf8(kListUsers));
  QStringList out;
  while (ZQS().next()) {
    out << ZQS().value(0).toString() << QString::number(ZQS().value(1).toInt());
  }
  return out;
}

QString Store::GetLastUserName() {
  return SelectText(ZQS(), QString::fromUtf8(kGetLastUserName), QStringLiteral("name"));
}

void Store::MarkLoggedUser(const QString& name) {
  Exec(ZQS(), QString::fromUtf8(kClearLoggedUser));
  Exec(ZQS(), FormatSql(kMarkLoggedUser, {name}));
}

int Store::GetHighestUserId() {
  return SelectInt(ZQS(), QString::fromUtf8(kGetHighestUserId), QStringLiteral("id_user"));
}

void Store::AddUser(const QString& name, int school_year) {
  const int id = GetHighestUserId() + 1;
  Exec(ZQS(), FormatSql(kAddUser, {id, name, school_year}));
}

bool Store::UserNameExists(const QString& name) {
  Select(ZQS(), FormatSql(kUserNameExists, {name.toUpper()}));
  return ZQS().next();
}

int Store::GetUserId(const QString& name) {
  return SelectInt(ZQS(), FormatSql(kGetUserId, {name}), QStringLiteral("id_user"));
}

int Store::GetUserClass(const QString& name) {
  return SelectInt(ZQS(), FormatSql(kGetUserClass, {name}), QStringLiteral("class"));
}

void Store::SetUserClass(const QString& name, int school_year) {
  Exec(ZQS(), FormatSql(kSetUserClass, {school_year, name}));
}

void Store::DeleteUser(const QString& name) {
  const QString id = SelectText(ZQS(), FormatSql(kDeleteUserId, {name}), QStringLiteral("id_user"));
  // A name that is not stored leaves nothing to delete; '' would match no row anyway.
  if (id.isEmpty()) return;
  Exec(ZQS(), FormatSql(kDeleteUserRow, {id}));
  Exec(ZQS(), FormatSql(kDeleteUserResults, {id}));
  Exec(ZQS(), FormatSql(kDeleteUserSettings, {id}));
}

void Store::PutSetting(const QString& name, int type, const QString& value) {
  Exec(ZQS(), FormatSql(kPutSetting, {name, type, value}));
}

QStringList Store::ListSettingNames(int type) {
  return SelectColumn(ZQS(), FormatSql(kListSettingNames, {type}), QStringLiteral("id_name"));
}

QString Store::GetSetting(const QString& name) {
  return SelectText(ZQS(), FormatSql(kGetSetting, {name}), QStringLiteral("c_value"));
}

void Store::PutUserSetting(int user_id, const QString& name, int type, const QString& value) {
  Exec(ZQS(), FormatSql(kPutUserSetting, {name, user_id, type, value}));
}

QStringList Store::ListUserSettingNames(int user_id, int type) {
  return SelectColumn(ZQS(), FormatSql(kListUserSettingNames, {type, user_id}), QStringLiteral("id_name"));
}

QString Store::GetUserSetting(int user_id, const QString& name) {
  return SelectText(ZQS(), FormatSql(kGetUserSetting, {name, user_id}), QStringLiteral("c_value"));
}

void Store::PutOtherValue(const QString& key, const QString& value) {
  Exec(ZQS(), FormatSql(kPutOtherValue, {key, value}));
}

QString Store::GetOtherValue(const QString& key) {
  return SelectText(ZQS(), FormatSql(kGetOtherValue, {key}), QStringLiteral("var2"));
}

void Store::CountUp(const QString& key) {
  const QString sql = key == QLatin1String("AutoInc") ? QString::fromUtf8(kReadProgramStarts)
                                                      : FormatSql(kReadCounter, {key});
  const int value = TextToInt(SelectText(ZQS(), sql, QStringLiteral("var2")));
  Exec(ZQS(), FormatSql(kWriteCounter, {key, value + 1}));
}

void Store::CountProgramStart() { CountUp(QStringLiteral("AutoInc")); }

void Store::CountExerciseStart(int exam_no) { CountUp(QStringLiteral("Exam%1").arg(exam_no)); }

QString Store::CountersSummary() {
  QString out;
  for (int n = 1; n <= 18; ++n) {
    out += QString::number(TextToInt(GetOtherValue(QStringLiteral("Exam%1").arg(n)))) + QLatin1Char(';');
  }
  out += QString::number(TextToInt(GetOtherValue(QStringLiteral("AutoInc"))));
  return out;
}

QString Store::GetVersion() { return GetOtherValue(QStringLiteral("Version")); }

void Store::SetVersion(const QString& version) { PutOtherValue(QStringLiteral("Version"), version); }

}  // namespace mirvel
