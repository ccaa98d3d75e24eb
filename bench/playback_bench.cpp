// Time from asking for a word to the output running: decoding the file into
// memory plus opening the output (dummy driver unless told otherwise).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdlib>

#include "audio/soundchannel.h"
#include "audio/wavimage.h"

namespace {

void BM_PlayWordSound(benchmark::State& state) {
  mirvel::SoundChannel channel;
  const QString path =
      QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../tests/data/short.mp3"));
  for (auto _ : state) {
    if (!channel.Play(path)) state.SkipWithError("cannot play the sample file");
    state.PauseTiming();
    channel.Stop(true);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PlayWordSound)->Unit(benchmark::kMillisecond);

void BM_BuildLongTone(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(mirvel::BuildToneWav(400, 700, 127));
}
BENCHMARK(BM_BuildLongTone)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
