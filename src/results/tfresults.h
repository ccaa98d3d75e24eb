#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace mirvel {

// The figures of a finished testing run shown in the result dialog.
struct RunSummary {
  QString user;
  QString exam;      // group " - " name
  QString time;      // "hh:mm:ss"
  QString tasks;     // the run display's task counter text
  QString mark;
  QString motivation;  // used for a completed run only
  bool completed = false;
  int result_id = 0;
};

// The result dialog shown at the end of a testing run.
class TFResults final : public QDialog {
  Q_OBJECT
 public:
  explicit TFResults(QWidget* parent = nullptr);

  void Fill(const RunSummary& summary);
  int ResultId() const { return result_id_; }

 Q_SIGNALS:
  // SBDetail: the stored report of the run with this id is to be shown.
  void DetailRequested(const QString& id);

 private:
  QLabel* AddRow(const QString& caption, const QString& name, int y);

  QLabel* luser_ = nullptr;
  QLabel* lexam_ = nullptr;
  QLabel* ltime_ = nullptr;
  QLabel* lgcount_ = nullptr;
  QLabel* lmark_ = nullptr;
  QLabel* lmotivation_ = nullptr;
  QLabel* lcorrect_ = nullptr;
  QPushButton* sbdetail_ = nullptr;
  int result_id_ = 0;
};

}  // namespace mirvel
