#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

namespace mirvel {

// The one playback channel all sounds share. An MP3 file is decoded into
// memory and played on the audio output's own thread; the end of a playback
// reaches the owning thread as a queued PlaybackFinished. Where no sound
// device can be opened the silent "dummy" output is used, which consumes the
// samples in real time, so waits take as long as with a loudspeaker.
class SoundChannel final : public QObject {
  Q_OBJECT

 public:
  explicit SoundChannel(QObject* parent = nullptr);
  ~SoundChannel() override;

  // Plays an MP3 file; a word still playing is stopped first. Returns false
  // (no sound, no signal) when the file is missing or cannot be decoded.
  bool Play(const QString& path);
  // Stops the output. With wait the call returns once the output thread has
  // left the current buffer (it must never be called from that thread).
  void Stop(bool wait = true);
  bool IsPlaying() const;
  // The file of the last successful Play.
  QString CurrentFile() const { return current_file_; }
  // Length in seconds of the last file played with Play.
  double CurrentLength() const { return current_length_; }
  // Plays the samples of a mono 8-bit WAV image and returns when they have
  // played. A word playing is stopped first. False for a malformed image.
  bool PlayPcmSync(const QByteArray& wav_image);

  // True for the rotating temporary word recordings ("zvuk" in the name).
  static bool IsTempSound(const QString& path) { return path.contains(QLatin1String("zvuk")); }

 Q_SIGNALS:
  // A playback has run to its end; is_temp_sound tells a task's word
  // recording from a feedback sound.
  void PlaybackFinished(const QString& path, bool is_temp_sound);

 private:
  bool OpenDevice(int rate, int channels, bool eight_bit);
  void CloseDevice();
  static void Callback(void* self, std::uint8_t* stream, int len);
  void Fill(std::uint8_t* stream, int len);
  void NotifyFinished(quint64 generation);

  std::uint32_t device_ = 0;
  std::mutex mutex_;
  std::vector<std::uint8_t> samples_;
  std::size_t position_ = 0;
  std::uint8_t silence_ = 0;
  std::atomic<bool> done_{true};
  std::atomic<quint64> generation_{0};
  bool notify_ = false;
  QString current_file_;
  double current_length_ = 0.0;
};

}  // namespace mirvel
