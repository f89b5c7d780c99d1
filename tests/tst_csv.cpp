#include "core/Csv.h"

#include <QBuffer>
#include <QTest>

namespace
{

const QList<Csv::Column> Columns = { { QStringLiteral("Raum"), true }, { QStringLiteral("Leistung_kW"), true },
    { QStringLiteral("Laenge_m"), false } };

// Each record as "line:Raum|Leistung_kW|Laenge_m", with " +n" for n surplus fields.
QStringList records(Csv::Reader& reader)
{
    QStringList result;
    for (Csv::Record record; reader.next(record);) {
        QStringList fields;
        for (qsizetype c = 0; c < Columns.size(); ++c)
            fields.append(record.field(c));
        QString text = QString::number(record.line()) + u':' + fields.join(u'|');
        if (record.surplus()) text += QStringLiteral(" +%1").arg(record.surplus());
        result.append(text);
    }
    return result;
}

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each input read whole and streamed from a device, with the same outcome.
    void reading_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("extras");
        QTest::addColumn<QString>("error");
        const QString semicolon = QStringLiteral(";");

        QTest::newRow("utf-8 with byte-order mark, umlaut header")
            << QByteArray("\xEF\xBB\xBFRaum;Leistung_kW;Länge_m\r\nKüche;1,5;3\r\n") << semicolon
            << QStringList { QStringLiteral("2:Küche|1,5|3") } << QStringList() << QString();
        QTest::newRow("utf-8 without byte-order mark")
            << QByteArray("Küche;2;Straße\n") << semicolon << QStringList { QStringLiteral("1:Küche|2|Straße") }
            << QStringList() << QString();
        QTest::newRow("windows-1252 fields")
            << QByteArray("Raum;Leistung_kW;Laenge_m\r\nK\xFC"
                          "che;Stra\xDF"
                          "e;\x80\r\n")
            << semicolon << QStringList { QStringLiteral("2:Küche|Straße|€") } << QStringList() << QString();
        QTest::newRow("windows-1252 header, reordered")
            << QByteArray("L\xE4nge_m;Raum;Leistung_kW\r\n4;Bad;2\r\n") << semicolon
            << QStringList { QStringLiteral("2:Bad|2|4") } << QStringList() << QString();
        QTest::newRow("comma separator, decimal point")
            << QByteArray("Raum,Leistung_kW,Laenge_m\n\"Flur, oben\",2.5,4\n") << QStringLiteral(",")
            << QStringList { QStringLiteral("2:Flur, oben|2.5|4") } << QStringList() << QString();
        QTest::newRow("tab separator") << QByteArray("Raum\tLeistung_kW\tLaenge_m\nBad\t2,5\t4\n")
                                       << QStringLiteral("\t") << QStringList { QStringLiteral("2:Bad|2,5|4") }
                                       << QStringList() << QString();
        QTest::newRow("semicolon before comma")
            << QByteArray("Bad;2,5;4\n") << semicolon << QStringList { QStringLiteral("1:Bad|2,5|4") } << QStringList()
            << QString();
        QTest::newRow("quoted separator and doubled quotes")
            << QByteArray("Raum;Leistung_kW;Laenge_m\n\"Flur; oben\";\" 1,5 \";\"Rohr \"\"A\"\"\"\n") << semicolon
            << QStringList { QStringLiteral("2:Flur; oben|1,5|Rohr \"A\"") } << QStringList() << QString();
        QTest::newRow("quote inside a field, data first line")
            << QByteArray("16\"x2;7;x\n") << semicolon << QStringList { QStringLiteral("1:16\"x2|7|x") }
            << QStringList() << QString();
        QTest::newRow("quoted line break")
            << QByteArray("Raum;Leistung_kW\n\"Flur\r\noben\";2\nBad;3\n") << semicolon
            << QStringList { QStringLiteral("2:Flur\noben|2|"), QStringLiteral("4:Bad|3|") } << QStringList()
            << QString();
        QTest::newRow("blank lines counted")
            << QByteArray("\r\n;;\r\nRaum;Leistung_kW;Laenge_m\r\n\r\n ; ;\r\nBad;1;2\r\n\r\nFlur;3;4") << semicolon
            << QStringList { QStringLiteral("6:Bad|1|2"), QStringLiteral("8:Flur|3|4") } << QStringList() << QString();
        QTest::newRow("signed number, no header")
            << QByteArray("Bad;-1,5;2\nFlur;3;4\n") << semicolon
            << QStringList { QStringLiteral("1:Bad|-1,5|2"), QStringLiteral("2:Flur|3|4") } << QStringList()
            << QString();
        QTest::newRow("unknown header by position")
            << QByteArray("Room;Power;Length;Note\nBad;1;2;x\n") << semicolon
            << QStringList { QStringLiteral("2:Bad|1|2 +1") } << QStringList { QStringLiteral("Note") } << QString();
        QTest::newRow("reordered and extra columns")
            << QByteArray("Laenge_m;Notiz;LEISTUNG_KW; raum \n4;x;2;Bad;;y\n") << semicolon
            << QStringList { QStringLiteral("2:Bad|2|4 +1") } << QStringList { QStringLiteral("Notiz") } << QString();
        QTest::newRow("required column missing")
            << QByteArray("Raum;Laenge_m\nBad;4\n") << semicolon << QStringList() << QStringList()
            << QStringLiteral("Die Spalte „Leistung_kW“ fehlt in der Kopfzeile.");
        QTest::newRow("two required columns missing")
            << QByteArray("Laenge_m;Notiz\n4;x\n") << semicolon << QStringList()
            << QStringList { QStringLiteral("Notiz") }
            << QStringLiteral("Die Spalten „Raum“ und „Leistung_kW“ fehlen in der Kopfzeile.");
        const QByteArray longField(70000, 'x');
        QTest::newRow("line longer than one read")
            << QByteArray("Raum;Leistung_kW\n" + longField + ";2\nBad;3\n") << semicolon
            << QStringList { QStringLiteral("2:") + QString(70000, u'x') + QStringLiteral("|2|"),
                   QStringLiteral("3:Bad|3|") }
            << QStringList() << QString();
    }
    void reading()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, separator);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, extras);
        QFETCH(QString, error);

        QBuffer device;
        device.setData(input);
        QVERIFY(device.open(QIODevice::ReadOnly));
        Csv::Reader whole(input, Columns);
        Csv::Reader streamed(device, Columns);
        for (Csv::Reader* reader : { &whole, &streamed }) {
            QCOMPARE(QString(reader->dialect().separator), separator);
            QCOMPARE(reader->dialect().decimalPointOnly, separator == QStringLiteral(","));
            QCOMPARE(reader->error(), error);
            QCOMPARE(reader->extraColumns(), extras);
            QCOMPARE(records(*reader), expected);
            QVERIFY(!reader->readFailed());
        }
    }

    void writing_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("plain") << QStringList { QStringLiteral("Küche"), QStringLiteral("1,5"), QString() }
                               << QByteArray("Küche;1,5;");
        QTest::newRow("separator and quote") << QStringList { QStringLiteral("Flur; oben"),
            QStringLiteral("Rohr \"A\"") } << QByteArray("\"Flur; oben\";\"Rohr \"\"A\"\"\"");
        QTest::newRow("line breaks") << QStringList { QStringLiteral("zwei\r\nZeilen"), QStringLiteral("a\rb") }
                                     << QByteArray("\"zwei\r\nZeilen\";\"a\rb\"");
        QTest::newRow("blanks and commas kept")
            << QStringList { QStringLiteral(" Rand "), QStringLiteral("2,5, 3") } << QByteArray(" Rand ;2,5, 3");
    }
    void writing()
    {
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray(Csv::Bom) + Csv::row(fields).toUtf8(), "\xEF\xBB\xBF" + expected);
    }
};

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"
