#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTableWidget;

namespace mirvel {

class TForm1;

// The login window: the users' grid SGLogin (name, school year; the grid's
// header is its fixed header row, so "the header row is selected" means no
// data row is selected) and the management of users. Data row 0 is the
// predefined user, which can be neither deleted nor given another school
// year. Closes only through SBLogin.
class TFLogin final : public QDialog {
  Q_OBJECT
 public:
  explicit TFLogin(TForm1* form);

  // Fills the grid from the stored users, in order, and selects the user who
  // logged in last (no data row when there is none or it is not listed).
  void FillLoginGrid();
  // The name in the first column of the selected row (the predefined user when none).
  QString SelectedName() const;
  void SetAutoLoginBox(bool checked);

  QTableWidget* SGLogin() const { return grid_; }

  void SBLoginClick();
  void SBAddClick();
  void SBDelClick();
  void SBEditClick();

 protected:
  // No close button and no Escape: the window closes through SBLogin.
  void reject() override {}
  // Centred on the screen each time it opens.
  void showEvent(QShowEvent* event) override;

 private:
  int AppendRow(const QString& name, int school_year);
  // Every selected row removed from the grid.
  void DeleteSelectedGridRows();

  TForm1* form_;
  QTableWidget* grid_ = nullptr;
  QCheckBox* auto_login_ = nullptr;
};

}  // namespace mirvel
