// The section window with a network of 2,000 sections and 1,000 consumers,
// offscreen: one consumer's heat output edited (its pipe and those of the
// sections above it sized again, every path, the critical consumer, the
// totals, the table and the picture), with and without the repaint, every
// row computed again after a change of the temperature difference, and the
// document opened from its text. Target for an edit: within a frame (16 ms).
#include "Network.h"
#include "Targets.h"
#include "core/AppState.h"
#include "core/CircuitFile.h"
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
        model->setSections(benchNetwork());
        form->Edit1->setText(QStringLiteral("2500"));
        form->show();
        QCoreApplication::processEvents();
        if (form->Panel2->text().isEmpty() || model->rowCount() != Circuit::MaxSections
            || model->totals().criticalConsumer < Circuit::MaxSections / 2) {
            std::fprintf(stderr, "sections benchmark: no head for the network\n");
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

// The heat output of the last consumer: the sums above it, their pipes,
// every path and the critical consumer change.
void edit(Window& w, int i)
{
    w.model->setData(w.model->index(Circuit::MaxSections - 1, SectionModel::HeatOutput),
        (i % 2) ? QStringLiteral("2") : QStringLiteral("2,5"));
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

void BM_Sections_OpenDocument(benchmark::State& bench)
{
    Window& w = window();
    const QByteArray text = CircuitFile::toText(w.model->document());
    for (auto _ : bench) {
        Circuit::Document document;
        CircuitFile::fromText(text, document, nullptr);
        w.model->setSections(document.sections);
    }
}

BENCHMARK(BM_Sections_EditOneCell);
BENCHMARK(BM_Sections_EditOneCellAndPaint);
BENCHMARK(BM_Sections_TemperatureDifference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sections_OpenDocument)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TargetReporter reporter({
        { "BM_Sections_EditOneCell", "2,000 sections, a consumer's heat output edited", 16000000 },
        { "BM_Sections_EditOneCellAndPaint", "2,000 sections, one edit and repaint", 16000000 },
        { "BM_Sections_TemperatureDifference", "2,000 sections, all computed again", 100000000 },
        { "BM_Sections_OpenDocument", "2,000 sections, document opened", 500000000 },
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    theWindow.reset();
    return reporter.printTargets() == 0 ? 0 : 3;
}
