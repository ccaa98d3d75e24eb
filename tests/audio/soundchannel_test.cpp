#include "audio/soundchannel.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "audio/wavimage.h"
#include "audio/wordsound.h"

namespace mirvel {
namespace {

QString ShortMp3() { return QStringLiteral(MIRVEL_TEST_SOURCE_DIR "/tests/data/short.mp3"); }

class SoundChannelTest : public ::testing::Test {
 protected:
  QString Copy(const QString& name) {
    const QString path = dir_.filePath(name);
    QFile::copy(ShortMp3(), path);
    return path;
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
  }
  QTemporaryDir dir_;
  SoundChannel channel_;
};

TEST_F(SoundChannelTest, WordPlaysToItsEndAndSignalsOnOwningThread) {
  struct Case { const char* name; bool temp; };
  for (const Case c : {Case{"zvuk3.mp3", true}, Case{"spravne.mp3", false}}) {
    const QString path = Copy(QString::fromLatin1(c.name));
    QSignalSpy spy(&channel_, &SoundChannel::PlaybackFinished);
    ASSERT_TRUE(channel_.Play(path)) << c.name;
    EXPECT_TRUE(channel_.IsPlaying());
    ASSERT_TRUE(spy.wait(5000)) << c.name;
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), path);
    EXPECT_EQ(spy.at(0).at(1).toBool(), c.temp);
    EXPECT_FALSE(channel_.IsPlaying());
  }
}

TEST_F(SoundChannelTest, MissingEmptyOrUndecodableFileGivesNoSoundAndNoSignal) {
  const QString paths[] = {dir_.filePath("none.mp3"), Write("zvuk1.mp3", {}),
                           Write("zvuk2.mp3", QByteArray(4000, 'x'))};
  QSignalSpy spy(&channel_, &SoundChannel::PlaybackFinished);
  for (const QString& p : paths) {
    EXPECT_FALSE(channel_.Play(p)) << p.toStdString();
    EXPECT_FALSE(channel_.IsPlaying());
  }
  EXPECT_FALSE(spy.wait(500));
}

TEST_F(SoundChannelTest, NewWordStopsThePlayingOne) {
  const QString first = Copy("zvuk1.mp3");
  const QString second = Copy("zvuk2.mp3");
  QSignalSpy spy(&channel_, &SoundChannel::PlaybackFinished);
  ASSERT_TRUE(channel_.Play(first));
  ASSERT_TRUE(channel_.Play(second));
  WaitForPlaybackEnd(channel_);
  spy.wait(300);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.at(0).at(0).toString(), second);
}

TEST_F(SoundChannelTest, StopEndsPlaybackWithoutSignal) {
  QSignalSpy spy(&channel_, &SoundChannel::PlaybackFinished);
  ASSERT_TRUE(channel_.Play(Copy("zvuk1.mp3")));
  channel_.Stop(true);
  EXPECT_FALSE(channel_.IsPlaying());
  EXPECT_FALSE(spy.wait(500));
}

TEST_F(SoundChannelTest, PcmImagePlaysSynchronouslyAndStopsAWord) {
  ASSERT_TRUE(channel_.Play(Copy("zvuk1.mp3")));
  EXPECT_TRUE(channel_.PlayPcmSync(BuildToneWav(400, 100, 127)));
  EXPECT_FALSE(channel_.IsPlaying());
  EXPECT_TRUE(channel_.PlayPcmSync(BuildToneWav(400, 0, 127)));
  EXPECT_FALSE(channel_.PlayPcmSync(QByteArray("RIFF")));
}

}  // namespace
}  // namespace mirvel
