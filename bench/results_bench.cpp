#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "store/resultstore.h"
#include "store/store.h"
#include "support/testdata.h"

namespace mirvel {
namespace {

// One data folder with 10,000 stored runs over 50 exercises, shared by all cases.
struct Fixture {
  Fixture() {
    QString reason;
    Store::PrepareLockDirectory(folder.path(), &reason);
    store.Open(folder.path(), &reason);
    results.DeleteAllResults();
    StoredRun run;
    run.duration = QStringLiteral("00:05:00");
    run.group = QStringLiteral("Skupina");
    run.summary = QByteArray(2000, 'x');
    for (int i = 0; i < 10000; ++i) {
      run.date = QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(i * 60);
      run.exam = QStringLiteral("Cvičenie %1").arg(i % 50);
      run.task_count = 5 + i % 10;
      run.success = i % 101;
      run.mark = QString::number(1 + i % 5);
      run.completed = i % 7 != 0;
      results.StoreResult(QStringLiteral("Kamarát"), 1, run);
    }
  }
  test::TempDataFolder folder;
  Store store;
  ResultStore results{store};
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

void BM_FillResultsGrid(benchmark::State& state) {
  auto& f = Shared();
  for (auto _ : state) {
    auto rows = f.results.FillResultsGrid(QString(), QStringLiteral("r.e_date DESC"));
    benchmark::DoNotOptimize(rows);
  }
}
BENCHMARK(BM_FillResultsGrid)->Unit(benchmark::kMillisecond);

void BM_ListRecords(benchmark::State& state) {
  auto& f = Shared();
  QStringList list;
  for (auto _ : state) benchmark::DoNotOptimize(f.results.ListRecords(&list));
}
BENCHMARK(BM_ListRecords)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirvel

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  mirvel::test::SetUpTestEnvironment();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
