#include "users/tflogin.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

#include "app/tform1.h"
#include "ui_tfedit.h"
#include "users/dragbar.h"
#include "users/tfedit.h"

namespace mirvel {
namespace {

constexpr int kMaxNameLength = 24;
const QColor kSkinColour(0xC8, 0xD8, 0xEE);

// Grid cells: white, Tahoma 10 black; a selected cell gets a raised
// one-pixel frame with yellow inside. Text 2 px from the left and top edges.
class LoginCellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    const QRect r = option.rect;
    painter->fillRect(r, Qt::white);
    if (option.state & QStyle::State_Selected) {
      painter->fillRect(r.adjusted(1, 1, -1, -1), QColor(0xFF, 0xFF, 0x00));
      painter->setPen(Qt::white);
      painter->drawLine(r.topLeft(), r.topRight());
      painter->drawLine(r.topLeft(), r.bottomLeft());
      painter->setPen(Qt::gray);
      painter->drawLine(r.topRight(), r.bottomRight());
      painter->drawLine(r.bottomLeft(), r.bottomRight());
    }
    painter->setFont(QFont(QStringLiteral("Tahoma"), 10));
    painter->setPen(Qt::black);
    painter->drawText(r.adjusted(2, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
  }
};

int ValidYear(int year) { return year >= 1 && year <= 4 ? year : 4; }

}  // namespace

TFLogin::TFLogin(TForm1* form) : QDialog(form, Qt::Dialog | Qt::FramelessWindowHint), form_(form) {
  setObjectName(QStringLiteral("TFLogin"));
  setWindowTitle(QStringLiteral("Prihlasovacie okno Mirvel"));
  setFixedSize(560, 329);
  setModal(true);
  setStyleSheet(QStringLiteral("QDialog#TFLogin { border: 1px solid #404040; background: #f0f0f0; }"));

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(1, 1, 1, 8);
  column->setSpacing(8);

  auto* title = new QLabel(QStringLiteral("PRIHLÁSENIE POUŽÍVATEĽA MIRVEL"), this);
  title->setObjectName(QStringLiteral("Label1"));
  title->setAlignment(Qt::AlignCenter);
  title->setMinimumHeight(26);
  title->setStyleSheet(QStringLiteral("QLabel { background: black; color: white; font-weight: bold; }"));
  new DragBar(title);
  column->addWidget(title);

  auto* middle = new QHBoxLayout;
  middle->setContentsMargins(10, 0, 10, 0);
  middle->setSpacing(10);
  grid_ = new QTableWidget(0, 2, this);
  grid_->setObjectName(QStringLiteral("SGLogin"));
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(22);
  grid_->horizontalHeader()->setSectionsClickable(false);
  grid_->horizontalHeader()->setHighlightSections(false);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid_->horizontalHeader()->setStyleSheet(
      QStringLiteral("QHeaderView::section { background: %1; font-weight: bold; padding-left: 2px;"
                     " border-top: 1px solid white; border-left: 1px solid white;"
                     " border-right: 1px solid gray; border-bottom: 1px solid gray; }")
          .arg(kSkinColour.name()));
  grid_->setShowGrid(true);
  grid_->setItemDelegate(new LoginCellDelegate(grid_));
  grid_->setFixedWidth(300 + 95 + grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth() + 2);
  middle->addWidget(grid_);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(8);
  auto button = [this, buttons](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QLatin1String(name));
    b->setMinimumHeight(34);
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* login = button("SBLogin", QStringLiteral("&Prihlásiť používateľa"));
  QPushButton* edit = button("SBEdit", QStringLiteral("&Zmeniť ročník"));
  QPushButton* add = button("SBAdd", QStringLiteral("Pridať &nového"));
  QPushButton* del = button("SBDel", QStringLiteral("&Odstrániť"));
  buttons->addStretch(1);
  middle->addLayout(buttons, 1);
  column->addLayout(middle, 1);

  auto_login_ = new QCheckBox(
      QStringLiteral("Automaticky prihlasovať vybraného používateľa (deaktivácia v Nastaveniach)"), this);
  auto_login_->setObjectName(QStringLiteral("CHBAL"));
  auto* bottom = new QHBoxLayout;
  bottom->setContentsMargins(10, 0, 10, 0);
  bottom->addWidget(auto_login_);
  column->addLayout(bottom);

  connect(login, &QPushButton::clicked, this, &TFLogin::SBLoginClick);
  connect(edit, &QPushButton::clicked, this, &TFLogin::SBEditClick);
  connect(add, &QPushButton::clicked, this, &TFLogin::SBAddClick);
  connect(del, &QPushButton::clicked, this, &TFLogin::SBDelClick);
  connect(auto_login_, &QCheckBox::clicked, this, [this] { grid_->setFocus(); });
}

void TFLogin::showEvent(QShowEvent* event) {
  if (QScreen* screen = QApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
  QDialog::showEvent(event);
}

int TFLogin::AppendRow(const QString& name, int school_year) {
  const int row = grid_->rowCount();
  grid_->insertRow(row);
  grid_->setItem(row, 0, new QTableWidgetItem(name));
  grid_->setItem(row, 1, new QTableWidgetItem(QString::number(school_year)));
  return row;
}

void TFLogin::FillLoginGrid() {
  grid_->clearSelection();
  grid_->setRowCount(0);
  grid_->setColumnWidth(0, 300);
  grid_->setColumnWidth(1, 95);
  grid_->setHorizontalHeaderLabels({QStringLiteral("Meno"), QStringLiteral("Ročník")});
  const QStringList users = form_->store().ListUsers();
  const QString last = form_->store().GetLastUserName();
  int remembered = -1;
  for (int i = 0; i + 1 < users.size(); i += 2) {
    const int row = AppendRow(users.at(i), users.at(i + 1).toInt());
    if (remembered < 0 && !last.isEmpty() && users.at(i) == last) remembered = row;
  }
  if (remembered >= 0) {
    grid_->selectRow(remembered);
  } else {
    grid_->setCurrentCell(-1, -1);
    grid_->clearSelection();
  }
}

QString TFLogin::SelectedName() const {
  int row = grid_->currentRow();
  if (row < 0 || !grid_->item(row, 0) || !grid_->item(row, 0)->isSelected()) row = 0;
  const QTableWidgetItem* item = grid_->item(row, 0);
  return item ? item->text() : QString();
}

void TFLogin::SetAutoLoginBox(bool checked) { auto_login_->setChecked(checked); }

void TFLogin::SBLoginClick() {
  if (grid_->selectedItems().isEmpty() && grid_->rowCount() > 0) grid_->selectRow(0);
  if (auto* login = form_->Control<QCheckBox>(QStringLiteral("CHBLogin"))) login->setChecked(auto_login_->isChecked());
  accept();
}

void TFLogin::SBAddClick() {
  TFEdit* dialog = form_->FEdit();
  if (!dialog) return;
  dialog->SEClass()->setValue(4);
  const QString name = form_->AskText(QStringLiteral("PRIDAŤ NOVÉHO POUŽÍVATEĽA"),
                                      QStringLiteral("Zadajte meno nového používateľa:"), kMaxNameLength);
  if (name.isEmpty()) return;
  if (name.trimmed().isEmpty()) {
    form_->AskQuestion(QStringLiteral("UPOZORNENIE"),
                       QStringLiteral("Meno používateľa nemôže obsahovať iba medzery, zopakujte pridávanie "
                                      "používateľa s iným menom!"),
                       true);
    return;
  }
  if (form_->store().UserNameExists(name)) {
    form_->AskQuestion(QStringLiteral("UPOZORNENIE"),
                       QStringLiteral("Zadané meno už existuje v zozname používateľov, zopakujte pridávanie "
                                      "používateľa s iným menom!"),
                       true);
    return;
  }
  const int year = ValidYear(dialog->SEClass()->value());
  form_->store().AddUser(name, year);
  grid_->selectRow(AppendRow(name, year));
}

void TFLogin::SBDelClick() {
  const int row = grid_->currentRow();
  if (row < 0 || grid_->selectedItems().isEmpty()) return;
  if (row == 0) {
    form_->AskQuestion(QStringLiteral("UPOZORNENIE"),
                       QStringLiteral("Nie je možné odstrániť preddefinovaného používateľa!"), true);
    return;
  }
  const QString name = grid_->item(row, 0)->text();
  if (!form_->AskQuestion(QStringLiteral("OTÁZKA"),
                          QStringLiteral("Chcete naozaj vymazať používateľa s menom ") + name +
                              QStringLiteral(" aj so všetkými jeho nastaveniami a výsledkami?"),
                          false))
    return;
  form_->store().DeleteUser(name);
  DeleteSelectedGridRows();
}

void TFLogin::SBEditClick() {
  const int row = grid_->currentRow();
  if (row < 0 || grid_->selectedItems().isEmpty()) return;
  if (row == 0) {
    form_->AskQuestion(QStringLiteral("UPOZORNENIE"),
                       QStringLiteral("Nie je možné zmeniť ročník pre preddefinovaného používateľa!"), true);
    return;
  }
  TFEdit* dialog = form_->FEdit();
  if (!dialog) return;
  const QString name = grid_->item(row, 0)->text();
  dialog->setWindowTitle(QStringLiteral("Zmeniť ročník"));
  dialog->ui()->LText->setText(QStringLiteral("Zmeňte ročník pre používateľa:"));
  dialog->SEClass()->setValue(ValidYear(form_->store().GetUserClass(name)));
  dialog->EText()->setEnabled(false);
  dialog->EText()->setText(name);
  const QString kept = dialog->ShowModal();
  dialog->EText()->setEnabled(true);
  if (kept.isEmpty()) return;
  const int year = ValidYear(dialog->SEClass()->value());
  form_->store().SetUserClass(name, year);
  grid_->item(row, 1)->setText(QString::number(year));
}

void TFLogin::DeleteSelectedGridRows() {
  std::set<int, std::greater<int>> rows;
  for (const QTableWidgetItem* item : grid_->selectedItems()) rows.insert(item->row());
  for (int row : rows) grid_->removeRow(row);
  grid_->clearSelection();
}

}  // namespace mirvel
