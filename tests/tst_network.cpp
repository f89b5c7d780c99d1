// The network picture of the section window and the printed list: where each
// section and consumer is placed, what a click hits, the critical path and
// the selected row as painted, rows whose Vorgänger lead nowhere, the pages
// of a large network, and the pane that fits, scrolls and answers clicks.
#include "TestSupport.h"

#include "core/AppState.h"
#include "forms/sections/NetworkView.h"
#include "forms/sections/SectionModel.h"
#include "report/NetworkPicture.h"
#include "report/Sheet.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>

#include <algorithm>

namespace
{

Circuit::Section section(
    const QString& name, const QString& predecessor, const QString& kw, const QString& m, int material = 5)
{
    Circuit::Section s;
    s.name = name;
    s.predecessor = predecessor;
    s.heatOutput = kw;
    s.length = m;
    s.zeta = QStringLiteral("2");
    s.material = material;
    return s;
}

// A boiler, a distributor and two branches of two radiators each ("Verteiler");
// "fehlerhaft" adds a missing Vorgänger (8), a circle (9, 10), a row below it
// (11), a section without length (12) and a radiator below that (13);
// "ohne Ergebnis" is one section without length; "nur Kreis" two rows
// hanging from each other; "Baum" a binary tree of 2,000 sections.
QList<Circuit::Section> sections(const QString& network)
{
    if (network == u"ohne Ergebnis") return { section(QStringLiteral("Kessel"), {}, QStringLiteral("5"), {}) };
    if (network == u"nur Kreis")
        return { section(QStringLiteral("A"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("3")),
            section(QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("3")) };
    if (network == u"Baum") {
        QList<Circuit::Section> tree;
        for (int i = 0; i < Circuit::MaxSections; ++i) {
            const bool consumer = 2 * i + 1 >= Circuit::MaxSections;
            tree.append(
                section(QStringLiteral("Raum %1").arg(i + 1), i > 0 ? QString::number((i - 1) / 2 + 1) : QString(),
                    consumer ? QStringLiteral("1,5") : QString(), QString::number(2 + i % 20), consumer ? 5 : 1));
        }
        return tree;
    }
    QList<Circuit::Section> s {
        section(QStringLiteral("Kessel – Verteiler"), {}, {}, QStringLiteral("12"), 1),
        section(QStringLiteral("Strang Nord"), QStringLiteral("1"), {}, QStringLiteral("20"), 1),
        section(QStringLiteral("Bad"), QStringLiteral("2"), QStringLiteral("1,5"), QStringLiteral("8")),
        section(QStringLiteral("Kinderzimmer"), QStringLiteral("2"), QStringLiteral("1,2"), QStringLiteral("6")),
        section(QStringLiteral("Strang Süd"), QStringLiteral("1"), {}, QStringLiteral("15"), 1),
        section(QStringLiteral("Wohnen"), QStringLiteral("5"), QStringLiteral("2,5"), QStringLiteral("10")),
        section(QStringLiteral("Küche"), QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("4")),
    };
    if (network == u"fehlerhaft")
        s += { section(QStringLiteral("Gast"), QStringLiteral("42"), QStringLiteral("1"), QStringLiteral("5")),
            section(QStringLiteral("Kreis A"), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("3")),
            section(QStringLiteral("Kreis B"), QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("3")),
            section(QStringLiteral("unter dem Kreis"), QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("3")),
            section(QStringLiteral("Keller"), QStringLiteral("1"), {}, {}, 1),
            section(QStringLiteral("Keller Bad"), QStringLiteral("12"), QStringLiteral("1"), QStringLiteral("4")),
            Circuit::Section {} };
    return s;
}

struct Network {
    Circuit::Document document;
    Circuit::Evaluation evaluation;
};

Network evaluated(const QString& name)
{
    static const PipeCatalogue catalogue = [] {
        PipeCatalogue c;
        c.fill();
        return c;
    }();
    SettingsRecord settings {};
    settings.applyStandardValues(false);
    Network n;
    n.document.sections = sections(name);
    n.evaluation = Circuit::evaluate(n.document, settings, catalogue, ValveCatalogue {});
    return n;
}

QFont screenFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

QImage painted(const NetworkPicture& picture, int selected)
{
    QImage image(picture.size().toSize() + QSize(1, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.paint(painter, selected);
    return image;
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& wanted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += wanted(line[x]) ? 1 : 0;
    }
    return count;
}

bool red(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool lightBlue(QRgb c)
{
    return qBlue(c) > 240 && qBlue(c) - qRed(c) > 25;
}

} // namespace

class TestNetwork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QList<int>>("placed");
        QTest::addColumn<QList<int>>("unplaced");
        QTest::addColumn<QList<int>>("consumers");
        QTest::newRow("two branches") << QStringLiteral("Verteiler") << QList<int> { 0, 1, 2, 3, 4, 5, 6 }
                                      << QList<int> {} << QList<int> { 2, 3, 5, 6 };
        QTest::newRow("missing Vorgänger, circle, not computed")
            << QStringLiteral("fehlerhaft") << QList<int> { 0, 1, 2, 3, 4, 5, 6, 11, 12 } << QList<int> { 7, 8, 9, 10 }
            << QList<int> { 2, 3, 5, 6, 12 };
        QTest::newRow("nothing computed")
            << QStringLiteral("ohne Ergebnis") << QList<int> { 0 } << QList<int> {} << QList<int> { 0 };
        QTest::newRow("only a circle") << QStringLiteral("nur Kreis") << QList<int> {} << QList<int> { 0, 1 }
                                       << QList<int> {};
    }

    // Every row reaching the heat generator is drawn right of its Vorgänger,
    // each consumer on a line of its own, and a click on its line or just
    // above it (its label) finds it; the others are left out and noted.
    void layout()
    {
        QFETCH(QString, network);
        QFETCH(QList<int>, placed);
        QFETCH(QList<int>, unplaced);
        QFETCH(QList<int>, consumers);
        const Network n = evaluated(network);
        const NetworkPicture picture(n.document, n.evaluation, screenFont());
        const qreal em = QFontMetricsF(screenFont()).height();
        QCOMPARE(picture.unplacedRows(), unplaced);
        QCOMPARE(picture.consumerCount(), consumers.size());
        for (int row = 0; row < n.document.sections.size(); ++row) {
            const QPointF end = picture.endOf(row);
            if (!placed.contains(row)) {
                QVERIFY2(picture.rowBounds(row).isNull(), qPrintable(QString::number(row)));
                continue;
            }
            QVERIFY(picture.rowBounds(row).contains(end));
            QVERIFY(QRectF(QPointF(), picture.size()).contains(picture.rowBounds(row)));
            const int up = n.evaluation.rows[row].predecessor;
            QVERIFY(end.x() > (up < 0 ? 0 : picture.endOf(up).x()));
            QCOMPARE(picture.rowAt(end - QPointF(2, 0)), row);
            QCOMPARE(picture.rowAt(end - QPointF(em, 0.6 * em)), row);
        }
        QList<qreal> lines;
        for (const int c : consumers)
            lines.append(picture.endOf(c).y());
        std::sort(lines.begin(), lines.end());
        QVERIFY(std::adjacent_find(lines.begin(), lines.end()) == lines.end());
        // Between two consumers' lines at the far right, and the top corner.
        for (qsizetype k = 1; k < lines.size(); ++k)
            QCOMPARE(picture.rowAt(QPointF(picture.size().width() - 2, (lines[k - 1] + lines[k]) / 2)), -1);
        QCOMPARE(picture.rowAt(QPointF(picture.size().width() - 2, 2)), -1);
    }

    void paints_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("critical");
        QTest::addColumn<bool>("highlighted");
        QTest::newRow("critical path") << QStringLiteral("Verteiler") << -1 << true << false;
        QTest::newRow("Kinderzimmer selected") << QStringLiteral("Verteiler") << 3 << true << true;
        QTest::newRow("faulty rows") << QStringLiteral("fehlerhaft") << 12 << true << true;
        QTest::newRow("a row not in the picture selected") << QStringLiteral("fehlerhaft") << 8 << true << false;
        QTest::newRow("no critical consumer") << QStringLiteral("ohne Ergebnis") << 0 << false << true;
        QTest::newRow("only a circle") << QStringLiteral("nur Kreis") << 0 << false << false;
    }

