#include "testdata.h"

#include <QDir>
#include <QFile>

namespace mirvel::test {

QString TemplateDbFolder() {
  QString dir = qEnvironmentVariable("MIRVEL_TEST_DB_DIR");
  if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
  return dir;
}

TempDataFolder::TempDataFolder(bool with_databases) : dir_(std::make_unique<QTemporaryDir>()) {
  ok_ = dir_->isValid();
  if (ok_ && with_databases) {
    for (const char* name : {"config.fdb", "data.fdb"}) {
      const QString target = path() + QLatin1String(name);
      ok_ = ok_ && QFile::copy(TemplateDbFolder() + QLatin1String(name), target);
      QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                        QFileDevice::WriteGroup);
    }
  }
  qputenv("MIRVEL_DATA_DIR", QFile::encodeName(path()));
}

TempDataFolder::~TempDataFolder() = default;

QString TempDataFolder::path() const { return dir_->path() + QLatin1Char('/'); }

}  // namespace mirvel::test

namespace mirvel::test {

void SetUpTestEnvironment() {
  auto set_default = [](const char* name, const char* value) {
    if (qEnvironmentVariableIsEmpty(name)) qputenv(name, value);
  };
  set_default("QT_QPA_PLATFORM", "offscreen");
  set_default("SDL_AUDIODRIVER", "dummy");
  set_default("MIRVEL_UNATTENDED", "1");
  set_default("MIRVEL_TEST_DB_DIR", MIRVEL_TEST_DB_DIR);
  set_default("MIRVEL_PROGRAM_DIR", MIRVEL_TEST_PROGRAM_DIR);
  set_default("MIRVEL_BINARY", MIRVEL_TEST_BINARY);
  set_default("MIRVEL_SOURCE_DIR", MIRVEL_TEST_SOURCE_DIR);
  // The engine reads its lock folder once per process, so one folder serves
  // every data folder this test process opens.
  static QTemporaryDir locks;
  if (locks.isValid()) qputenv("MIRVEL_LOCK_DIR", QFile::encodeName(locks.path()));
  // Each test process gets its own runtime folder, so single-instance locks
  // of tests running side by side never meet.
  static QTemporaryDir runtime;
  if (runtime.isValid()) {
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  }
}

}  // namespace mirvel::test

#include "store/store.h"

namespace mirvel::test {

::testing::AssertionResult OpenStore(const TempDataFolder& folder, Store& store) {
  if (!folder.ok()) return ::testing::AssertionFailure() << "the temporary data folder could not be made";
  QString reason;
  if (!Store::PrepareLockDirectory(folder.path(), &reason) || !store.Open(folder.path(), &reason))
    return ::testing::AssertionFailure() << reason.toStdString();
  return ::testing::AssertionSuccess();
}

}  // namespace mirvel::test
