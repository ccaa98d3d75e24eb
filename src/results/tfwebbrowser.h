#pragma once

#include <QDialog>

namespace mirvel {

// The report and help viewer.
class TFWebBrowser final : public QDialog {
  Q_OBJECT
 public:
  explicit TFWebBrowser(QWidget* parent = nullptr);
  // Help mode: caption "Pomocník programu Mirvel", the page, shown modally.
  void ShowHelp(const QString& path);
};

}  // namespace mirvel
