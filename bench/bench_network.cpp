// The network picture of 2,000 sections and 1,000 consumers: laid out from
// an evaluation, and a pane of 1000 × 400 pixels of it painted at the
// smallest readable scale, as the section window does after every edit.
// Target for both together: within a frame (16 ms).
#include "Network.h"
#include "Targets.h"
#include "report/NetworkPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace
{

// A binary tree from the heat generator: section i hangs from section
// (i - 1) / 2; the upper half are consumers with a heat output.
struct Network {
    Circuit::Document document;
    Circuit::Evaluation evaluation;

    Network()
    {
        document.sections = benchNetwork();
        SettingsRecord settings {};
        settings.applyStandardValues(false);
        PipeCatalogue catalogue;
        catalogue.fill();
        evaluation = Circuit::evaluate(document, settings, catalogue, ValveCatalogue {});
    }
};

const Network& network()
{
    static const Network n;
    return n;
}

QFont font()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    return f;
}

constexpr qreal Scale = 0.6;

// The pane over the middle of the picture, with a consumer selected.
void paintPane(const NetworkPicture& picture, QImage& pane)
{
    const QPointF origin(picture.size().width() * Scale / 2 - pane.width() / 2.0,
        picture.size().height() * Scale / 2 - pane.height() / 2.0);
    QPainter painter(&pane);
    painter.fillRect(pane.rect(), Qt::white);
    painter.translate(-origin);
    painter.scale(Scale, Scale);
    picture.paint(painter, 1500, QRectF(origin / Scale, QSizeF(pane.size()) / Scale));
}

void BM_Network_Layout(benchmark::State& state)
{
    const Network& n = network();
    for (auto _ : state) {
        const NetworkPicture picture(n.document, n.evaluation, font());
        benchmark::DoNotOptimize(picture.size());
    }
}

void BM_Network_PaintPane(benchmark::State& state)
{
    const Network& n = network();
    const NetworkPicture picture(n.document, n.evaluation, font());
    QImage pane(1000, 400, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        paintPane(picture, pane);
}

void BM_Network_LayoutAndPaint(benchmark::State& state)
{
    const Network& n = network();
    QImage pane(1000, 400, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const NetworkPicture picture(n.document, n.evaluation, font());
        paintPane(picture, pane);
    }
}

BENCHMARK(BM_Network_Layout)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Network_PaintPane)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Network_LayoutAndPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TargetReporter reporter({
        { "BM_Network_LayoutAndPaint", "2,000 sections, picture laid out and painted", 16000000 },
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.printTargets() == 0 ? 0 : 3;
}
