#include "audio/wordsound.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <set>
#include <unistd.h>

#include "audio/soundchannel.h"

namespace mirvel {
namespace {

class TempSoundTest : public ::testing::Test {
 protected:
  void Touch(int k) {
    QFile f(TempSoundPath(dir_.path(), k));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  bool Exists(int k) const { return QFile::exists(TempSoundPath(dir_.path(), k)); }
  QTemporaryDir dir_;
};

TEST_F(TempSoundTest, ReturnsOnlyFreeNamesAndDeletesTheCurrentOne) {
  std::set<QString> seen;
  for (int i = 0; i < 200; ++i) {
    const QString name = TempSoundName(dir_.path(), {});
    ASSERT_TRUE(name.startsWith(QDir(dir_.path()).filePath("zvuk")));
    ASSERT_TRUE(name.endsWith(".mp3"));
    ASSERT_FALSE(QFile::exists(name));
    seen.insert(name);
  }
  EXPECT_EQ(seen.size(), 10u);

  for (int k = 1; k <= 9; ++k) Touch(k);
  EXPECT_EQ(TempSoundName(dir_.path(), {}), TempSoundPath(dir_.path(), 10));
  Touch(10);
  // The current recording is deleted, which frees its name.
  EXPECT_EQ(TempSoundName(dir_.path(), TempSoundPath(dir_.path(), 4)), TempSoundPath(dir_.path(), 4));
  EXPECT_FALSE(Exists(4));
}

TEST_F(TempSoundTest, AllTenLockedEndsWithNoName) {
  for (int k = 1; k <= 10; ++k) Touch(k);
  const FileDeleter locked = [](const QString&) { return false; };
  EXPECT_EQ(TempSoundName(dir_.path(), TempSoundPath(dir_.path(), 2), locked), QString());
  DeleteTempSounds(dir_.path(), locked);
  EXPECT_TRUE(Exists(7));
}

TEST_F(TempSoundTest, ReadOnlyFolderKeepsFilesAndNameSearchEnds) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop deletion for root";
  for (int k = 1; k <= 10; ++k) Touch(k);
  QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_EQ(TempSoundName(dir_.path(), TempSoundPath(dir_.path(), 1)), QString());
  QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(TempSoundTest, DeleteTempSoundsRemovesOnlyTheTen) {
  for (int k = 1; k <= 10; ++k) Touch(k);
  QFile other(QDir(dir_.path()).filePath("zvuk11.mp3"));
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  other.close();
  DeleteTempSounds(dir_.path());
  for (int k = 1; k <= 10; ++k) EXPECT_FALSE(Exists(k)) << k;
  EXPECT_TRUE(other.exists());
}

TEST(Buzzer, ToneAboveHighestFrequencyIsSilent) {
  SoundChannel channel;
  EXPECT_FALSE(PlayTone(channel, 7000, 50, 127));
  EXPECT_TRUE(PlayTone(channel, 6615, 20, 127));
}

TEST(Buzzer, PatternPlaysItsTonesAndStopsOnRequest) {
  SoundChannel channel;
  struct Case { const char* pattern; bool stop_after_first; bool run_ends; std::vector<bool> want; };
  const Case cases[] = {
      {"-.", false, false, {true, false}},
      {"-.-", true, false, {true}},
      {".-", false, true, {false}},
  };
  for (const Case& c : cases) {
    bool stop = true;  // cleared when the pattern starts
    bool running = true;
    std::vector<bool> tones;
    PlayBuzzerPattern(channel, QString::fromLatin1(c.pattern), &stop, [&running] { return running; },
                      [&](bool is_long) {
                        tones.push_back(is_long);
                        if (c.stop_after_first) stop = true;
                        if (c.run_ends) running = false;
                      });
    EXPECT_EQ(tones, c.want) << c.pattern;
  }
}

TEST(Buzzer, PatternStopsAPlayingWord) {
  SoundChannel channel;
  ASSERT_TRUE(channel.Play(QStringLiteral(MIRVEL_TEST_SOURCE_DIR "/tests/data/short.mp3")));
  bool stop = false;
  PlayBuzzerPattern(channel, ".", &stop);
  EXPECT_FALSE(channel.IsPlaying());
}

}  // namespace
}  // namespace mirvel
