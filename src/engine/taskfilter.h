#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVector>

#include "engine/controlvalues.h"

namespace mirvel {

// The clause that matches no row of a task table whose category is text.
inline constexpr char kNothingFilter[] = "WHERE category='NOTHING'";

// The clause that matches no row of the task table of an exercise. Tables whose
// category column is an integer (exercises 3, 10, 11, 12, 13) get a form that
// compares the category as text: comparing an integer column with 'NOTHING'
// makes the database engine fail with a conversion error as soon as the table
// holds a row.
QString NothingFilter(int exam_no);
// True when the filter is one of the no-row clauses above.
bool IsNothingFilter(const QString& filter);

// The WHERE clause (or an empty text for all rows) that selects the tasks of
// exercise exam_no allowed by the settings controls in c. Every value placed in
// the clause is an item index, a spin edit value or a caption of a fixed list.
QString BuildTaskFilter(int exam_no, const ControlValues& c);

// How many task entries one unit of SELimit stands for: the rows per screen of
// exercise 3 (SERow2), 6 or 3 for exercise 17 with several texts per line,
// otherwise 1. Never below 1.
int TaskUnitSize(int exam_no, const ControlValues& c);

// The recount of the task counts of the selected exercise and what it does to
// the task-count spin edit (minimum 2; a maximum of 0 means no upper bound).
struct TaskCounts {
  int matching = 0;        // a: rows the filter matches (kept as the tag of LCount)
  int total = 0;           // rows of the whole table
  int unit = 1;            // b
  int max_limit = 0;       // c = a div b, the new maximum of SELimit
  int limit = 0;           // the new value of SELimit
  bool start_covered = false;  // PStartKrytka visible: nothing to run
  QString count_text;      // LCount
  QString count2_text;     // LCount2
  QString max_info_text;   // LMaxInfo
};
TaskCounts ComputeTaskCounts(int matching, int total, int unit, int current_limit);

// What a spin edit with minimum 2 and the given maximum makes of a value.
int ClampTaskLimit(int value, int max_limit);

// The rule that a filter check list never ends up with nothing checked. The tag
// ends as the index of the last checked item; when nothing is checked, the item
// at the previous tag is to be checked again (recheck), else recheck is -1.
struct KeepOneCheckedResult {
  int tag = 0;
  int recheck = -1;
};
KeepOneCheckedResult KeepOneChecked(const QVector<bool>& checks, int tag);

// Draws up to `entries` different task identifiers from ids (decimal texts,
// database order) at random and shuffles them with 3 * n + 1 random pair
// swaps. Identifiers that are not positive integers are never drawn. When fewer
// different identifiers exist than entries were asked for, the draw ends with
// all of them: the result has the largest multiple of `unit` (a screen or line
// of several entries) that they fill, or all of them when they do not fill one
// unit. An empty list gives an empty result.
QVector<int> DrawTaskIds(const QStringList& ids, int entries, QRandomGenerator& random, int unit = 1);

}  // namespace mirvel
