#include "engine/marks.h"

#include <cmath>

namespace mirvel {

double SuccessPercent(int good, int k, bool multi_row) {
  const int answered = multi_row ? k - 1 : k;
  if (answered <= 0) return 0.0;
  return static_cast<double>(good) / answered * 100.0;
}

int RoundHalfEven(double value) {
  // std::nearbyint rounds in the current mode, which is to nearest with ties
  // to even unless someone changed it; do it explicitly instead.
  const double floor = std::floor(value);
  const double diff = value - floor;
  double result = floor;
  if (diff > 0.5) {
    result = floor + 1.0;
  } else if (diff == 0.5) {
    result = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
  }
  return static_cast<int>(result);
}

QString MarkFor(double success, const MarkThresholds& thresholds) {
  if (success == 100.0) return QStringLiteral("1*");
  if (success > thresholds[0]) return QStringLiteral("1");
  if (success > thresholds[1]) return QStringLiteral("2");
  if (success > thresholds[2]) return QStringLiteral("3");
  if (success >= thresholds[3]) return QStringLiteral("4");
  return QStringLiteral("5");
}

QString StoredMark(const QString& mark) { return mark == QStringLiteral("1*") ? QStringLiteral("0") : mark; }

}  // namespace mirvel
