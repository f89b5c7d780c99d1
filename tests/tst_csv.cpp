#include "core/Csv.h"

#include <QTest>

class TestCsv : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void writing_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("plain") << QStringList{QStringLiteral("Küche"),
                                          QStringLiteral("1,5"), QString()}
                           << QByteArray("Küche;1,5;");
    QTest::newRow("separator and quote")
        << QStringList{QStringLiteral("Flur; oben"),
                       QStringLiteral("Rohr \"A\"")}
        << QByteArray("\"Flur; oben\";\"Rohr \"\"A\"\"\"");
    QTest::newRow("line breaks")
        << QStringList{QStringLiteral("zwei\r\nZeilen"), QStringLiteral("a\rb")}
        << QByteArray("\"zwei\r\nZeilen\";\"a\rb\"");
    QTest::newRow("blanks and commas kept")
        << QStringList{QStringLiteral(" Rand "), QStringLiteral("2,5, 3")}
        << QByteArray(" Rand ;2,5, 3");
  }
  void writing() {
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray(Csv::Bom) + Csv::row(fields).toUtf8(),
             "\xEF\xBB\xBF" + expected);
  }
};

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"
