// Start-up time and resident memory of Fluvano beside two floors: one empty
// QWidget, and the same window showing one line of text in Fluvano's font
// (every program that shows text pays for fontconfig and a font). All run in
// turn, offscreen, with the start-up probe preloaded. Prints the medians and
// both ratios; the targets are against the one-line window, for the whole
// process from spawn until the window is shown and the event loop idles.
// Other builds of Fluvano (the first release, main) may run in the same turns,
// each with its settings file beside it:
//   fluvano-bench-startup [runs] [label=program ...]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <span>
#include <vector>

namespace
{

constexpr double TimeTarget = 1.4;
constexpr double MemoryTarget = 1.3;
constexpr int WarmUpRuns = 2;

struct Program {
    QString label;
    QString path;
    QStringList arguments;
    QString expectedWindow;
    std::vector<double> startupMs;
    std::vector<double> rssMiB;
    std::vector<double> processMs; // spawn to the idle event loop, seen from here
};

// The value below which `share` of the values lie, interpolated.
double quantile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const double at = share * double(values.size() - 1);
    const std::size_t below = std::size_t(at);
    if (below + 1 >= values.size()) return values.back();
    return values[below] + (at - double(below)) * (values[below + 1] - values[below]);
}

double median(const std::vector<double>& values)
{
    return quantile(values, 0.5);
}

// The middle half of the runs, "q1-q3".
QString spread(const std::vector<double>& values, int decimals)
{
    return QStringLiteral("%1-%2")
        .arg(quantile(values, 0.25), 0, 'f', decimals)
        .arg(quantile(values, 0.75), 0, 'f', decimals);
}

bool runOnce(Program& program, bool record)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FLUVANO_STARTUP_PROBE));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const auto spawn = std::chrono::steady_clock::now();
    process.start(program.path, program.arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        std::fprintf(stderr, "%s: did not reach an idle event loop within 30 s\n", qPrintable(program.path));
        return false;
    }
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    static const QRegularExpression report(
        QStringLiteral(R"(startup_us=(\d+) rss_kb=(\d+) window=(\S+) idle_ns=(\d+))"));
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
    const std::chrono::steady_clock::time_point idle { std::chrono::nanoseconds(match.captured(4).toLongLong()) };
    const double processMs = std::chrono::duration<double, std::milli>(idle - spawn).count();
    if (record) {
        program.startupMs.push_back(match.captured(1).toDouble() / 1000);
        program.rssMiB.push_back(match.captured(2).toDouble() / 1024);
        program.processMs.push_back(processMs);
    }
    return true;
}

const char* verdict(double ratio, double target)
{
    return ratio <= target ? "met" : "MISSED";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = arguments.size() > 1 ? std::max(1, arguments.at(1).toInt()) : 15;

    std::vector<Program> programs {
        { QStringLiteral("floor: one empty QWidget"), QStringLiteral(FLUVANO_FLOOR_PROGRAM), {},
            QStringLiteral("QWidget"), {}, {}, {} },
        { QStringLiteral("floor: one QLabel of text"), QStringLiteral(FLUVANO_FLOOR_PROGRAM),
            { QStringLiteral("--text") }, QStringLiteral("QWidget"), {}, {}, {} },
        { QStringLiteral("Fluvano main window"), QStringLiteral(FLUVANO_PROGRAM), {}, QStringLiteral("TForm1"), {}, {},
            {} },
    };
    for (const QString& other : arguments.mid(2)) {
        const qsizetype equals = other.indexOf(u'=');
        if (equals <= 0) {
            std::fprintf(stderr, "expected label=program, not %s\n", qPrintable(other));
            return 1;
        }
        programs.push_back({ other.left(equals), other.mid(equals + 1), {}, QStringLiteral("TForm1"), {}, {}, {} });
    }
    for (const Program& program : std::span(programs).subspan(2)) {
        if (!QFileInfo::exists(QFileInfo(program.path).dir().filePath(QStringLiteral("Fluvano.qel")))) {
            std::fprintf(stderr, "no settings file beside %s\n", qPrintable(program.path));
            return 1;
        }
    }

    for (int run = 0; run < WarmUpRuns + runs; ++run) {
        const bool record = run >= WarmUpRuns;
        for (Program& program : programs) {
            if (!runOnce(program, record)) return 1;
        }
    }

    const Program& floor = programs[0];
    const Program& textFloor = programs[1];
    const Program& fluvano = programs[2];
    std::printf("Start-up, offscreen, median and middle half (q1-q3) of %d runs each, in turn\n", runs);
    std::printf("(start-up: before main() to the first event-loop turn after the window's first paint;\n"
                " RSS: resident memory at that moment; process: spawn to that moment, as seen by this program;\n"
                " x text: process time and RSS as a multiple of the one-label window's)\n\n");
    std::printf(
        "%-28s %12s %12s %12s %14s %8s %8s\n", "", "start-up ms", "RSS MiB", "process ms", "q1-q3", "x text", "RSS x");
    for (const Program& program : programs)
        std::printf("%-28s %12.2f %12.1f %12.2f %14s %8.2f %8.2f\n", qPrintable(program.label),
            median(program.startupMs), median(program.rssMiB), median(program.processMs),
            qPrintable(spread(program.processMs, 1)), median(program.processMs) / median(textFloor.processMs),
            median(program.rssMiB) / median(textFloor.rssMiB));
    std::printf("\n");
    const double processRatio = median(fluvano.processMs) / median(textFloor.processMs);
    const double rssRatio = median(fluvano.rssMiB) / median(textFloor.rssMiB);
    std::printf("%-28s %12.2f %12.2f %12.2f\n", "ratio Fluvano / empty window",
        median(fluvano.startupMs) / median(floor.startupMs), median(fluvano.rssMiB) / median(floor.rssMiB),
        median(fluvano.processMs) / median(floor.processMs));
    std::printf("%-28s %12.2f %12.2f %12.2f\n\n", "ratio Fluvano / text window",
        median(fluvano.startupMs) / median(textFloor.startupMs), rssRatio, processRatio);
    std::printf("%-38s %6.2f x text window   target <= %.1f   %s\n", "start-up time (spawn to idle)", processRatio,
        TimeTarget, verdict(processRatio, TimeTarget));
    std::printf("%-38s %6.2f x text window   target <= %.1f   %s\n", "resident memory", rssRatio, MemoryTarget,
        verdict(rssRatio, MemoryTarget));
    return processRatio <= TimeTarget && rssRatio <= MemoryTarget ? 0 : 3;
}
