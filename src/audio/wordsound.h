#pragma once

#include <QString>

#include <functional>

namespace mirvel {

class SoundChannel;

inline constexpr int kTempSoundCount = 10;
inline constexpr double kHighestToneFrequency = 0.6 * 11025;

using FileDeleter = std::function<bool(const QString& path)>;

// Path of temporary recording k (1..10) in the data folder.
QString TempSoundPath(const QString& data_folder, int k);

// Deletes the current recording (failure ignored) and returns a free name
// among zvuk1.mp3 .. zvuk10.mp3, chosen at random. When all ten exist and
// none can be deleted the result is empty: this task gets no recording.
QString TempSoundName(const QString& data_folder, const QString& current,
                      const FileDeleter& remove = {});
// Deletes all ten temporary recordings, ignoring failures.
void DeleteTempSounds(const QString& data_folder, const FileDeleter& remove = {});

// Processes events until the channel stops playing or keep_waiting says no.
void WaitForPlaybackEnd(const SoundChannel& channel, const std::function<bool()>& keep_waiting = {});

// One sine tone, returning when it has sounded; nothing above 6615 Hz.
// Returns whether a tone was played.
bool PlayTone(SoundChannel& channel, double frequency, int ms, int amplitude);
// "." a short tone, anything else a long one, each followed by a 100 ms
// pause; clears *stop_flag first and stops after a pause when the flag is set
// or running() is false. The first tone always sounds.
void PlayBuzzerPattern(SoundChannel& channel, const QString& pattern, bool* stop_flag,
                       const std::function<bool()>& running = {},
                       const std::function<void(bool is_long)>& on_tone = {});

}  // namespace mirvel
