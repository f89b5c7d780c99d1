// The settings sheet: its pages as the network grows, the texts an installer
// works from in the PDF (project, pump, every presetting, every column), long
// texts wrapped instead of cut, and the header rows repeated on later pages.
#include "TestSupport.h"

#include "core/CircuitTable.h"
#include "report/CircuitSheet.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace
{

using namespace Qt::StringLiterals;

const PipeCatalogue& catalogue()
{
    static const PipeCatalogue c = [] {
        PipeCatalogue p;
        p.fill();
        return p;
    }();
    return c;
}

const SettingsRecord& settings()
{
    static const SettingsRecord s = [] {
        SettingsRecord r {};
        r.applyStandardValues(false);
        return r;
    }();
    return s;
}

// The standard series and one whose step labels are found nowhere else on
// the sheet; its number for the sections.
const ValveCatalogue& valves()
{
    static const ValveCatalogue v = [] {
        ValveCatalogue c;
        QList<ValveCatalogue::Step> steps;
        const QStringList kv { u"0,05"_s, u"0,10"_s, u"0,18"_s, u"0,27"_s, u"0,38"_s, u"0,52"_s, u"0,70"_s, u"0,95"_s };
        for (int i = 0; i < kv.size(); ++i)
            steps.append({ u"St-%1"_s.arg(i + 1), kv[i] });
        c.setUserSeries({ { u"Prüfventil mit acht Stufen"_s, u"Prüfventil"_s, steps } });
        return c;
    }();
    return v;
}
const QString TestValve = QString::number(ValveCatalogue::standardCount() + 1);

Circuit::Section section(const QString& name, const QString& predecessor, const QString& kw, const QString& m,
    int material = 5, const QString& valve = TestValve)
{
    Circuit::Section s;
    s.name = name;
    s.predecessor = predecessor;
    s.heatOutput = kw;
    s.length = m;
    s.zeta = u"3"_s;
    s.material = material;
    s.valve = valve;
    return s;
}

const QString LongName = u"Kinderzimmer im Dachgeschoss über der Garage an der Giebelwand"_s;

// "Haus": a main line and five radiators, one with a long Bezeichnung, a small
// one near the heat generator that its valve must throttle hard (a long hint),
// a workshop on a thin pipe (the critical consumer) and one without a length
// (not computed). "Verteiler N": N radiators at one distributor. "Baum": a
// binary tree of Circuit::MaxSections sections.
Circuit::Document document(const QString& network, const QString& project = {})
{
    Circuit::Document d;
    d.project = project;
    d.extraLoss = u"2000"_s;
    if (network == u"Haus") {
        d.sections = { section(u"Kessel – Verteiler"_s, {}, {}, u"6"_s, 1, {}),
            section(u"Wohnen"_s, u"1"_s, u"2,5"_s, u"12"_s), section(LongName, u"1"_s, u"1,2"_s, u"18"_s),
            section(u"Gästebad"_s, u"1"_s, u"0,2"_s, u"1"_s), section(u"Werkstatt"_s, u"1"_s, u"4"_s, u"40"_s),
            section(u"Abstellraum"_s, u"1"_s, u"0,5"_s, {}) };
        d.sections[4].innerDiameter = u"10"_s;
    } else if (network.startsWith(u"Verteiler ")) {
        d.sections = { section(u"Kessel – Verteiler"_s, {}, {}, u"8"_s, 1, {}) };
        for (int i = 0, n = network.section(u' ', 1).toInt(); i < n; ++i)
            d.sections.append(section(u"Heizkörper %1"_s.arg(i + 1), u"1"_s, u"%1,%2"_s.arg(1 + i % 3).arg(i % 10),
                QString::number(3 + i % 17)));
    } else if (network == u"Baum") {
        for (int i = 0; i < Circuit::MaxSections; ++i) {
            const bool consumer = 2 * i + 1 >= Circuit::MaxSections;
            d.sections.append(section(u"Raum %1"_s.arg(i + 1), i > 0 ? QString::number((i - 1) / 2 + 1) : QString(),
                consumer ? u"1,5"_s : QString(), QString::number(2 + i % 20), consumer ? 5 : 1,
                consumer ? TestValve : QString()));
        }
    }
    return d;
}

Circuit::Evaluation evaluated(const Circuit::Document& d)
{
    return Circuit::evaluate(d, settings(), catalogue(), valves());
}

// The PDF's text, page by page.
QStringList pdfPages(const CircuitSheet& sheet, const QString& path)
{
    QString error;
    if (!sheet.writePdf(path, &error)) return { u"PDF not written: "_s + error };
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, { path, u"-"_s });
    if (!pdftotext.waitForFinished(60000)) return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    for (QString& page : pages)
        page = page.simplified();
    return pages;
}

} // namespace

