// The result as text outside the window: the copy block (plain and HTML) and
// the pipe overview. Expected numbers come from the worked example (10 kW,
// 15 K, medium-weight threaded pipe, standard constants) and from an
// independent float32 evaluation of the same formulas.
#include "core/Calculation.h"
#include "core/PipeOverview.h"
#include "core/ResultText.h"

#include <QTest>
#include <QXmlStreamReader>

namespace
{

SettingsRecord standardSettings()
{
    SettingsRecord record {};
    record.applyStandardValues(false);
    return record;
}

// A state as the main window leaves it; manualDiameter 0 means automatic.
CalcState inputs(float kilowatts, float difference, int material, float manualDiameter = 0, int selectedPipe = 1)
{
    CalcState state;
    state.heatOutput = kilowatts * 1000;
    state.temperatureDifference = difference;
    state.material = material;
    state.manualMode = manualDiameter != 0;
    state.manualDiameter = manualDiameter;
    state.selectedPipe = selectedPipe;
    return state;
}

// The table rows of the HTML copy as cell texts; the colour of each cell's
// style is appended as "|red".
QList<QStringList> htmlRows(const QString& html)
{
    QList<QStringList> rows;
    QXmlStreamReader xml(html);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"tr") {
            rows.append(QStringList());
        } else if (xml.name() == u"td") {
            const bool red = xml.attributes().value(QStringLiteral("style")).contains(u"#ff0000");
            rows.last().append(xml.readElementText() + (red ? QStringLiteral("|red") : QString()));
        }
    }
    if (xml.hasError()) rows.append({ QStringLiteral("XML error: ") + xml.errorString() });
    return rows;
}

} // namespace

class TestResultText : public QObject
{
    Q_OBJECT

private:
    PipeCatalogue catalogue;

private Q_SLOTS:
    void initTestCase() { catalogue.fill(); }

    void copyBlock_data()
    {
        QTest::addColumn<CalcState>("state");
        QTest::addColumn<QString>("text");
        QTest::newRow("worked example") << inputs(10, 15, 1)
                                        << QStringLiteral("Leistung: 10 kW\n"
                                                          "Temperaturdifferenz: 15 K\n"
                                                          "Rohrmaterial: Mittelschweres Gewinderohr DIN 2440\n"
                                                          "empfohlenes Rohr: DN 25\n"
                                                          "Innen-Nennweite: 27,2 mm\n"
                                                          "Rohrwiderstand R: 42,73 Pa/m\n"
                                                          "Volumenstrom V: 0,583 m³/h\n"
                                                          "Massenstrom m: 573 kg/h\n"
                                                          "Geschwindigkeit w: 0,279 m/s\n");
        QTest::newRow("stepped to DN 20, R over the limit")
            << inputs(10, 15, 1, 21.6f, 3)
            << QStringLiteral("Leistung: 10 kW\n"
                              "Temperaturdifferenz: 15 K\n"
                              "Rohrmaterial: Mittelschweres Gewinderohr DIN 2440\n"
                              "gewähltes Rohr: DN 20\n"
                              "Innen-Nennweite: 21,6 mm\n"
                              "Rohrwiderstand R: 133,25 Pa/m\n"
                              "Volumenstrom V: 0,583 m³/h\n"
                              "Massenstrom m: 573 kg/h\n"
                              "Geschwindigkeit w: 0,442 m/s\n"
                              "LEISTUNG ZU GROSS !\n");
    }
    void copyBlock()
    {
        QFETCH(CalcState, state);
        QFETCH(QString, text);
        QCOMPARE(Calculation::Berechnen(state, standardSettings(), catalogue), ArithmeticFault::None);
        const ResultText::Block block
            = ResultText::block({ QStringLiteral("10"), QStringLiteral("15") }, state, standardSettings(), catalogue);
        QCOMPARE(ResultText::plainText(block), text);

        // The same lines as table rows: caption, value, unit; the warning
        // spans the row; text from outside is escaped.
        const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
        ResultText::Block hostile = block;
        hostile.lines[0].value = QStringLiteral("<b>1&2</b>");
        const QList<QStringList> rows = htmlRows(ResultText::html(hostile));
        QCOMPARE(rows.size(), lines.size());
        QCOMPARE(
            rows[0], (QStringList { QStringLiteral("Leistung"), QStringLiteral("<b>1&2</b>"), QStringLiteral("kW") }));
        for (qsizetype i = 1; i < lines.size(); ++i) {
            QStringList cells = rows[i];
            const bool red = cells.join(u' ').contains(QStringLiteral("|red"));
            for (QString& cell : cells)
                cell.remove(QStringLiteral("|red"));
            cells.removeAll(QString());
            const QString line
                = cells.size() == 1 ? cells[0] : cells[0] + QStringLiteral(": ") + cells.mid(1).join(u' ');
            QCOMPARE(line, lines[i]);
            const bool overLimit
                = line.startsWith(QStringLiteral("LEISTUNG")) || line.contains(QStringLiteral("133,25"));
            QCOMPARE(red, overLimit);
        }
    }

