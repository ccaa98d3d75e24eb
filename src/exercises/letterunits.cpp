#include "exercises/letterunits.h"

#include <algorithm>

namespace mirvel {
namespace {

// The pairs in the order the gap rules test them.
const QString kPairs[] = {QStringLiteral("ch"), QStringLiteral("ia"), QStringLiteral("ie"),
                          QStringLiteral("iu"), QStringLiteral("dz"), QString::fromUtf8("dž")};

bool IsPair(QChar a, QChar b) {
  if (a == u'c') return b == u'h';
  if (a == u'i') return b == u'a' || b == u'e' || b == u'u';
  if (a == u'd') return b == u'z' || b == u'ž';
  return false;
}

// w[k] w[k+1] (1-based) equals the pair p.
bool PairAt(const QString& w, int k, const QString& p) {
  return k >= 1 && k + 1 <= w.size() && w.mid(k - 1, 2) == p;
}

bool SameIgnoringCase(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

void Shuffle(QStringList* slots, int n, const RandomInt& random) {
  for (int s = 0; s < 3 * n; ++s) {
    const int i = random(n);
    const int j = random(n);
    slots->swapItemsAt(i, j);
  }
}

}  // namespace

bool IsLetterPair(const QString& w, int k) { return k >= 1 && k < w.size() && IsPair(w.at(k - 1), w.at(k)); }

QString LetterUnitAt(const QString& w, int k) {
  if (k < 1 || k > w.size()) return QString();
  return w.mid(k - 1, IsLetterPair(w, k) ? 2 : 1);
}

QStringList SplitLetterUnits(const QString& w) {
  QStringList units;
  for (int k = 1; k <= w.size();) {
    const QString unit = LetterUnitAt(w, k);
    units << unit;
    k += static_cast<int>(unit.size());
  }
  return units;
}

int ChooseGapPosition(const QString& w, int kind, const RandomInt& random) {
  const int length = static_cast<int>(w.size());
  if (length <= 1) return 1;
  int g = 1;
  if (kind == 2) {
    g = length;
    for (const QString& p : kPairs)
      if (PairAt(w, g - 1, p)) --g;
  } else if (kind == 1) {
    g = random(length) + 1;
    if (g == 1) g = 2;
    if (g == length) g = length - 1;
    if (g == length - 1) {
      for (const QString& p : kPairs)
        if (PairAt(w, g, p)) --g;
    }
    if (g == 2) {
      for (const QString& p : kPairs)
        if (PairAt(w, g - 1, p)) ++g;
    } else {
      for (const QString& p : kPairs)
        if (PairAt(w, g - 1, p)) --g;
    }
  }
  return std::clamp(g, 1, length);
}

QString PresentWithGap(const QString& w, int g) {
  const QString unit = LetterUnitAt(w, g);
  if (unit.isEmpty()) return w;
  return w.left(g - 1) + QLatin1Char('_') + w.mid(g - 1 + unit.size());
}

QStringList OfferLetterSlots(const QString& unit, int m, const QString& alphabet, const RandomInt& random) {
  QStringList slots(10);
  m = std::clamp(m, 1, 10);
  slots[0] = unit;
  const bool upper = unit == unit.toUpper();
  for (int s = 1; s < m; ++s) {
    auto taken = [&](const QString& letter) {
      for (int t = 0; t < s; ++t)
        if (SameIgnoringCase(slots.at(t), letter)) return true;
      return false;
    };
    // The draw ends: it only starts when a free letter is left.
    bool free_left = false;
    for (QChar c : alphabet) free_left = free_left || !taken(QString(c));
    if (!free_left) break;
    QString letter;
    do {
      letter = QString(alphabet.at(random(static_cast<int>(alphabet.size()))));
    } while (taken(letter));
    slots[s] = upper ? letter.toUpper() : letter.toLower();
  }
  Shuffle(&slots, m, random);
  return slots;
}

QStringList OfferWordSlots(const QString& w, const QString& added, bool always_ten, const RandomInt& random,
                           int* distinct) {
  QStringList slots(10);
  int d = 0;
  for (const QString& unit : SplitLetterUnits(w)) {
    if (d == 10) break;
    bool seen = false;
    for (int t = 0; t < d; ++t) seen = seen || SameIgnoringCase(slots.at(t), unit);
    if (!seen) slots[d++] = unit;
  }
  for (int s = d, a = 0; s < 10 && a < added.size(); ++s, ++a) slots[s] = QString(added.at(a));
  if (distinct) *distinct = d;
  const int n = always_ten ? 10 : d;
  if (n > 0) Shuffle(&slots, n, random);
  return slots;
}

QString GapsText(int units) {
  if (units <= 0) return QString();
  return QStringLiteral("_ ").repeated(units - 1) + QLatin1Char('_');
}

QString FillFirstGap(const QString& text, const QString& c) {
  const qsizetype p = text.indexOf(QLatin1Char('_'));
  if (p < 0) return text;
  return text.left(p) + c + text.mid(p + 1);
}

QString ExpectedUnit(const QString& solution, const QString& text, bool composed) {
  qsizetype q = text.indexOf(QLatin1Char('_'));
  if (q < 0) return QString();
  if (composed) q = QString(text).remove(QLatin1Char(' ')).indexOf(QLatin1Char('_'));
  return LetterUnitAt(solution, static_cast<int>(q) + 1);
}

QString EraseLastUnit(const QString& text) {
  QString t = text;
  const qsizetype p = t.indexOf(QLatin1Char('_'));
  qsizetype last = -1;  // the last character of the last unit entered
  if (p >= 0) {
    if (p < 2) return t;
    last = p - 2;
  } else {
    if (t.isEmpty()) return t;
    last = t.size() - 1;
  }
  const bool pair = last >= 1 && IsPair(t.at(last - 1), t.at(last));
  t[last] = u'_';
  if (pair) t.remove(last - 1, 1);
  return t;
}

}  // namespace mirvel
