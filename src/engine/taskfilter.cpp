#include "engine/taskfilter.h"

#include <QSet>

#include <algorithm>

namespace mirvel {
namespace {

const QString kWhere = QStringLiteral("WHERE ");
const QString kOr = QStringLiteral(" OR ");

bool CategoryIsInteger(int exam_no) {
  switch (exam_no) {
    case 3: case 10: case 11: case 12: case 13: return true;
    default: return false;
  }
}

// The conditions of the checked items of a check list in list order: the first
// as `first(value)`, every further one as `further(value)`, value given by
// `value(index)`. Empty when nothing is checked.
template <typename First, typename Further, typename Value>
QString CheckedConditions(const QVector<bool>& checks, First first, Further further, Value value) {
  QString out;
  for (int i = 0; i < checks.size(); ++i) {
    if (!checks.at(i)) continue;
    out += out.isEmpty() ? first(value(i)) : further(value(i));
  }
  return out;
}

// "WHERE <cond>" for the first checked item, " OR <cond>" for the others, the
// no-row clause when nothing is checked.
template <typename Condition, typename Value>
QString CheckListFilter(int exam_no, const QVector<bool>& checks, Condition condition, Value value) {
  const QString out = CheckedConditions(
      checks, [&](const QString& v) { return kWhere + condition(v); },
      [&](const QString& v) { return kOr + condition(v); }, value);
  return out.isEmpty() ? NothingFilter(exam_no) : out;
}

QString IndexText(int i) { return QString::number(i); }
QString IndexPlusOneText(int i) { return QString::number(i + 1); }

QString Ex2(const ControlValues& c) {
  const QStringList items = c.Items(QStringLiteral("CHLB2"));
  return CheckListFilter(
      2, c.Checks(QStringLiteral("CHLB2")), [](const QString& v) { return QStringLiteral("category='%1'").arg(v); },
      [&](int i) { return items.value(i); });
}

QString Ex3(const ControlValues& c) {
  const int length = c.Value(QStringLiteral("SEMaxLength2"));
  if (length != 1) return QStringLiteral("WHERE category=%1").arg(length);
  const QString letters = c.Text(QStringLiteral("CBLetters2"));
  if (letters == QStringLiteral("len malé písmená")) return QStringLiteral("WHERE category=1 AND word=LOWER(word)");
  if (letters == QStringLiteral("len veľké písmená")) return QStringLiteral("WHERE category=1 AND word=UPPER(word)");
  return QStringLiteral("WHERE category=1");
}

QString QuotedCategoryList(int exam_no, const ControlValues& c, const char* list, QString (*value)(int)) {
  return CheckListFilter(
      exam_no, c.Checks(QString::fromLatin1(list)),
      [](const QString& v) { return QStringLiteral("category='%1'").arg(v); }, value);
}

QString SyllableCountList(int exam_no, const ControlValues& c, const char* list) {
  return CheckListFilter(
      exam_no, c.Checks(QString::fromLatin1(list)),
      [](const QString& v) { return QStringLiteral("CHAR_LENGTH(category)='%1'").arg(v); }, IndexPlusOneText);
}

QString Ex5(const ControlValues& c) {
  QString f = QStringLiteral("WHERE category='%1'").arg(c.Index(QStringLiteral("CBType5")));
  if (c.Text(QStringLiteral("CBSpeech5")) == QStringLiteral("bez hlasového doprovodu")) f += QStringLiteral(" AND dual='0'");
  return f;
}

QString Ex6(const ControlValues& c) {
  QString f = QStringLiteral("WHERE category='%1'").arg(c.Index(QStringLiteral("CBType6")));
  const QString type = c.Text(QStringLiteral("CBType6"));
  const QVector<bool> dtn = c.Checks(QStringLiteral("CHLB6dtn"));
  auto append = [&f](const QString& conditions) {
    f = conditions.isEmpty() ? QString::fromLatin1(kNothingFilter) : f + QStringLiteral(" AND (") + conditions + QStringLiteral(") ");
  };
  if (type == QStringLiteral("vety")) {
    append(CheckedConditions(
        dtn, [](const QString& n) { return QStringLiteral("SUBSTRING(letter FROM %1 FOR 1) ='1'").arg(n); },
        [](const QString& n) { return QStringLiteral(" OR SUBSTRING(letter FROM %1 FOR 1)='1'").arg(n); },
        IndexPlusOneText));
  } else if (type == QStringLiteral("slová")) {
    append(CheckedConditions(
        dtn, [](const QString& i) { return QStringLiteral("letter='%1'").arg(i); },
        [](const QString& i) { return QStringLiteral(" OR letter='%1'").arg(i); }, IndexText));
    append(CheckedConditions(
        c.Checks(QStringLiteral("CHLB6pos")), [](const QString& i) { return QStringLiteral("pos='%1'").arg(i); },
        [](const QString& i) { return QStringLiteral(" OR pos='%1'").arg(i); }, IndexText));
  }
  const int exception = c.Index(QStringLiteral("CBException6"));
  if (exception == 0 || exception == 1) f += QStringLiteral(" AND EXCEP='%1'").arg(exception);
  return f;
}

QString Ex8(const ControlValues& c) {
  const int type = c.Index(QStringLiteral("CBType8"));
  if (c.Text(QStringLiteral("CBException8")) == QStringLiteral("všetko spolu"))
    return QStringLiteral("WHERE category='%1'").arg(type);
  return QStringLiteral("WHERE category='%1' AND EXCEP='%2'").arg(type).arg(c.Index(QStringLiteral("CBException8")));
}

QString Ex10(const ControlValues& c) {
  if (c.Text(QStringLiteral("CBType10")) == QStringLiteral("slovné spojenia")) return QStringLiteral("WHERE category='8'");
  return QuotedCategoryList(10, c, "CHLBBPM10", IndexText);
}

QString Ex12(const ControlValues& c) {
  const QString type = c.Text(QStringLiteral("CBType12"));
  // CBEdu: item 0 testing mode, item 1 teaching mode.
  const int mode = c.Index(QStringLiteral("CBEdu"));
  const QVector<bool> cases = c.Checks(QStringLiteral("CHLBPM12"));
  bool noun_case = false;
  for (int i = 0; i < 5 && i < cases.size(); ++i) noun_case = noun_case || cases.at(i);
  const bool generic = cases.size() > 5 && cases.at(5);
  QString f;
  if (type == QStringLiteral("vety")) {
    f = QStringLiteral("WHERE category='1'");
  } else if (type == QStringLiteral("slovné spojenia") && mode == 0) {
    if (noun_case) f = generic ? QStringLiteral("WHERE category='0' OR category='2'") : QStringLiteral("WHERE category='0'");
    else if (generic) f = QStringLiteral("WHERE category='2'");
  } else if (type == QStringLiteral("slovné spojenia") && mode == 1) {
    if (noun_case) f = QStringLiteral("WHERE category='0'");
  }
  return f.isEmpty() ? NothingFilter(12) : f;
}

QString Ex17(const ControlValues& c) {
  if (c.Text(QStringLiteral("CBType17")) == QStringLiteral("stredne ťažká obtiažnosť") && c.Checked(QStringLiteral("CHBDual17")))
    return QStringLiteral("WHERE category='3'");
  return QStringLiteral("WHERE category='%1'").arg(c.Index(QStringLiteral("CBType17")));
}

}  // namespace

QString NothingFilter(int exam_no) {
  if (CategoryIsInteger(exam_no)) return QStringLiteral("WHERE CAST(category AS VARCHAR(20))='NOTHING'");
  return QString::fromLatin1(kNothingFilter);
}

bool IsNothingFilter(const QString& filter) { return filter.contains(QStringLiteral("='NOTHING'")); }

QString BuildTaskFilter(int exam_no, const ControlValues& c) {
  switch (exam_no) {
    case 2: return Ex2(c);
    case 3: return Ex3(c);
    case 4: return QuotedCategoryList(4, c, "CHLB4", IndexPlusOneText);
    case 5: return Ex5(c);
    case 6: return Ex6(c);
    case 7: return QStringLiteral("WHERE category='%1'").arg(c.Index(QStringLiteral("CBType7")));
    case 8: return Ex8(c);
    case 10: return Ex10(c);
    case 12: return Ex12(c);
    case 13: return QuotedCategoryList(13, c, "CHLBSD13", IndexText);
    case 14: return SyllableCountList(14, c, "CHLB14");
    case 15: return QStringLiteral("WHERE CHAR_LENGTH(category)<='3'");
    case 16: return QuotedCategoryList(16, c, "CHLBSZ16", IndexText);
    case 17: return Ex17(c);
    case 18: return SyllableCountList(18, c, "CHLB18");
    default: return QString();  // 1, 9, 11: every task
  }
}

int TaskUnitSize(int exam_no, const ControlValues& c) {
  int unit = 1;
  if (exam_no == 3) {
    unit = c.Value(QStringLiteral("SERow2"));
  } else if (exam_no == 17 && c.Text(QStringLiteral("CBType17")) == QStringLiteral("stredne ťažká obtiažnosť") &&
             c.Checked(QStringLiteral("CHBRow17"))) {
    unit = c.Checked(QStringLiteral("CHBDual17")) ? 3 : 6;
  }
  return std::max(unit, 1);
}

int ClampTaskLimit(int value, int max_limit) {
  constexpr int kMinimum = 2;
  if (value < kMinimum) return kMinimum;
  if (max_limit != 0 && value > max_limit) return max_limit;
  return value;
}

TaskCounts ComputeTaskCounts(int matching, int total, int unit, int current_limit) {
  TaskCounts t;
  t.matching = matching;
  t.total = total;
  t.unit = std::max(unit, 1);
  t.max_limit = matching / t.unit;
  t.limit = ClampTaskLimit(current_limit > t.max_limit ? matching : current_limit, t.max_limit);
  t.start_covered = matching == 0;
  t.count_text = QStringLiteral("Počet vybraných úloh: %1").arg(t.max_limit);
  t.count2_text = QStringLiteral("Počet všetkých úloh: %1").arg(total);
  t.max_info_text = QStringLiteral("(max. %1)").arg(t.max_limit);
  return t;
}

KeepOneCheckedResult KeepOneChecked(const QVector<bool>& checks, int tag) {
  KeepOneCheckedResult r;
  r.tag = tag;
  for (int i = 0; i < checks.size(); ++i) {
    if (checks.at(i)) r.tag = i;
  }
  if (!checks.contains(true) && r.tag >= 0 && r.tag < checks.size()) r.recheck = r.tag;
  return r;
}

QVector<int> DrawTaskIds(const QStringList& ids, int entries, QRandomGenerator& random, int unit) {
  QVector<int> numbers;
  numbers.reserve(ids.size());
  QSet<int> distinct;
  for (const QString& text : ids) {
    bool ok = false;
    const int id = text.trimmed().toInt(&ok);
    numbers.append(ok ? id : 0);
    if (ok && id > 0) distinct.insert(id);
  }
  int n = std::max(entries, 0);
  if (distinct.size() < n) {
    const int d = static_cast<int>(distinct.size());
    unit = std::max(unit, 1);
    n = d >= unit ? d / unit * unit : d;
  }
  QVector<int> drawn(n, 0);
  QSet<int> taken;
  const int count = static_cast<int>(numbers.size());
  for (int e = 0; e < n; ++e) {
    int id = 0;
    do {
      id = numbers.at(random.bounded(count));
    } while (id <= 0 || taken.contains(id));
    taken.insert(id);
    drawn[e] = id;
  }
  for (int s = 0; s < 3 * n + 1 && n > 0; ++s) {
    const int a = random.bounded(n);
    const int b = random.bounded(n);
    if (a != b) std::swap(drawn[a], drawn[b]);
  }
  return drawn;
}

}  // namespace mirvel
