// The sections of a circuit without a window: each row against the plain
// reference calculation and R·l + Z worked out here, the totals and the
// pump head, rows that count nothing, the document and the CSV lists.
#include "CircuitSupport.h"
#include "ReferenceCalculation.h"

#include "core/CircuitFile.h"
#include "core/CircuitTable.h"

#include <QTemporaryDir>

#include <QTest>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace
{

SettingsRecord standardSettings()
{
    SettingsRecord record {};
    record.applyStandardValues(false);
    return record;
}

// The worked example of the README: three sections at 15 K, one after the
// other.
QList<Circuit::Section> threeSections()
{
    QList<Circuit::Section> sections { section(QStringLiteral("Kessel – Verteiler"), QStringLiteral("10"),
                                           QStringLiteral("12"), QStringLiteral("4,5"), 1),
        section(QStringLiteral("Strang Nord"), QStringLiteral("6"), QStringLiteral("20"), QStringLiteral("2"), 1),
        section(QStringLiteral("Anbindung Bad"), QStringLiteral("1,5"), QStringLiteral("8"), QStringLiteral("6"), 5) };
    Circuit::makeChain(sections);
    return sections;
}

// R and w from the reference calculation; R·l, Z and Δp worked out here.
struct Expected {
    CalcState calc;
    long double gradientLoss;
    long double fittingsLoss;
};

Expected expected(long double kw, long double metres, long double zeta, int material, const SettingsRecord& settings,
    const PipeCatalogue& catalogue)
{
    Expected e {};
    e.calc.heatOutput = float(kw * 1000);
    e.calc.temperatureDifference = 15;
    e.calc.material = material;
    [&] { QCOMPARE(ReferenceCalculation::Berechnen(e.calc, settings, catalogue), ArithmeticFault::None); }();
    const long double w = e.calc.velocity;
    e.gradientLoss = e.calc.pressureGradient * metres;
    e.fittingsLoss = zeta * (983.2L / 2) * w * w;
    return e;
}

} // namespace

class TestCircuit : public QObject
{
    Q_OBJECT

    SettingsRecord settings = standardSettings();
    PipeCatalogue catalogue;
    ValveCatalogue valves;

private Q_SLOTS:
    void initTestCase() { catalogue.fill(); }

