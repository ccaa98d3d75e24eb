#include "results/tfwebbrowser.h"

namespace mirvel {

TFWebBrowser::TFWebBrowser(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFWebBrowser"));
  setWindowTitle(QStringLiteral("Výsledky cvičenia"));
}

void TFWebBrowser::ShowHelp(const QString&) {}

}  // namespace mirvel
