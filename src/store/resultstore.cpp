#include "store/resultstore.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include "store/sqltemplate.h"
#include "store/store.h"

namespace mirvel {
namespace {

constexpr char kHighestId[] = "SELECT FIRST 1 id_res FROM results ORDER BY id_res DESC";
constexpr char kInsert[] =
    "INSERT INTO results(id_res,e_date,duration,id_user_fk,egroup, exam,task_count,repeated,good,bad,late,success,"
    "mark,correct,summary) VALUES (:id,:date,:duration,:id_user,:egroup,:exam,:count,:rep,:good,:bad,:late,:success,"
    ":mark,:correct,:summary)";
constexpr char kGrid[] =
    "SELECT r.e_date, r.duration, u.name, r.egroup, r.exam, r.task_count, r.repeated, r.success, r.mark, r.correct, "
    "r.id_res  FROM results r LEFT JOIN mvusers u ON (r.id_user_fk = u.id_user) %s ORDER BY %s";
constexpr char kDistinctExams[] = "SELECT DISTINCT exam FROM results";
constexpr char kRecord[] =
    "SELECT FIRST 1 e_date, u.name, exam, task_count, success FROM results r1 LEFT JOIN mvusers u ON "
    "(r1.id_user_fk = u.id_user) WHERE success = ( SELECT MAX(success) FROM results AS r2 WHERE r2.exam = r1.exam "
    "AND (r2.success>0) ) AND task_count = (SELECT MAX(task_count) FROM results AS r2 WHERE r2.exam = r1.exam) AND "
    "correct=1 AND exam = '%s' ORDER BY e_date DESC";
constexpr char kDelete[] = "DELETE FROM results WHERE id_res='%s';";
constexpr char kDeleteAll[] = "DELETE FROM results";
constexpr char kSummary[] = "SELECT summary FROM results WHERE id_res=%s";
constexpr char kLastId[] =
    "SELECT FIRST 1 id_res FROM results WHERE egroup='%s' AND exam='%s' ORDER BY id_res DESC";
constexpr char kCount[] = "SELECT COUNT(*) FROM results";
constexpr char kMotivation[] = "SELECT word FROM motivation WHERE type='%d'";

QString DateText(const QVariant& v) {
  return QLocale().toString(v.toDateTime(), QLocale::ShortFormat);
}

}  // namespace

ResultStore::ResultStore(Store& store)
    : store_(store), random_([](int count) { return QRandomGenerator::global()->bounded(count); }) {}

int ResultStore::GetHighestResultId() {
  return store_.SelectInt(store_.ZQS(), FormatSql(kHighestId, {}), QStringLiteral("id_res"));
}

int ResultStore::StoreResult(const QString& user_name, int user_id, const StoredRun& run) {
  (void)user_name;  // the report text in run.summary was produced for this user
  const int id = GetHighestResultId() + 1;
  QSqlQuery& q = store_.ZQS();
  q.finish();
  if (!q.prepare(QString::fromLatin1(kInsert))) throw DbError(q.lastError().text());
  q.bindValue(QStringLiteral(":id"), id);
  q.bindValue(QStringLiteral(":date"), run.date);
  q.bindValue(QStringLiteral(":duration"), run.duration);
  q.bindValue(QStringLiteral(":id_user"), user_id);
  q.bindValue(QStringLiteral(":egroup"), run.group);
  q.bindValue(QStringLiteral(":exam"), run.exam);
  q.bindValue(QStringLiteral(":count"), run.task_count);
  q.bindValue(QStringLiteral(":rep"), run.repeated);
  q.bindValue(QStringLiteral(":good"), run.good);
  q.bindValue(QStringLiteral(":bad"), run.bad);
  q.bindValue(QStringLiteral(":late"), run.late);
  q.bindValue(QStringLiteral(":success"), run.success);
  q.bindValue(QStringLiteral(":mark"), run.mark == QStringLiteral("1*") ? QStringLiteral("0") : run.mark);
  q.bindValue(QStringLiteral(":correct"), run.completed ? 1 : 0);
  q.bindValue(QStringLiteral(":summary"), run.summary);
  if (!q.exec()) throw DbError(q.lastError().text());
  return id;
}

std::vector<ResultRow> ResultStore::FillResultsGrid(const QString& filter, const QString& order) {
  std::vector<ResultRow> rows;
  QSqlQuery& q = store_.Select(store_.ZQS(), FormatSql(kGrid, {filter, order}));
  while (q.next()) {
    ResultRow r;
    r.date = DateText(q.value(0));
    r.duration = q.value(1).toString();
    r.user = q.value(2).toString();
    r.group = q.value(3).toString();
    r.exam = q.value(4).toString();
    r.tasks = q.value(5).toString() + QStringLiteral(" (+ %1)").arg(q.value(6).toInt());
    r.success = q.value(7).toString();
    const QString mark = q.value(8).toString().trimmed();
    r.mark = mark == QStringLiteral("0") ? QStringLiteral("1*") : mark;
    r.interrupted = q.value(9).toInt() != 0 ? QString() : QStringLiteral("x");
    r.id = q.value(10).toString();
    rows.push_back(std::move(r));
  }
  return rows;
}

int ResultStore::ListRecords(QStringList* list) {
  list->clear();
  const QStringList exams =
      store_.SelectColumn(store_.ZQS(), FormatSql(kDistinctExams, {}), QStringLiteral("exam"));
  int count = 0;
  for (const QString& exam : exams) {
    QSqlQuery& q = store_.Select(store_.ZQS(), FormatSql(kRecord, {exam}));
    if (!q.next()) continue;
    const QSqlRecord rec = q.record();
    *list << q.value(rec.indexOf(QStringLiteral("name"))).toString()
          << q.value(rec.indexOf(QStringLiteral("exam"))).toString()
          << q.value(rec.indexOf(QStringLiteral("task_count"))).toString()
          << q.value(rec.indexOf(QStringLiteral("success"))).toString()
          << DateText(q.value(rec.indexOf(QStringLiteral("e_date"))));
    ++count;
  }
  return count;
}

void ResultStore::DeleteResult(const QString& id) { store_.Exec(store_.ZQS(), FormatSql(kDelete, {id})); }

void ResultStore::DeleteAllResults() { store_.Exec(store_.ZQS(), FormatSql(kDeleteAll, {})); }

bool ResultStore::SaveResultReport(const QString& id, const QString& path) {
  QByteArray blob;
  bool numeric = false;
  id.toInt(&numeric);
  if (numeric) {  // the id goes into the statement unquoted, so only digits pass
    QSqlQuery& q = store_.Select(store_.ZQS(), FormatSql(kSummary, {id}));
    if (q.next()) blob = q.value(0).toByteArray();
  }
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(blob) == blob.size();
}

int ResultStore::GetLastResultId(const QString& group, const QString& exam) {
  return store_.SelectInt(store_.ZQS(), FormatSql(kLastId, {group, exam}), QStringLiteral("id_res"));
}

int ResultStore::CountResults() {
  return store_.SelectInt(store_.ZQS(), FormatSql(kCount, {}), QStringLiteral("COUNT"));
}

QString ResultStore::GetMotivationWord(int success) {
  const int type = success >= 80 ? 0 : (success < 50 ? 2 : 1);
  const QStringList words = store_.SelectColumn(store_.ZQD(), FormatSql(kMotivation, {type}), QStringLiteral("word"));
  if (words.isEmpty()) return QString();
  return words.at(random_(static_cast<int>(words.size())));
}

}  // namespace mirvel