    void workedExample_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("kw");
        QTest::addColumn<double>("metres");
        QTest::addColumn<double>("zeta");
        QTest::addColumn<QString>("pipe");
        QTest::newRow("Kessel – Verteiler, DN 25") << 0 << 10.0 << 12.0 << 4.5 << QStringLiteral("DN 25");
        QTest::newRow("Strang Nord, DN 20") << 1 << 6.0 << 20.0 << 2.0 << QStringLiteral("DN 20");
        QTest::newRow("Anbindung Bad, copper") << 2 << 1.5 << 8.0 << 6.0 << QStringLiteral("15x1");
    }

    void workedExample()
    {
        QFETCH(int, row);
        QFETCH(double, kw);
        QFETCH(double, metres);
        QFETCH(double, zeta);
        QFETCH(QString, pipe);
        const Circuit::Section s = threeSections()[row];
        const Circuit::Row r = Circuit::compute(s, (s).heatOutput, QStringLiteral("15"), settings, catalogue);
        QVERIFY2(r.computed(), qPrintable(r.reason));
        const Expected e = expected(kw, metres, zeta, s.material, settings, catalogue);
        QCOMPARE(r.panels.designation, pipe);
        QCOMPARE(r.calc.pressureGradient, e.calc.pressureGradient);
        QCOMPARE(r.calc.velocity, e.calc.velocity);
        // ρ = 983,2 here, the nearest float in the program.
        QVERIFY(qAbs(r.gradientLoss - e.gradientLoss) < 1e-6L);
        QVERIFY(qAbs(r.fittingsLoss - e.fittingsLoss) < 1e-4L);
        QVERIFY(qAbs(r.loss - (e.gradientLoss + e.fittingsLoss)) < 1e-4L);
        if (row == 0) {
            // By hand from the main window's worked example (R 42,73 Pa/m,
            // w 0,279 m/s): 42,73 · 12 = 512,8; 4,5 · 491,6 · 0,279² = 172,2.
            QCOMPARE(CircuitTable::pascal(r.gradientLoss), QStringLiteral("513"));
            QCOMPARE(CircuitTable::pascal(r.fittingsLoss), QStringLiteral("172"));
            QCOMPARE(CircuitTable::pascal(r.loss), QStringLiteral("685"));
        }
    }

    void workedExampleTotals()
    {
        long double sum = 0;
        long double flow = 0;
        const double inputs[3][3] = { { 10, 12, 4.5 }, { 6, 20, 2 }, { 1.5, 8, 6 } };
        for (int i = 0; i < 3; ++i) {
            const Expected e = expected(inputs[i][0], inputs[i][1], inputs[i][2], i == 2 ? 5 : 1, settings, catalogue);
            sum += e.gradientLoss + e.fittingsLoss;
            flow = std::max(flow, e.calc.volumeFlow * 3600.0L);
        }
        const Circuit::Totals t = Circuit::evaluate(
            { threeSections(), QStringLiteral("15"), QStringLiteral("2500"), {}, {} }, settings, catalogue, valves)
                                      .totals;
        QVERIFY(qAbs(t.criticalLoss - sum) < 1e-3L);
        QCOMPARE(t.computed, 3);
        QVERIFY(t.headOk);
        QVERIFY(qAbs(t.head - (sum + 2500) / (983.2L * 9.81L)) < 1e-6L);
        QCOMPARE(CircuitTable::pascal(t.criticalLoss), QStringLiteral("2.283"));
        QCOMPARE(CircuitTable::headText(t.head), QStringLiteral("0,50")); // 4783 Pa / 9645 N/m³
        QVERIFY(qAbs(t.volumeFlow - flow) < 1e-9L);
        QCOMPARE(CircuitTable::flowText(t.volumeFlow), QStringLiteral("0,583")); // the 10 kW section
    }

    // A heat generator with two consumers: the branch point carries the sum
    // of their heat outputs, the pump the path of the first one, which is
    // not the last row. Expected: the plain reference calculation for R and
    // w, the rest by hand.
    void workedTree()
    {
        QList<Circuit::Section> sections {
            section(QStringLiteral("Kessel – Verteiler"), {}, QStringLiteral("10"), QStringLiteral("4"), 1),
            section(QStringLiteral("Bad"), QStringLiteral("1,5"), QStringLiteral("8"), QStringLiteral("6"), 5),
            section(QStringLiteral("Küche"), QStringLiteral("2,5"), QStringLiteral("2"), QStringLiteral("3"), 5),
        };
        sections[1].predecessor = sections[2].predecessor = QStringLiteral("1");
        sections[1].consumerLoss = QStringLiteral("1000");
        sections[2].consumerLoss = QStringLiteral("500");
        const Circuit::Evaluation e = Circuit::evaluate(
            { sections, QStringLiteral("15"), QStringLiteral("2000"), {}, {} }, settings, catalogue, valves);

        const Expected boiler = expected(4.0, 10, 4, 1, settings, catalogue); // 1,5 + 2,5 kW
        const Expected bath = expected(1.5, 8, 6, 5, settings, catalogue);
        const Expected kitchen = expected(2.5, 2, 3, 5, settings, catalogue);
        const long double toBoiler = boiler.gradientLoss + boiler.fittingsLoss;
        const long double bathPath = toBoiler + bath.gradientLoss + bath.fittingsLoss + 1000;
        const long double kitchenPath = toBoiler + kitchen.gradientLoss + kitchen.fittingsLoss + 500;
        QVERIFY(bathPath > kitchenPath);

        const Circuit::Row& first = e.rows[0];
        QVERIFY2(first.computed(), qPrintable(first.reason));
        QVERIFY(first.heatOutputSummed && !first.consumer);
        QCOMPARE(first.heatOutput, QStringLiteral("4"));
        QCOMPARE(first.calc.pressureGradient, boiler.calc.pressureGradient);
        QVERIFY(e.rows[1].consumer && e.rows[2].consumer);
        QVERIFY(qAbs(e.rows[1].pathLoss - bathPath) < 1e-3L);
        QVERIFY(qAbs(e.rows[2].pathLoss - kitchenPath) < 1e-3L);
        QVERIFY(qAbs(e.rows[2].runningLoss - (kitchenPath - 500)) < 1e-3L);
        QCOMPARE(e.totals.criticalConsumer, 1);
        QVERIFY(e.rows[0].critical && e.rows[1].critical && !e.rows[2].critical);
        QVERIFY(qAbs(e.totals.criticalLoss - bathPath) < 1e-3L);
        QVERIFY(qAbs(e.totals.head - (bathPath + 2000) / (983.2L * 9.81L)) < 1e-5L);
        // The pump's flow is the flow of the section at the heat generator.
        QVERIFY(qAbs(e.totals.volumeFlow - boiler.calc.volumeFlow * 3600.0L) < 1e-9L);
        // A typed heat output below the sum is used, with a hint.
        sections[0].heatOutput = QStringLiteral("3");
        const Circuit::Evaluation typed
            = Circuit::evaluate({ sections, QStringLiteral("15"), {}, {}, {} }, settings, catalogue, valves);
        QCOMPARE(typed.rows[0].heatOutput, QStringLiteral("3"));
        QVERIFY(typed.rows[0].computed());
        QCOMPARE(typed.rows[0].hints,
            QStringList { QStringLiteral("Leistung kleiner als die Summe der Nachfolger (4,00 kW)") });
    }

    // A faulty Vorgänger stops its own row and those below it, nothing else.
    void faultyReferences_data()
    {
        QTest::addColumn<QStringList>("predecessors"); // of rows 1 to 5
        QTest::addColumn<QStringList>("reasons");
        const QString none;
        const QString below = QStringLiteral("Vorgänger nicht berechnet");
        QTest::newRow("missing") << QStringList { none, u"1"_s, u"9"_s, u"3"_s, u"1"_s }
                                 << QStringList { none, none, u"Vorgänger 9 gibt es nicht"_s, below, none };
        QTest::newRow("itself") << QStringList { none, u"1"_s, u"3"_s, u"3"_s, u"1"_s }
                                << QStringList { none, none, u"Vorgänger ist die Zeile selbst"_s, below, none };
        QTest::newRow("circle") << QStringList { none, u"4"_s, u"2"_s, u"3"_s, u"1"_s }
                                << QStringList { none, u"Vorgänger schließen einen Kreis"_s,
                                       u"Vorgänger schließen einen Kreis"_s, u"Vorgänger schließen einen Kreis"_s,
                                       none };
        QTest::newRow("an empty row") << QStringList { none, u"1"_s, u"6"_s, u"1"_s, u"1"_s }
                                      << QStringList { none, none, u"Vorgänger 6 gibt es nicht"_s, none, none };
        QTest::newRow("not a number") << QStringList { none, u"1"_s, u"zwei"_s, u"1"_s, u"1"_s }
                                      << QStringList { none, none, u"Vorgänger zwei gibt es nicht"_s, none, none };
    }
    void faultyReferences()
    {
        QFETCH(QStringList, predecessors);
        QFETCH(QStringList, reasons);
        QList<Circuit::Section> sections;
        for (int i = 0; i < 5; ++i) {
            sections.append(section(QStringLiteral("T%1").arg(i + 1), QStringLiteral("2"), QStringLiteral("5"), {}, 1));
            sections[i].predecessor = predecessors[i];
        }
        sections[0].heatOutput.clear(); // summed from what hangs from it
        sections.append(Circuit::Section {});
        const Circuit::Evaluation e
            = Circuit::evaluate({ sections, QStringLiteral("15"), {}, {}, {} }, settings, catalogue, valves);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(e.rows[i].reason, reasons[i]);
        QVERIFY(e.rows[5].empty);
        QCOMPARE(e.totals.notComputed, int(reasons.size() - reasons.count(QString())));
        QVERIFY(e.totals.criticalConsumer >= 0);
    }

    // Row numbers in the Vorgänger follow the rows; undoing a delete brings
    // both back.
    void referencesFollowTheRows_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("after"); // the Vorgänger afterwards
        // Before: 1 at the heat generator, 2 and 3 hang from 1, 4 from 3, 5 from 2.
        QTest::newRow("insert before 2") << "insert 1" << QStringList { {}, u"1"_s, u"1"_s, u"1"_s, u"4"_s, u"3"_s };
        QTest::newRow("insert at the end") << "insert 5" << QStringList { {}, u"1"_s, u"1"_s, u"3"_s, u"2"_s, u"5"_s };
        QTest::newRow("delete 3") << "delete 2" << QStringList { {}, u"1"_s, u"1"_s, u"2"_s };
        QTest::newRow("delete 1") << "delete 0" << QStringList { {}, {}, u"2"_s, u"1"_s };
        QTest::newRow("move 3 up") << "swap 1" << QStringList { {}, u"1"_s, u"1"_s, u"2"_s, u"3"_s };
        QTest::newRow("move 4 down") << "swap 3" << QStringList { {}, u"1"_s, u"1"_s, u"2"_s, u"3"_s };
    }
    void referencesFollowTheRows()
    {
        QFETCH(QString, edit);
        QFETCH(QStringList, after);
        QList<Circuit::Section> sections;
        const QStringList before { {}, u"1"_s, u"1"_s, u"3"_s, u"2"_s };
        for (int i = 0; i < 5; ++i) {
            sections.append(section(QStringLiteral("T%1").arg(i + 1), QStringLiteral("2"), QStringLiteral("5"), {}, 1));
            sections[i].predecessor = before[i];
        }
        const QList<Circuit::Section> original = sections;
        const int row = edit.section(u' ', 1).toInt();
        Circuit::Removed removed;
        if (edit.startsWith(u"insert")) {
            Circuit::Section added;
            added.predecessor = row ? QString::number(row) : QString();
            Circuit::insertSection(sections, row, added);
        } else if (edit.startsWith(u"delete")) {
            removed = Circuit::removeSection(sections, row);
        } else {
            Circuit::swapSections(sections, row);
        }
        QStringList references;
        for (const Circuit::Section& s : sections)
            references.append(s.predecessor);
        QCOMPARE(references, after);
        if (edit.startsWith(u"delete")) {
            Circuit::restoreSection(sections, removed);
            QCOMPARE(sections, original);
        }
    }

    // The step nearest on a logarithmic scale: across the linear midpoint,
    // and a tie goes to the larger kv.
    void nearestStep_data()
    {
        QTest::addColumn<double>("kvRequired");
        QTest::addColumn<int>("step");
        QTest::newRow("exact") << 0.2 << 2;
        QTest::newRow("below the smallest") << 0.01 << 0;
        QTest::newRow("above the largest") << 3.0 << 3;
        QTest::newRow("0,29: nearer 0,2 linearly, 0,4 logarithmically") << 0.29 << 3;
        QTest::newRow("0,28: below the midpoint √(0,2·0,4)") << 0.28 << 2;
        QTest::newRow("the midpoint: the larger") << std::sqrt(0.2 * 0.4) << 3;
    }
    void nearestStep()
    {
        QFETCH(double, kvRequired);
        QFETCH(int, step);
        QCOMPARE(Circuit::nearestStep({ 0.05, 0.1, 0.2, 0.4 }, kvRequired), step);
    }

    // Three consumers on their own branches of a distributor without losses
    // of its own, so that each path loss is the consumer's: 3.000 Pa and
    // 8.000 Pa with a valve of kv 0,05 / 0,1 / 0,2 / 0,4, 1.000 Pa without.
    // By hand at 15 K (ρ 983,2, c 4185): 1 kW is 0,0583275 m³/h; the valve
    // fully preset takes 10⁵ · (0,0583275 / 0,4)² = 2.126 Pa.
    void balancingByHand_data()
    {
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("secondLoss"); // Δp Verbr. of row 3
        QTest::addColumn<QString>("panel"); // Δp ungünstigster Weg
        QTest::addColumn<QString>("head");
        QTest::addColumn<QStringList>("row2"); // Δp Ventil, kv erf., Voreinst., kv, Abw. %
        QTest::addColumn<QStringList>("row3");
        QTest::addColumn<QString>("hint2");
        // Minimum 5.000 Pa: row 3 needs 8.000 + 5.000; row 2's valve takes
        // 13.000 − 3.000 = 10.000 Pa: kv 0,0583275 / √0,1 = 0,184 → step 3
        // (0,2), +8 %; row 3's 5.000 Pa: kv 0,261 → step 3, (0,2/0,261 − 1) = −23 %.
        // H = 13.000 / (983,2 · 9,81) = 1,35 m.
        QTest::newRow("minimum 5.000 Pa")
            << QString() << u"8000"_s << u"13.000"_s << u"1,35"_s
            << QStringList { u"10.000"_s, u"0,184"_s, u"3"_s, u"0,20"_s, u"8"_s }
            << QStringList { u"5.000"_s, u"0,261"_s, u"3"_s, u"0,20"_s, u"-23"_s } << QString();
        // Minimum off: row 3's valve fully preset (step 4, 2.126 Pa); row 2
        // takes 10.126 − 3.000 = 7.126 Pa: kv 0,218 → step 3, −8 %.
        QTest::newRow("minimum off") << u"0"_s << u"8000"_s << u"10.126"_s << u"1,05"_s
                                     << QStringList { u"7.126"_s, u"0,218"_s, u"3"_s, u"0,20"_s, u"-8"_s }
                                     << QStringList { u"2.126"_s, u"0,400"_s, u"4"_s, u"0,40"_s, u"0"_s } << QString();
        // Row 3 at 200.000 Pa: row 2's valve takes 205.000 − 3.000 Pa and
        // would need kv 0,0583275 / √2,02 = 0,041, below the smallest step
        // (0,05: +22 %).
        QTest::newRow("cannot throttle enough")
            << QString() << u"200000"_s << u"205.000"_s << u"21,25"_s
            << QStringList { u"202.000"_s, u"0,041"_s, u"1"_s, u"0,05"_s, u"22"_s }
            << QStringList { u"5.000"_s, u"0,261"_s, u"3"_s, u"0,20"_s, u"-23"_s }
            << u"Voreinstellung reicht nicht: Differenzdruckregler vorsehen / Δp am Ventil über 20 kPa: "
               u"Strömungsgeräusche möglich"_s;
    }
    void balancingByHand()
    {
        QFETCH(QString, minimum);
        QFETCH(QString, secondLoss);
        QFETCH(QString, panel);
        QFETCH(QString, head);
        QFETCH(QStringList, row2);
        QFETCH(QStringList, row3);
        QFETCH(QString, hint2);
        ValveCatalogue catalogueOfValves;
        catalogueOfValves.setUserSeries({ { u"Prüfventil"_s, u"Prüf"_s,
            { { u"1"_s, u"0,05"_s }, { u"2"_s, u"0,10"_s }, { u"3"_s, u"0,20"_s }, { u"4"_s, u"0,40"_s } } } });
        const QString valve = QString::number(ValveCatalogue::standardCount() + 1);
        QList<Circuit::Section> sections {
            section(u"Verteiler"_s, {}, u"0"_s, {}, 5),
            section(u"HK 1"_s, u"1"_s, u"0"_s, {}, 5),
            section(u"HK 2"_s, u"1"_s, u"0"_s, {}, 5),
            section(u"HK 3"_s, u"0,5"_s, u"0"_s, {}, 5),
        };
        for (int i = 1; i < 4; ++i)
            sections[i].predecessor = u"1"_s;
        sections[1].consumerLoss = u"3000"_s;
        sections[2].consumerLoss = secondLoss;
        sections[3].consumerLoss = u"1000"_s;
        sections[1].valve = sections[2].valve = valve;
        const Circuit::Document document { sections, u"15"_s, {}, minimum, {} };
        const Circuit::Evaluation e = Circuit::evaluate(document, settings, catalogue, catalogueOfValves);
        QVERIFY(qAbs(e.rows[1].volumeFlowPerHour() - 1000.0L / (4185 * 15) / 983.2L * 3600) < 1e-6L);

        const CircuitTable::TotalTexts totals = CircuitTable::totalTexts(document, e.totals);
        QCOMPARE(totals.criticalLoss, panel);
        QCOMPARE(totals.head, head);
        QCOMPARE(totals.criticalConsumer, u"3 – HK 2"_s);
        QCOMPARE(totals.pump, u"Pumpe: Δp-konstant, Förderhöhe %1 m bei 0,146 m³/h"_s.arg(head)); // 2,5 kW
        auto cells = [&](int row) {
            QStringList texts;
            for (const int c : { CircuitTable::ValveLoss, CircuitTable::KvRequired, CircuitTable::Presetting,
                     CircuitTable::Kv, CircuitTable::Deviation })
                texts.append(CircuitTable::cell(
                    document, e, row, c, CircuitTable::Purpose::Screen, catalogue, catalogueOfValves));
            return texts;
        };
        QCOMPARE(cells(1), row2);
        QCOMPARE(cells(2), row3);
        QCOMPARE(e.rows[1].hints.join(u" / "), hint2);
        // Without a valve, what its path leaves is to be throttled elsewhere.
        QCOMPARE(e.rows[3].hints,
            QStringList { u"kein voreinstellbares Ventil: %1 Pa an anderer Stelle drosseln"_s.arg(
                CircuitTable::pascal(e.totals.criticalLoss - 1000)) });
    }

    // A row over a limit counts; an empty row shows and counts nothing; a
    // faulty one says why and counts nothing.
    void rowsBesideAComputedOne_data()
    {
        QTest::addColumn<Circuit::Section>("row");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("counts");
        QTest::addColumn<bool>("overloaded");
        const QString none;
        QTest::newRow("over a limit") << section({}, QStringLiteral("100"), QStringLiteral("5"), {}, 6) << none << true
                                      << true;
        QTest::newRow("empty") << section({}, {}, {}, {}, 1) << none << false << false;
        QTest::newRow("blanks only") << section(QStringLiteral("  "), QStringLiteral(" "), {}, {}, 3) << none << false
                                     << false;
        QTest::newRow("faulty heat output") << section({}, QStringLiteral("1,2,3"), QStringLiteral("5"), {}, 1)
                                            << QStringLiteral("Fehlerhafte Eingabe! (Leistung)") << false << false;
        QTest::newRow("faulty length") << section({}, QStringLiteral("3"), QStringLiteral("5m"), {}, 1)
                                       << QStringLiteral("Fehlerhafte Eingabe! (Länge)") << false << false;
        QTest::newRow("faulty zeta") << section({}, QStringLiteral("3"), QStringLiteral("5"), QStringLiteral(",,"), 1)
                                     << QStringLiteral("Fehlerhafte Eingabe! (Σζ)") << false << false;
        QTest::newRow("length missing") << section(QStringLiteral("Strang"), QStringLiteral("3"), {}, {}, 1)
                                        << QStringLiteral("Länge fehlt") << false << false;
        QTest::newRow("heat output missing") << section(QStringLiteral("Strang"), {}, QStringLiteral("5"), {}, 1)
                                             << QStringLiteral("Leistung fehlt") << false << false;
        QTest::newRow("above 100000 kW") << section({}, QStringLiteral("100001"), QStringLiteral("5"), {}, 1)
                                         << QStringLiteral("Leistung über 100.000 kW") << false << false;
    }

    void rowsBesideAComputedOne()
    {
        QFETCH(Circuit::Section, row);
        QFETCH(QString, reason);
        QFETCH(bool, counts);
        QFETCH(bool, overloaded);
        const Circuit::Row first = Circuit::compute(
            threeSections()[0], (threeSections()[0]).heatOutput, QStringLiteral("15"), settings, catalogue);
        const Circuit::Row r = Circuit::compute(row, (row).heatOutput, QStringLiteral("15"), settings, catalogue);
        QCOMPARE(r.reason, reason);
        QCOMPARE(r.computed(), counts);
        QCOMPARE(r.computed() && r.panels.overloaded(), overloaded);
        const Circuit::Document document { { threeSections()[0], row }, QStringLiteral("15"), {}, {}, {} };
        const Circuit::Evaluation evaluation = Circuit::evaluate(document, settings, catalogue, valves);
        const Circuit::Totals& t = evaluation.totals;
        QCOMPARE(t.computed, counts ? 2 : 1);
        QCOMPARE(t.notComputed, reason.isEmpty() ? 0 : 1);
        if (!counts) QCOMPARE(t.criticalLoss, first.loss);
        const QByteArray csv = CircuitTable::csv(document, evaluation, catalogue, valves);
        const QString last = QString::fromUtf8(csv).trimmed().split(u'\n').last();
        QVERIFY2(last.section(u';', -1).startsWith(overloaded ? QStringLiteral("LEISTUNG ZU GROSS !") : reason),
            qPrintable(last));
    }

    void csvImportMissingColumn()
    {
        QList<Circuit::Section> sections { threeSections()[0] };
        QString error;
        QVERIFY(
            !CircuitFile::sectionsFromCsv("Bezeichnung;Leistung_kW;Zeta;Material\nBad;1,5;6;5\n", sections, &error));
        QCOMPARE(error, QStringLiteral("Die Spalte „Laenge_m“ fehlt in der Kopfzeile."));
        QCOMPARE(sections.size(), 1); // nothing read
    }

    // A document of the first version (no Vorgänger) is one chain and gives
    // the totals it gave then: the README's worked example.
    void firstVersionDocumentIsAChain()
    {
        const QByteArray text = "Fluvano-Teilstrecken;1\n"
                                "Temperaturdifferenz_K;15\n"
                                "Weitere_Druckverluste_Pa;2500\n"
                                "Bezeichnung;Leistung_kW;Laenge_m;Zeta;Material;Innen_mm\n"
                                "Kessel – Verteiler;10;12;4,5;1;\n"
                                "Strang Nord;6;20;2;1;\n"
                                "Anbindung Bad;1,5;8;6;5;\n";
        Circuit::Document document;
        QString error;
        QVERIFY2(CircuitFile::fromText(text, document, &error), qPrintable(error));
        const Circuit::Evaluation e = Circuit::evaluate(document, settings, catalogue, valves);
        const CircuitTable::TotalTexts t = CircuitTable::totalTexts(document, e.totals);
        QCOMPARE(t.criticalLoss, QStringLiteral("2.283"));
        QCOMPARE(t.head, QStringLiteral("0,50"));
        QCOMPARE(t.volumeFlow, QStringLiteral("0,583"));
        QCOMPARE(t.criticalConsumer, QStringLiteral("3 – Anbindung Bad"));
    }

    void documentSavedAndOpened()
    {
        Circuit::Document document;
        document.temperatureDifference = QStringLiteral("8,5");
        document.extraLoss = QStringLiteral("2500");
        document.sections = threeSections();
        document.sections.append(section(
            QStringLiteral("Bad; \"oben\""), QStringLiteral("0,8"), QStringLiteral("15"), {}, 6, QStringLiteral("8")));
        document.sections.append(section({}, {}, {}, {}, 2));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Heizung.fluvano"));
        QString error;
        QVERIFY2(CircuitFile::save(path, document, &error), qPrintable(error));
        Circuit::Document read;
        QVERIFY2(CircuitFile::load(path, read, &error), qPrintable(error));
        QCOMPARE(read, document);

        QByteArray newer = CircuitFile::toText(document);
        newer.replace("Fluvano-Teilstrecken;" + QByteArray::number(CircuitFile::Version),
            "Fluvano-Teilstrecken;" + QByteArray::number(CircuitFile::Version + 1));
        QVERIFY(!CircuitFile::fromText(newer, read, &error));
        QVERIFY2(error.contains(QStringLiteral("neueren")), qPrintable(error));
        QCOMPARE(read, document); // a refused file changes nothing
    }

    void csvImport_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("count");
        QTest::newRow("byte-order mark and CRLF") << QByteArray(
            "\xEF\xBB\xBF"
            "Bezeichnung;Leistung_kW;Laenge_m;Zeta;Material;Innen_mm\r\n"
            "Kessel – Verteiler;10;12;4,5;1;\r\nStrang Nord;6;20;2;1\r\n"
            "Anbindung Bad;1.5;8;6;5;\r\n\r\n") << 3;
        QTest::newRow("no header, LF") << QByteArray("Kessel – Verteiler;10;12;4,5;1\n") << 1;
        QTest::newRow("quoted, more columns")
            << QByteArray("Bezeichnung;Leistung_kW;Laenge_m;Zeta;Material;Innen_mm;Rohr\n"
                          "\"Kessel – Verteiler\";10;12;\"4,5\";1;;DN 25\n")
            << 1;
        // As spreadsheet programs save it: a German one in Windows-1252 ("–"
        // is 0x96), an English one with commas and decimal points, tabs, and
        // the columns in another order with one of the user's own.
        QTest::newRow("Windows-1252") << QByteArray("Bezeichnung;Leistung_kW;L\xE4nge_m;Zeta;Material\r\n"
                                                    "Kessel \x96 Verteiler;10;12;4,5;1\r\n")
                                      << 1;
        QTest::newRow("commas, decimal points") << QByteArray(
            "Bezeichnung,Leistung_kW,Laenge_m,Zeta,Material,Innen_mm\n"
            "Kessel – Verteiler,10,12,4.5,1,\n") << 1;
        QTest::newRow("tabs") << QByteArray("Bezeichnung\tLeistung_kW\tLaenge_m\tZeta\tMaterial\n"
                                            "Kessel – Verteiler\t10\t12\t4,5\t1\n")
                              << 1;
        QTest::newRow("reordered, own column") << QByteArray(
            "Material;Zeta;Notiz;Laenge_m;Leistung_kW;Bezeichnung\n1;4,5;Keller;12;10;Kessel – Verteiler\n")
                                               << 1;
    }

    void csvImport()
    {
        QFETCH(QByteArray, csv);
        QFETCH(int, count);
        QList<Circuit::Section> sections;
        QString error;
        QVERIFY2(CircuitFile::sectionsFromCsv(csv, sections, &error), qPrintable(error));
        QCOMPARE(sections.size(), count);
        Circuit::Section first = sections[0];
        first.zeta.replace(u'.', u','); // as the input rules read it
        QCOMPARE(first, threeSections()[0]);
        if (count == 3) {
            QCOMPARE(sections[1], threeSections()[1]);
            QCOMPARE(sections[2].heatOutput, QStringLiteral("1.5")); // read as 1,5 by the input rules
            QCOMPARE(Circuit::compute(sections[2], (sections[2]).heatOutput, QStringLiteral("15"), settings, catalogue)
                         .panels.designation,
                QStringLiteral("15x1"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCircuit)
#include "tst_circuit.moc"
