#include "core/SettingsFile.h"
#include "core/ValveSeries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace
{

const QByteArray Header = "\xEF\xBB\xBFVentil;Kurzname;Name;Stufe;kv_m3h\r\n";
// Two of the user's series as a spreadsheet writes them, numbered 4 and 7.
const QByteArray Thermostatic = "4;TV Z;Thermostatventil Z;1;0,1\r\n"
                                "4;TV Z;Thermostatventil Z;2;0,2\r\n"
                                "4;TV Z;Thermostatventil Z;3;0,35\r\n";
const QByteArray Lockshield = "7;RL Y;Rücklaufverschraubung Y;0,5;0,2\r\n"
                              "7;RL Y;Rücklaufverschraubung Y;1;0,4\r\n";

const ValveCatalogue::Series LockshieldSeries { u"Rücklaufverschraubung Y"_s, u"RL Y"_s,
    { { u"0,5"_s, u"0,2"_s }, { u"1"_s, u"0,4"_s } } };

void writeFile(const QByteArray& bytes)
{
    QFile file(ValveSeries::path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestValveSeries : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void init()
    {
        SettingsFile::setDirectory(dir.path());
        QFile::remove(ValveSeries::path());
    }
    void cleanupTestCase() { SettingsFile::setDirectory(QString()); }

    // The file a save writes, byte for byte, and read back.
    void savedSeriesReadBack()
    {
        ValveCatalogue catalogue;
        const ValveCatalogue::Series quoted { u"Ventil; \"Typ A\""_s, u"Typ A"_s,
            { { u"1"_s, u"0,12"_s }, { u"N"_s, u"1,5"_s } } };
        catalogue.setUserSeries({ quoted, LockshieldSeries });
        QVERIFY(ValveSeries::save(catalogue));

        QFile file(dir.filePath(u"Fluvano-Ventile.csv"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
            Header
                + "4;Typ A;\"Ventil; \"\"Typ A\"\"\";1;0,12\r\n"
                  "4;Typ A;\"Ventil; \"\"Typ A\"\"\";N;1,5\r\n"
                  "5;RL Y;Rücklaufverschraubung Y;0,5;0,2\r\n"
                  "5;RL Y;Rücklaufverschraubung Y;1;0,4\r\n");

        ValveCatalogue again;
        QCOMPARE(ValveSeries::load(again), QStringList());
        QVERIFY(again == catalogue);
        QCOMPARE(again.kvValues(5), (QList<double> { 0.2, 0.4 }));
    }

    // Umlauts of a Windows spreadsheet, decimal points with commas between
    // fields, columns in another order; a series keeps the file's number.
    void spreadsheetFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252") << QByteArray("Ventil;Kurzname;Name;Stufe;kv_m3h\r\n"
                                                    "6;RL Y;R\xFC"
                                                    "cklaufverschraubung Y;0,5;0,2\r\n"
                                                    "6;RL Y;R\xFC"
                                                    "cklaufverschraubung Y;1;0,4\r\n");
        QTest::newRow("commas, decimal points, reordered") << QByteArray("Stufe,kv_m3h,Ventil,Name,Kurzname\n"
                                                                         "\"0,5\",0.2,6,Rücklaufverschraubung Y,RL Y\n"
                                                                         "1,0.4,6,Rücklaufverschraubung Y,RL Y\n");
    }
    void spreadsheetFile()
    {
        QFETCH(QByteArray, bytes);
        writeFile(bytes);
        ValveCatalogue catalogue;
        QCOMPARE(ValveSeries::load(catalogue), QStringList());
        QCOMPARE(
            catalogue.userSeries(), (QList { ValveCatalogue::Series {}, ValveCatalogue::Series {}, LockshieldSeries }));
        QCOMPARE(catalogue.series(6), LockshieldSeries);
        QVERIFY(!catalogue.contains(4) && !catalogue.contains(5) && catalogue.contains(6));
    }

    // A faulty line is named with its number; its series is left out, its
    // number vacant, the other one is read and keeps its number.
    void faultyLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("problem");
        QTest::newRow("kv not a number") << QByteArray("4;TV Z;Thermostatventil Z;4;abc")
                                         << u"Der kv-Wert „abc“ ist keine positive Zahl."_s;
        QTest::newRow("kv 0") << QByteArray("4;TV Z;Thermostatventil Z;4;0")
                              << u"Der kv-Wert „0“ ist keine positive Zahl."_s;
        QTest::newRow("kv not ascending")
            << QByteArray("4;TV Z;Thermostatventil Z;4;0,35")
            << u"Der kv-Wert 0,35 ist nicht größer als der in Zeile 3: die Stufen stehen aufsteigend."_s;
        QTest::newRow("label twice") << QByteArray("4;TV Z;Thermostatventil Z;2;0,5")
                                     << u"Die Stufe „2“ steht schon in Zeile 2."_s;
        QTest::newRow("label too long") << QByteArray("4;TV Z;Thermostatventil Z;4 Umdreh.;0,5")
                                        << u"Die Stufe „4 Umdreh.“ hat mehr als 8 Zeichen."_s;
        QTest::newRow("no label") << QByteArray("4;TV Z;Thermostatventil Z;;0,5") << u"Die Stufe fehlt."_s;
        QTest::newRow("missing column") << QByteArray("4;TV Z;Thermostatventil Z;0,5") << u"4 Spalten statt 5."_s;
        QTest::newRow("other name") << QByteArray("4;TV Y;Thermostatventil Z;4;0,5")
                                    << u"Kurzname oder Name weicht von Zeile 2 ab."_s;
    }
    void faultyLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, problem);
        writeFile(Header + Thermostatic + line + "\r\n" + Lockshield);
        ValveCatalogue catalogue;
        const QStringList problems = ValveSeries::load(catalogue);
        QCOMPARE(problems,
            QStringList { QDir::toNativeSeparators(dir.filePath(u"Fluvano-Ventile.csv"_s)) + u", Zeile 5: "_s + problem
                + u" Ventilreihe 4 (TV Z) wird ausgelassen."_s });
        QCOMPARE(catalogue.count(), 7);
        QVERIFY(!catalogue.contains(4));
        QCOMPARE(catalogue.series(7), LockshieldSeries);
        QCOMPARE(catalogue.series(1).caption, u"Thermostatventil 8 St."_s);
    }

    // Lines of the standard series: accepted without a word when they are
    // the built-in ones (the file fluvano --valves writes), told once per
    // series otherwise; the user's series are read either way.
    void standardSeriesLines_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("problem");
        // The built-in lockshield series (number 3), its steps as "label;kv".
        auto lockshield = [](const QList<QByteArray>& steps) {
            QByteArray lines = Header;
            for (const QByteArray& step : steps)
                lines += "3;Rücklauf 6 Stellungen;Rücklaufverschraubung mit Voreinstellung, 6 Stellungen;" + step
                    + "\r\n";
            return lines + Lockshield;
        };
        ValveCatalogue all;
        all.setUserSeries({ LockshieldSeries });
        QTest::newRow("as --valves writes them") << ValveSeries::image(all, ValveSeries::AllSeries) << QString();
        QTest::newRow("kv with a point, trailing zero dropped")
            << lockshield({ "0;0.09", "0,5;0,19", "1;0,3", "2;0,65", "3;1,01", "4;1,31" }) << QString();
        QTest::newRow("kv changed") << lockshield({ "0;0,09", "0,5;0,2", "1;0,30", "2;0,65", "3;1,01", "4;1,31" })
                                    << u"Zeile 3: Ventilreihe 3 (Rücklauf 6 Stellungen) ist fest eingebaut"_s;
        QTest::newRow("steps missing") << lockshield({ "0;0,09", "0,5;0,19" })
                                       << u"Zeile 3: Ventilreihe 3 (Rücklauf 6 Stellungen) ist fest eingebaut"_s;
        QTest::newRow("step added") << lockshield({ "0;0,09", "0,5;0,19", "1;0,30", "2;0,65", "3;1,01", "4;1,31",
            "5;1,5" }) << u"Zeile 8: Ventilreihe 3 (Rücklauf 6 Stellungen) ist fest eingebaut"_s;
        QTest::newRow("other name") << Header + "1;TV;Thermostatventil;1;0,13\r\n" + Lockshield
                                    << u"Zeile 2: Ventilreihe 1 (Thermostatventil 8 St.) ist fest eingebaut"_s;
    }
    void standardSeriesLines()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, problem);
        const ValveSeries::Content content = ValveSeries::parse(lines, u"f"_s);
        if (problem.isEmpty()) {
            QCOMPARE(content.problems, QStringList());
        } else {
            QCOMPARE(content.problems.size(), 1);
            QVERIFY2(content.problems.first().contains(problem), qPrintable(content.problems.first()));
        }
        QCOMPARE(content.series.last(), LockshieldSeries); // the user's, at its number
        for (qsizetype k = 0; k + 1 < content.series.size(); ++k)
            QVERIFY(content.series[k].steps.isEmpty()); // vacant numbers before it
    }
};

QTEST_APPLESS_MAIN(TestValveSeries)
#include "tst_valveseries.moc"
