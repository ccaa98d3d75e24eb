// Checks the task sources and the built content database row by row; every
// failure names the table, the task id and the reason.
#include <gtest/gtest.h>
#include <mpg123.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "store/store.h"
#include "support/testdata.h"

namespace mirvel {
namespace {

struct Row {
  QString id;
  QMap<QString, QString> field;
  QString operator[](const QString& name) const { return field.value(name); }
};

struct Source {
  QString table;
  QStringList columns;
  std::vector<Row> rows;
  QString error;
};

const QStringList kTables = {"exam1",  "exam2",  "exam3",  "exam4",  "exam5",  "exam6",  "exam7",
                             "exam8",  "exam9",  "exam10", "exam11", "exam12", "exam13", "exam14",
                             "exam15", "exam16", "exam17", "exam18", "motivation"};
const QStringList kPlayedTables = {"exam1", "exam2", "exam4",  "exam5",  "exam6",
                                   "exam7", "exam8", "exam14", "exam15", "exam18"};

Source ReadSource(const QString& table) {
  Source source;
  source.table = table;
  QFile file(QStringLiteral(MIRVEL_TEST_SOURCE_DIR "/content/%1.tsv").arg(table));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    source.error = "missing source " + file.fileName();
    return source;
  }
  while (!file.atEnd()) {
    QString line = QString::fromUtf8(file.readLine());
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    const QStringList fields = line.split('\t');
    if (source.columns.isEmpty()) {
      source.columns = fields;
      continue;
    }
    Row row;
    row.id = fields.value(0);
    for (int i = 0; i < source.columns.size(); ++i) row.field[source.columns[i]] = fields.value(i);
    if (fields.size() != source.columns.size()) row.field["#bad"] = "1";
    source.rows.push_back(row);
  }
  return source;
}

const Source& Sources(const QString& table) {
  static QMap<QString, Source> cache;
  if (!cache.contains(table)) cache.insert(table, ReadSource(table));
  return cache[table];
}

class Problems {
 public:
  void Add(const QString& table, const QString& id, const QString& reason) {
    list_ << QStringLiteral("%1 id %2: %3").arg(table, id, reason);
  }
  bool empty() const { return list_.isEmpty(); }
  std::string text() const { return list_.join('\n').toStdString(); }

