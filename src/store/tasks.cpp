#include "store/tasks.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QSqlQuery>
#include <QVariant>

#include <string_view>

#include "store/sqltemplate.h"
#include "store/store.h"

namespace mirvel {
namespace {

constexpr char kListTaskIds[] = "SELECT id FROM exam%s %s";
constexpr char kListCategoryWords[] = "SELECT word FROM exam10 WHERE category=%d";

constexpr char kLoadTask1[] = "SELECT * FROM exam1 e, sounds s WHERE id=%d AND e.word=s.sound_name";
constexpr char kLoadTask2[] = "SELECT * FROM exam2 e, sounds s WHERE id=%d AND e.word=s.sound_name";
constexpr char kLoadTask3[] = "SELECT * FROM exam3 e WHERE id=%d";
constexpr char kLoadTask4[] = "SELECT * FROM exam4 e, sounds s WHERE id=%d AND e.word=s.sound_name";
constexpr char kLoadTask5[] = "SELECT * FROM exam5 e, sounds s WHERE id=%d AND e.word=s.sound_name";
constexpr char kLoadTask5Plain[] = "SELECT * FROM exam5 WHERE id=%d";
constexpr char kLoadTask6[] = "SELECT * FROM exam6 e, sounds s WHERE id=%d AND e.word=s.sound_name";
constexpr char kLoadTask6Plain[] = "SELECT * FROM exam6 WHERE id=%d";
constexpr char kLoadTask7[] = "SELECT * FROM exam7 e, sounds s WHERE id=%d AND e.word=s.sound_name";
constexpr char kLoadTask7Plain[] = "SELECT * FROM exam7 WHERE id=%d";
constexpr char kLoadTask8[] = "SELECT * FROM exam8 e, sounds s WHERE id=%d AND e.word=s.sound_name";
constexpr char kLoadTask8Plain[] = "SELECT * FROM exam8 WHERE id=%d";
constexpr char kLoadTask9[] = "SELECT * FROM exam9 WHERE id=%d";
constexpr char kLoadTask10[] = "SELECT * FROM exam10 WHERE id=%d";
constexpr char kLoadTask11[] = "SELECT * FROM exam11 WHERE id=%d";
constexpr char kLoadTask12[] = "SELECT * FROM exam12 WHERE id=%d";
constexpr char kLoadTask13[] = "SELECT * FROM exam13 WHERE id=%d";
constexpr char kLoadTask14[] = "SELECT * FROM exam14 e, sounds s WHERE id=%d AND e.word=s.sound_name";
constexpr char kLoadTask14Plain[] = "SELECT * FROM exam14 WHERE id=%d";
constexpr char kLoadTask15[] = "SELECT * FROM exam15 e, sounds s WHERE id=%d AND e.word=s.sound_name";
constexpr char kLoadTask15Plain[] = "SELECT * FROM exam15 WHERE id=%d";
constexpr char kLoadTask16[] = "SELECT * FROM exam16 WHERE id=%d";
constexpr char kLoadTask17[] = "SELECT * FROM exam17 WHERE id=%d";
constexpr char kLoadTask18[] = "SELECT * FROM exam18 e, sounds s WHERE id=%d AND e.word=s.sound_name";
constexpr char kLoadTask18Plain[] = "SELECT * FROM exam18 WHERE id=%d";

// The filter is a whole clause, not a value: it goes in after the table name
// as it is, in the place of the template's last %s (doubling its quotes
// would break it).
constexpr std::string_view kFilterPlace = " %s";
static_assert(std::string_view(kListTaskIds).ends_with(kFilterPlace));

enum class Recording { kNone, kAlways, kWithPath };

// The columns an exercise reads, one bit each.
enum Column : unsigned {
  kWord = 1u << 0,
  kAdded = 1u << 1,
  kCorrect = 1u << 2,
  kPos = 1u << 3,
  kLetter = 1u << 4,
  kWord1 = 1u << 5,
  kWord2 = 1u << 6,
  kWord3 = 1u << 7,
  kWord4 = 1u << 8,
  kWord5 = 1u << 9,
  kWord6 = 1u << 10,
  kQuestion = 1u << 11,
  kAnswer1 = 1u << 12,
  kAnswer2 = 1u << 13,
  kAnswer3 = 1u << 14,
  kCategoryText = 1u << 15,
  kCategoryNumber = 1u << 16,
};

struct TextColumn {
  Column bit;
  const char* name;
  QString LoadedTask::*field;
};

constexpr TextColumn kTextColumns[] = {
    {kWord, "word", &LoadedTask::word},
    {kAdded, "added", &LoadedTask::added},
    {kCorrect, "correct", &LoadedTask::correct},
    {kPos, "pos", &LoadedTask::pos},
    {kLetter, "letter", &LoadedTask::letter},
    {kWord1, "word1", &LoadedTask::word1},
    {kWord2, "word2", &LoadedTask::word2},
    {kWord3, "word3", &LoadedTask::word3},
    {kWord4, "word4", &LoadedTask::word4},
    {kWord5, "word5", &LoadedTask::word5},
    {kWord6, "word6", &LoadedTask::word6},
    {kQuestion, "question", &LoadedTask::question},
    {kAnswer1, "answer1", &LoadedTask::answer1},
    {kAnswer2, "answer2", &LoadedTask::answer2},
    {kAnswer3, "answer3", &LoadedTask::answer3},
    {kCategoryText, "category", &LoadedTask::category_text},
};

struct TaskLoader {
  const char* joined;  // with the recording; nullptr when the exercise has none
  const char* plain;   // the table alone; nullptr when the task is always joined
  Recording recording;
  unsigned columns;
};

// Indexed by exercise number - 1.
constexpr TaskLoader kLoaders[18] = {
    {kLoadTask1, nullptr, Recording::kAlways, kWord},
    {kLoadTask2, nullptr, Recording::kAlways, kWord | kAdded},
    {nullptr, kLoadTask3, Recording::kNone, kWord | kAdded},
    {kLoadTask4, nullptr, Recording::kAlways, kWord | kCorrect | kAdded},
    {kLoadTask5, kLoadTask5Plain, Recording::kWithPath, kWord | kPos},
    {kLoadTask6, kLoadTask6Plain, Recording::kWithPath, kWord | kLetter | kPos},
    {kLoadTask7, kLoadTask7Plain, Recording::kWithPath, kWord},
    {kLoadTask8, kLoadTask8Plain, Recording::kWithPath, kWord},
    {nullptr, kLoadTask9, Recording::kNone, kWord},
    {nullptr, kLoadTask10, Recording::kNone, kWord | kCategoryNumber},
    {nullptr, kLoadTask11, Recording::kNone, kWord1 | kWord2 | kCategoryNumber},
    {nullptr, kLoadTask12, Recording::kNone,
     kWord1 | kWord2 | kWord3 | kWord4 | kWord5 | kWord6 | kCategoryNumber},
    {nullptr, kLoadTask13, Recording::kNone, kWord | kQuestion | kCategoryNumber},
    {kLoadTask14, kLoadTask14Plain, Recording::kWithPath, kWord | kCategoryText},
    {kLoadTask15, kLoadTask15Plain, Recording::kWithPath, kWord | kCategoryText},
    {nullptr, kLoadTask16, Recording::kNone, kWord | kAnswer1 | kAnswer2 | kAnswer3 | kCategoryText},
    {nullptr, kLoadTask17, Recording::kNone, kWord | kCategoryText},
    {kLoadTask18, kLoadTask18Plain, Recording::kWithPath, kWord | kCategoryText | kAdded},
};

const TaskLoader& LoaderFor(int exam_no) {
  if (exam_no < 1 || exam_no > 18) throw DbError(QStringLiteral("Chybné cvičenie: %1").arg(exam_no));
  return kLoaders[exam_no - 1];
}

QString TaskListStatement(int exam_no, const QString& filter) {
  LoaderFor(exam_no);
  // FormatSql leaves the place of a missing argument empty; the clause follows.
  return FormatSql(kListTaskIds, {exam_no}) + filter;
}

// Writes the recording through a temporary file that replaces the old one at
// once, so a player still reading the previous recording is not cut short and
// a failed write never leaves another word's recording under this name.
void WriteRecording(const QString& path, const QByteArray& sound) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(sound) == sound.size() && file.commit()) return;
  file.cancelWriting();
  QFile::remove(path);
  throw DbError(QStringLiteral("Nahrávku slova sa nepodarilo zapísať do súboru %1.").arg(path));
}

}  // namespace

