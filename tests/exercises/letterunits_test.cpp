#include "exercises/letterunits.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QSet>

#include <deque>
#include <memory>

#include "exercises/texthelpers.h"

namespace mirvel {
namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// Answers the given values in turn, then 0.
RandomInt Scripted(std::deque<int> values) {
  auto queue = std::make_shared<std::deque<int>>(std::move(values));
  return [queue](int m) {
    if (queue->empty()) return 0;
    const int v = queue->front();
    queue->pop_front();
    return v % m;
  };
}

RandomInt Seeded(quint32 seed) {
  auto gen = std::make_shared<QRandomGenerator>(seed);
  return [gen](int m) { return static_cast<int>(gen->bounded(m)); };
}

TEST(LetterUnitsTest, SplitsTheSixPairsCaseSensitively) {
  struct Case {
    const char* word;
    QStringList units;
  };
  const Case cases[] = {
      {"chata", {"ch", "a", "t", "a"}},
      {"Chata", {"C", "h", "a", "t", "a"}},
      {"chochol", {"ch", "o", "ch", "o", "l"}},
      {"dievča", {"d", "ie", "v", "č", "a"}},
      {"ľadžik", {"ľ", "a", "dž", "i", "k"}},
      {"medzi", {"m", "e", "dz", "i"}},
      {"Dzurek", {"D", "z", "u", "r", "e", "k"}},
      {"sviatok", {"s", "v", "ia", "t", "o", "k"}},
      {"ľudia", {"ľ", "u", "d", "ia"}},
      {"iu", {"iu"}},
      {"c", {"c"}},
  };
  for (const Case& c : cases) {
    QStringList expected;
    for (const QString& u : c.units) expected << u;
    EXPECT_EQ(SplitLetterUnits(U(c.word)), expected) << c.word;
  }
}

TEST(LetterUnitsTest, GapPositions) {
  struct Case {
    const char* word;
    int kind;
    std::deque<int> random;
    int gap;
    const char* presented;
    const char* unit;
  };
  const Case cases[] = {
      {"strach", 2, {}, 5, "stra_", "ch"},   // a final pair is hidden whole
      {"chata", 0, {}, 1, "_ata", "ch"},
      {"Chata", 0, {}, 1, "_hata", "C"},     // capital C and h are two units
      {"mucha", 1, {3}, 3, "mu_a", "ch"},    // drawn on the h: moves to the c
      {"mucha", 1, {4}, 3, "mu_a", "ch"},    // the last letter is never hidden
      {"chata", 1, {1}, 3, "ch_ta", "a"},    // a pair that starts the word is not split
      {"chata", 1, {0}, 3, "ch_ta", "a"},
      {"strach", 1, {4}, 4, "str_ch", "a"},  // next to a final pair: moves off it
      {"pes", 1, {2}, 2, "p_s", "e"},
      {"ja", 1, {0}, 1, "_a", "j"},          // two letters: position 1
      {"a", 1, {0}, 1, "_", "a"},            // one letter: stays inside
      {"a", 2, {}, 1, "_", "a"},
  };
  for (const Case& c : cases) {
    const QString w = U(c.word);
    const int g = ChooseGapPosition(w, c.kind, Scripted(c.random));
    EXPECT_EQ(g, c.gap) << c.word << " kind " << c.kind;
    EXPECT_EQ(PresentWithGap(w, g), U(c.presented)) << c.word;
    EXPECT_EQ(LetterUnitAt(w, g), U(c.unit)) << c.word;
  }
}

TEST(LetterUnitsTest, MiddleGapsStayInsideEveryWord) {
  const QStringList words = {U("chochol"), U("dievča"), U("medzi"), U("ľudia"), U("ab"), U("abc")};
  RandomInt random = Seeded(7);
  for (const QString& w : words) {
    for (int i = 0; i < 50; ++i) {
      const int g = ChooseGapPosition(w, 1, random);
      ASSERT_GE(g, 1) << w.toStdString();
      ASSERT_LE(g, w.size()) << w.toStdString();
      if (w.size() > 2) {
        EXPECT_LT(g + LetterUnitAt(w, g).size() - 1, w.size()) << w.toStdString();
      }
    }
  }
}

TEST(LetterUnitsTest, LetterSlotsOfferTheUnitAndDistinctOthers) {
  struct Case {
    const char* unit;
    int m;
    bool upper;
  };
  const Case cases[] = {{"ch", 3, false}, {"a", 10, false}, {"C", 10, true}, {"ž", 5, false}};
  RandomInt random = Seeded(11);
  for (const Case& c : cases) {
    for (int round = 0; round < 20; ++round) {
      const QStringList slots = OfferLetterSlots(U(c.unit), c.m, SlovakAlphabet(), random);
      ASSERT_EQ(slots.size(), 10);
      QSet<QString> seen;
      int units = 0;
      for (int k = 0; k < 10; ++k) {
        const QString s = slots.at(k);
        if (k >= c.m) {
          EXPECT_TRUE(s.isEmpty()) << c.unit;
          continue;
        }
        ASSERT_FALSE(s.isEmpty()) << c.unit << " slot " << k;
        EXPECT_FALSE(seen.contains(s.toLower())) << c.unit << " repeats " << s.toStdString();
        seen.insert(s.toLower());
        if (s == U(c.unit)) {
          ++units;
        } else {
          EXPECT_EQ(s, c.upper ? s.toUpper() : s.toLower()) << c.unit;
          EXPECT_TRUE(SlovakAlphabet().contains(s.toLower())) << s.toStdString();
        }
      }
      EXPECT_EQ(units, 1) << c.unit;
    }
  }
}

TEST(LetterUnitsTest, WordSlotsOfferEachUnitOnce) {
  struct Case {
    const char* word;
    const char* added;
    bool always_ten;
    QStringList offered;  // in any order among the first slots
    int distinct;
  };
  const Case cases[] = {
      {"chata", "bcdefghijk", false, {"ch", "a", "t"}, 3},
      {"chochol", "abcdefghij", false, {"ch", "o", "l"}, 3},
      {"Ema", "xyzuvwrstq", false, {"E", "m", "a"}, 3},
      {"eme", "abcdefghij", false, {"e", "m"}, 2},  // E and e count once
  };
  RandomInt random = Seeded(3);
  for (const Case& c : cases) {
    int d = 0;
    const QStringList slots = OfferWordSlots(U(c.word), U(c.added), c.always_ten, random, &d);
    EXPECT_EQ(d, c.distinct) << c.word;
    QStringList first = slots.mid(0, d);
    first.sort();
    QStringList expected = c.offered;
    expected.sort();
    EXPECT_EQ(first, expected) << c.word;
    // Beyond the word's units, the extra letters in order.
    for (int k = d; k < 10; ++k) EXPECT_EQ(slots.at(k), QString(U(c.added).at(k - d))) << c.word;
  }
  // Always ten: the word's units and the extra letters are shuffled together.
  int d = 0;
  const QStringList ten = OfferWordSlots(U("chata"), U("bdefgiklm"), true, Seeded(5), &d);
  QStringList sorted = ten;
  sorted.sort();
  QStringList expected = {U("ch"), U("a"), U("t"), U("b"), U("d"), U("e"), U("f"), U("g"), U("i"), U("k")};
  expected.sort();
  EXPECT_EQ(sorted, expected);
}

TEST(LetterUnitsTest, ComposingAndErasing) {
  EXPECT_EQ(GapsText(4), U("_ _ _ _"));
  EXPECT_EQ(GapsText(1), U("_"));
  struct Case {
    const char* before;
    const char* after;
  };
  const Case erase[] = {
      {"ch a t a", "ch a t _"},
      {"ch a t _", "ch a _ _"},
      {"ch _ _ _", "_ _ _ _"},
      {"_ _ _ _", "_ _ _ _"},  // nothing entered: unchanged
      {"a dž", "a _"},
      {"ch", "_"},
  };
  for (const Case& c : erase) EXPECT_EQ(EraseLastUnit(U(c.before)), U(c.after)) << c.before;

  EXPECT_EQ(FillFirstGap(U("ch _ _ _"), U("a")), U("ch a _ _"));
  EXPECT_EQ(FillFirstGap(U("ch a t a"), U("a")), U("ch a t a"));
  struct Expect {
    const char* solution;
    const char* text;
    bool composed;
    const char* unit;
  };
  const Expect expect[] = {
      {"chata", "_ _ _ _", true, "ch"}, {"chata", "ch _ _ _", true, "a"}, {"chata", "ch a t _", true, "a"},
      {"strach", "stra_", false, "ch"}, {"Chata", "_hata", false, "C"},   {"chata", "ch a t a", true, ""},
  };
  for (const Expect& e : expect)
    EXPECT_EQ(ExpectedUnit(U(e.solution), U(e.text), e.composed), U(e.unit)) << e.text;
}

}  // namespace
}  // namespace mirvel
