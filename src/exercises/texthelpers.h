#pragma once

#include <QChar>
#include <QString>

namespace mirvel {

// The 39 lower-case letters distractors are drawn from (no q, w, x, ŕ).
QString SlovakAlphabet();
// Separates the parts of multi-part task fields.
inline constexpr QChar FieldSeparator = u'/';

// "í" for a long vowel (í, ý, or the marker bytes 2 and 3), else "i".
QString ILetterFor(QChar c);
// "ý" for a long vowel (í, ý, or the marker bytes 2 and 3), else "y".
QString YLetterFor(QChar c);

QString RemoveChar(const QString& text, QChar c);
int CountChar(const QString& text, QChar c);
// Fields are numbered from 1; out of range gives an empty text.
QString NthField(const QString& text, QChar separator, int n);
// Positions (from 1) of the "." markers, joined with FieldSeparator; the last
// character is never a marker.
QString ListMarkedGaps(const QString& text);
// á é í ó ú ý become a e i o u y; nothing else changes.
QString StripLengthMarks(const QString& text);
// "abc" -> "a b c".
QString SpreadLetters(const QString& text);
// True when the text at position pos (0-based) starts a two-letter unit
// ch, dz or dž (lower or upper case first letter); sets *length to 2 then.
bool IsLetterUnitAt(const QString& text, int pos, int* length = nullptr);

// Processes pending events at least once, then until ms milliseconds passed.
void WaitMs(int ms);

}  // namespace mirvel
