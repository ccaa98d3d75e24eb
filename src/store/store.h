#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>

#include "store/sqltemplate.h"

namespace mirvel {

// A statement that failed after start-up. It travels up to the event loop,
// which abandons the user action and shows the text in the standard error box.
class DbError final : public std::runtime_error {
 public:
  explicit DbError(const QString& text) : std::runtime_error(text.toStdString()) {}
  QString text() const { return QString::fromStdString(what()); }
};

// The two database files of the data folder: data.fdb (content, read only)
// through ZCData/ZQD and config.fdb (users, settings, counters, results)
// through ZCSettings/ZQS. One connection and one query object per file;
// every statement replaces the query's text, so an operation reads its whole
// result before the next one on the same file starts. Auto-commit per statement.
class Store final {
 public:
  Store();
  ~Store();
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  // Points the engine's lock directory at the one place that every process
  // opening these files shares: data_folder + ".fblock/". Must run before the
  // first attach in the process. Returns false (with a reason) when the
  // directory cannot be created or written.
  static bool PrepareLockDirectory(const QString& data_folder, QString* reason);

  // Opens data.fdb, then config.fdb, in data_folder (ending with "/").
  // Returns false with the engine's reason when either fails.
  bool Open(const QString& data_folder, QString* reason);
  // Closes config.fdb, then data.fdb, each only if it is open.
  void Close();
  bool IsOpen() const;

  QSqlDatabase& ZCData() { return data_db_; }
  QSqlDatabase& ZCSettings() { return settings_db_; }
  QSqlQuery& ZQD() { return *zqd_; }
  QSqlQuery& ZQS() { return *zqs_; }

  // Runs a statement that returns no rows. Throws DbError on failure.
  void Exec(QSqlQuery& q, const QString& sql);
  // Runs a query and leaves it before its first row. Throws DbError on failure.
  QSqlQuery& Select(QSqlQuery& q, const QString& sql);
  // First row's field as text / integer; empty text or 0 when no row came back.
  QString SelectText(QSqlQuery& q, const QString& sql, const QString& field);
  int SelectInt(QSqlQuery& q, const QString& sql, const QString& field);
  // Every row's field as text, in database order.
  QStringList SelectColumn(QSqlQuery& q, const QString& sql, const QString& field);

  // Users (mvusers).
  QStringList ListUsers();  // name, school year, name, school year, ...
  QString GetLastUserName();
  void MarkLoggedUser(const QString& name);
  int GetHighestUserId();
  void AddUser(const QString& name, int school_year);
  bool UserNameExists(const QString& name);
  int GetUserId(const QString& name);
  int GetUserClass(const QString& name);
  void SetUserClass(const QString& name, int school_year);
  void DeleteUser(const QString& name);

  // Program-wide settings (settings).
  void PutSetting(const QString& name, int type, const QString& value);
  QStringList ListSettingNames(int type);
  QString GetSetting(const QString& name);

  // Per-user settings (local_settings).
  void PutUserSetting(int user_id, const QString& name, int type, const QString& value);
  QStringList ListUserSettingNames(int user_id, int type);
  QString GetUserSetting(int user_id, const QString& name);

  // Named values and counters (other).
  void PutOtherValue(const QString& key, const QString& value);
  QString GetOtherValue(const QString& key);
  void CountProgramStart();
  void CountExerciseStart(int exam_no);
  QString CountersSummary();
  QString GetVersion();
  void SetVersion(const QString& version);

 private:
  void CountUp(const QString& key);

  QString data_connection_name_;
  QString settings_connection_name_;
  QSqlDatabase data_db_;
  QSqlDatabase settings_db_;
  std::unique_ptr<QSqlQuery> zqd_;
  std::unique_ptr<QSqlQuery> zqs_;
};

}  // namespace mirvel
