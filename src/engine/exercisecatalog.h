#pragma once

#include <QString>

#include <array>

namespace mirvel {

// One exercise of the catalogue.
struct TExam {
  const char* Group;   // UTF-8
  const char* Name;    // UTF-8
  const char* Sheet;   // tab sheet of PC2 holding the exercise's page
  int Page;            // panel PMain + Page on that sheet
  int ExamNo;          // 1 .. 18
  int HelpNo;          // Pomoc/cvicenia/cvicenie<HelpNo>.html
  int MinYear;         // lowest school year with the menu entry enabled

  QString group() const { return QString::fromUtf8(Group); }
  QString name() const { return QString::fromUtf8(Name); }
  QString sheet() const { return QString::fromLatin1(Sheet); }
};

// The eighteen exercises in catalogue order.
extern const std::array<TExam, 18> ExerciseCatalog;

// 1-based position of the exercise in the catalogue, 0 when absent.
int CatalogPosition(int exam_no);
// The catalogue record of an exercise number; nullptr when absent.
const TExam* FindExam(int exam_no);

}  // namespace mirvel
