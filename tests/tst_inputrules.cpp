#include "TestSupport.h"

#include "core/AppState.h"
#include "core/InputRules.h"
#include "core/TypedInputs.h"
#include "forms/main/TForm1.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

// The main window and the typed inputs of the command line and the CSV batch
// go through one set of input rules: for the same text they calculate the
// same or refuse alike.
class TestInputRules : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TForm1> w;

private Q_SLOTS:
    void initTestCase() { muteOffscreenRaiseWarnings(); }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }

    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->writeStandardSettings();
        w = env->showMainWindow();
        QVERIFY(w->isActiveWindow());
    }
    void cleanup()
    {
        w.reset();
        env.reset();
    }

    void windowAndTypedInputsAgree_data()
    {
        QTest::addColumn<QString>("heat");
        QTest::addColumn<QString>("difference"); // typed into Edit2 ("eigene")
        QTest::addColumn<int>("material");
        QTest::addColumn<QString>("diameter"); // empty: recommended pipe

        QTest::newRow("worked example") << u"10"_qs << u"15"_qs << 1 << QString();
        QTest::newRow("decimal point") << u"2.5"_qs << u"7.5"_qs << 4 << QString();
        QTest::newRow("leading comma") << u",8"_qs << u"20"_qs << 6 << QString();
        QTest::newRow("largest heat output") << u"100000"_qs << u"20"_qs << 3 << QString();
        QTest::newRow("above the limit") << u"100000,1"_qs << u"20"_qs << 3 << QString();
        QTest::newRow("zero heat output") << u"0"_qs << u"15"_qs << 1 << QString();
        QTest::newRow("empty difference") << u"10"_qs << QString() << 1 << QString();
        QTest::newRow("zero difference") << u"10"_qs << u"0,0"_qs << 1 << QString();
        QTest::newRow("catalogue diameter") << u"10"_qs << u"15"_qs << 1 << u"27,2"_qs;
        QTest::newRow("free diameter") << u"10"_qs << u"15"_qs << 2 << u"19.5"_qs;
        QTest::newRow("zero diameter") << u"10"_qs << u"15"_qs << 1 << u"0"_qs;
        QTest::newRow("too large for every pipe") << u"90000"_qs << u"5"_qs << 5 << QString();
    }
    void windowAndTypedInputsAgree()
    {
        QFETCH(QString, heat);
        QFETCH(QString, difference);
        QFETCH(int, material);
        QFETCH(QString, diameter);

        const TypedInputs::Outcome typed = TypedInputs::evaluate(
            { heat, difference, QString::number(material), diameter }, appState().settings(), appState().catalogue());

        w->findChild<QRadioButton*>(u"RadioButton%1"_qs.arg(10 + material))->click();
        w->RadioButton7->click();
        w->Edit2->setText(InputRules::typed(difference).value_or(QString()));
        if (!diameter.isEmpty()) {
            w->CheckBox1->click();
            w->Edit4->setText(*InputRules::typed(diameter));
        }
        w->Edit1->setText(*InputRules::typed(heat));

        const CalcState& window = appState().calc;
        QCOMPARE(w->resultsValid, typed.computed());
        if (!typed.computed()) return;
        QCOMPARE(window.diameter, typed.calc.diameter);
        QCOMPARE(window.velocity, typed.calc.velocity);
        QCOMPARE(window.pressureGradient, typed.calc.pressureGradient);
        QCOMPARE(window.massFlow, typed.calc.massFlow);
        QCOMPARE(window.volumeFlow, typed.calc.volumeFlow);
        if (diameter.isEmpty()) QCOMPARE(window.selectedPipe, typed.calc.selectedPipe); // the recommended pipe
    }

    void materialText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("material");
        QTest::addColumn<QString>("reason");
        QTest::newRow("first") << u" 1 "_qs << 1 << QString();
        QTest::newRow("last") << QString::number(InputRules::Materials) << InputRules::Materials << QString();
        QTest::newRow("empty") << u"  "_qs << 0 << u"Rohrmaterial fehlt"_qs;
        QTest::newRow("zero") << u"0"_qs << 0 << u"Unbekanntes Rohrmaterial (1 bis %1)"_qs.arg(InputRules::Materials);
        QTest::newRow("beyond") << QString::number(InputRules::Materials + 1) << 0
                                << u"Unbekanntes Rohrmaterial (1 bis %1)"_qs.arg(InputRules::Materials);
        QTest::newRow("not a whole number")
            << u"1,0"_qs << 0 << u"Unbekanntes Rohrmaterial (1 bis %1)"_qs.arg(InputRules::Materials);
    }
    void materialText()
    {
        QFETCH(QString, text);
        QFETCH(int, material);
        QFETCH(QString, reason);
        const InputRules::MaterialChoice choice = InputRules::material(text);
        QCOMPARE(choice.material, material);
        QCOMPARE(choice.reason, reason);
    }
};

FLUVANO_TEST_MAIN(TestInputRules)
#include "tst_inputrules.moc"
