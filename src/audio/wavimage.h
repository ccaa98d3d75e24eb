#pragma once

#include <QByteArray>

namespace mirvel {

inline constexpr int kToneSampleRate = 11025;
inline constexpr int kWavHeaderSize = 46;

// Number of samples of a tone of ms milliseconds.
int ToneSampleCount(int ms);
// A complete mono 8-bit WAV image (18-byte format chunk) of a sine tone.
QByteArray BuildToneWav(double frequency, int ms, int amplitude);

}  // namespace mirvel
