#include "audio/wavimage.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace mirvel {

namespace {
void Put32(QByteArray& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put16(QByteArray& b, std::uint16_t v) {
  b.append(static_cast<char>(v & 0xFF));
  b.append(static_cast<char>((v >> 8) & 0xFF));
}
}  // namespace

int ToneSampleCount(int ms) {
  return ms <= 0 ? 0 : static_cast<int>(static_cast<qint64>(ms) * kToneSampleRate / 1000);
}

QByteArray BuildToneWav(double frequency, int ms, int amplitude) {
  const int n = ToneSampleCount(ms);
  constexpr std::uint16_t kChannels = 1;
  constexpr std::uint16_t kBits = 8;
  constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;
  QByteArray b;
  b.reserve(kWavHeaderSize + n);
  b.append("RIFF", 4);
  Put32(b, static_cast<std::uint32_t>(n) + 38);
  b.append("WAVE", 4);
  b.append("fmt ", 4);
  Put32(b, 18);
  Put16(b, 1);
  Put16(b, kChannels);
  Put32(b, kToneSampleRate);
  Put32(b, kBlockAlign * kToneSampleRate);
  Put16(b, kBlockAlign);
  Put16(b, kBits);
  Put16(b, 0);
  b.append("data", 4);
  Put32(b, static_cast<std::uint32_t>(n));
  for (int h = 0; h < n; ++h) {
    const double x = std::sin(2.0 * std::numbers::pi * frequency * h / kToneSampleRate);
    const int s = static_cast<int>(x * amplitude);
    b.append(static_cast<char>((s + 127) & 0xFF));
  }
  return b;
}

}  // namespace mirvel
