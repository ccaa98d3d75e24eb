#pragma once

#include <QDialog>

class QCheckBox;
class QTableWidget;

namespace mirvel {

class TForm1;

// The login window: the users' grid SGLogin; "&Prihlásiť používateľa" logs
// the selected user in (the predefined user when no row is selected).
class TFLogin final : public QDialog {
  Q_OBJECT
 public:
  explicit TFLogin(TForm1* form);

  // Fills SGLogin from the stored users and selects the one who logged in last.
  void FillLoginGrid();
  // The name in the first column of the selected row.
  QString SelectedName() const;
  void SetAutoLoginBox(bool checked);
  bool AutoLoginBox() const;

 private:
  void SBLoginClick();

  TForm1* form_;
  QTableWidget* grid_ = nullptr;
  QCheckBox* auto_login_ = nullptr;
};

}  // namespace mirvel
