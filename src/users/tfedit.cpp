#include "users/tfedit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ui_tfedit.h"
#include "users/dragbar.h"

namespace mirvel {

TFEdit::TFEdit(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui_(std::make_unique<Ui::TFEdit>()) {
  ui_->setupUi(this);
  setFixedSize(465, 222);
  setModal(true);
  new DragBar(ui_->Label1);
  ui_->Label1->setStyleSheet(QStringLiteral("QLabel { background: black; color: white; font-weight: bold; }"));
  setStyleSheet(QStringLiteral("QDialog#TFEdit { border: 1px solid #404040; background: #f0f0f0; }"));
  ui_->EText->installEventFilter(this);
  ui_->SEClass->installEventFilter(this);
  connect(ui_->SBA, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->SBN, &QPushButton::clicked, this, [this] {
    ui_->EText->clear();
    reject();
  });
}

TFEdit::~TFEdit() = default;

QLineEdit* TFEdit::EText() const { return ui_->EText; }
QSpinBox* TFEdit::SEClass() const { return ui_->SEClass; }

QString TFEdit::Ask(const QString& title, const QString& prompt, int max_length) {
  ui_->EText->setEnabled(true);
  ui_->EText->setMaxLength(max_length > 0 ? max_length : 32767);
  setWindowTitle(title);
  ui_->LText->setText(prompt);
  return ShowModal();
}

QString TFEdit::ShowModal() {
  if (parentWidget() && parentWidget()->isVisible()) {
    const QRect pr = parentWidget()->window()->frameGeometry();
    move(pr.center() - QPoint(width() / 2, height() / 2));
  }
  exec();
  return ui_->EText->text();
}

void TFEdit::showEvent(QShowEvent* event) {
  ui_->Label1->setText(windowTitle());
  ui_->LMax->setVisible(ui_->EText->maxLength() < 32767);
  if (ui_->EText->isEnabled()) {
    ui_->EText->clear();
    ui_->EText->setFocus();
  } else {
    ui_->SEClass->setFocus();
  }
  QDialog::showEvent(event);
}

bool TFEdit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (watched == ui_->EText) {
        ui_->SEClass->setFocus();
        return true;
      }
      if (watched == ui_->SEClass) {
        ui_->SBA->click();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace mirvel
