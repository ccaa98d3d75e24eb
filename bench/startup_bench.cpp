// Cold start of the real program to its main window shown, with the real
// databases of the build: the process starts, attaches both files, shows the
// window, runs the first showing (automatic login) and ends.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

void BM_ColdStartToMainWindow(benchmark::State& state) {
  const QString build = QStringLiteral(MIRVEL_BENCH_BUILD_DIR);
  QTemporaryDir data;
  for (const char* name : {"config.fdb", "data.fdb"})
    QFile::copy(build + QStringLiteral("/db/") + QLatin1String(name), data.path() + QLatin1Char('/') + QLatin1String(name));
  QTemporaryDir runtime;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("MIRVEL_DATA_DIR"), data.path());
  env.insert(QStringLiteral("MIRVEL_QUIT_AFTER_START"), QStringLiteral("1"));
  env.insert(QStringLiteral("MIRVEL_UNATTENDED"), QStringLiteral("1"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
  if (!env.contains(QStringLiteral("QT_QPA_PLATFORM"))) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  // Automatic login, so no login window waits for a click.
  {
    QProcess isql;
    isql.setProcessEnvironment(env);
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA"),
                                           QStringLiteral("-password"), QStringLiteral("mirvel"),
                                           data.path() + QStringLiteral("/config.fdb")});
    isql.write("INSERT INTO settings (id_name,id_type,c_value) VALUES ('CHBLogin',2,'1'); COMMIT;\n");
    isql.closeWriteChannel();
    isql.waitForFinished();
  }
  for (auto _ : state) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(build + QStringLiteral("/mirvel"), {});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
      state.SkipWithError("the program did not start and end cleanly");
      break;
    }
  }
}
BENCHMARK(BM_ColdStartToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
