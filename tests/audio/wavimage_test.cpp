#include "audio/wavimage.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace mirvel {
namespace {

std::uint32_t U32(const QByteArray& b, int at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b.at(at + i));
  return v;
}
std::uint16_t U16(const QByteArray& b, int at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b.at(at)) |
                                    (static_cast<std::uint8_t>(b.at(at + 1)) << 8));
}

TEST(WavImage, HeaderAndSizesOfBuzzerTones) {
  struct Case { int ms; int n; };
  for (const Case c : {Case{350, 3858}, Case{700, 7717}, Case{0, 0}}) {
    const QByteArray b = BuildToneWav(400, c.ms, 127);
    ASSERT_EQ(b.size(), 46 + c.n) << c.ms;
    EXPECT_EQ(b.mid(0, 4), "RIFF");
    EXPECT_EQ(U32(b, 4), std::uint32_t(c.n + 38));
    EXPECT_EQ(b.mid(8, 4), "WAVE");
    EXPECT_EQ(b.mid(12, 4), "fmt ");
    EXPECT_EQ(U32(b, 16), 18u);
    EXPECT_EQ(U16(b, 20), 1);
    EXPECT_EQ(U16(b, 22), 1);
    EXPECT_EQ(U32(b, 24), 11025u);
    EXPECT_EQ(U32(b, 28), 11025u);
    EXPECT_EQ(U16(b, 32), 1);
    EXPECT_EQ(U16(b, 34), 8);
    EXPECT_EQ(U16(b, 36), 0);
    EXPECT_EQ(b.mid(38, 4), "data");
    EXPECT_EQ(U32(b, 42), std::uint32_t(c.n));
  }
  EXPECT_EQ(U32(BuildToneWav(400, 350, 127), 4), 3896u);
  EXPECT_EQ(U32(BuildToneWav(400, 700, 127), 4), 7755u);
}

TEST(WavImage, FirstSamplesAndRange) {
  const int want[] = {127, 155, 182, 207, 227, 242, 251, 253, 249, 239};
  for (int ms : {350, 700}) {
    const QByteArray b = BuildToneWav(400, ms, 127);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(static_cast<std::uint8_t>(b.at(46 + i)), want[i]) << ms << " " << i;
    for (int i = 46; i < b.size(); ++i) {
      const int s = static_cast<std::uint8_t>(b.at(i));
      ASSERT_GE(s, 1);
      ASSERT_LE(s, 253);
    }
  }
}

}  // namespace
}  // namespace mirvel
