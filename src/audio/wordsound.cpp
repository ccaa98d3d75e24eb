#include "audio/wordsound.h"

#include <QCoreApplication>
#include <QTimer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <vector>

#include "audio/soundchannel.h"
#include "audio/wavimage.h"
#include "exercises/texthelpers.h"

namespace mirvel {

namespace {
bool Remove(const FileDeleter& remove, const QString& path) {
  return remove ? remove(path) : QFile::remove(path);
}
}  // namespace

QString TempSoundPath(const QString& data_folder, int k) {
  return QDir(data_folder).filePath(QStringLiteral("zvuk%1.mp3").arg(k));
}

QString TempSoundName(const QString& data_folder, const QString& current, const FileDeleter& remove) {
  if (!current.isEmpty()) Remove(remove, current);
  std::vector<int> free_names;
  for (int k = 1; k <= kTempSoundCount; ++k)
    if (!QFile::exists(TempSoundPath(data_folder, k))) free_names.push_back(k);
  if (free_names.empty()) return {};
  const auto pick = QRandomGenerator::global()->bounded(static_cast<int>(free_names.size()));
  return TempSoundPath(data_folder, free_names[static_cast<std::size_t>(pick)]);
}

void DeleteTempSounds(const QString& data_folder, const FileDeleter& remove) {
  for (int k = 1; k <= kTempSoundCount; ++k) {
    const QString path = TempSoundPath(data_folder, k);
    if (QFile::exists(path)) Remove(remove, path);
  }
}

void WaitForPlaybackEnd(const SoundChannel& channel, const std::function<bool()>& keep_waiting) {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // The wake-up timer lets the loop sleep between events instead of spinning.
  QTimer wake;
  wake.start(10);
  while (channel.IsPlaying() && (!keep_waiting || keep_waiting()))
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool PlayTone(SoundChannel& channel, double frequency, int ms, int amplitude) {
  if (frequency > kHighestToneFrequency) return false;
  return channel.PlayPcmSync(BuildToneWav(frequency, ms, amplitude));
}

void PlayBuzzerPattern(SoundChannel& channel, const QString& pattern, bool* stop_flag,
                       const std::function<bool()>& running,
                       const std::function<void(bool is_long)>& on_tone) {
  if (channel.IsPlaying()) channel.Stop(true);
  if (stop_flag) *stop_flag = false;
  for (const QChar c : pattern) {
    const bool is_long = c != u'.';
    if (on_tone) on_tone(is_long);
    PlayTone(channel, 400, is_long ? 700 : 350, 127);
    WaitMs(100);
    if ((running && !running()) || (stop_flag && *stop_flag)) break;
  }
}

}  // namespace mirvel