    void overview_data()
    {
        QTest::addColumn<CalcState>("state");
        QTest::addColumn<int>("marked"); // catalogue index, 0 for none
        QTest::addColumn<QList<int>>("steep"); // R > R max
        QTest::addColumn<QList<int>>("fast"); // w > w max
        QTest::newRow("worked example") << inputs(10, 15, 1) << 4 << QList<int> { 1, 2, 3 } << QList<int> {};
        QTest::newRow("30 kW") << inputs(30, 15, 1) << 5 << QList<int> { 1, 2, 3, 4 } << QList<int> { 1, 2 };
        QTest::newRow("stepped to DN 20")
            << inputs(10, 15, 1, 21.6f, 3) << 3 << QList<int> { 1, 2, 3 } << QList<int> {};
        QTest::newRow("typed 16 after stepping elsewhere")
            << inputs(10, 15, 1, 16, 7) << 2 << QList<int> { 1, 2, 3 } << QList<int> {};
        QTest::newRow("typed diameter of no pipe")
            << inputs(10, 15, 1, 30, 4) << 0 << QList<int> { 1, 2, 3 } << QList<int> {};
        QTest::newRow("no pipe carries it")
            << inputs(100000, 5, 1) << 12 << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 }
            << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 };
    }
    void overview()
    {
        QFETCH(CalcState, state);
        QFETCH(int, marked);
        QFETCH(QList<int>, steep);
        QFETCH(QList<int>, fast);
        const SettingsRecord settings = standardSettings();
        const PipeOverview::Overview overview = PipeOverview::compute(state, settings, catalogue);
        QCOMPARE(overview.rows.size(), 12);
        QCOMPARE(overview.marked, marked - 1);
        for (const PipeOverview::Row& row : overview.rows) {
            const QByteArray where = "pipe " + QByteArray::number(row.pipe);
            // Each row is what the calculation gives for that pipe chosen by hand.
            CalcState manual = state;
            manual.manualMode = true;
            manual.manualDiameter = row.innerDiameter;
            QCOMPARE(Calculation::Berechnen(manual, settings, catalogue), ArithmeticFault::None);
            QCOMPARE(row.fault, ArithmeticFault::None);
            QCOMPARE(row.designation, catalogue.designation(1, row.pipe));
            QCOMPARE(row.innerDiameterText, catalogue.innerDiameterText(1, row.pipe));
            QCOMPARE(row.velocity, manual.velocity);
            QCOMPARE(row.pressureGradient, manual.pressureGradient);
            QVERIFY2(row.tooSteep == steep.contains(row.pipe), where);
            QVERIFY2(row.tooFast == fast.contains(row.pipe), where);
        }
        if (QTest::currentDataTag() == QByteArrayLiteral("worked example")) {
            const QStringList velocities { QStringLiteral("1,320"), QStringLiteral("0,806"), QStringLiteral("0,442"),
                QStringLiteral("0,279") };
            for (int i = 0; i < velocities.size(); ++i)
                QCOMPARE(overview.rows[i].velocityText, velocities[i]);
            QCOMPARE(overview.rows[1].diameter, QStringLiteral("16,0"));
            QCOMPARE(overview.rows[3].pressureGradientText, QStringLiteral("42,73"));
        }
    }

    void overviewCarriesFaults_data()
    {
        QTest::addColumn<int>("field"); // 0 roughness, 1 viscosity, 2 density
        QTest::addColumn<ArithmeticFault>("fault");
        QTest::newRow("roughness 0") << 0 << ArithmeticFault::DivisionByZero;
        QTest::newRow("viscosity 0") << 1 << ArithmeticFault::DivisionByZero;
        QTest::newRow("density 0") << 2 << ArithmeticFault::DivisionByZero;
    }
    void overviewCarriesFaults()
    {
        QFETCH(int, field);
        QFETCH(ArithmeticFault, fault);
        SettingsRecord settings = standardSettings();
        (field == 0 ? settings.roughnessAt(5) : field == 1 ? settings.viscosityInUse : settings.densityInUse) = 0;
        const PipeOverview::Overview overview = PipeOverview::compute(inputs(10, 15, 5), settings, catalogue);
        QCOMPARE(overview.rows.size(), 13);
        QCOMPARE(overview.marked, -1);
        for (const PipeOverview::Row& row : overview.rows) {
            QCOMPARE(row.fault, fault);
            QVERIFY(row.velocityText.isEmpty() && row.pressureGradientText.isEmpty());
            QVERIFY(!row.tooFast && !row.tooSteep);
        }
        // Incomplete inputs give no rows at all.
        QVERIFY(PipeOverview::compute(inputs(0, 15, 5), standardSettings(), catalogue).rows.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestResultText)
#include "tst_resulttext.moc"
