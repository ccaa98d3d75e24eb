#include "app/mirvelapplication.h"

#include <QFont>
#include <QMessageBox>

#include <cstdio>
#include <exception>

#include "store/store.h"

namespace mirvel {
namespace {

MirvelApplication::ErrorSink g_error_sink = nullptr;

bool Unattended() { return !qEnvironmentVariableIsEmpty("MIRVEL_UNATTENDED"); }

}  // namespace

MirvelApplication::MirvelApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Mirvel"));
  setApplicationDisplayName(QStringLiteral("Mirvel"));
  setApplicationVersion(QStringLiteral("1.0"));
}

bool MirvelApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const DbError& e) {
    ShowErrorBox(e.text());
  } catch (const std::exception& e) {
    ShowErrorBox(QString::fromLocal8Bit(e.what()));
  }
  return false;
}

void MirvelApplication::SetErrorSink(ErrorSink sink) { g_error_sink = sink; }

void MirvelApplication::ShowErrorBox(const QString& text) {
  std::fprintf(stderr, "Mirvel: %s\n", text.toLocal8Bit().constData());
  if (g_error_sink) {
    g_error_sink(text);
    return;
  }
  if (Unattended()) return;
  QMessageBox::critical(nullptr, QStringLiteral("Mirvel"), text);
}

void ShowFatalMessage(const QString& text, const QString& detail) {
  std::fprintf(stderr, "Mirvel: %s\n", text.toLocal8Bit().constData());
  if (!detail.isEmpty()) std::fprintf(stderr, "Mirvel: %s\n", detail.toLocal8Bit().constData());
  std::fflush(stderr);
  if (Unattended()) return;
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Mirvel"), text, QMessageBox::Ok);
  box.exec();
}

void ApplyProgramFont(QApplication& app) {
  QFont font(QStringLiteral("Tahoma"), 9);
  font.setStyleHint(QFont::SansSerif);
  app.setFont(font);
}

}  // namespace mirvel
