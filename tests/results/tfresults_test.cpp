#include "results/tfresults.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace mirvel {
namespace {

QString Text(const TFResults& d, const char* name) {
  return d.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

TEST(TFResultsTest, FillShowsCompletedAndInterruptedRuns) {
  struct Case {
    bool completed;
    const char* motivation;
    const char* correct;
  };
  for (const Case& c : {Case{true, "Výborne!", "Riadne ukončené."}, Case{false, "-", "Prerušené!"}}) {
    TFResults d;
    d.Fill({QStringLiteral("Eva"), QStringLiteral("Skupina - A"), QStringLiteral("00:01:05"), QStringLiteral("5/10"),
            QStringLiteral("1*"), QStringLiteral("Výborne!"), c.completed, 42});
    EXPECT_EQ(Text(d, "LUser"), QStringLiteral("Eva"));
    EXPECT_EQ(Text(d, "LMark"), QStringLiteral("1*"));
    EXPECT_EQ(Text(d, "LMotivation"), QString::fromUtf8(c.motivation));
    EXPECT_EQ(Text(d, "LCorrect"), QString::fromUtf8(c.correct));
    QSignalSpy spy(&d, &TFResults::DetailRequested);
    d.findChild<QPushButton*>(QStringLiteral("SBDetail"))->click();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("42"));
  }
}

}  // namespace
}  // namespace mirvel
