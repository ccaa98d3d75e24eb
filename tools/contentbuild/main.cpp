// mirvel_contentbuild: builds the content database data.fdb.
//
//   mirvel_contentbuild OUT.fdb SCHEMA.sql MAKE_DB.sh CONTENT_DIR CACHE_DIR
//
// Creates an empty database from the schema, inserts every row of the text
// sources in CONTENT_DIR (one tab-separated file per table, named after the
// table, with a header row naming the columns) and stores an MP3 recording of
// every played word in `sounds`. Recordings are cached by a hash of the spoken
// text, so only new or changed words are synthesised.
#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Tables whose `word` is spoken by the program.
const QStringList kPlayedTables = {"exam1", "exam2", "exam4",  "exam5",  "exam6",
                                   "exam7", "exam8", "exam14", "exam15", "exam18"};

constexpr char kVoiceVersion[] = "espeak-ng -v sk -s 130 | lame -m m --resample 22.05 -b 32";

struct Table {
  QString name;
  QStringList columns;
  std::vector<QStringList> rows;
};

void Fail(const QString& message) {
  std::fprintf(stderr, "mirvel_contentbuild: %s\n", qPrintable(message));
  std::exit(1);
}

Table ReadTable(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) Fail("cannot read " + path);
  Table table;
  table.name = QFileInfo(path).completeBaseName();
  int line_no = 0;
  while (!file.atEnd()) {
    QString line = QString::fromUtf8(file.readLine());
    ++line_no;
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    const QStringList fields = line.split('\t');
    if (table.columns.isEmpty()) {
      table.columns = fields;
      continue;
    }
    if (fields.size() != table.columns.size())
      Fail(QStringLiteral("%1:%2: %3 fields, the header has %4")
               .arg(path).arg(line_no).arg(fields.size()).arg(table.columns.size()));
    table.rows.push_back(fields);
  }
  if (table.columns.isEmpty()) Fail(path + ": no header row");
  return table;
}

// The text the recording says: parenthesised remarks are not spoken.
QString SpokenText(const QString& word) {
  static const QRegularExpression kRemark(QStringLiteral("\\([^)]*\\)?"));
  QString text = word;
  text.remove(kRemark);
  return text.simplified();
}

QString CacheKey(const QString& spoken) {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(QByteArray(kVoiceVersion));
  hash.addData(QByteArray("\n"));
  hash.addData(spoken.toUtf8());
  return QString::fromLatin1(hash.result().toHex());
}

bool RunTool(const QString& program, const QStringList& args, QString* error) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, args);
  if (!process.waitForStarted(10000)) {
    *error = program + " did not start";
    return false;
  }
  process.closeWriteChannel();
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    *error = program + " failed: " + QString::fromLocal8Bit(process.readAll());
    return false;
  }
  return true;
}

