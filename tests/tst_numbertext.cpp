#include "core/NumberText.h"

#include <QTest>

#include <cfloat>
#include <cmath>

Q_DECLARE_METATYPE(long double)

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("integer") << QStringLiteral("10") << 10.0;
        QTest::newRow("decimal comma") << QStringLiteral("2,5") << 2.5;
        QTest::newRow("trailing comma") << QStringLiteral("16,") << 16.0;
        QTest::newRow("leading comma") << QStringLiteral(",5") << 0.5;
        QTest::newRow("leading zeros") << QStringLiteral("00012") << 12.0;
        QTest::newRow("zero") << QStringLiteral("0") << 0.0;
        QTest::newRow("blanks around") << QStringLiteral("  7 ") << 7.0;
        QTest::newRow("minus") << QStringLiteral("-3") << -3.0;
        QTest::newRow("minus comma") << QStringLiteral("-,5") << -0.5;
        QTest::newRow("largest kilowatts") << QStringLiteral("100000") << 100000.0;
        QTest::newRow("many decimals") << QStringLiteral("0,0015") << 0.0015;
        QTest::newRow("float maximum") << QStringLiteral("340282340000000000000000000000000000000") << 3.4028234e38;
    }
    void readsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const auto value = NumberText::read(text);
        QVERIFY(value.has_value());
        QCOMPARE(double(*value), expected);
    }

    void rejectsNonNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks only") << QStringLiteral("   ");
        QTest::newRow("lone comma") << QStringLiteral(",");
        QTest::newRow("two commas") << QStringLiteral("1,2,3");
        QTest::newRow("two adjacent commas") << QStringLiteral("1,,");
        QTest::newRow("point") << QStringLiteral(".");
        QTest::newRow("decimal point") << QStringLiteral("1.5");
        QTest::newRow("thousands point") << QStringLiteral("1.000");
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("inf") << QStringLiteral("inf");
        QTest::newRow("nan") << QStringLiteral("nan");
        QTest::newRow("exponent") << QStringLiteral("1e5");
        QTest::newRow("lone minus") << QStringLiteral("-");
        QTest::newRow("double minus") << QStringLiteral("--1");
        QTest::newRow("trailing minus") << QStringLiteral("1-");
        QTest::newRow("plus") << QStringLiteral("+1");
        QTest::newRow("inner blank") << QStringLiteral("1 000");
        QTest::newRow("beyond float range") << QStringLiteral("400000000000000000000000000000000000000");
        QTest::newRow("beyond float range negative") << QStringLiteral("-400000000000000000000000000000000000000");
        QTest::newRow("arabic-indic digit") << QStringLiteral("\u0661");
    }
    void rejectsNonNumbers()
    {
        QFETCH(QString, text);
        QVERIFY(!NumberText::read(text).has_value());
    }

    void formats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<QString>("expected");
        // Exact binary halves round away from zero, unlike printf.
        QTest::newRow("half cent up") << 0.125 << 2 << false << QStringLiteral("0,13");
        QTest::newRow("half up odd") << 2.5 << 0 << false << QStringLiteral("3");
        QTest::newRow("half up even") << 0.5 << 0 << false << QStringLiteral("1");
        QTest::newRow("half negative") << -2.5 << 0 << false << QStringLiteral("-3");
        QTest::newRow("w max halves") << 2.125 << 2 << false << QStringLiteral("2,13");
        QTest::newRow("R max halves") << 100.5 << 0 << false << QStringLiteral("101");
        QTest::newRow("sixteenth") << 0.0625 << 3 << false << QStringLiteral("0,063");
        QTest::newRow("grouped half") << 1200.5 << 1 << true << QStringLiteral("1.200,5");
        QTest::newRow("grouped half kg") << 1500.5 << 0 << true << QStringLiteral("1.501");
        // Not halves in binary: the nearest value decides.
        QTest::newRow("binary below half") << 0.145 << 2 << false << QStringLiteral("0,14");
        QTest::newRow("binary above half") << 0.115 << 2 << false << QStringLiteral("0,12");
        QTest::newRow("four decimals half") << 0.03125 << 4 << false << QStringLiteral("0,0313");
        QTest::newRow("float 0.48") << double(0.48f) << 3 << false << QStringLiteral("0,480");
        QTest::newRow("float 983.2") << double(983.2f) << 1 << false << QStringLiteral("983,2");
        QTest::newRow("float roughness") << double(0.0015f) << 4 << false << QStringLiteral("0,0015");
        QTest::newRow("float 100.4") << double(100.4f) << 0 << false << QStringLiteral("100");
        QTest::newRow("no decimals") << 4185.0 << 0 << false << QStringLiteral("4185");
        QTest::newRow("fixed is not grouped") << 1234567.0 << 1 << false << QStringLiteral("1234567,0");
        QTest::newRow("grouped thousand") << 1000.0 << 0 << true << QStringLiteral("1.000");
        QTest::newRow("grouped million") << 1234567.891 << 2 << true << QStringLiteral("1.234.567,89");
        QTest::newRow("grouped below thousand") << 999.0 << 2 << true << QStringLiteral("999,00");
        QTest::newRow("carry into a new group") << 999.96 << 1 << true << QStringLiteral("1.000,0");
        QTest::newRow("grouped negative") << -1234.5 << 1 << true << QStringLiteral("-1.234,5");
        QTest::newRow("negative fraction") << -0.25 << 2 << false << QStringLiteral("-0,25");
        QTest::newRow("negative rounds to zero") << -0.004 << 2 << false << QStringLiteral("0,00");
        QTest::newRow("zero") << 0.0 << 1 << true << QStringLiteral("0,0");
        QTest::newRow("negative zero") << -0.0 << 0 << false << QStringLiteral("0");
        QTest::newRow("large") << 3.0e20 << 0 << true << QStringLiteral("300.000.000.000.000.000.000");
    }
    void formats()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(bool, grouped);
        QFETCH(QString, expected);
        const QString text = grouped ? NumberText::grouped(value, decimals) : NumberText::fixed(value, decimals);
        QCOMPARE(text, expected);
    }

    void formatsExtendedHalves()
    {
        // A tie only visible in extended precision.
        const long double tie = 1.0L + std::ldexp(1.0L, -3); // 1,125
        QCOMPARE(NumberText::fixed(tie, 2), QStringLiteral("1,13"));
        QCOMPARE(NumberText::fixed(std::nextafter(tie, 0.0L), 2), QStringLiteral("1,12"));
    }

    void notFiniteValuesGiveNoText()
    {
        QVERIFY(NumberText::fixed(INFINITY, 2).isEmpty());
        QVERIFY(NumberText::grouped(-INFINITY, 2).isEmpty());
        QVERIFY(NumberText::grouped(NAN, 0).isEmpty());
    }

    void readsBackWhatItFormats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::newRow("density") << 983.2 << 1;
        QTest::newRow("viscosity") << 0.48 << 3;
        QTest::newRow("roughness") << 0.0015 << 4;
        QTest::newRow("negative") << -12.5 << 2;
    }
    void readsBackWhatItFormats()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        const auto back = NumberText::read(NumberText::fixed(value, decimals));
        QVERIFY(back.has_value());
        QCOMPARE(float(*back), float(value));
    }

    void keyFilter_data()
    {
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QChar>("passed"); // null: discarded
        QTest::newRow("point becomes comma") << QChar(u'.') << QChar(u',');
        QTest::newRow("comma") << QChar(u',') << QChar(u',');
        QTest::newRow("zero") << QChar(u'0') << QChar(u'0');
        QTest::newRow("nine") << QChar(u'9') << QChar(u'9');
        QTest::newRow("backspace") << QChar(u'\b') << QChar(u'\b');
        QTest::newRow("minus") << QChar(u'-') << QChar();
        QTest::newRow("plus") << QChar(u'+') << QChar();
        QTest::newRow("blank") << QChar(u' ') << QChar();
        QTest::newRow("letter") << QChar(u'a') << QChar();
        QTest::newRow("exponent") << QChar(u'E') << QChar();
        QTest::newRow("umlaut") << QChar(u'ä') << QChar();
        QTest::newRow("carriage return") << QChar(u'\r') << QChar();
        QTest::newRow("ctrl-v") << QChar(u'\x16') << QChar();
        QTest::newRow("superscript two") << QChar(u'²') << QChar();
    }
    void keyFilter()
    {
        QFETCH(QChar, typed);
        QFETCH(QChar, passed);
        QCOMPARE(NumberText::filterKey(typed).value_or(QChar()), passed);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
