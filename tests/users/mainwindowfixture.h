#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/tform1.h"
#include "support/testdata.h"

namespace mirvel::test {

// Runs action once on the modal window with the given object name as soon as
// it is the active modal window (the caller then opens it with a blocking
// exec). Gives up after about ten seconds, so a dialog that never opens
// leaves no timer behind. Deleting the returned watcher withdraws it.
inline QPointer<QTimer> OnModal(const QString& name, std::function<void(QWidget*)> action) {
  auto* timer = new QTimer(qApp);
  auto ticks = std::make_shared<int>(0);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, ticks, name, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && modal->objectName() == name) {
      timer->stop();
      timer->deleteLater();
      action(modal);
    } else if (++*ticks > 2000) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
  return timer;
}

// Clicks the named button of the modal window once it is open; when text is
// given, the dialog's LText is copied there first.
inline QPointer<QTimer> ClickInModal(const QString& window, const QString& button, QString* text = nullptr) {
  return OnModal(window, [button, text](QWidget* w) {
    if (text) {
      if (auto* l = w->findChild<QWidget*>(QStringLiteral("LText"))) *text = l->property("text").toString();
    }
    if (auto* b = w->findChild<QAbstractButton*>(button)) b->click();
  });
}

// The real main window on a fresh data folder, shown with automatic login so
// that no login window blocks the first showing. Restart() ends it through
// the close request (which saves every setting) and starts a new one on the
// same folder; Reopen() starts a new one without saving.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    Start();
  }

  void TearDown() override { form_.reset(); }

  void Start() {
    form_ = std::make_unique<TForm1>();
    QString message, detail;
    ASSERT_TRUE(form_->Create(&message, &detail)) << message.toStdString() << detail.toStdString();
    form_->CreateSecondaryWindows();
    form_->store().PutSetting(QStringLiteral("CHBLogin"), 2, QStringLiteral("1"));
    QSignalSpy finished(form_.get(), &TForm1::FirstShowFinished);
    form_->show();
    ASSERT_TRUE(finished.count() > 0 || finished.wait(20000));
  }

  void Restart() {
    ClickInModal(QStringLiteral("TFQuestion"), QStringLiteral("SBA"));
    ASSERT_TRUE(form_->CloseRequest());
    form_.reset();
    Start();
  }

  void Reopen() {
    form_.reset();
    Start();
  }

  template <typename T = QWidget>
  T* Get(const char* name) {
    T* c = form_->Control<T>(QLatin1String(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }

  TempDataFolder folder_;
  std::unique_ptr<TForm1> form_;
};

}  // namespace mirvel::test
