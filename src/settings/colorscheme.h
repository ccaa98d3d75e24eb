#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace mirvel {

// The seven colour schemes of the exercises, six colours each. Colour
// indices: 0 background, 1 text, 2 blue, 3 red, 4 orange, 5 green. Scheme
// numbers are the item indices of CBScheme; an unknown scheme number or
// colour index reads as scheme 0 / colour 0, so a damaged setting can never
// index outside the table.
class ColorScheme final {
 public:
  static constexpr int kSchemeCount = 7;
  static constexpr int kColourCount = 6;

  enum Colour { kBackground = 0, kText = 1, kBlue = 2, kRed = 3, kOrange = 4, kGreen = 5 };

  static QColor Get(int scheme, int colour);
  // The item text of CBScheme for the scheme.
  static QString Name(int scheme);
  // All seven names in scheme order.
  static QStringList Names();
};

}  // namespace mirvel