bool Synthesise(const QString& spoken, const QString& mp3_path, QString* error) {
  const QString wav = mp3_path + ".wav";
  const QString part = mp3_path + ".part";
  const bool ok =
      RunTool("espeak-ng", {"-v", "sk", "-s", "130", "-w", wav, "--", spoken}, error) &&
      RunTool("lame", {"--quiet", "-m", "m", "--resample", "22.05", "-b", "32", wav, part}, error);
  QFile::remove(wav);
  if (!ok) {
    QFile::remove(part);
    return false;
  }
  QFile::remove(mp3_path);
  return QFile::rename(part, mp3_path);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 6)
    Fail("usage: mirvel_contentbuild OUT.fdb SCHEMA.sql MAKE_DB.sh CONTENT_DIR CACHE_DIR");
  const QString out = QFileInfo(args[1]).absoluteFilePath();
  const QString schema = args[2];
  const QString make_db = args[3];
  const QDir content_dir(args[4]);
  const QDir cache_dir(args[5]);
  QDir().mkpath(cache_dir.absolutePath());

  // Read every source first, so that a broken source fails before any work.
  std::vector<Table> tables;
  const QStringList files = content_dir.entryList({"*.tsv"}, QDir::Files, QDir::Name);
  for (const QString& name : files) tables.push_back(ReadTable(content_dir.filePath(name)));
  if (tables.empty()) Fail("no content sources in " + content_dir.absolutePath());

  // Distinct played words and their recordings.
  std::map<QString, QString> word_to_spoken;
  for (const Table& table : tables) {
    if (!kPlayedTables.contains(table.name)) continue;
    const int word_col = table.columns.indexOf("word");
    if (word_col < 0) Fail(table.name + ": no word column");
    for (const QStringList& row : table.rows) {
      const QString spoken = SpokenText(row[word_col]);
      if (spoken.isEmpty()) Fail(table.name + ": nothing to say for '" + row[word_col] + "'");
      word_to_spoken[row[word_col]] = spoken;
    }
  }
  QStringList to_make;
  {
    QSet<QString> seen;
    for (const auto& [word, spoken] : word_to_spoken) {
      const QString key = CacheKey(spoken);
      if (seen.contains(key)) continue;
      seen.insert(key);
      if (QFileInfo(cache_dir.filePath(key + ".mp3")).size() <= 0) to_make << spoken;
    }
  }
  std::atomic<int> next{0};
  std::mutex error_mutex;
  QStringList errors;
  auto worker = [&] {
    for (int i = next++; i < to_make.size(); i = next++) {
      QString error;
      if (!Synthesise(to_make[i], cache_dir.filePath(CacheKey(to_make[i]) + ".mp3"), &error)) {
        std::lock_guard<std::mutex> lock(error_mutex);
        errors << to_make[i] + ": " + error;
      }
    }
  };
  {
    std::vector<std::thread> workers;
    for (int i = 0; i < 2; ++i) workers.emplace_back(worker);
    for (std::thread& t : workers) t.join();
  }
  if (!errors.isEmpty()) Fail("synthesis failed:\n" + errors.join('\n'));
  std::printf("mirvel_contentbuild: %lld recordings synthesised, %zu words recorded\n",
              static_cast<long long>(to_make.size()), word_to_spoken.size());

  // Empty database from the schema, filled under a temporary name.
  const QString building = out + ".building";
  QFile::remove(building);
  QString error;
  if (!RunTool(make_db, {building, schema}, &error)) Fail(error);
  const QString lock_dir = QFileInfo(out).absolutePath() + "/.fblock";
  QDir().mkpath(lock_dir);
  qputenv("FIREBIRD_LOCK", lock_dir.toLocal8Bit());

  int inserted = 0;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QIBASE", "content");
    db.setDatabaseName(building);
    db.setUserName("SYSDBA");
    db.setPassword("mirvel");
    db.setConnectOptions("ISC_DPB_LC_CTYPE=UTF8");
    if (!db.open()) Fail("cannot open " + building + ": " + db.lastError().text());
    db.transaction();
    for (const Table& table : tables) {
      QStringList marks;
      for (int i = 0; i < table.columns.size(); ++i) marks << "?";
      QSqlQuery query(db);
      if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(table.name, table.columns.join(", "), marks.join(", "))))
        Fail(table.name + ": " + query.lastError().text());
      for (const QStringList& row : table.rows) {
        for (int i = 0; i < row.size(); ++i)
          query.bindValue(i, row[i].isEmpty() ? QVariant() : QVariant(row[i]));
        if (!query.exec())
          Fail(QStringLiteral("%1 row %2: %3").arg(table.name, row[0], query.lastError().text()));
        ++inserted;
      }
    }
    QSqlQuery sound(db);
    if (!sound.prepare("INSERT INTO sounds (sound_name, sound) VALUES (?, ?)"))
      Fail("sounds: " + sound.lastError().text());
    for (const auto& [word, spoken] : word_to_spoken) {
      QFile mp3(cache_dir.filePath(CacheKey(spoken) + ".mp3"));
      if (!mp3.open(QIODevice::ReadOnly)) Fail("missing recording for " + word);
      sound.bindValue(0, word);
      sound.bindValue(1, mp3.readAll());
      if (!sound.exec()) Fail("sounds '" + word + "': " + sound.lastError().text());
    }
    if (!db.commit()) Fail("commit: " + db.lastError().text());
    db.close();
  }
  QSqlDatabase::removeDatabase("content");
  QFile::remove(out);
  if (!QFile::rename(building, out)) Fail("cannot rename " + building);
  std::printf("mirvel_contentbuild: %d rows, %zu recordings in %s\n", inserted,
              word_to_spoken.size(), qPrintable(out));
  return 0;
}
