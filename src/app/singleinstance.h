#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLockFile;
class QLocalServer;

namespace mirvel {

// The guard against a second instance: the lock "MIRVEL_Mutex" marks a
// running instance, the local server "MIRVEL_RUN" receives the wake-up.
// Both live in the user's runtime folder (XDG_RUNTIME_DIR, else the temp folder).
class SingleInstance final : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QObject* parent = nullptr);
  ~SingleInstance() override;

  // Takes the lock; false when another instance holds it.
  bool Acquire();
  // Second instance: wakes the running one. Returns true when it answered.
  static bool WakeRunningInstance();
  // First instance: listens for wake-ups; each one emits WakeUp.
  void Listen();

  static QString LockPath();
  static QString ServerPath();

 Q_SIGNALS:
  void WakeUp();

 private:
  std::unique_ptr<QLockFile> lock_;
  QLocalServer* server_ = nullptr;
};

}  // namespace mirvel
