#include "engine/marks.h"

#include <gtest/gtest.h>

namespace mirvel {
namespace {

TEST(MarksTest, MarkForTheBoundsOfEachMark) {
  struct Case {
    double success;
    const char* with_defaults;
    const char* with_90_80_70_60;
  };
  const Case cases[] = {
      {100.0, "1*", "1*"}, {99.99, "1", "1"}, {90.0, "1", "2"},  {85.0, "2", "2"},
      {80.0, "2", "3"},    {75.0, "3", "3"},  {70.0, "3", "4"},  {65.0, "4", "4"},
      {60.0, "4", "4"},    {59.0, "4", "5"},  {50.0, "4", "5"},  {49.99, "5", "5"},
      {0.0, "5", "5"},     {200.0 / 3.0, "3", "4"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MarkFor(c.success), QString::fromLatin1(c.with_defaults)) << c.success;
    EXPECT_EQ(MarkFor(c.success, {90, 80, 70, 60}), QString::fromLatin1(c.with_90_80_70_60)) << c.success;
  }
}

TEST(MarksTest, SuccessOfNormalAndMultiRowRuns) {
  EXPECT_DOUBLE_EQ(SuccessPercent(8, 10, false), 80.0);
  EXPECT_DOUBLE_EQ(SuccessPercent(9, 10, false), 90.0);
  EXPECT_DOUBLE_EQ(SuccessPercent(1, 1, false), 100.0);
  EXPECT_DOUBLE_EQ(SuccessPercent(0, 1, false), 0.0);
  EXPECT_DOUBLE_EQ(SuccessPercent(4, 6, true), 80.0);  // five rows shown
  EXPECT_DOUBLE_EQ(SuccessPercent(0, 1, true), 0.0);
  EXPECT_DOUBLE_EQ(SuccessPercent(0, 0, false), 0.0);
}

TEST(MarksTest, RoundingHalvesToEven) {
  const std::pair<double, int> cases[] = {{200.0 / 3.0, 67}, {62.5, 62}, {87.5, 88}, {12.5, 12},
                                          {0.5, 0},          {1.5, 2},   {100.0, 100}, {49.99, 50}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(MarksTest, PerfectMarkIsStoredAsZero) {
  EXPECT_EQ(StoredMark(QStringLiteral("1*")), QStringLiteral("0"));
  EXPECT_EQ(StoredMark(QStringLiteral("3")), QStringLiteral("3"));
}

}  // namespace
}  // namespace mirvel
