#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace mirvel::test {

// A fresh data folder in a temporary directory holding copies of the
// config.fdb and data.fdb that the build made from the project's scripts.
// Sets MIRVEL_DATA_DIR to it for the life of the object.
class TempDataFolder final {
 public:
  explicit TempDataFolder(bool with_databases = true);
  ~TempDataFolder();

  // Ends with "/".
  QString path() const;
  QString File(const QString& name) const { return path() + name; }
  bool ok() const { return ok_; }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  bool ok_ = false;
};

// The folder holding the template databases made by the build.
QString TemplateDbFolder();

}  // namespace mirvel::test

namespace mirvel::test {
// Puts the test environment in place: offscreen windows, the dummy audio
// driver, no message boxes that wait, the template and program folders.
// Variables already set are kept.
void SetUpTestEnvironment();
}  // namespace mirvel::test

#include <gtest/gtest.h>

namespace mirvel {
class Store;
}

namespace mirvel::test {
// Opens both databases of the folder with the shared lock folder; the failure
// carries the engine's reason.
::testing::AssertionResult OpenStore(const TempDataFolder& folder, Store& store);
}  // namespace mirvel::test
