// Preloaded (LD_PRELOAD) into a Qt Widgets program, unchanged otherwise.
// Reports on standard output the time from just before main() to the first
// turn of the event loop after a top-level window has been painted, and the
// resident memory at that moment, then ends the process at once:
//   startup_us=12345 rss_kb=40000 window=TForm1 idle_ns=123456789
// idle_ns is that moment on the steady clock, so that the caller can measure
// from the spawn without the process's exit.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace
{

using Clock = std::chrono::steady_clock;

// This library's static initialiser runs after Qt's and before the
// program's own, so this is the moment just before main().
const Clock::time_point processStart = Clock::now();

long residentKilobytes()
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long kilobytes = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            kilobytes = std::strtol(line + 6, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kilobytes;
}

class Probe : public QObject
{
public:
    const QWidget* painted = nullptr;

    void loopTurn()
    {
        if (!painted || !painted->isVisible()) return;
        const Clock::time_point now = Clock::now();
        const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(now - processStart);
        const auto idle = std::chrono::duration_cast<std::chrono::nanoseconds>(now.time_since_epoch());
        const long rss = residentKilobytes();
        char report[256];
        const int length = std::snprintf(report, sizeof report, "startup_us=%lld rss_kb=%ld window=%s idle_ns=%lld\n",
            static_cast<long long>(elapsed.count()), rss, painted->metaObject()->className(),
            static_cast<long long>(idle.count()));
        if (length > 0 && ::write(STDOUT_FILENO, report, std::size_t(length)) < 0) ::_exit(2);
        ::_exit(0);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!painted && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow())
            painted = static_cast<QWidget*>(watched);
        return false;
    }
};

void installProbe()
{
    auto* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher) {
        std::fputs("startup probe: no event dispatcher\n", stderr);
        ::_exit(2);
    }
    auto* probe = new Probe;
    QCoreApplication::instance()->installEventFilter(probe);
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, probe, &Probe::loopTurn);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
