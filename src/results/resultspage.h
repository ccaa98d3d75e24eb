#pragma once

#include <QWidget>

namespace mirvel {

class TForm1;

// The results page TSResults with its centred panel PResults.
class ResultsPage final : public QWidget {
  Q_OBJECT
 public:
  ResultsPage(TForm1* form, QWidget* parent);

  // Creation step 8: the ten columns of SG.
  void SetUpGridColumns();
  // SBResults: shows the page, fills it, focuses SG and selects its last row.
  void ShowResultsPage();

 private:
  TForm1* form_;
};

}  // namespace mirvel