class TestCircuitSheet : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QCOMPARE(CircuitSheet::title(), u"Einstellwerte"_s);
    }

    // The pages grow with the rows, and each paints on paper and in a picture.
    // The bounds: header, five consumers and six sections fit on a page or
    // two, with the network on a third at most; 2,000 sections at 7 pt or
    // more (rows of at least 2,7 mm on 180 mm of a page) need 31 pages or
    // more for the section table alone.
    void pages_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<int>("least");
        QTest::addColumn<int>("most");
        QTest::newRow("leer") << u"leer"_s << 1 << 1;
        QTest::newRow("5 Verbraucher") << u"Haus"_s << 1 << 3;
        QTest::newRow("2.000 Teilstrecken") << u"Baum"_s << 31 << 1000;
    }
    void pages()
    {
        QFETCH(QString, network);
        QFETCH(int, least);
        QFETCH(int, most);
        const Circuit::Document d = document(network, u"Probe"_s);
        const CircuitSheet sheet(d, evaluated(d), settings(), catalogue(), valves(), QDate(2024, 3, 1), u"probe"_s);
        QVERIFY2(
            sheet.pageCount() >= least && sheet.pageCount() <= most, qPrintable(QString::number(sheet.pageCount())));

        QByteArray pdf;
        QBuffer buffer(&pdf);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageOrientation(QPageLayout::Landscape);
            writer.setPageMargins({});
            writer.setResolution(150);
            QPainter painter(&writer);
            sheet.paint(painter, writer, QRectF(0, 0, writer.width(), writer.height()));
        }
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(u"/Type\\s*/Page\\b(?!s)"_s)), sheet.pageCount());

        QImage image(1188, 840, QImage::Format_RGB32);
        for (int page : { 0, sheet.pageCount() - 1 }) {
            image.fill(Qt::white);
            QPainter painter(&image);
            sheet.paintPage(painter, QRectF(image.rect()), page);
        }
    }

    // What the installer reads: title, project (or the file without one),
    // the pump, every consumer's presetting, every column's caption; a long
    // Bezeichnung and a long hint whole, to their last word.
    void pdfText_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("shown");
        QTest::newRow("mit Projekt") << u"Mehrfamilienhaus Lindenstraße 7"_s << u"Mehrfamilienhaus Lindenstraße 7"_s;
        QTest::newRow("ohne Projekt") << QString() << u"Lindenstraße.fluvano"_s;
    }
    void pdfText()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) QSKIP("pdftotext (poppler-utils) missing");
        QFETCH(QString, project);
        QFETCH(QString, shown);
        const Circuit::Document d = document(u"Haus"_s, project);
        const Circuit::Evaluation e = evaluated(d);
        const CircuitSheet sheet(d, e, settings(), catalogue(), valves(), QDate(2024, 3, 1), u"Lindenstraße.fluvano"_s);
        const QStringList pages = pdfPages(sheet, dir.filePath(u"Haus.pdf"_s));
        QCOMPARE(pages.size() - 1, sheet.pageCount()); // a form feed after each page
        const QString first = pages.first();
        const QString all = pages.join(u' ');

        QVERIFY(first.contains(u"Einstellwerte"_s));
        QVERIFY(first.contains(shown));
        const QString pump = CircuitTable::totalTexts(d, e.totals).pump;
        QVERIFY(!pump.isEmpty());
        QVERIFY2(first.contains(pump), qPrintable(pump));

        int preset = 0;
        for (int r = 0; r < d.sections.size(); ++r) {
            const QString label = CircuitTable::cell(
                d, e, r, CircuitTable::Presetting, CircuitTable::Purpose::Screen, catalogue(), valves());
            if (label.isEmpty()) continue;
            ++preset;
            QVERIFY2(label.startsWith(u"St-"_s) && first.contains(label), qPrintable(label));
        }
        QVERIFY(preset >= 3);

        QStringList captions = CircuitTable::captions();
        captions << u"Massenstrom kg/h"_s << u"Voreinstellung"_s;
        for (const QString& caption : std::as_const(captions))
            QVERIFY2(all.contains(caption), qPrintable(caption));

        QString longHint;
        for (const Circuit::Row& row : e.rows)
            if (CircuitTable::hint(row).size() > longHint.size()) longHint = CircuitTable::hint(row);
        QVERIFY2(longHint.size() > 80, qPrintable(longHint));
        for (const QString& text : { LongName, longHint }) {
            const QString last = text.section(u' ', -1);
            QVERIFY2(all.contains(last), qPrintable(last));
        }
    }

    // A table that runs onto the next page shows its header row there again.
    void headerRowRepeats()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) QSKIP("pdftotext (poppler-utils) missing");
        const Circuit::Document d = document(u"Verteiler 60"_s);
        const CircuitSheet sheet(d, evaluated(d), settings(), catalogue(), valves(), QDate(2024, 3, 1), u"V.fluvano"_s);
        const QStringList pages = pdfPages(sheet, dir.filePath(u"Verteiler.pdf"_s));
        QVERIFY(pages.size() > 2);
        // Sixty consumers at 10 pt do not fit under page 1's header.
        for (const QString& caption : { u"Massenstrom kg/h"_s, u"Voreinstellung"_s, u"Bezeichnung"_s })
            QVERIFY2(pages[1].contains(caption), qPrintable(caption));
        // Sixty-one sections at 8 pt do not fit on one page either.
        const QString sectionCaption = CircuitTable::column(CircuitTable::PathLoss).caption();
        const qsizetype withHeader
            = std::count_if(pages.begin(), pages.end(), [&](const QString& p) { return p.contains(sectionCaption); });
        QVERIFY2(withHeader >= 2, qPrintable(QString::number(withHeader)));
    }
};

FLUVANO_TEST_MAIN(TestCircuitSheet)
#include "tst_circuitsheet.moc"
