#include "app/singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace mirvel {
namespace {

QString RuntimeFolder() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return dir;
}

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}
SingleInstance::~SingleInstance() = default;

QString SingleInstance::LockPath() { return RuntimeFolder() + QStringLiteral("/MIRVEL_Mutex.lock"); }
QString SingleInstance::ServerPath() { return RuntimeFolder() + QStringLiteral("/MIRVEL_RUN"); }

bool SingleInstance::Acquire() {
  lock_ = std::make_unique<QLockFile>(LockPath());
  lock_->setStaleLockTime(0);  // a lock whose process died is taken over
  return lock_->tryLock(0);
}

bool SingleInstance::WakeRunningInstance() {
  QLocalSocket socket;
  socket.connectToServer(ServerPath());
  if (!socket.waitForConnected(1000)) return false;
  socket.write("MIRVEL_RUN");
  socket.waitForBytesWritten(1000);
  socket.disconnectFromServer();
  return true;
}

void SingleInstance::Listen() {
  QLocalServer::removeServer(ServerPath());
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  server_->listen(ServerPath());
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
      connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
      Q_EMIT WakeUp();
    }
  });
}

}  // namespace mirvel
