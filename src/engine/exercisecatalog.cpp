#include "engine/exercisecatalog.h"

namespace mirvel {

const std::array<TExam, 18> ExerciseCatalog = {{
    {"Sluchové cvičenia", "Dopĺňanie jedného písmena", "TS11", 1, 1, 1, 1},
    {"Sluchové cvičenia", "Skladanie slova z písmen", "TS11", 1, 2, 1, 1},
    {"Sluchové cvičenia", "Skladanie slova zo slabík", "TS14", 4, 4, 1, 1},
    {"Sluchové cvičenia", "Určovanie dĺžky slabík bzučiakom", "TS18", 8, 18, 5, 1},
    {"Sluchové cvičenia", "Dopĺňanie dĺžňov do slov", "TS17", 7, 14, 5, 1},
    {"Sluchové cvičenia", "Zaraďovanie slova podľa predlohy", "TS17", 7, 15, 5, 1},
    {"Zrakové cvičenia", "Zraková diferenciácia", "TS13", 3, 3, 2, 1},
    {"Zrakové cvičenia", "Dopĺňanie b/d/p", "TS15", 5, 5, 3, 1},
    {"Cvičenia čítania", "Čítanie nezmyselných slabík", "TS17", 7, 17, 12, 2},
    {"Cvičenia čítania", "Rozšírenie slovnej zásoby", "TS17", 7, 16, 11, 4},
    {"Gramatické cvičenia", "Spoluhlásky - slová s i/y po d/t/n", "TS16", 6, 6, 4, 2},
    {"Gramatické cvičenia", "Spoluhlásky - slová s dvoma i/y", "TS16", 6, 7, 4, 2},
    {"Gramatické cvičenia", "Spoluhlásky - slová s i/y bez d/t/n", "TS16", 6, 8, 4, 2},
    {"Gramatické cvičenia", "Rozlišovanie ä/e", "TS16", 6, 9, 6, 2},
    {"Gramatické cvičenia", "Vybrané a odvodené slová", "TS16", 6, 10, 8, 3},
    {"Gramatické cvičenia", "Koncovka -ou/-ov", "TS16", 6, 11, 7, 3},
    {"Gramatické cvičenia", "Určovanie slovných druhov", "TS16", 6, 13, 10, 3},
    {"Gramatické cvičenia", "Písanie prídavných mien", "TS16", 6, 12, 9, 4},
}};

int CatalogPosition(int exam_no) {
  for (size_t i = 0; i < ExerciseCatalog.size(); ++i) {
    if (ExerciseCatalog[i].ExamNo == exam_no) return static_cast<int>(i) + 1;
  }
  return 0;
}

const TExam* FindExam(int exam_no) {
  const int pos = CatalogPosition(exam_no);
  return pos == 0 ? nullptr : &ExerciseCatalog[static_cast<size_t>(pos - 1)];
}

}  // namespace mirvel
