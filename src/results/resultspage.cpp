#include "results/resultspage.h"

#include "app/tform1.h"

namespace mirvel {

ResultsPage::ResultsPage(TForm1* form, QWidget* parent) : QWidget(parent), form_(form) {
  setObjectName(QStringLiteral("TSResults"));
}

void ResultsPage::SetUpGridColumns() {}
void ResultsPage::ShowResultsPage() { form_->ShowPage(this); }

}  // namespace mirvel