void ListTaskIds(Store& store, int exam_no, const QString& filter, QStringList* list) {
  list->clear();
  QSqlQuery& q = store.Select(store.ZQD(), TaskListStatement(exam_no, filter));
  while (q.next()) list->append(QString::number(q.value(QStringLiteral("id")).toLongLong()));
}

int CountTasks(Store& store, int exam_no, const QString& filter) {
  QSqlQuery& q = store.Select(store.ZQD(), TaskListStatement(exam_no, filter));
  int rows = 0;
  while (q.next()) ++rows;
  return rows;
}

LoadedTask LoadTask(Store& store, int exam_no, int id, const QString& recording_path) {
  const TaskLoader& loader = LoaderFor(exam_no);
  const bool joined = loader.recording == Recording::kAlways ||
                      (loader.recording == Recording::kWithPath && !recording_path.isEmpty());
  QSqlQuery& q = store.Select(store.ZQD(), FormatSql(joined ? loader.joined : loader.plain, {id}));

  LoadedTask task;
  QByteArray sound;
  if (q.next()) {
    for (const TextColumn& c : kTextColumns) {
      if (loader.columns & c.bit) task.*c.field = q.value(QLatin1String(c.name)).toString();
    }
    if (loader.columns & kCategoryNumber) task.category = q.value(QStringLiteral("category")).toInt();
    if (joined) sound = q.value(QStringLiteral("sound")).toByteArray();
  }
  q.finish();
  if (joined && !recording_path.isEmpty()) WriteRecording(recording_path, sound);
  return task;
}

void ListCategoryWords(Store& store, int category, QStringList* list) {
  list->append(store.SelectColumn(store.ZQD(), FormatSql(kListCategoryWords, {category}), QStringLiteral("word")));
}

}  // namespace mirvel
