#include "app/program.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

#include "app/mirvelapplication.h"
#include "app/singleinstance.h"
#include "app/tform1.h"

namespace mirvel {

int RunProgram(int argc, char** argv) {
  MirvelApplication app(argc, argv);
  ApplyProgramFont(app);

  SingleInstance guard;
  if (!guard.Acquire()) {
    ShowFatalMessage(QStringLiteral("Program Mirvel je už spustený!"));
    SingleInstance::WakeRunningInstance();
    return 1;
  }

  TForm1 form;
  QString message;
  QString detail;
  if (!form.Create(&message, &detail)) {
    ShowFatalMessage(message, detail);
    return 1;
  }
  form.CreateSecondaryWindows();
  app.setWindowIcon(QIcon(form.ProgramFolder() + QStringLiteral("mirvel.png")));
  guard.Listen();
  QObject::connect(&guard, &SingleInstance::WakeUp, &form, &TForm1::Wake);

  form.resize(1024, 768);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    form.move(screen->availableGeometry().center() - QPoint(form.width() / 2, form.height() / 2));
  }
  // For smoke checks and the start-up benchmark: end as soon as the window is ready.
  if (!qEnvironmentVariableIsEmpty("MIRVEL_QUIT_AFTER_START")) {
    QObject::connect(
        &form, &TForm1::FirstShowFinished, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
  }
  form.show();
  return app.exec();
}

}  // namespace mirvel
