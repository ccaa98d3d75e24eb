#pragma once

#include <QString>
#include <QStringList>

namespace mirvel {

class Store;

// The fields of one task as its exercise reads them from exam1 .. exam18.
// Only the columns that the exercise uses are filled; the others stay empty
// (or 0). `category` is filled for the exercises whose category is a number
// (10 to 13), `category_text` for those whose category is a text (14 to 18).
struct LoadedTask {
  QString word;
  QString added;
  QString correct;
  QString pos;
  QString letter;
  QString word1;
  QString word2;
  QString word3;
  QString word4;
  QString word5;
  QString word6;
  QString question;
  QString answer1;
  QString answer2;
  QString answer3;
  QString category_text;
  int category = 0;

  bool operator==(const LoadedTask&) const = default;
};

// Task loaders of data.fdb. Every function runs its statement through
// store.ZQD() and reads the whole result before it returns. A failed statement
// throws DbError, as everywhere in the store.
//
// `filter` is either empty or a complete WHERE clause built by the task
// selection from its own statement templates (its values are already quoted
// there); it is placed after the table name as it is.
//
// An exercise number outside 1 .. 18 throws DbError.

// Clears *list and appends the id of every task of the exercise that passes
// the filter, as decimal text, in the order the database returns them.
void ListTaskIds(Store& store, int exam_no, const QString& filter, QStringList* list);

// Number of tasks of the exercise that pass the filter (all of them for an
// empty filter).
int CountTasks(Store& store, int exam_no, const QString& filter);

// Loads task `id` of the exercise. Exercises with recordings read the task
// joined with its recording (for 5 to 8, 14, 15 and 18 only when
// `recording_path` is not empty; 1, 2 and 4 always) and write the recording
// to `recording_path`, replacing any file there. When the joined read finds
// no row (unknown id, or a word without a recording) the result is empty and
// the file is left empty. Exercises without recordings ignore the path.
// A recording file that cannot be written throws DbError and leaves no file.
LoadedTask LoadTask(Store& store, int exam_no, int id, const QString& recording_path);

// Appends (without clearing) the word of every task of exercise 10 in the
// given category, in database order.
void ListCategoryWords(Store& store, int category, QStringList* list);

}  // namespace mirvel
