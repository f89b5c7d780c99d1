// The section window with 1,000 sections, offscreen: one cell edited (its
// row computed again, the running totals below it, the totals and the pump
// panels), with and without the repaint, and every row computed again after
// a change of the temperature difference. Target: within a frame (16 ms).
#include "Targets.h"
#include "core/AppState.h"
#include "forms/sections/SectionModel.h"
#include "forms/sections/TForm7.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{

struct Window {
    std::unique_ptr<TForm7> form;
    SectionModel* model = nullptr;

    Window()
    {
        resetAppState();
        AppState& state = appState();
        SettingsRecord settings {};
        settings.applyStandardValues(false);
        state.setSettings(settings);
        PipeCatalogue catalogue;
        catalogue.fill();
        state.setCatalogue(catalogue);
        form = std::make_unique<TForm7>(state);
        model = form->model();
        form->followMainWindow(QStringLiteral("15"), 1);
        QList<Circuit::Section> sections;
        for (int i = 0; i < Circuit::MaxSections; ++i)
            sections.append({ QStringLiteral("Teilstrecke %1").arg(i + 1), QString::number(1 + i % 50),
                QString::number(2 + i % 20), QStringLiteral("2,5"), 1 + i % 6, {} });
        model->setSections(sections);
        form->Edit1->setText(QStringLiteral("2500"));
        form->show();
        QCoreApplication::processEvents();
        if (form->Panel2->text().isEmpty() || model->rowCount() != Circuit::MaxSections) {
            std::fprintf(stderr, "sections benchmark: no head for 1,000 sections\n");
            std::exit(1);
        }
    }
};

std::unique_ptr<Window> theWindow;

Window& window()
{
    if (!theWindow) theWindow = std::make_unique<Window>();
    return *theWindow;
}

// A length in the first row: every running total below it changes.
void edit(Window& w, int i)
{
    w.model->setData(w.model->index(0, SectionModel::Length), (i % 2) ? QStringLiteral("12") : QStringLiteral("13"));
}

void BM_Sections_EditOneCell(benchmark::State& bench)
{
    Window& w = window();
    int i = 0;
    for (auto _ : bench)
        edit(w, i++);
}

void BM_Sections_EditOneCellAndPaint(benchmark::State& bench)
{
    Window& w = window();
    int i = 0;
    for (auto _ : bench) {
        edit(w, i++);
        QCoreApplication::processEvents();
    }
}

void BM_Sections_TemperatureDifference(benchmark::State& bench)
{
    Window& w = window();
    int i = 0;
    for (auto _ : bench)
        w.form->followMainWindow((i++ % 2) ? QStringLiteral("15") : QStringLiteral("20"), 1);
}

BENCHMARK(BM_Sections_EditOneCell);
BENCHMARK(BM_Sections_EditOneCellAndPaint);
BENCHMARK(BM_Sections_TemperatureDifference)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TargetReporter reporter({
        { "BM_Sections_EditOneCell", "1,000 sections, one cell edited", 16000000 },
        { "BM_Sections_EditOneCellAndPaint", "1,000 sections, one cell and repaint", 16000000 },
        { "BM_Sections_TemperatureDifference", "1,000 sections, all computed again", 100000000 },
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    theWindow.reset();
    return reporter.printTargets() == 0 ? 0 : 3;
}
