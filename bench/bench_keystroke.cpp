// One keystroke in the heat-output entry of the real main window, offscreen:
// key filter, change event, completeness check, calculation, result panels.
#include "Targets.h"
#include "core/AppState.h"
#include "core/SettingsFile.h"
#include "forms/main/TForm1.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "keystroke benchmark: %s\n", what);
    std::exit(1);
}

// Counts paint events of the window's widgets, to prove that the painting
// variant really paints.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The main window with the standard settings file, as after start-up.
struct Window {
    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
    int messages = 0;
    PaintCounter paints;

    Window()
    {
        if (!dir.isValid()) fail("no temporary directory");
        resetAppState();
        SettingsFile::setDirectory(dir.path());
        SettingsRecord record {};
        record.applyStandardValues(false);
        record.hideStartWindow = 1;
        record.hideEndWindow = 1;
        if (!SettingsFile::write(record)) fail("cannot write the settings file");
        MessageBoxes::setHandler([this](QWidget*, const MessageBoxes::Request&) { ++messages; });
        form = std::make_unique<TForm1>();
        const auto timers = form->findChildren<QTimer*>(Qt::FindDirectChildrenOnly);
        for (QTimer* timer : timers)
            timer->stop();
        form->show();
        QCoreApplication::processEvents();
        form->Edit1->setText(QStringLiteral("10"));
        if (appState().settingsFileError() || messages != 0 || form->Panel1->text() != QStringLiteral("DN 25")
            || form->Panel2->text() != QStringLiteral("42,73"))
            fail("the worked example does not show DN 25 with R 42,73");
        qApp->installEventFilter(&paints);
    }
    ~Window() { qApp->removeEventFilter(&paints); }

    void key(int code, const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(form->Edit1, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(form->Edit1, &release);
    }

    // Alternates "10" and "1": a backspace, then a zero. Both compute.
    void keystroke()
    {
        if (form->Edit1->text().endsWith(u'0'))
            key(Qt::Key_Backspace, QStringLiteral("\b"));
        else
            key(Qt::Key_0, QStringLiteral("0"));
    }

    void startTyping()
    {
        form->Edit1->setText(QStringLiteral("10"));
        form->Edit1->end(false);
    }

    void check(const char* bench)
    {
        if (messages != 0 || form->Panel1->text().isEmpty() || form->Panel2->text().isEmpty()) {
            std::fprintf(stderr, "%s: Edit1 \"%s\", Panel1 \"%s\", %d messages: ", bench,
                qPrintable(form->Edit1->text()), qPrintable(form->Panel1->text()), messages);
            fail("the keystrokes did not show a result");
        }
    }
};

// Created on first use, destroyed before the application.
std::unique_ptr<Window> theWindow;

Window& window()
{
    if (!theWindow) theWindow = std::make_unique<Window>();
    return *theWindow;
}

// The text changed as by a paste: change event → DatenVollstaendig → Berechnen → Anzeigen.
void BM_Keystroke_SetText(benchmark::State& bench)
{
    Window& w = window();
    int i = 0;
    for (auto _ : bench)
        w.form->Edit1->setText((i++ % 2) ? QStringLiteral("10") : QStringLiteral("11"));
    w.check("SetText");
}

// A key press and release through the key filter, as typed.
void BM_Keystroke_KeyEvent(benchmark::State& bench)
{
    Window& w = window();
    w.startTyping();
    for (auto _ : bench)
        w.keystroke();
    w.check("KeyEvent");
}

// As typed, and the changed controls repainted into the backing store.
void BM_Keystroke_KeyEventAndPaint(benchmark::State& bench)
{
    Window& w = window();
    w.startTyping();
    QCoreApplication::processEvents();
    const int paintsBefore = w.paints.paints;
    for (auto _ : bench) {
        w.keystroke();
        QCoreApplication::processEvents();
    }
    w.check("KeyEventAndPaint");
    if (w.paints.paints == paintsBefore) fail("KeyEventAndPaint painted nothing");
    bench.counters["paints"] = benchmark::Counter(w.paints.paints - paintsBefore, benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_Keystroke_SetText);
BENCHMARK(BM_Keystroke_KeyEvent);
BENCHMARK(BM_Keystroke_KeyEventAndPaint);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TargetReporter reporter({
        { "BM_Keystroke_SetText", "keystroke, text set", 200000 },
        { "BM_Keystroke_KeyEvent", "keystroke, key event", 200000 },
        { "BM_Keystroke_KeyEventAndPaint", "keystroke, key event and repaint", 200000 },
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    theWindow.reset();
    MessageBoxes::setHandler({});
    return reporter.printTargets() == 0 ? 0 : 3;
}
