#include "app/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace mirvel {
namespace {

QString WithSeparator(QString path) {
  path = QDir::fromNativeSeparators(path);
  if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  return path;
}

}  // namespace

QString ProgramFolderPath() {
  const QString over = qEnvironmentVariable("MIRVEL_PROGRAM_DIR");
  if (!over.isEmpty()) return WithSeparator(QDir(over).absolutePath());
  return WithSeparator(QCoreApplication::applicationDirPath());
}

QString DataFolderPath() {
  const QString over = qEnvironmentVariable("MIRVEL_DATA_DIR");
  if (!over.isEmpty()) return WithSeparator(QDir(over).absolutePath());
  return QStringLiteral("/var/lib/mirvel/");
}

}  // namespace mirvel
