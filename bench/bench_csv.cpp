// Many results from the command line: 100 000 CSV rows converted in memory
// (reading, the main window's input rules, the calculation, the panel texts,
// writing), and the same file through the real program as a script runs it.
#include "Targets.h"
#include "core/CsvBatch.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace
{

constexpr int Rows = 100000;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "csv benchmark: %s\n", what);
    std::exit(1);
}

// Heat outputs from 1 to 100 kW with two decimals over every material and
// temperature difference; every tenth row a pipe chosen by its inner diameter, every
// hundredth row one the rules reject.
const QByteArray& input()
{
    static const QByteArray csv = [] {
        const char* differences[] = { "5", "6", "10", "12", "15", "20" };
        const char* diameters[] = { "27,2", "25", "13", "54,5", "19", "103" };
        QByteArray text = "Leistung_kW;Temperaturdifferenz_K;Material;Innen_mm\n";
        for (int i = 0; i < Rows; ++i) {
            const int material = i % 6 + 1;
            const int centiKw = 100 + (i * 7919) % 9900; // 1,00 to 99,99 kW, mostly different
            text += QByteArray::number(centiKw / 100) + ',' + QByteArray::number(centiKw % 100).rightJustified(2, '0')
                + ';' + differences[(i / 6) % 6] + ';' + QByteArray::number(material);
            if (i % 10 == 9) text += QByteArray(";") + diameters[material - 1];
            if (i % 100 == 99) text += ";x";
            text += '\n';
        }
        return text;
    }();
    return csv;
}

struct Fixture {
    SettingsRecord settings {};
    PipeCatalogue catalogue;
    Fixture()
    {
        settings.applyStandardValues(false);
        catalogue.fill();
    }
};

CsvBatch::Summary convert(QByteArray& output)
{
    static const Fixture f;
    QBuffer in;
    in.setData(input());
    in.open(QIODevice::ReadOnly);
    QBuffer out(&output);
    out.open(QIODevice::WriteOnly);
    return CsvBatch::convert(in, out, f.settings, f.catalogue);
}

void BM_Csv_100000Rows(benchmark::State& bench)
{
    QByteArray output;
    const CsvBatch::Summary check = convert(output);
    if (check.rows != Rows || check.notComputed != Rows / 100 || output.count('\n') != Rows + 1)
        fail("the conversion does not give one row per input row");
    for (auto _ : bench) {
        output.clear();
        benchmark::DoNotOptimize(convert(output));
    }
    bench.counters["rows"] = Rows;
    bench.SetBytesProcessed(int64_t(bench.iterations()) * input().size());
}

// The real program with its settings file beside it, reading the file and
// writing to a pipe: start-up included.
void BM_Csv_100000Rows_Program(benchmark::State& bench)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kreise.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(input()) != input().size()) fail("cannot write the input");
    file.close();
    for (auto _ : bench) {
        QProcess process;
        process.start(QStringLiteral(FLUVANO_PROGRAM), { QStringLiteral("--csv"), path });
        qint64 bytes = 0;
        while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
            process.waitForReadyRead(1000);
            bytes += process.readAllStandardOutput().size();
        }
        if (process.exitCode() != 1 || bytes < Rows * 40) fail("the program did not convert the file");
    }
    bench.counters["rows"] = Rows;
}

BENCHMARK(BM_Csv_100000Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Csv_100000Rows_Program)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TargetReporter reporter({
        { "BM_Csv_100000Rows", "CSV, 100 000 rows in memory", 600e6 },
        { "BM_Csv_100000Rows_Program", "CSV, 100 000 rows, fluvano --csv", 600e6 },
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.printTargets() == 0 ? 0 : 3;
}
