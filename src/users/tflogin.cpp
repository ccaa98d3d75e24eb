#include "users/tflogin.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/tform1.h"
#include "users/dragbar.h"

namespace mirvel {

TFLogin::TFLogin(TForm1* form) : QDialog(form, Qt::Dialog | Qt::FramelessWindowHint), form_(form) {
  setObjectName(QStringLiteral("TFLogin"));
  setWindowTitle(QStringLiteral("Prihlasovacie okno Mirvel"));
  setFixedSize(560, 329);
  setModal(true);
  setStyleSheet(QStringLiteral("QDialog#TFLogin { border: 1px solid #404040; background: #f0f0f0; }"));
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(1, 1, 1, 8);
  auto* title = new QLabel(QStringLiteral("PRIHLÁSENIE POUŽÍVATEĽA MIRVEL"), this);
  title->setObjectName(QStringLiteral("LTitle"));
  title->setAlignment(Qt::AlignCenter);
  title->setMinimumHeight(26);
  title->setStyleSheet(QStringLiteral("QLabel { background: black; color: white; font-weight: bold; }"));
  new DragBar(title);
  col->addWidget(title);

  auto* row = new QHBoxLayout;
  row->setContentsMargins(8, 4, 8, 4);
  grid_ = new QTableWidget(0, 2, this);
  grid_->setObjectName(QStringLiteral("SGLogin"));
  grid_->setHorizontalHeaderLabels({QStringLiteral("Meno"), QStringLiteral("Ročník")});
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->verticalHeader()->hide();
  grid_->setColumnWidth(0, 300);
  grid_->setColumnWidth(1, 95);
  grid_->setStyleSheet(QStringLiteral("QTableWidget::item:selected { background: #FFFF00; color: black; }"));
  row->addWidget(grid_, 1);
  auto* login = new QPushButton(QStringLiteral("&Prihlásiť používateľa"), this);
  login->setObjectName(QStringLiteral("SBLogin"));
  login->setMinimumHeight(34);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(login);
  buttons->addStretch(1);
  row->addLayout(buttons);
  col->addLayout(row, 1);

  auto_login_ = new QCheckBox(
      QStringLiteral("Automaticky prihlasovať vybraného používateľa (deaktivácia v Nastaveniach)"), this);
  auto_login_->setObjectName(QStringLiteral("CHBAL"));
  col->addWidget(auto_login_);
  connect(login, &QPushButton::clicked, this, &TFLogin::SBLoginClick);
  connect(grid_, &QTableWidget::cellDoubleClicked, this, &TFLogin::SBLoginClick);
  connect(auto_login_, &QCheckBox::clicked, this, [this] { grid_->setFocus(); });
}

void TFLogin::FillLoginGrid() {
  const QStringList users = form_->store().ListUsers();
  const QString last = form_->store().GetLastUserName();
  grid_->setRowCount(0);
  for (int i = 0; i + 1 < users.size(); i += 2) {
    const int r = grid_->rowCount();
    grid_->insertRow(r);
    grid_->setItem(r, 0, new QTableWidgetItem(users.at(i)));
    grid_->setItem(r, 1, new QTableWidgetItem(users.at(i + 1)));
    if (users.at(i) == last) grid_->selectRow(r);
  }
  if (last.isEmpty()) grid_->clearSelection();
}

QString TFLogin::SelectedName() const {
  const auto rows = grid_->selectionModel()->selectedRows();
  if (!rows.isEmpty()) return grid_->item(rows.first().row(), 0)->text();
  return grid_->rowCount() > 0 ? grid_->item(0, 0)->text() : QString();
}

void TFLogin::SBLoginClick() {
  if (grid_->selectionModel()->selectedRows().isEmpty() && grid_->rowCount() > 0) grid_->selectRow(0);
  // The choice of automatic login is the program-wide setting CHBLogin.
  form_->store().PutSetting(QStringLiteral("CHBLogin"), 2, auto_login_->isChecked() ? QStringLiteral("1")
                                                                                     : QStringLiteral("0"));
  accept();
}

void TFLogin::SetAutoLoginBox(bool checked) { auto_login_->setChecked(checked); }
bool TFLogin::AutoLoginBox() const { return auto_login_->isChecked(); }

}  // namespace mirvel
