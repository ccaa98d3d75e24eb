#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QLabel;
class QPushButton;
class QTextBrowser;
class QWidget;

namespace mirvel {

// The report and help viewer.
class TFWebBrowser final : public QDialog {
  Q_OBJECT
 public:
  explicit TFWebBrowser(QWidget* parent = nullptr);
  // Help mode: caption "Pomocník programu Mirvel", the page, shown modally.
  void ShowHelp(const QString& path);
  // Loads a local HTML file into the view without showing the window. A file
  // that cannot be read shows a message in the view instead.
  void Load(const QString& path);

 private:
  void LoadUrl(const QUrl& url);

  QWidget* ptop_ = nullptr;
  QLabel* lmain_ = nullptr;
  QPushButton* bbm_ = nullptr;
  QTextBrowser* view_ = nullptr;
  QString index_path_;
  QString current_path_;
};

}  // namespace mirvel
