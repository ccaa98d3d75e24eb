#pragma once

// Builders of settings-control states for the engine tests: the item lists of
// the settings tabs and short ways to set a combo box or a check list.

#include <QString>
#include <QStringList>
#include <QVector>

#include <initializer_list>

#include "engine/controlvalues.h"

namespace mirvel::test {

inline QString U(const char* s) { return QString::fromUtf8(s); }

inline QStringList Items(std::initializer_list<const char*> items) {
  QStringList out;
  for (const char* i : items) out << U(i);
  return out;
}

// Check list with the items of the given captions checked.
inline void List(ControlValues& c, const char* name, const QStringList& items,
                 std::initializer_list<const char*> checked) {
  QVector<bool> checks(items.size(), false);
  for (const char* x : checked) checks[items.indexOf(U(x))] = true;
  c.SetCheckList(U(name), items, checks);
}

// Combo box showing the item with the given caption.
inline void Combo(ControlValues& c, const char* name, const QStringList& items, const char* shown) {
  c.SetCombo(U(name), items.indexOf(U(shown)), items);
}

inline const QStringList kSpeech = Items({"s hlasovým doprovodom", "bez hlasového doprovodu"});
inline const QStringList kWordsSentences = Items({"slová", "vety"});
inline const QStringList kException = Items({"bežná slovná zásoba", "výnimky a cudzie slová", "všetko spolu"});
inline const QStringList kSyllables =
    Items({"jednoslabičné", "dvojslabičné", "trojslabičné", "štvorslabičné", "päťslabičné"});

}  // namespace mirvel::test
