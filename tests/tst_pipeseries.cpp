#include "core/PipeSeries.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QByteArray Header = "\xEF\xBB\xBFMaterial;Kurzname;Name;Bezeichnung;Innen_mm\r\n";
// Two materials of a maker's series as a spreadsheet writes them.
const QByteArray Stainless = "8;Edelstahl X;Edelstahlrohr X;15x1;13\r\n"
                             "8;Edelstahl X;Edelstahlrohr X;18x1;16\r\n"
                             "8;Edelstahl X;Edelstahlrohr X;22x1,2;19,6\r\n";
const QByteArray PeX = "10;PE-X Y;PE-X-Rohr Y;16x2;12\r\n"
                       "10;PE-X Y;PE-X-Rohr Y;20x2;16\r\n";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestPipeSeries : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void init()
    {
        SettingsFile::setDirectory(dir.path());
        QFile::remove(PipeSeries::path());
    }
    void cleanupTestCase() { SettingsFile::setDirectory(QString()); }

    void noFileKeepsTheBuiltInSeries()
    {
        PipeCatalogue catalogue;
        catalogue.fill();
        QCOMPARE(PipeSeries::load(catalogue), QStringList());
        for (int m = 7; m <= 10; ++m)
            QCOMPARE(catalogue.series(m), PipeCatalogue::standardSeries(m));
    }

    void savedSeriesReadBack()
    {
        PipeCatalogue catalogue;
        catalogue.fill();
        const PipeCatalogue::Series maker { QStringLiteral("Pressrohr; \"Typ A\""), QStringLiteral("Typ A"),
            { { QStringLiteral("15x1"), QStringLiteral("13") }, { QStringLiteral("18x1"), QStringLiteral("16,") } } };
        catalogue.setSeries(9, maker);
        QVERIFY(PipeSeries::save(catalogue));
        QVERIFY(QFile::exists(dir.path() + QStringLiteral("/Fluvano-Rohrsysteme.csv")));

        PipeCatalogue again;
        again.fill();
        QCOMPARE(PipeSeries::load(again), QStringList());
        QCOMPARE(again.series(9), maker);
        QCOMPARE(again.series(7), PipeCatalogue::standardSeries(7));
        QCOMPARE(again.innerDiameter(9, 2), 16.0f);
    }

    // The file as spreadsheet programs save it: names with umlauts intact,
    // diameters with a decimal point, columns in another order.
    void spreadsheetFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252") << QByteArray("Material;Kurzname;Name;Bezeichnung;Innen_mm\r\n"
                                                    "8;Edelstahl S\xFC;Edelstahlrohr Stra\xDF"
                                                    "e;15x1;13\r\n"
                                                    "8;Edelstahl S\xFC;Edelstahlrohr Stra\xDF"
                                                    "e;22x1,2;19,6\r\n");
        QTest::newRow("commas, decimal points, reordered")
            << QByteArray("Bezeichnung,Innen_mm,Material,Name,Kurzname\n"
                          "15x1,13,8,Edelstahlrohr Straße,Edelstahl Sü\n"
                          "\"22x1,2\",19.6,8,Edelstahlrohr Straße,Edelstahl Sü\n");
    }
    void spreadsheetFile()
    {
        QFETCH(QByteArray, bytes);
        writeFile(PipeSeries::path(), bytes);
        PipeCatalogue catalogue;
        catalogue.fill();
        QCOMPARE(PipeSeries::load(catalogue), QStringList());
        const PipeCatalogue::Series expected { QStringLiteral("Edelstahlrohr Straße"), QStringLiteral("Edelstahl Sü"),
            { { QStringLiteral("15x1"), QStringLiteral("13") },
                { QStringLiteral("22x1,2"), QStringLiteral("19,6") } } };
        QCOMPARE(catalogue.series(8), expected);
    }

    // A damaged line is named with its number; its material keeps the
    // built-in series, the other material of the file is taken.
    void damagedLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("problem");
        QTest::newRow("diameter not a number") << QByteArray("8;Edelstahl X;Edelstahlrohr X;28x1,2;abc")
                                               << QStringLiteral("Innendurchmesser „abc“ ist keine positive Zahl");
        QTest::newRow("out of order") << QByteArray("8;Edelstahl X;Edelstahlrohr X;28x1,2;12")
                                      << QStringLiteral("Innendurchmesser 12 ist nicht größer als der in Zeile 3");
        QTest::newRow("duplicate designation") << QByteArray("8;Edelstahl X;Edelstahlrohr X;18x1;25,6")
                                               << QStringLiteral("Bezeichnung „18x1“ steht schon in Zeile 2");
        QTest::newRow("designation too long")
            << QByteArray("8;Edelstahl X;Edelstahlrohr X;28x1,2 mm;25,6") << QStringLiteral("mehr als 8 Zeichen");
        QTest::newRow("percent signs told as typed")
            << QByteArray("8;Edelstahl X;Edelstahlrohr X;%1 x %2 mm;25,6")
            << QStringLiteral("Bezeichnung „%1 x %2 mm“ hat mehr als 8 Zeichen");
        QTest::newRow("missing column") << QByteArray("8;Edelstahl X;Edelstahlrohr X;25,6")
                                        << QStringLiteral("4 Spalten statt 5");
        QTest::newRow("other name") << QByteArray("8;Edelstahl Z;Edelstahlrohr X;28x1,2;25,6")
                                    << QStringLiteral("weicht von Zeile 2 ab");
    }
    void damagedLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, problem);
        writeFile(PipeSeries::path(), Header + Stainless + line + "\r\n" + PeX);
        PipeCatalogue catalogue;
        catalogue.fill();
        const QStringList problems = PipeSeries::load(catalogue);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().contains(QStringLiteral("Fluvano-Rohrsysteme.csv, Zeile 5: ")),
            qPrintable(problems.first()));
        QVERIFY2(problems.first().contains(problem), qPrintable(problems.first()));
        QVERIFY(problems.first().endsWith(
            QStringLiteral("Für Material 8 (Edelstahl-Pressrohr) gelten die Standardwerte.")));
        QCOMPARE(catalogue.series(8), PipeCatalogue::standardSeries(8));
        QCOMPARE(catalogue.caption(10), QStringLiteral("PE-X Y"));
        QCOMPARE(catalogue.pipeCount(10), 2);
    }

    void linesTheFileCannotChange_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("problem");
        QTest::newRow("built-in material")
            << QByteArray("1;DN;Gewinderohr;DN 10;12,5") << QStringLiteral("Zeile 2: Material 1 ist fest eingebaut");
        QTest::newRow("unknown material")
            << QByteArray("11;A;B;C;1") << QStringLiteral("Zeile 2: Unbekanntes Rohrmaterial „11“");
    }
    void linesTheFileCannotChange()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, problem);
        const PipeSeries::Content content = PipeSeries::parse(Header + line + "\n" + PeX, QStringLiteral("f"));
        QCOMPARE(content.problems.size(), 1);
        QVERIFY2(content.problems.first().contains(problem), qPrintable(content.problems.first()));
        QVERIFY(content.series[10].has_value());
    }
};

QTEST_APPLESS_MAIN(TestPipeSeries)
#include "tst_pipeseries.moc"