 private:
  QStringList list_;
};

// Slovak letter units: these pairs count as one letter.
QStringList Units(const QString& word) {
  static const QStringList kPairs = {"ch", "ia", "ie", "iu", "dz", "dž"};
  QStringList units;
  for (int i = 0; i < word.size();) {
    if (i + 1 < word.size() && kPairs.contains(word.mid(i, 2))) {
      units << word.mid(i, 2);
      i += 2;
    } else {
      units << word.mid(i, 1);
      i += 1;
    }
  }
  return units;
}

bool IsVowel(QChar c) { return QStringLiteral("aáäeéiíoóôuúyý").contains(c.toLower()); }

bool IsLongNucleus(const QString& unit) {
  return QStringLiteral("áéíóúýôŕĺ").contains(unit.at(0)) || unit == "ia" || unit == "ie" ||
         unit == "iu";
}

// "." short and "-" long per syllable nucleus: vowels, diphthongs and the
// syllabic r, l, ŕ, ĺ standing between consonants.
QString LengthPattern(const QString& word) {
  const QStringList units = Units(word.toLower());
  QString pattern;
  for (int i = 0; i < units.size(); ++i) {
    const QString& u = units[i];
    if (IsVowel(u.at(0))) {
      pattern += IsLongNucleus(u) ? '-' : '.';
    } else if (QStringLiteral("rlŕĺ").contains(u.at(0))) {
      const bool before = i > 0 && !IsVowel(units[i - 1].at(0));
      const bool after = i + 1 >= units.size() || !IsVowel(units[i + 1].at(0));
      if (before && after) pattern += IsLongNucleus(u) ? '-' : '.';
    }
  }
  return pattern;
}

QString ConsonantPattern(const QString& word) {
  QString pattern;
  for (const QString& u : Units(word.toLower())) pattern += IsVowel(u.at(0)) ? '-' : 'x';
  return pattern;
}

int CountWhere(const Source& source, const std::function<bool(const Row&)>& pred) {
  return static_cast<int>(std::count_if(source.rows.begin(), source.rows.end(), pred));
}

TEST(ContentSources, EveryTableHasRowsWithUniqueIdsAndText) {
  Problems problems;
  for (const QString& table : kTables) {
    const Source& source = Sources(table);
    if (!source.error.isEmpty()) {
      problems.Add(table, "-", source.error);
      continue;
    }
    if (source.columns.value(0) != "id") problems.Add(table, "-", "first column is not id");
    if (source.rows.empty()) problems.Add(table, "-", "no rows");
    QSet<int> ids;
    const QString text_column = table == "exam11" || table == "exam12" ? "word1" : "word";
    for (const Row& row : source.rows) {
      bool ok = false;
      const int id = row.id.toInt(&ok);
      if (!ok || id <= 0) problems.Add(table, row.id, "id is not a positive number");
      if (ids.contains(id)) problems.Add(table, row.id, "id repeats");
      ids.insert(id);
      if (row.field.contains("#bad")) problems.Add(table, row.id, "wrong number of fields");
      if (row[text_column].trimmed().isEmpty()) problems.Add(table, row.id, "empty " + text_column);
      if (row[text_column] != row[text_column].trimmed())
        problems.Add(table, row.id, "spaces around " + text_column);
    }
  }
  EXPECT_TRUE(problems.empty()) << problems.text();
}

TEST(ContentSources, Exercise2CategoriesAndExtraLetters) {
  static const QStringList kItems = {"x-x",  "xx-",   "xxx",   "x-xx",  "xx-x",   "xxx-",
                                     "xxxx", "xx-xx", "xxx-x", "xxxx-", "x-xxx-"};
  Problems problems;
  for (const Row& row : Sources("exam2").rows) {
    const QString word = row["word"];
    const QString pattern = ConsonantPattern(word);
    const QString expected = kItems.contains(pattern) ? pattern : QStringLiteral("iné");
    if (row["category"] != expected)
      problems.Add("exam2", row.id, "category " + row["category"] + ", the word is " + expected);
    QSet<QString> letters;
    for (const QString& u : Units(word.toLower())) letters.insert(u);
    const QString added = row["added"];
    if (added.size() < 10 - letters.size())
      problems.Add("exam2", row.id, "too few extra letters for ten buttons");
    QSet<QChar> seen;
    for (QChar c : added) {
      if (letters.contains(QString(c.toLower())) || word.contains(c, Qt::CaseInsensitive))
        problems.Add("exam2", row.id, QStringLiteral("extra letter %1 is in the word").arg(c));
      if (seen.contains(c.toLower()))
        problems.Add("exam2", row.id, QStringLiteral("extra letter %1 repeats").arg(c));
      seen.insert(c.toLower());
    }
  }
  EXPECT_TRUE(problems.empty()) << problems.text();
}

TEST(ContentSources, Exercise3PatternsAndLookAlikes) {
  Problems problems;
  for (const Row& row : Sources("exam3").rows) {
    if (row["category"].toInt() != row["word"].size())
      problems.Add("exam3", row.id, "category is not the pattern length");
    const QStringList looks = row["added"].split('/');
    if (row["added"].isEmpty() || looks.contains(row["word"]) || looks.contains(QString()))
      problems.Add("exam3", row.id, "look-alikes empty or equal to the pattern");
  }
  EXPECT_TRUE(problems.empty()) << problems.text();
}

TEST(ContentSources, Exercise4SyllablesJoinToTheWord) {
  Problems problems;
  for (const Row& row : Sources("exam4").rows) {
    const QStringList syllables = row["correct"].split('/');
    const QStringList extra = row["added"].split('/', Qt::SkipEmptyParts);
    if (syllables.join(QString()) != row["word"])
      problems.Add("exam4", row.id, "syllables " + row["correct"] + " do not join to the word");
    if (syllables.contains(QString())) problems.Add("exam4", row.id, "empty syllable");
    if (syllables.size() + extra.size() != 8)
      problems.Add("exam4", row.id, "syllables and extra syllables do not fill eight buttons");
    for (const QString& s : extra)
      if (syllables.contains(s)) problems.Add("exam4", row.id, "extra syllable " + s + " is in the word");
    if (!QStringList({"1", "2", "3", "4"}).contains(row["category"]))
      problems.Add("exam4", row.id, "category is not 1 to 4");
  }
  EXPECT_TRUE(problems.empty()) << problems.text();
}

TEST(ContentSources, Exercise5GapPositionsPointAtBdp) {
  Problems problems;
  for (const Row& row : Sources("exam5").rows) {
    const QStringList positions = row["pos"].split('/');
    if (row["category"] == "0" && positions.size() != 1)
      problems.Add("exam5", row.id, "a word has one gap position");
    for (const QString& p : positions) {
      const int k = p.toInt();
      if (k < 1 || k > row["word"].size() || !QStringLiteral("bdp").contains(row["word"].at(k - 1)))
        problems.Add("exam5", row.id, "position " + p + " is not b, d or p");
    }
    if (row["dual"] != "0" && row["dual"] != "1") problems.Add("exam5", row.id, "dual is not 0 or 1");
  }
  EXPECT_TRUE(problems.empty()) << problems.text();
}

// Positions (0-based) of i, í, y, ý that can become a gap: not the first
// letter of ia, ie, iu.
bool IsGapVowel(const QString& text, int i) {
  return QStringLiteral("iíyý").contains(text.at(i)) &&
         !(i + 1 < text.size() && QStringLiteral("aeu").contains(text.at(i + 1)));
}

// The gap of a word of exercise 6: the consonant's position for pos 0
// (start), 1 (first pair), 2 (last pair); -1 when there is none.
int SyllableGap(const QString& text, QChar consonant, const QString& pos) {
  if (pos == "0") return 0;
  int result = -1;
  for (QChar v : QStringLiteral("iíyý")) {
    const QString pair = QString(consonant) + v;
    const int at = pos == "1" ? static_cast<int>(text.indexOf(pair)) : static_cast<int>(text.lastIndexOf(pair));
    if (at >= 0) result = at;
  }
  return result;
}

TEST(ContentSources, Exercise6GapsLieWhereTheFiltersSay) {
  Problems problems;
  for (const Row& row : Sources("exam6").rows) {
    const QString text = row["word"].section('(', 0, 0);
    if (row["category"] == "0") {
      const int letter = row["letter"].toInt();
      if (row["letter"].size() != 1 || letter < 0 || letter > 2) {
        problems.Add("exam6", row.id, "letter is not 0, 1 or 2");
        continue;
      }
      const QChar consonant = QStringLiteral("dtn").at(letter);
      const int at = SyllableGap(text, consonant, row["pos"]);
      const bool pair = at >= 0 && at + 1 < text.size() && text.at(at) == consonant &&
                        QStringLiteral("iíyý").contains(text.at(at + 1));
      if (!pair) problems.Add("exam6", row.id, "no " + QString(consonant) + "i/y where pos " + row["pos"] + " looks");
      else if (row["pos"] == "1" && (at == 0 || at + 2 == text.size()))
        problems.Add("exam6", row.id, "the first pair is not in the middle");
      else if (row["pos"] == "2" && at + 2 != text.size())
        problems.Add("exam6", row.id, "the last pair is not at the end");
    } else if (row["category"] == "1") {
      QString flags;
      for (QChar c : QStringLiteral("dtn")) {
        bool found = false;
        for (int i = 0; i + 1 < text.size(); ++i) found |= text.at(i).toLower() == c && IsGapVowel(text, i + 1);
        flags += found ? '1' : '0';
      }
      if (row["letter"] != flags) problems.Add("exam6", row.id, "flags should be " + flags);
    } else {
      problems.Add("exam6", row.id, "category is not 0 or 1");
    }
    if (row["EXCEP"] != "0" && row["EXCEP"] != "1") problems.Add("exam6", row.id, "EXCEP is not 0 or 1");
  }
  EXPECT_TRUE(problems.empty()) << problems.text();
}

// Exercise 7 puts two gaps into one word when it can choose among several;
// exercise 8 sentences need two gap candidates, exercise 8 words one after
// a soft, hard or neutral consonant; exercise 10 words one after the
// category's consonant, phrases and exercises 9 and 12 a mark before the letter.
TEST(ContentSources, GapExercisesAlwaysFindTheirGaps) {
  Problems problems;
  for (const Row& row : Sources("exam7").rows) {
    const QString text = row["word"].section('(', 0, 0);
    int all = 0;
    bool two_in_a_word = false;
    for (const QString& word : text.split(' ')) {
      int n = 0;
      for (int i = 0; i < word.size(); ++i) n += IsGapVowel(word, i) ? 1 : 0;
      all += n;
      two_in_a_word |= n >= 2;
    }
    if (all == 0) problems.Add("exam7", row.id, "no i/y to fill");
    else if (all >= 2 && !two_in_a_word) problems.Add("exam7", row.id, "no word holds two gaps");
  }
  static const QStringList kConsonants = {"c", "č", "ž", "š", "dz", "dž", "j", "ch", "g", "h", "k", "l"};
  for (const Row& row : Sources("exam8").rows) {
    const QString text = row["word"].section('(', 0, 0);
    int candidates = 0;
    for (const QString& e : kConsonants)
      for (int p = 0; p + e.size() < text.size(); ++p)
        if (text.mid(p, e.size()).toLower() == e && IsGapVowel(text, p + static_cast<int>(e.size()))) ++candidates;
    if (row["category"] == "1" && candidates < 2) problems.Add("exam8", row.id, "fewer than two gap candidates");
    if (row["category"] == "0" && candidates < 1) problems.Add("exam8", row.id, "no i/y after c, č, ž, š, j, ch, g, h, k, l");
    if (row["category"] != "0" && row["category"] != "1") problems.Add("exam8", row.id, "category is not 0 or 1");
  }
  for (const Row& row : Sources("exam10").rows) {
    const int category = row["category"].toInt();
    const QString word = row["word"];
    if (category >= 0 && category < 8) {
      const QChar c = QStringLiteral("bpmvrzsl").at(category);
      bool found = false;
      for (int i = 0; i + 1 < word.size(); ++i)
        found |= word.at(i).toLower() == c && QStringLiteral("iíyý").contains(word.at(i + 1));
      if (!found) problems.Add("exam10", row.id, QStringLiteral("no %1i/%1y").arg(c));
    } else if (category == 8) {
      if (!word.left(word.size() - 1).contains('.')) problems.Add("exam10", row.id, "phrase without a gap mark");
    } else {
      problems.Add("exam10", row.id, "category is not 0 to 8");
    }
  }
  auto marks = [&](const QString& table, const QString& id, const QString& text, const QString& letters) {
    int n = 0;
    for (int i = 0; i + 1 < text.size(); ++i) {
      if (text.at(i) != '.') continue;
      ++n;
      if (!letters.contains(text.at(i + 1)))
        problems.Add(table, id, QStringLiteral("mark before %1 in '%2'").arg(text.at(i + 1)).arg(text));
    }
    if (n == 0) problems.Add(table, id, "no gap mark in '" + text + "'");
  };
  for (const Row& row : Sources("exam9").rows) marks("exam9", row.id, row["word"], QStringLiteral("äe"));
  for (const Row& row : Sources("exam12").rows) {
    const int last = row["category"] == "0" ? 6 : 1;
    for (int k = 1; k <= last; ++k) marks("exam12", row.id, row[QStringLiteral("word%1").arg(k)], QStringLiteral("iíyý"));
  }
  EXPECT_TRUE(problems.empty()) << problems.text();
}

// Exercise 11 hides the ending of word2, exercise 13 offers fixed question
// words, exercise 16 three different options.
TEST(ContentSources, EndingsQuestionsAndOptionsFitTheirExercises) {
  Problems problems;
  for (const Row& row : Sources("exam11").rows) {
    const QString ending = row["category"] == "0" ? "ov" : "ou";
    if (row["category"] != "0" && row["category"] != "1") problems.Add("exam11", row.id, "category is not 0 or 1");
    if (!row["word2"].endsWith(ending)) problems.Add("exam11", row.id, "word2 does not end with " + ending);
  }
  static const QList<QStringList> kQuestions = {{"kto?", "čo?"},
                                                {"aký?", "aká?", "aké?", "čí?", "čia?", "čie?"},
                                                {"čo robí?", "čo robil?", "čo bude robiť?"}};
  for (const Row& row : Sources("exam13").rows) {
    const int category = row["category"].toInt();
    if (row["category"].size() != 1 || category < 0 || category > 2 || !kQuestions[category].contains(row["question"]))
      problems.Add("exam13", row.id, "question " + row["question"] + " does not fit category " + row["category"]);
  }
  for (const Row& row : Sources("exam16").rows) {
    const QSet<QString> options = {row["answer1"], row["answer2"], row["answer3"]};
    if (options.size() != 3 || options.contains(QString())) problems.Add("exam16", row.id, "options empty or repeated");
    if (!QStringList({"0", "1", "2"}).contains(row["category"])) problems.Add("exam16", row.id, "category is not 0 to 2");
  }
  for (const Row& row : Sources("exam17").rows) {
    if (!QStringList({"0", "1", "2", "3"}).contains(row["category"])) problems.Add("exam17", row.id, "category is not 0 to 3");
    if ((row["category"] == "3") != (row["word"].count('/') == 1)) problems.Add("exam17", row.id, "pairs belong to category 3");
  }
  EXPECT_TRUE(problems.empty()) << problems.text();
}

TEST(ContentSources, LengthPatternsMatchTheSyllables) {
  static const QStringList kExercise15 = {".", "-", "..", "-.", ".-", ".-.", "-..", "..-", "...", "-.-"};
  Problems problems;
  for (const QString& table : {QStringLiteral("exam14"), QStringLiteral("exam15"), QStringLiteral("exam18")}) {
    for (const Row& row : Sources(table).rows) {
      const QString pattern = row["category"];
      static const QRegularExpression kMarks(QStringLiteral("^[.-]{1,8}$"));
      if (!kMarks.match(pattern).hasMatch()) {
        problems.Add(table, row.id, "pattern is not made of . and -");
        continue;
      }
      if (LengthPattern(row["word"]) != pattern)
        problems.Add(table, row.id, "pattern " + pattern + ", the word reads " + LengthPattern(row["word"]));
      if (table == "exam15" && !kExercise15.contains(pattern))
        problems.Add(table, row.id, "pattern has no button");
      if (table == "exam18") {
        const QStringList syllables = row["added"].split('/');
        if (syllables.join(QString()) != row["word"] || syllables.size() != pattern.size())
          problems.Add(table, row.id, "syllables do not match the word and its pattern");
        for (int i = 0; i < syllables.size() && i < pattern.size(); ++i)
          if (LengthPattern(syllables[i]).size() != 1 || LengthPattern(syllables[i]) != pattern.mid(i, 1))
            problems.Add(table, row.id, "syllable " + syllables[i] + " does not match its mark");
      }
    }
  }
  EXPECT_TRUE(problems.empty()) << problems.text();
}

// Every single item of a task filter selects enough tasks for a run.
TEST(ContentSources, FilterItemsSelectEnoughTasks) {
  constexpr int kMin = 10;
  Problems problems;
  auto need = [&](const QString& table, const QString& item, const std::function<bool(const Row&)>& pred) {
    const int n = CountWhere(Sources(table), pred);
    if (n < kMin) problems.Add(table, "-", QStringLiteral("item %1 selects only %2 tasks").arg(item).arg(n));
  };
  auto is = [](const QString& column, const QString& value) {
    return [column, value](const Row& r) { return r[column] == value; };
  };
  for (const char* item : {"x-x", "xx-", "xxx", "x-xx", "xx-x", "xxx-", "xxxx", "xx-xx", "xxx-x",
                              "xxxx-", "x-xxx-", "iné"})
    need("exam2", item, is("category", item));
  need("exam3", "small letters", [](const Row& r) { return r["category"] == "1" && r["word"] == r["word"].toLower(); });
  need("exam3", "capitals", [](const Row& r) { return r["category"] == "1" && r["word"] == r["word"].toUpper(); });
  for (int k = 2; k <= 5; ++k) need("exam3", QString::number(k), is("category", QString::number(k)));
  for (int g = 1; g <= 4; ++g) need("exam4", QString::number(g), is("category", QString::number(g)));
  for (const QString c : {"0", "1"}) {
    need("exam5", c, is("category", c));
    need("exam5", c + " without voice", [c](const Row& r) { return r["category"] == c && r["dual"] == "0"; });
    need("exam7", c, is("category", c));
    for (const QString e : {"0", "1"})
      need("exam8", c + "/" + e, [c, e](const Row& r) { return r["category"] == c && r["EXCEP"] == e; });
  }
  for (int i = 0; i < 3; ++i) {
    const QString v = QString::number(i);
    need("exam6", "letter " + v, [v](const Row& r) { return r["category"] == "0" && r["letter"] == v; });
    need("exam6", "pos " + v, [v](const Row& r) { return r["category"] == "0" && r["pos"] == v; });
    need("exam6", "sentence flag " + v, [i](const Row& r) { return r["category"] == "1" && r["letter"].mid(i, 1) == "1"; });
    need("exam13", v, is("category", v));
    need("exam16", v, is("category", v));
    need("exam12", v, is("category", v));
  }
  for (const QString e : {"0", "1"})
    need("exam6", "EXCEP " + e, [e](const Row& r) { return r["category"] == "0" && r["EXCEP"] == e; });
  for (int i = 0; i <= 8; ++i) need("exam10", QString::number(i), is("category", QString::number(i)));
  // The word list of exercise 10 shows ten other words of the task's category.
  for (int i = 0; i < 8; ++i) {
    QSet<QString> words;
    for (const Row& r : Sources("exam10").rows)
      if (r["category"] == QString::number(i)) words.insert(r["word"]);
    if (words.size() < 11)
      problems.Add("exam10", "-", QStringLiteral("category %1 has %2 different words, the word list needs 11").arg(i).arg(words.size()));
  }
  for (int i = 0; i <= 3; ++i) need("exam17", QString::number(i), is("category", QString::number(i)));
  for (int k = 1; k <= 5; ++k) {
    need("exam14", QString::number(k), [k](const Row& r) { return r["category"].size() == k; });
    need("exam18", QString::number(k), [k](const Row& r) { return r["category"].size() == k; });
  }
  need("exam1", "all", [](const Row&) { return true; });
  need("exam9", "all", [](const Row&) { return true; });
  need("exam11", "ov", is("category", "0"));
  need("exam11", "ou", is("category", "1"));
  need("exam15", "all", [](const Row& r) { return r["category"].size() <= 3; });
  for (const QString t : {"0", "1", "2"})
    if (CountWhere(Sources("motivation"), is("type", t)) < 5)
      problems.Add("motivation", "-", "fewer than five words of type " + t);
  EXPECT_TRUE(problems.empty()) << problems.text();
}

TEST(ContentSources, WordsAreSpelledRight) {
  const QString hunspell = QStandardPaths::findExecutable("hunspell");
  if (hunspell.isEmpty() || !QFile::exists("/usr/share/hunspell/sk_SK.dic"))
    GTEST_SKIP() << "hunspell with the Slovak dictionary is not installed";
  QSet<QString> allowed;
  QFile allow(QStringLiteral(MIRVEL_SPELLING_ALLOW));
  if (allow.open(QIODevice::ReadOnly | QIODevice::Text))
    for (const QString& line : QString::fromUtf8(allow.readAll()).split('\n'))
      if (!line.trimmed().isEmpty() && !line.startsWith('#')) allowed.insert(line.trimmed());
  // Tables of real words and sentences, with the columns holding them.
  const QList<QPair<QString, QStringList>> checked = {
      {"exam1", {"word"}},  {"exam2", {"word"}},  {"exam4", {"word"}},
      {"exam5", {"word"}},  {"exam6", {"word"}},  {"exam7", {"word"}},
      {"exam8", {"word"}},  {"exam11", {"word1", "word2"}}, {"exam13", {"word"}},
      {"exam14", {"word"}}, {"exam16", {"word", "answer1", "answer2", "answer3"}},
      {"exam18", {"word"}}, {"motivation", {"word"}}, {"exam9", {"word"}},
      {"exam10", {"word"}}, {"exam12", {"word1", "word2", "word3", "word4", "word5", "word6"}}};
  static const QRegularExpression kSplit(QStringLiteral("[^\\w]+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
  QMap<QString, QStringList> where;  // word -> "table id"
  for (const auto& [table, columns] : checked)
    for (const Row& row : Sources(table).rows)
      for (const QString& column : columns)
        // Gap marks "." stand inside words; full stops end sentences.
        for (const QString& w : QString(row[column]).remove('.').split(kSplit, Qt::SkipEmptyParts))
          where[w] << table + " id " + row.id;
  QProcess process;
  process.start(hunspell, {"-d", "sk_SK", "-l", "-i", "UTF-8"});
  ASSERT_TRUE(process.waitForStarted());
  process.write(where.keys().join('\n').toUtf8());
  process.closeWriteChannel();
  ASSERT_TRUE(process.waitForFinished(60000));
  QStringList bad;
  for (const QString& w : QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
    if (!allowed.contains(w)) bad << w + " (" + where.value(w).join(", ") + ")";
  EXPECT_TRUE(bad.isEmpty()) << "unknown words:\n" << bad.join('\n').toStdString();
}

struct Decoded {
  bool ok = false;
  long samples = 0;
  int peak = 0;
};

Decoded DecodeMp3(const QByteArray& data) {
  Decoded result;
  static const bool initialised = mpg123_init() == MPG123_OK;
  if (!initialised) return result;
  int err = 0;
  mpg123_handle* handle = mpg123_new(nullptr, &err);
  if (handle == nullptr) return result;
  mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
  mpg123_format_none(handle);
  for (long rate : {8000L, 11025L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L})
    mpg123_format(handle, rate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
  if (mpg123_open_feed(handle) == MPG123_OK) {
    std::vector<unsigned char> out(65536);
    const unsigned char* in = reinterpret_cast<const unsigned char*>(data.constData());
    size_t in_size = static_cast<size_t>(data.size());
    for (;;) {
      size_t done = 0;
      const int rc = mpg123_decode(handle, in, in_size, out.data(), out.size(), &done);
      in = nullptr;
      in_size = 0;
      const short* samples = reinterpret_cast<const short*>(out.data());
      for (size_t i = 0; i < done / 2; ++i) result.peak = std::max(result.peak, std::abs(int{samples[i]}));
      result.samples += static_cast<long>(done / 2);
      if (rc == MPG123_NEW_FORMAT || (rc == MPG123_OK && done > 0)) continue;
      if (rc == MPG123_NEED_MORE || rc == MPG123_DONE || rc == MPG123_OK) result.ok = result.samples > 0;
      break;
    }
  }
  mpg123_delete(handle);
  return result;
}

TEST(ContentDatabase, HoldsEverySourceRowAndAnAudibleRecordingOfEveryPlayedWord) {
  test::TempDataFolder folder;
  ASSERT_TRUE(folder.ok());
  QString reason;
  ASSERT_TRUE(Store::PrepareLockDirectory(folder.path(), &reason)) << reason.toStdString();
  Store store;
  ASSERT_TRUE(store.Open(folder.path(), &reason)) << reason.toStdString();
  Problems problems;
  {
  QSqlQuery query(store.ZCData());
  for (const QString& table : kTables) {
    const Source& source = Sources(table);
    if (!query.exec("SELECT COUNT(*) FROM " + table) || !query.next()) {
      problems.Add(table, "-", "table cannot be read");
      continue;
    }
    if (query.value(0).toInt() != static_cast<int>(source.rows.size()))
      problems.Add(table, "-", QStringLiteral("%1 rows in data.fdb, %2 in the source")
                                   .arg(query.value(0).toInt()).arg(source.rows.size()));
  }
  QSet<QString> checked;
  for (const QString& table : kPlayedTables) {
    for (const Row& row : Sources(table).rows) {
      const QString word = row["word"];
      if (checked.contains(word)) continue;
      checked.insert(word);
      query.prepare("SELECT sound FROM sounds WHERE sound_name = ?");
      query.bindValue(0, word);
      if (!query.exec() || !query.next()) {
        problems.Add(table, row.id, "no recording of '" + word + "'");
        continue;
      }
      const QByteArray mp3 = query.value(0).toByteArray();
      if (mp3.isEmpty()) {
        problems.Add(table, row.id, "empty recording of '" + word + "'");
        continue;
      }
      const Decoded decoded = DecodeMp3(mp3);
      if (!decoded.ok) problems.Add(table, row.id, "recording of '" + word + "' does not decode");
      else if (decoded.peak < 1000) problems.Add(table, row.id, "recording of '" + word + "' is silent");
    }
  }
  }
  store.Close();
  EXPECT_TRUE(problems.empty()) << problems.text();
}

}  // namespace
}  // namespace mirvel