    // Red only where there is a critical consumer; light blue only under a
    // selected row that is drawn.
    void paints()
    {
        QFETCH(QString, network);
        QFETCH(int, selected);
        QFETCH(bool, critical);
        QFETCH(bool, highlighted);
        const Network n = evaluated(network);
        QCOMPARE(n.evaluation.totals.criticalConsumer >= 0, critical);
        const NetworkPicture picture(n.document, n.evaluation, screenFont());
        const QImage image = painted(picture, selected);
        QVERIFY(countPixels(image, [](QRgb c) { return qGray(c) < 128; }) > 100);
        QCOMPARE(countPixels(image, red) > 0, critical);
        QCOMPARE(countPixels(image, lightBlue) > 0, highlighted);
    }

    void pages_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<bool>("onePage");
        QTest::newRow("small network") << QStringLiteral("fehlerhaft") << true;
        QTest::newRow("2,000 sections") << QStringLiteral("Baum") << false;
    }

    // On an A4 landscape page in tenths of a millimetre: a small network on
    // one page, a large one cut onto several, each with something on it.
    void pages()
    {
        QFETCH(QString, network);
        QFETCH(bool, onePage);
        const Network n = evaluated(network);
        const NetworkPicture picture(n.document, n.evaluation, Sheet::font(8));
        const QRectF page(150, 200, 2670, 1700);
        const int count = picture.pageCount(page.size());
        QCOMPARE(count == 1, onePage);
        QVERIFY(count >= 1 && count < 100);
        QCOMPARE(picture.pageCount(QSizeF(page.width(), 0)), 0);
        for (int k = 0; k < count; ++k) {
            QImage image(QSize(742, 525), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.scale(0.25, 0.25);
            picture.paintPage(painter, page, k);
            painter.end();
            const int ink = countPixels(image, [](QRgb c) { return qGray(c) < 200; });
            QVERIFY2(ink > 100, qPrintable(QStringLiteral("page %1").arg(k + 1)));
            // Nothing outside the page rectangle.
            QVERIFY(countPixels(image.copy(0, 0, 742, 50), [](QRgb c) { return c != qRgb(255, 255, 255); }) == 0);
        }
    }

    void view_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("small network, consumer") << QStringLiteral("Verteiler") << 6 << false;
        QTest::newRow("2,000 sections, first") << QStringLiteral("Baum") << 0 << true;
        QTest::newRow("2,000 sections, middle consumer") << QStringLiteral("Baum") << 1500 << true;
        QTest::newRow("2,000 sections, last") << QStringLiteral("Baum") << 1999 << true;
    }

    // The pane fits a small network whole and keeps a large one readable,
    // scrolling; a row selected in the table is scrolled into view, and a
    // click on it there selects it.
    void view()
    {
        QFETCH(QString, network);
        QFETCH(int, row);
        QFETCH(bool, scrolls);
        TestEnvironment env;
        SettingsRecord settings {};
        settings.applyStandardValues(false);
        appState().setSettings(settings);
        PipeCatalogue catalogue;
        catalogue.fill();
        appState().setCatalogue(catalogue);
        SectionModel model(appState());
        model.setTemperatureDifference(QStringLiteral("15"));
        NetworkView view;
        view.setFont(screenFont());
        view.resize(900, 300);
        view.setModel(&model);
        model.setSections(sections(network));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.scale() >= NetworkView::MinScale && view.scale() <= NetworkView::MaxScale);
        QCOMPARE(view.verticalScrollBar()->maximum() > 0, scrolls);
        if (!scrolls) QCOMPARE(view.horizontalScrollBar()->maximum(), 0);

        view.setSelectedRow(row);
        const QPoint end = view.toViewport(view.picture()->endOf(row) - QPointF(2, 0)).toPoint();
        QVERIFY2(view.viewport()->rect().contains(end), qPrintable(QStringLiteral("%1,%2").arg(end.x()).arg(end.y())));
        view.setSelectedRow(-1);
        QSignalSpy clicked(&view, &NetworkView::rowClicked);
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, end);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), row);
        QCOMPARE(view.selectedRow(), row);
    }
};

FLUVANO_TEST_MAIN(TestNetwork)
#include "tst_network.moc"
