#include "users/tfquestion.h"

#include <QLocale>
#include <QPushButton>
#include <QShowEvent>

#include "ui_tfquestion.h"
#include "users/dragbar.h"

namespace mirvel {

TFQuestion::TFQuestion(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui_(std::make_unique<Ui::TFQuestion>()) {
  ui_->setupUi(this);
  setFixedSize(465, 169);
  setModal(true);
  new DragBar(ui_->Label1);
  QFont bold = ui_->LText->font();
  bold.setBold(true);
  ui_->LText->setFont(bold);
  setStyleSheet(QStringLiteral("QDialog#TFQuestion { border: 1px solid #404040; background: #f0f0f0; }"));
  connect(ui_->SBA, &QPushButton::clicked, this, [this] { answer_ = true; accept(); });
  connect(ui_->SBN, &QPushButton::clicked, this, [this] { answer_ = false; reject(); });
  connect(ui_->SBOK, &QPushButton::clicked, this, [this] { answer_ = false; accept(); });
}

TFQuestion::~TFQuestion() = default;

QColor TFQuestion::TitleColour(const QString& title) {
  if (title == QStringLiteral("UPOZORNENIE") || title == QStringLiteral("CHYBA")) return QColor(0xFF, 0, 0);
  if (title == QStringLiteral("INFORMÁCIA")) return QColor(0, 0, 0x80);
  return QColor(0, 0, 0);
}

bool TFQuestion::Ask(const QString& title, const QString& text, bool info_only) {
  setWindowTitle(QLocale().toUpper(title));
  ui_->LText->setText(text);
  ui_->SBOK->setVisible(info_only);
  ui_->SBA->setVisible(!info_only);
  ui_->SBN->setVisible(!info_only);
  answer_ = false;
  if (parentWidget() && parentWidget()->isVisible()) {
    const QRect pr = parentWidget()->window()->frameGeometry();
    move(pr.center() - QPoint(width() / 2, height() / 2));
  }
  exec();
  return answer_;
}

void TFQuestion::showEvent(QShowEvent* event) {
  ui_->Label1->setText(windowTitle());
  ui_->Label1->setStyleSheet(QStringLiteral("QLabel { background: %1; color: white; font-weight: bold; }")
                                 .arg(TitleColour(windowTitle()).name()));
  (ui_->SBOK->isVisible() ? ui_->SBOK : ui_->SBA)->setFocus();
  QDialog::showEvent(event);
}

}  // namespace mirvel
