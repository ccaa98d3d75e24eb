#include "results/tfresults.h"

#include <QLabel>
#include <QPushButton>

namespace mirvel {

TFResults::TFResults(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFResults"));
  setFixedSize(527, 408);
  auto* bar = new QLabel(QStringLiteral("VÝSLEDKY CVIČENIA"), this);
  bar->setObjectName(QStringLiteral("LCaption"));
  bar->setGeometry(0, 0, 527, 28);
  bar->setAlignment(Qt::AlignCenter);
  bar->setStyleSheet(QStringLiteral("QLabel{color:white;font-weight:bold;background:#0080C0;}"));
  luser_ = AddRow(QStringLiteral("POUŽÍVATEĽ"), QStringLiteral("LUser"), 50);
  lexam_ = AddRow(QStringLiteral("CVIČENIE"), QStringLiteral("LExam"), 90);
  ltime_ = AddRow(QStringLiteral("TRVANIE"), QStringLiteral("LTime"), 130);
  lgcount_ = AddRow(QStringLiteral("ÚLOH"), QStringLiteral("LGCount"), 170);
  lmark_ = AddRow(QStringLiteral("HODNOTENIE"), QStringLiteral("LMark"), 210);
  QFont big = lmark_->font();
  big.setPointSize(28);
  big.setBold(true);
  lmark_->setFont(big);
  lmark_->setMinimumHeight(50);
  lmotivation_ = new QLabel(this);
  lmotivation_->setObjectName(QStringLiteral("LMotivation"));
  lmotivation_->setGeometry(20, 275, 487, 30);
  lmotivation_->setAlignment(Qt::AlignCenter);
  lcorrect_ = new QLabel(this);
  lcorrect_->setObjectName(QStringLiteral("LCorrect"));
  lcorrect_->setGeometry(20, 310, 487, 24);
  lcorrect_->setAlignment(Qt::AlignCenter);
  sbdetail_ = new QPushButton(QStringLiteral("Zobraziť podrobnosti..."), this);
  sbdetail_->setObjectName(QStringLiteral("SBDetail"));
  sbdetail_->setGeometry(20, 355, 200, 32);
  auto* sbok = new QPushButton(QStringLiteral("OK"), this);
  sbok->setObjectName(QStringLiteral("SBOK"));
  sbok->setGeometry(407, 355, 100, 32);
  sbok->setDefault(true);
  connect(sbok, &QPushButton::clicked, this, &QDialog::accept);
  connect(sbdetail_, &QPushButton::clicked, this,
          [this] { Q_EMIT DetailRequested(QString::number(result_id_)); });
}

QLabel* TFResults::AddRow(const QString& caption, const QString& name, int y) {
  auto* label = new QLabel(caption, this);
  label->setGeometry(20, y, 150, 30);
  auto* value = new QLabel(this);
  value->setObjectName(name);
  value->setGeometry(180, y, 327, 30);
  return value;
}

void TFResults::Fill(const RunSummary& summary) {
  luser_->setText(summary.user);
  lexam_->setText(summary.exam);
  ltime_->setText(summary.time);
  lgcount_->setText(summary.tasks);
  lmark_->setText(summary.mark);
  lmotivation_->setText(summary.completed ? summary.motivation : QStringLiteral("-"));
  lcorrect_->setText(summary.completed ? QStringLiteral("Riadne ukončené.") : QStringLiteral("Prerušené!"));
  lcorrect_->setStyleSheet(summary.completed ? QStringLiteral("QLabel{color:#008000;}")
                                             : QStringLiteral("QLabel{color:#FF0000;}"));
  result_id_ = summary.result_id;
}

}  // namespace mirvel
