// Loaded into a Qt Widgets program, unchanged otherwise: on Linux preloaded
// (LD_PRELOAD), on Windows as Qt's generic plugin "startupprobe"
// (QT_QPA_GENERIC_PLUGINS=startupprobe, the plugin's folder in
// QT_PLUGIN_PATH). Reports on standard output the time from just before
// main() (on Windows: from the plugin's loading) to the first turn of the
// event loop after a top-level window has been painted, and the resident
// memory at that moment, then ends the process at once:
//   startup_us=12345 rss_kb=40000 window=TForm1 idle_ns=123456789 process_us=23456
// idle_ns is that moment on the steady clock, so that the caller can measure
// from the spawn without the process's exit; process_us is the time since
// the process was created, as the system recorded it.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>

#include <psapi.h> // after windows.h
#else
#include <ctime>
#endif

namespace
{

using Clock = std::chrono::steady_clock;

// This library's static initialiser runs after Qt's and before the
// program's own, so this is the moment just before main().
const Clock::time_point processStart = Clock::now();

#ifdef Q_OS_WIN
long residentKilobytes()
{
    PROCESS_MEMORY_COUNTERS counters {};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
    return long(counters.WorkingSetSize / 1024);
}

long long microsecondsSinceCreation()
{
    FILETIME creation, exit, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user)) return -1;
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](FILETIME t) { return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return (ticks(now) - ticks(creation)) / 10; // 100 ns ticks
}
#else
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

long long microsecondsSinceCreation()
{
    return -1; // the caller measures from the spawn (idle_ns)
}
#endif

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
        const long long sinceCreation = microsecondsSinceCreation();
        const long rss = residentKilobytes();
        std::printf("startup_us=%lld rss_kb=%ld window=%s idle_ns=%lld process_us=%lld\n",
            static_cast<long long>(elapsed.count()), rss, painted->metaObject()->className(),
            static_cast<long long>(idle.count()), sinceCreation);
        std::fflush(stdout);
        std::_Exit(0);
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
        std::_Exit(2);
    }
    auto* probe = new Probe;
    QCoreApplication::instance()->installEventFilter(probe);
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, probe, &Probe::loopTurn);
}

} // namespace

// Called from QCoreApplication's constructor, or at once when the library is
// loaded into a running application (the Windows plugin).
Q_COREAPP_STARTUP_FUNCTION(installProbe)
