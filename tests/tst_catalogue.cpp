#include "core/PipeCatalogue.h"

#include <QTest>

class TestCatalogue : public QObject
{
    Q_OBJECT

private:
    PipeCatalogue catalogue;

private Q_SLOTS:
    void initTestCase() { catalogue.fill(); }

    void listLengthsAndEnds_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("pipes");
        QTest::addColumn<QString>("name");
        QTest::newRow("medium threaded") << 1 << 12 << QStringLiteral("Mittelschweres Gewinderohr DIN 2440");
        QTest::newRow("heavy threaded") << 2 << 12 << QStringLiteral("Schweres Gewinderohr DIN 2441");
        QTest::newRow("seamless") << 3 << 12 << QStringLiteral("Nahtloses Stahlrohr DIN 2448");
        QTest::newRow("welded") << 4 << 12 << QStringLiteral("Geschweißtes Stahlrohr DIN 2458");
        QTest::newRow("copper") << 5 << 13 << QStringLiteral("Kupferrohr DIN 1786");
        QTest::newRow("precision") << 6 << 8 << QStringLiteral("Präzisionsstahlrohr DIN 2391-1");
        QTest::newRow("multilayer") << 7 << 9 << QStringLiteral("Mehrschichtverbundrohr PE-RT/Al/PE-RT");
        QTest::newRow("stainless press") << 8 << 10 << QStringLiteral("Edelstahl-Pressrohr DIN EN 10312");
        QTest::newRow("carbon steel press") << 9 << 11 << QStringLiteral("C-Stahl-Pressrohr verz. DIN EN 10305-3");
        QTest::newRow("PE-X") << 10 << 8 << QStringLiteral("PE-X-Rohr DIN EN ISO 15875");
    }
    void listLengthsAndEnds()
    {
        QFETCH(int, material);
        QFETCH(int, pipes);
        QFETCH(QString, name);
        QCOMPARE(catalogue.materialName(material), name);
        QCOMPARE(catalogue.pipeCount(material), pipes);
        for (int i = 1; i <= pipes; ++i) {
            QVERIFY2(!catalogue.isEndOfList(material, i), qPrintable(QString::number(i)));
            QVERIFY(!catalogue.designation(material, i).isEmpty());
        }
        // Every slot behind the end is empty too.
        for (int i = pipes + 1; i <= PipeCatalogue::SlotCount; ++i) {
            QVERIFY(catalogue.isEndOfList(material, i));
            QVERIFY(catalogue.designation(material, i).isEmpty());
            QCOMPARE(catalogue.innerDiameter(material, i), 0.0f);
        }
    }

    void entries_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("innerDiameter");
        QTest::addColumn<float>("millimetres");
        QTest::newRow("first pipe") << 1 << 1 << QStringLiteral("DN 10") << QStringLiteral("12,5") << 12.5f;
        QTest::newRow("diameter kept as typed") << 1 << 2 << QStringLiteral("DN 15") << QStringLiteral("16,") << 16.0f;
        QTest::newRow("worked example pipe") << 1 << 4 << QStringLiteral("DN 25") << QStringLiteral("27,2") << 27.2f;
        QTest::newRow("whole millimetres") << 1 << 7 << QStringLiteral("DN 50") << QStringLiteral("53") << 53.0f;
        QTest::newRow("largest threaded") << 1 << 12 << QStringLiteral("DN 150") << QStringLiteral("155,4") << 155.4f;
        QTest::newRow("heavy DN 100") << 2 << 10 << QStringLiteral("DN 100") << QStringLiteral("103,5") << 103.5f;
        QTest::newRow("seamless DN 400") << 3 << 12 << QStringLiteral("DN 400") << QStringLiteral("388,8") << 388.8f;
        QTest::newRow("welded DN 250") << 4 << 10 << QStringLiteral("DN 250") << QStringLiteral("263") << 263.0f;
        QTest::newRow("copper first") << 5 << 1 << QStringLiteral("8x1") << QStringLiteral("6") << 6.0f;
        QTest::newRow("copper decimal designation")
            << 5 << 11 << QStringLiteral("76,1x2") << QStringLiteral("72,1") << 72.1f;
        QTest::newRow("copper last") << 5 << 13 << QStringLiteral("108x2,5") << QStringLiteral("103") << 103.0f;
        QTest::newRow("precision first") << 6 << 1 << QStringLiteral("12x1,2") << QStringLiteral("9,6") << 9.6f;
        QTest::newRow("precision last") << 6 << 8 << QStringLiteral("54x1,5") << QStringLiteral("51") << 51.0f;
        // Inner diameter = outer diameter - 2 x wall of the designation.
        QTest::newRow("multilayer radiator connection")
            << 7 << 1 << QStringLiteral("14x2") << QStringLiteral("10") << 10.0f;
        QTest::newRow("multilayer 26x3") << 7 << 4 << QStringLiteral("26x3") << QStringLiteral("20") << 20.0f;
        QTest::newRow("multilayer last") << 7 << 9 << QStringLiteral("75x5") << QStringLiteral("65") << 65.0f;
        QTest::newRow("stainless 22x1,2") << 8 << 3 << QStringLiteral("22x1,2") << QStringLiteral("19,6") << 19.6f;
        QTest::newRow("stainless last") << 8 << 10 << QStringLiteral("108x2") << QStringLiteral("104") << 104.0f;
        QTest::newRow("carbon steel first") << 9 << 1 << QStringLiteral("12x1,2") << QStringLiteral("9,6") << 9.6f;
        QTest::newRow("carbon steel 76,1x2") << 9 << 9 << QStringLiteral("76,1x2") << QStringLiteral("72,1") << 72.1f;
        QTest::newRow("PE-X first") << 10 << 1 << QStringLiteral("12x2") << QStringLiteral("8") << 8.0f;
        QTest::newRow("PE-X 18x2") << 10 << 5 << QStringLiteral("18x2") << QStringLiteral("14") << 14.0f;
        QTest::newRow("PE-X 25x2,3") << 10 << 7 << QStringLiteral("25x2,3") << QStringLiteral("20,4") << 20.4f;
        QTest::newRow("PE-X last") << 10 << 8 << QStringLiteral("32x2,9") << QStringLiteral("26,2") << 26.2f;
    }
    void entries()
    {
        QFETCH(int, material);
        QFETCH(int, slot);
        QFETCH(QString, designation);
        QFETCH(QString, innerDiameter);
        QFETCH(float, millimetres);
        QCOMPARE(catalogue.designation(material, slot), designation);
        QCOMPARE(catalogue.innerDiameterText(material, slot), innerDiameter);
        QCOMPARE(catalogue.innerDiameter(material, slot), millimetres);
    }

    void textsFitTheirFields()
    {
        for (int m = 1; m <= PipeCatalogue::MaterialCount; ++m) {
            QVERIFY(catalogue.materialName(m).size() <= PipeCatalogue::NameLength);
            QVERIFY(catalogue.caption(m).size() <= PipeCatalogue::CaptionLength);
            for (int i = 1; i <= PipeCatalogue::SlotCount; ++i) {
                QVERIFY(catalogue.designation(m, i).size() <= PipeCatalogue::TextLength);
                QVERIFY(catalogue.innerDiameterText(m, i).size() <= PipeCatalogue::TextLength);
            }
        }
    }

    void indicesOutsideTheTableGiveEmptyTexts_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("slot");
        QTest::newRow("material 0") << 0 << 1;
        QTest::newRow("material 11") << 11 << 1;
        QTest::newRow("slot 0") << 1 << 0;
        QTest::newRow("slot 21") << 1 << 21;
        QTest::newRow("negative") << -1 << -1;
    }
    void indicesOutsideTheTableGiveEmptyTexts()
    {
        QFETCH(int, material);
        QFETCH(int, slot);
        QVERIFY(catalogue.designation(material, slot).isEmpty());
        QVERIFY(catalogue.innerDiameterText(material, slot).isEmpty());
        QCOMPARE(catalogue.innerDiameter(material, slot), 0.0f);
        QVERIFY(catalogue.isEndOfList(material, slot));
        if (!PipeCatalogue::validMaterial(material)) QVERIFY(catalogue.materialName(material).isEmpty());
    }

    void fillingTwiceGivesTheSameCatalogue()
    {
        PipeCatalogue again;
        again.fill();
        again.fill();
        for (int m = 1; m <= PipeCatalogue::MaterialCount; ++m)
            for (int i = 1; i <= PipeCatalogue::SlotCount; ++i)
                QCOMPARE(again.innerDiameterText(m, i), catalogue.innerDiameterText(m, i));
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
