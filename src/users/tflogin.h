#pragma once

#include <QDialog>

namespace mirvel {

class TForm1;

// The login window: the users' grid SGLogin and their management.
class TFLogin final : public QDialog {
  Q_OBJECT
 public:
  explicit TFLogin(TForm1* form);

  void FillLoginGrid();
  // The name in the first column of the selected row (the predefined user when none).
  QString SelectedName() const;
  void SetAutoLoginBox(bool checked);

 private:
  TForm1* form_;
  QString selected_;
};

}  // namespace mirvel
