#include "audio/soundchannel.h"

#include <QFile>
#include <QMetaObject>
#include <QThread>

#include <SDL.h>
#include <mpg123.h>

#include <cstring>

namespace mirvel {

namespace {

bool EnsureAudio() {
  static const bool ok = [] {
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      // No usable driver: fall back to the silent one.
      SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
      return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    return true;
  }();
  return ok;
}

// Decodes a whole MP3 file into signed 16-bit samples.
bool DecodeMp3(const QString& path, std::vector<std::uint8_t>* out, long* rate, int* channels) {
  if (!QFile::exists(path)) return false;
  static const bool init_ok = mpg123_init() == MPG123_OK;
  if (!init_ok) return false;
  int err = 0;
  mpg123_handle* h = mpg123_new(nullptr, &err);
  if (!h) return false;
  bool ok = false;
  mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
  const QByteArray name = QFile::encodeName(path);
  int encoding = 0;
  if (mpg123_open(h, name.constData()) == MPG123_OK &&
      mpg123_getformat(h, rate, channels, &encoding) == MPG123_OK) {
    mpg123_format_none(h);
    mpg123_format(h, *rate, *channels, MPG123_ENC_SIGNED_16);
    out->clear();
    unsigned char buf[16384];
    for (;;) {
      size_t done = 0;
      const int r = mpg123_read(h, buf, sizeof buf, &done);
      out->insert(out->end(), buf, buf + done);
      if (r == MPG123_NEW_FORMAT || r == MPG123_OK) continue;
      ok = r == MPG123_DONE;
      break;
    }
    ok = ok && !out->empty();
    mpg123_close(h);
  }
  mpg123_delete(h);
  return ok;
}

}  // namespace

SoundChannel::SoundChannel(QObject* parent) : QObject(parent) {}

SoundChannel::~SoundChannel() { CloseDevice(); }

bool SoundChannel::OpenDevice(int rate, int channels, bool eight_bit) {
  if (!EnsureAudio()) return false;
  SDL_AudioSpec want{};
  want.freq = rate;
  want.format = eight_bit ? AUDIO_U8 : AUDIO_S16SYS;
  want.channels = static_cast<Uint8>(channels);
  want.samples = 1024;
  want.callback = &SoundChannel::Callback;
  want.userdata = this;
  SDL_AudioSpec have{};
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ == 0) {
    // The device is gone or busy: keep the timing with the silent driver.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  }
  silence_ = eight_bit ? 0x80 : 0;
  return device_ != 0;
}

void SoundChannel::CloseDevice() {
  if (device_ != 0) {
    // Closing waits for the callback to return.
    SDL_CloseAudioDevice(device_);
    device_ = 0;
  }
  done_ = true;
}

void SoundChannel::Callback(void* self, std::uint8_t* stream, int len) {
  static_cast<SoundChannel*>(self)->Fill(stream, len);
}

void SoundChannel::Fill(std::uint8_t* stream, int len) {
  std::lock_guard<std::mutex> lock(mutex_);
  const std::size_t left = samples_.size() - position_;
  const std::size_t n = std::min<std::size_t>(left, static_cast<std::size_t>(len));
  if (n > 0) std::memcpy(stream, samples_.data() + position_, n);
  if (n < static_cast<std::size_t>(len)) std::memset(stream + n, silence_, static_cast<std::size_t>(len) - n);
  position_ += n;
  if (position_ >= samples_.size() && !done_.exchange(true) && notify_) {
    const quint64 gen = generation_.load();
    QMetaObject::invokeMethod(this, [this, gen] { NotifyFinished(gen); }, Qt::QueuedConnection);
  }
}

void SoundChannel::NotifyFinished(quint64 generation) {
  if (generation != generation_.load()) return;  // a later playback replaced it
  Q_EMIT PlaybackFinished(current_file_, IsTempSound(current_file_));
}

bool SoundChannel::Play(const QString& path) {
  std::vector<std::uint8_t> pcm;
  long rate = 0;
  int channels = 0;
  if (!DecodeMp3(path, &pcm, &rate, &channels)) return false;
  Stop(true);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    samples_ = std::move(pcm);
    position_ = 0;
    notify_ = true;
    ++generation_;
    done_ = false;
  }
  current_file_ = path;
  current_length_ = rate > 0 && channels > 0 ? static_cast<double>(samples_.size()) / (2.0 * rate * channels) : 0.0;
  if (!OpenDevice(static_cast<int>(rate), channels, false)) {
    done_ = true;
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SoundChannel::Stop(bool wait) {
  ++generation_;
  if (!wait && device_ != 0) SDL_PauseAudioDevice(device_, 1);
  CloseDevice();
}

bool SoundChannel::IsPlaying() const { return device_ != 0 && !done_.load(); }

bool SoundChannel::PlayPcmSync(const QByteArray& wav_image) {
  if (wav_image.size() < 46 || !wav_image.startsWith("RIFF") || wav_image.mid(38, 4) != "data") return false;
  auto u32 = [&wav_image](int at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(wav_image.at(at + i));
    return v;
  };
  const std::uint32_t rate = u32(24);
  const std::uint32_t size = std::min<std::uint32_t>(u32(42), static_cast<std::uint32_t>(wav_image.size() - 46));
  Stop(true);
  if (size == 0) return true;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto* begin = reinterpret_cast<const std::uint8_t*>(wav_image.constData()) + 46;
    samples_.assign(begin, begin + size);
    position_ = 0;
    notify_ = false;
    ++generation_;
    done_ = false;
  }
  if (!OpenDevice(static_cast<int>(rate), 1, true)) {
    done_ = true;
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  while (!done_.load()) QThread::msleep(5);
  // Let the last buffer leave the device before closing it.
  CloseDevice();
  return true;
}

}  // namespace mirvel
