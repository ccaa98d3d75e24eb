#pragma once

#include <QString>

#include <array>

namespace mirvel {

// The four mark thresholds of the settings page, SE1 > SE2 > SE3 > SE4.
using MarkThresholds = std::array<int, 4>;
inline constexpr MarkThresholds kDefaultMarkThresholds = {85, 75, 65, 50};

// The share of good outcomes in percent. k is the 1-based index of the entry
// being recorded; with several rows per screen the index has already moved past
// the rows shown, so the share is taken of k - 1 entries (0 when k is 1).
double SuccessPercent(int good, int k, bool multi_row);

// A percentage as a whole number, halves to even (66.67 -> 67, 62.5 -> 62).
int RoundHalfEven(double value);

// The school mark for a success: "1*" at exactly 100; above SE1 "1"; above SE2
// up to SE1 "2"; above SE3 up to SE2 "3"; from SE4 up to SE3 "4" (SE4 itself is
// still a "4"); below SE4 "5".
QString MarkFor(double success, const MarkThresholds& thresholds = kDefaultMarkThresholds);

// The mark as stored with a run: "1*" becomes "0".
QString StoredMark(const QString& mark);

}  // namespace mirvel
