#pragma once

#include <QDialog>

namespace mirvel {

// The result dialog shown at the end of a testing run.
class TFResults final : public QDialog {
  Q_OBJECT
 public:
  explicit TFResults(QWidget* parent = nullptr);
};

}  // namespace mirvel
