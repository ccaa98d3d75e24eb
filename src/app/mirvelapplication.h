#pragma once

#include <QApplication>

namespace mirvel {

// The application object. A database statement that fails while an event is
// handled abandons that handler; its text is shown in the standard error box
// and the program goes on.
class MirvelApplication final : public QApplication {
  Q_OBJECT
 public:
  MirvelApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // The standard error box; tests replace it to see what would be shown.
  static void ShowErrorBox(const QString& text);
  using ErrorSink = void (*)(const QString& text);
  static void SetErrorSink(ErrorSink sink);
};

// A message that ends the program: written to standard error and shown in a
// plain message box (unless MIRVEL_UNATTENDED is set, for scripts and tests).
void ShowFatalMessage(const QString& text, const QString& detail = QString());

// Applies the program-wide look: Tahoma (East European) as the window font.
void ApplyProgramFont(QApplication& app);

}  // namespace mirvel
