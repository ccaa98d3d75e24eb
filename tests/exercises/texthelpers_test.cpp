#include "exercises/texthelpers.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace mirvel {
namespace {

TEST(TextHelpers, AlphabetOrderAndContent) {
  const QString a = SlovakAlphabet();
  EXPECT_EQ(a.size(), 39);
  EXPECT_EQ(a, QStringLiteral(u"aáäbcčdďeéfghiíjklľĺmnňoóôprsštťyýuúvzž"));
  for (const QChar c : QStringLiteral(u"qwxŕ")) EXPECT_FALSE(a.contains(c)) << int(c.unicode());
  EXPECT_LT(a.indexOf(u'ť'), a.indexOf(u'y'));
  EXPECT_LT(a.indexOf(u'ý'), a.indexOf(u'u'));
}

TEST(TextHelpers, IAndYLetterFollowVowelLength) {
  struct Case { char16_t in; const char16_t* i; const char16_t* y; };
  const Case cases[] = {
      {u'\u00ED', u"í", u"ý"}, {u'\u00FD', u"í", u"ý"}, {2, u"í", u"ý"}, {3, u"í", u"ý"},
      {u'i', u"i", u"y"},      {u'y', u"i", u"y"},      {u'a', u"i", u"y"}, {u'Í', u"i", u"y"},
      {1, u"i", u"y"},         {4, u"i", u"y"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ILetterFor(QChar(c.in)), QString::fromUtf16(c.i)) << int(c.in);
    EXPECT_EQ(YLetterFor(QChar(c.in)), QString::fromUtf16(c.y)) << int(c.in);
  }
}

TEST(TextHelpers, NthField) {
  struct Case { const char* text; int n; const char* want; };
  const Case cases[] = {
      {"pes/les/ves", 1, "pes"}, {"pes/les/ves", 2, "les"}, {"pes/les/ves", 3, "ves"},
      {"pes/les/ves", 4, ""},    {"pes/les/ves", 0, ""},    {"pes/les/ves", -1, ""},
      {"", 1, ""},               {"a//b", 2, ""},           {"a//b", 3, "b"},
      {"/a", 1, ""},             {"/a", 2, "a"},            {"a/", 2, ""},
      {"abc", 1, "abc"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NthField(QString::fromUtf8(c.text), FieldSeparator, c.n), QString::fromUtf8(c.want))
        << c.text << " " << c.n;
}

TEST(TextHelpers, ListMarkedGapsIgnoresLastCharacter) {
  EXPECT_EQ(ListMarkedGaps("mal. pes."), "4");
  EXPECT_EQ(ListMarkedGaps(".a.b"), "1/3");
  EXPECT_EQ(ListMarkedGaps("ab"), "");
  EXPECT_EQ(ListMarkedGaps("."), "");
  EXPECT_EQ(ListMarkedGaps(""), "");
}

TEST(TextHelpers, StripLengthMarksOnlyTheSixLowerCaseVowels) {
  EXPECT_EQ(StripLengthMarks(QStringLiteral(u"kôň")), QStringLiteral(u"kôň"));
  EXPECT_EQ(StripLengthMarks(QStringLiteral(u"Úsvit")), QStringLiteral(u"Úsvit"));
  EXPECT_EQ(StripLengthMarks(QStringLiteral(u"dážď")), QStringLiteral(u"dažď"));
  EXPECT_EQ(StripLengthMarks(QStringLiteral(u"áéíóúýäĺľ")), QStringLiteral(u"aeiouyäĺľ"));
}

TEST(TextHelpers, CountRemoveSpread) {
  EXPECT_EQ(RemoveChar("a b c", u' '), "abc");
  EXPECT_EQ(CountChar("a/b/c", u'/'), 2);
  EXPECT_EQ(CountChar("", u'/'), 0);
  EXPECT_EQ(SpreadLetters("abc"), "a b c");
  EXPECT_EQ(SpreadLetters("a"), "a");
  EXPECT_EQ(SpreadLetters(""), "");
}

TEST(TextHelpers, LetterUnits) {
  int len = 0;
  for (const QString& w : {QStringLiteral(u"chata"), QStringLiteral(u"Chata"), QStringLiteral(u"dzvon"),
                           QStringLiteral(u"džús")}) {
    EXPECT_TRUE(IsLetterUnitAt(w, 0, &len)) << w.toStdString();
    EXPECT_EQ(len, 2);
  }
  EXPECT_FALSE(IsLetterUnitAt(QStringLiteral(u"cesta"), 0, &len));
  EXPECT_EQ(len, 1);
  EXPECT_FALSE(IsLetterUnitAt(QStringLiteral(u"c"), 0, &len));
  EXPECT_FALSE(IsLetterUnitAt(QStringLiteral(u"dom"), 0));
}

TEST(TextHelpers, WaitMsZeroStillRunsPendingEvents) {
  bool ran = false;
  QTimer::singleShot(0, [&ran] { ran = true; });
  WaitMs(0);
  EXPECT_TRUE(ran);
  bool later = false;
  QTimer::singleShot(10, [&later] { later = true; });
  WaitMs(50);
  EXPECT_TRUE(later);
}

}  // namespace
}  // namespace mirvel
