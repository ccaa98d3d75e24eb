#include "results/tfwebbrowser.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace mirvel {
namespace {

TEST(TFWebBrowserTest, DecodesDeclaredCharsetTogglesMenuButtonAndReportsMissingPage) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString topic = dir.filePath(QStringLiteral("topic.html"));
  QFile f(topic);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  // "Čítanie" in Windows-1250
  f.write("<html><head><meta charset=\"windows-1250\"></head><body>\xC8\xEDtanie</body></html>");
  f.close();
  const QString index = dir.filePath(QStringLiteral("index.html"));
  QFile i(index);
  ASSERT_TRUE(i.open(QIODevice::WriteOnly));
  i.write("<html><body>Obsah</body></html>");
  i.close();

  TFWebBrowser w;
  auto* view = w.findChild<QTextBrowser*>(QStringLiteral("WebBrowser"));
  auto* bbm = w.findChild<QPushButton*>(QStringLiteral("BBM"));
  w.Load(index);
  EXPECT_TRUE(bbm->isHidden());
  w.Load(topic);
  EXPECT_FALSE(bbm->isHidden());
  EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("Čítanie")));
  w.Load(dir.filePath(QStringLiteral("chyba.html")));
  EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("nepodarilo otvoriť")));
}

}  // namespace
}  // namespace mirvel
