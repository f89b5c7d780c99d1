// Start-up time and resident memory of Fluvano beside the floor program (one
// empty QWidget) and a reference that shows one line of text, all run in
// turn, offscreen, with the start-up probe preloaded. Prints the medians and
// the ratios; the targets are against the floor.
//   fluvano-bench-startup [runs]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr double Target = 1.3;
constexpr int WarmUpRuns = 2;

struct Program {
    const char* label;
    QString path;
    QStringList arguments;
    QString expectedWindow;
    std::vector<double> startupMs;
    std::vector<double> rssMiB;
    std::vector<double> processMs; // launch to exit, seen from here
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool runOnce(Program& program, bool record)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FLUVANO_STARTUP_PROBE));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program.path, program.arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        std::fprintf(stderr, "%s: did not reach an idle event loop within 30 s\n", qPrintable(program.path));
        return false;
    }
    const double processMs = double(clock.nsecsElapsed()) / 1e6;
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    static const QRegularExpression report(QStringLiteral(R"(startup_us=(\d+) rss_kb=(\d+) window=(\S+))"));
    const auto match = report.match(output);
    if (process.exitCode() != 0 || !match.hasMatch()) {
        std::fprintf(stderr, "%s: no report (exit %d)\n%s%s", qPrintable(program.path), process.exitCode(),
            qPrintable(output), qPrintable(QString::fromLocal8Bit(process.readAllStandardError())));
        return false;
    }
    if (match.captured(3) != program.expectedWindow) {
        std::fprintf(stderr, "%s: first window painted was %s, not %s (is the settings file beside it?)\n",
            qPrintable(program.path), qPrintable(match.captured(3)), qPrintable(program.expectedWindow));
        return false;
    }
    if (record) {
        program.startupMs.push_back(match.captured(1).toDouble() / 1000);
        program.rssMiB.push_back(match.captured(2).toDouble() / 1024);
        program.processMs.push_back(processMs);
    }
    return true;
}

const char* verdict(double ratio)
{
    return ratio <= Target ? "met" : "MISSED";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = arguments.size() > 1 ? std::max(1, arguments.at(1).toInt()) : 15;

    Program floor { "floor: one empty QWidget", QStringLiteral(FLUVANO_FLOOR_PROGRAM), {}, QStringLiteral("QWidget") };
    Program textFloor { "reference: one QLabel", QStringLiteral(FLUVANO_FLOOR_PROGRAM), { QStringLiteral("--text") },
        QStringLiteral("QWidget") };
    Program fluvano { "Fluvano main window", QStringLiteral(FLUVANO_PROGRAM), {}, QStringLiteral("TForm1") };
    if (!QFileInfo::exists(QFileInfo(fluvano.path).dir().filePath(QStringLiteral("Fluvano.qel")))) {
        std::fprintf(stderr, "no settings file beside %s\n", qPrintable(fluvano.path));
        return 1;
    }

    for (int run = 0; run < WarmUpRuns + runs; ++run) {
        const bool record = run >= WarmUpRuns;
        for (Program* program : { &floor, &textFloor, &fluvano }) {
            if (!runOnce(*program, record)) return 1;
        }
    }

    std::printf("Start-up, offscreen, median of %d runs each, in turn\n", runs);
    std::printf("(start-up: before main() to the first event-loop turn after the window's first paint;\n"
                " RSS: resident memory at that moment; process: launch to exit, as seen by this program)\n\n");
    std::printf("%-28s %12s %12s %12s\n", "", "start-up ms", "RSS MiB", "process ms");
    for (const Program* program : { &floor, &textFloor, &fluvano })
        std::printf("%-28s %12.2f %12.1f %12.2f\n", program->label, median(program->startupMs), median(program->rssMiB),
            median(program->processMs));
    const double startupRatio = median(fluvano.startupMs) / median(floor.startupMs);
    const double rssRatio = median(fluvano.rssMiB) / median(floor.rssMiB);
    const double processRatio = median(fluvano.processMs) / median(floor.processMs);
    std::printf("%-28s %12.2f %12.2f %12.2f\n", "ratio Fluvano / floor", startupRatio, rssRatio, processRatio);
    std::printf("%-28s %12.2f %12.2f %12.2f\n\n", "ratio Fluvano / reference",
        median(fluvano.startupMs) / median(textFloor.startupMs), median(fluvano.rssMiB) / median(textFloor.rssMiB),
        median(fluvano.processMs) / median(textFloor.processMs));
    std::printf(
        "%-38s %6.2f x floor   target <= %.1f   %s\n", "start-up time", startupRatio, Target, verdict(startupRatio));
    std::printf("%-38s %6.2f x floor   target <= %.1f   %s\n", "resident memory", rssRatio, Target, verdict(rssRatio));
    return startupRatio <= Target && rssRatio <= Target ? 0 : 3;
}
