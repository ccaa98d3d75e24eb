#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace mirvel {

// Letter units of the hearing exercises: "ch", "ia", "ie", "iu", "dz" and "dž"
// count as one unit (one gap, one button); every other character is a unit by
// itself. The test is case-sensitive: "Ch" is two units.
//
// Positions are 1-based, as the pupil counts letters.

// Returns an integer in [0, m).
using RandomInt = std::function<int(int m)>;

// w[k] w[k+1] form one of the six pairs.
bool IsLetterPair(const QString& w, int k);
// The unit starting at k: two characters where they form a pair, else one.
QString LetterUnitAt(const QString& w, int k);
// The units of w from left to right.
QStringList SplitLetterUnits(const QString& w);

// Where exercise 1 hides a unit: kind 0 the first, 1 a middle, 2 the last
// one. A final pair is hidden as a whole, a middle gap never reaches the last
// letter nor splits a pair. The result always lies inside a non-empty word.
int ChooseGapPosition(const QString& w, int kind, const RandomInt& random);
// w with the unit at g replaced by one "_".
QString PresentWithGap(const QString& w, int g);

// The letter buttons of exercise 1: slot 1 holds the hidden unit, slots 2 .. m
// distinct letters of alphabet (none equal to another slot ignoring case; in
// upper case when the hidden unit is in upper case), then 3 m random swaps.
// Ten slots are returned, the ones above m empty.
QStringList OfferLetterSlots(const QString& unit, int m, const QString& alphabet, const RandomInt& random);
// The letter buttons of exercise 2: the word's distinct units (ignoring case,
// at most ten) in slots 1 .. d, the characters of added in the next slots,
// then 3 n random swaps among the first n slots. *distinct gets d.
QStringList OfferWordSlots(const QString& w, const QString& added, bool always_ten, const RandomInt& random,
                           int* distinct);

// "_ _ _" with one gap per unit.
QString GapsText(int units);
// The first "_" replaced by c; unchanged without a gap.
QString FillFirstGap(const QString& text, const QString& c);
// The unit the solution expects in the first gap: for exercise 1 at the gap's
// position in the text, for exercise 2 after the units composed so far.
// Empty when the text has no gap.
QString ExpectedUnit(const QString& solution, const QString& text, bool composed);
// "Vymazať písmeno" of exercise 2: the last unit entered becomes a gap again.
// Unchanged when nothing has been entered.
QString EraseLastUnit(const QString& text);

}  // namespace mirvel
