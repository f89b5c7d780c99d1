#include "TestSupport.h"

#include "core/AppState.h"
#include "core/Calculation.h"
#include "forms/constants/TForm2.h"
#include "forms/main/TForm1.h"
#include "widgets/FormLook.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace
{

struct Shown {
    QString designation, diameter, gradient, volumeFlow, massFlow, velocity, material;
    bool operator==(const Shown&) const = default;
};

Shown display(const TForm1& w)
{
    return { w.Panel1->text(), w.Panel6->text(), w.Panel2->text(), w.Panel3->text(), w.Panel4->text(), w.Panel5->text(),
        w.Label5->text() };
}

bool resultsCleared(const TForm1& w)
{
    for (const QLabel* panel : { w.Panel2, w.Panel3, w.Panel4, w.Panel5, w.Panel6 })
        if (!panel->text().isEmpty()) return false;
    return true;
}

const QString WorkedExampleMaterial = QStringLiteral("- Mittelschweres Gewinderohr DIN 2440 -");
const QString Overload = QStringLiteral("LEISTUNG ZU GROSS !");

} // namespace

class TestMainInputs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TForm1> w;

    void type(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }

private Q_SLOTS:
    // Every window that opens is raised.
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

    void workedExampleFollowsEachKeystroke()
    {
        type(w->Edit1, QStringLiteral("1"));
        QCOMPARE(w->Panel1->text(), QStringLiteral("DN 10")); // 1 kW fits the smallest pipe
        QTest::keyClick(w->Edit1, Qt::Key_0);
        QCOMPARE(w->Edit1->text(), QStringLiteral("10"));
        const Shown expected { QStringLiteral("DN 25"), QStringLiteral("27,2"), QStringLiteral("42,73"),
            QStringLiteral("0,583"), QStringLiteral("573"), QStringLiteral("0,279"), WorkedExampleMaterial };
        QCOMPARE(display(*w), expected);
        QCOMPARE(FormLook::textColor(w->Label5), QColor(0, 0, 255));
        QCOMPARE(FormLook::panelColor(w->Panel2), FormLook::buttonFace());
        QCOMPARE(FormLook::panelColor(w->Panel5), FormLook::buttonFace());
        QCOMPARE(w->Edit4->text(), QStringLiteral("27,2")); // the recommended pipe, for manual mode
        QVERIFY(w->resultsValid);
        QVERIFY(env->messages.isEmpty());
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("point becomes comma") << QStringLiteral("2.5") << QStringLiteral("2,5");
        QTest::newRow("letters, minus and blanks dropped") << QStringLiteral("a-1 e+2") << QStringLiteral("12");
        QTest::newRow("backspace") << QStringLiteral("123\b4") << QStringLiteral("124");
    }
    void keyFilter()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        appState().setSettingsFileError(true); // no calculation writes into Edit4
        for (QLineEdit* edit : { w->Edit1, w->Edit2, w->Edit4 }) {
            edit->setEnabled(true);
            edit->show();
            edit->clear();
            for (const QChar c : keys) {
                if (c == u'\b')
                    QTest::keyClick(edit, Qt::Key_Backspace);
                else
                    QTest::keyClicks(edit, QString(c));
            }
            QCOMPARE(edit->text(), text);
        }
    }

    // The editing keys of every number field, and text that arrives by paste,
    // drop or an input method, which must enter as typing would enter it.
    void editingKeysAndPastes_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("incoming"); // clipboard, dropped or composed text
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("clipboard"); // afterwards
        QTest::newRow("Ctrl+V") << u"Ctrl+V"_s << u"1"_s << u"3.5 kW"_s << u"3,5"_s << u"3.5 kW"_s;
        QTest::newRow("Shift+Insert") << u"Shift+Ins"_s << u"1"_s << u"1x2.5"_s << u"12,5"_s << u"1x2.5"_s;
        QTest::newRow("context menu") << u"menu"_s << u"1"_s << u"-7.25 m"_s << u"7,25"_s << u"-7.25 m"_s;
        QTest::newRow("drop") << u"drop"_s << u""_s << u"4.5 kg"_s << u"4,5"_s << u""_s;
        QTest::newRow("nothing typeable") << u"Ctrl+V"_s << u"12"_s << u"abc"_s << u"12"_s << u"abc"_s;
        QTest::newRow("input method") << u"compose"_s << u"12"_s << u"9.5"_s << u"12"_s << u""_s;
        QTest::newRow("Ctrl+A, Ctrl+C") << u"Ctrl+C"_s << u"2,5"_s << u""_s << u"2,5"_s << u"2,5"_s;
        QTest::newRow("Ctrl+C copies the selection")
            << u"End Shift+Left Shift+Left Ctrl+C"_s << u"123,4"_s << u""_s << u"123,4"_s << u",4"_s;
        QTest::newRow("Ctrl+Insert") << u"Ctrl+Ins"_s << u"8"_s << u""_s << u"8"_s << u"8"_s;
        QTest::newRow("Ctrl+X") << u"Ctrl+X"_s << u"2,5"_s << u""_s << u""_s << u"2,5"_s;
        QTest::newRow("Shift+Delete") << u"Shift+Del"_s << u"2,5"_s << u""_s << u""_s << u"2,5"_s;
        QTest::newRow("Ctrl+Z") << u"12 Ctrl+Z"_s << u"5"_s << u""_s << u"5"_s << u""_s;
    }
    void editingKeysAndPastes()
    {
        QFETCH(QString, action);
        QFETCH(QString, before);
        QFETCH(QString, incoming);
        QFETCH(QString, after);
        QFETCH(QString, clipboard);
        appState().setSettingsFileError(true); // no calculation writes into Edit4
        w->Optionen_Aufruf();
        TForm2* dialog = TForm2::current();
        QList<QLineEdit*> fields { w->Edit1, w->Edit2, w->Edit4 };
        for (const char* name :
            { "Edit1", "Edit2", "Edit3", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16", "Edit8", "Edit9" })
            fields << dialog->findChild<QLineEdit*>(QLatin1StringView(name));
        for (QLineEdit* field : fields) {
            const QString where = field->window()->objectName() + u'.' + field->objectName();
            field->setEnabled(true);
            field->show();
            field->window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(field->window()));
            field->setFocus();
            field->setText(before);
            field->selectAll();
            if (action == u"Ctrl+V"_s || action == u"Shift+Ins"_s || action == u"menu"_s)
                QGuiApplication::clipboard()->setText(incoming);
            else
                QGuiApplication::clipboard()->clear();
            if (action == u"menu"_s) {
                QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
                QApplication::sendEvent(field, &event);
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY2(menu, qPrintable(where));
                const QString pasteKey = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
                for (QAction* item : menu->actions()) {
                    if (item->text().endsWith(pasteKey)) item->trigger();
                }
                menu->close();
            } else if (action == u"drop"_s) {
                QMimeData data;
                data.setText(incoming);
                QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(field, &enter);
                QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(field, &drop);
            } else if (action == u"compose"_s) {
                QInputMethodEvent event;
                event.setCommitString(incoming);
                QApplication::sendEvent(field, &event);
            } else {
                for (const QString& step : action.split(u' ')) {
                    if (step.front().isDigit())
                        QTest::keyClicks(field, step);
                    else
                        QTest::keySequence(field, QKeySequence(step));
                }
            }
            QVERIFY2(field->text() == after, qPrintable(where + u' ' + field->text()));
            QVERIFY2(QGuiApplication::clipboard()->text() == clipboard, qPrintable(where));
        }
    }

    void decimalHeatOutput()
    {
        type(w->Edit1, QStringLiteral("2.5"));
        QCOMPARE(w->Edit1->text(), QStringLiteral("2,5"));
        QCOMPARE(appState().calc.heatOutput, 2500.0f);
        QVERIFY(!w->Panel2->text().isEmpty());
    }

    void heatOutputLimit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("100000 kW") << QStringLiteral("100000") << true;
        QTest::newRow("100000,0 kW") << QStringLiteral("100000,0") << true;
        QTest::newRow("100000,1 kW") << QStringLiteral("100000,1") << false;
        QTest::newRow("100001 kW") << QStringLiteral("100001") << false;
        QTest::newRow("beyond float range") << QStringLiteral("1") + QString(40, u'0') << false;
    }
    void heatOutputLimit()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        w->Edit1->setText(QStringLiteral("10"));
        w->Edit1->setText(text);
        if (accepted) {
            QCOMPARE(w->Edit1->text(), text);
            QCOMPARE(w->Panel1->text(), QStringLiteral("DN 150"));
            QCOMPARE(w->Label5->text(), Overload);
            QVERIFY(env->messages.isEmpty());
        } else if (text.size() > 10) {
            // Not a number at all.
            QCOMPARE(env->messageTexts(), QStringList { QStringLiteral("Fehlerhafte Eingabe!") });
        } else {
            QCOMPARE(w->Edit1->text(), QStringLiteral("0"));
            QVERIFY(resultsCleared(*w));
            QVERIFY(w->Panel1->text().isEmpty());
            QVERIFY(!w->resultsValid);
            QVERIFY(env->messages.isEmpty());
        }
    }

    void unreadableInputKeepsTheResults_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("lone comma") << QStringLiteral(",");
        QTest::newRow("two commas") << QStringLiteral("1,2,3");
        QTest::newRow("pasted letters") << QStringLiteral("zehn");
        QTest::newRow("pasted point") << QStringLiteral("1.000");
        QTest::newRow("pasted inf") << QStringLiteral("inf");
    }
    void unreadableInputKeepsTheResults()
    {
        QFETCH(QString, text);
        w->Edit1->setText(QStringLiteral("10"));
        const Shown before = display(*w);
        w->Edit1->setText(text);
        QCOMPARE(env->messages.size(), 1);
        QCOMPARE(env->messages.front().text, QStringLiteral("Fehlerhafte Eingabe!"));
        QCOMPARE(env->messages.front().caption, QStringLiteral("Fluvano"));
        QVERIFY(w->inputError);
        QCOMPARE(display(*w), before);
    }

    void emptyHeatOutputClearsTheResults()
    {
        w->Edit1->setText(QStringLiteral("10"));
        w->Edit1->clear();
        QVERIFY(resultsCleared(*w));
        QVERIFY(w->Panel1->text().isEmpty());
        QCOMPARE(w->Label5->text(), WorkedExampleMaterial); // the material line stays
        QVERIFY(env->messages.isEmpty());
    }

    // Each button's ΔT shows in the mass flow: 10 kW · 3600 / (4185 · ΔT) kg/h.
    void temperatureButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<float>("difference");
        QTest::addColumn<QString>("massFlow");
        QTest::newRow("5 K") << 1 << 5.0f << QStringLiteral("1.720");
        QTest::newRow("6 K") << 2 << 6.0f << QStringLiteral("1.434");
        QTest::newRow("10 K") << 3 << 10.0f << QStringLiteral("860");
        QTest::newRow("12 K") << 4 << 12.0f << QStringLiteral("717");
        QTest::newRow("15 K") << 5 << 15.0f << QStringLiteral("573");
        QTest::newRow("20 K") << 6 << 20.0f << QStringLiteral("430");
    }
    void temperatureButtons()
    {
        QFETCH(int, button);
        QFETCH(float, difference);
        QFETCH(QString, massFlow);
        type(w->Edit1, QStringLiteral("10"));
        const QRadioButton* buttons[] { w->RadioButton1, w->RadioButton2, w->RadioButton3, w->RadioButton4,
            w->RadioButton5, w->RadioButton6 };
        // Away from the button first, so that the click below really changes ΔT.
        QTest::mouseClick(button == 1 ? w->RadioButton2 : w->RadioButton1, Qt::LeftButton);
        QTest::mouseClick(const_cast<QRadioButton*>(buttons[button - 1]), Qt::LeftButton);
        QCOMPARE(appState().calc.temperatureDifference, difference);
        QCOMPARE(w->Panel4->text(), massFlow);
    }

    void otherTemperatureDifference()
    {
        w->Edit1->setText(QStringLiteral("10"));
        QTest::mouseClick(w->RadioButton7, Qt::LeftButton);
        QVERIFY(w->Edit2->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w->Edit2);
        QVERIFY(!w->RadioButton5->isChecked());
        QVERIFY(resultsCleared(*w)); // no ΔT yet
        QTest::keyClicks(w->Edit2, QStringLiteral("8"));
        QCOMPARE(appState().calc.temperatureDifference, 8.0f);
        QVERIFY(!w->Panel2->text().isEmpty());
        // ṁ = 10 kW / 4185 / 8 K: 1075,3 kg/h.
        QCOMPARE(w->Panel4->text(), QStringLiteral("1.075"));

        QTest::mouseClick(w->RadioButton3, Qt::LeftButton);
        QVERIFY(!w->Edit2->isEnabled());
        QCOMPARE(w->Edit2->text(), QStringLiteral("8"));
        QCOMPARE(appState().calc.temperatureDifference, 10.0f);
        // ṁ = 10 kW / 4185 / 10 K: 860,2 kg/h.
        QCOMPARE(w->Panel4->text(), QStringLiteral("860"));
    }

    void materialButtonsRecalculate()
    {
        w->Edit1->setText(QStringLiteral("10"));
        QTest::mouseClick(w->RadioButton15, Qt::LeftButton);
        QCOMPARE(appState().calc.material, 5);
        QCOMPARE(w->Label5->text(), QStringLiteral("- Kupferrohr DIN 1786 -"));
        QVERIFY(w->Panel1->text().contains(u'x'));
    }

    void heatOutputStepper()
    {
        w->UpDown2->stepUp();
        QCOMPARE(w->Edit1->text(), QStringLiteral("2"));
        QCOMPARE(appState().calc.heatOutput, 2000.0f);
        w->UpDown2->stepDown();
        w->UpDown2->stepDown();
        QCOMPARE(w->Edit1->text(), QStringLiteral("1"));
        w->Edit1->setText(QStringLiteral("1000"));
        w->UpDown2->stepUp();
        QCOMPARE(w->Edit1->text(), QStringLiteral("1000"));
        w->Edit1->setText(QStringLiteral("57"));
        w->UpDown2->stepUp(); // counts on from what the entry shows
        QCOMPARE(w->Edit1->text(), QStringLiteral("58"));
        QTest::keyClick(w->Edit1, Qt::Key_Up);
        QCOMPARE(w->Edit1->text(), QStringLiteral("59"));
        QTest::keyClick(w->Edit1, Qt::Key_Down);
        QTest::keyClick(w->Edit1, Qt::Key_Down);
        QCOMPARE(w->Edit1->text(), QStringLiteral("57"));
        QCOMPARE(appState().calc.heatOutput, 57000.0f);
    }

    void overloadWarning()
    {
        w->Edit1->setText(QStringLiteral("5000"));
        QCOMPARE(w->Panel1->text(), QStringLiteral("DN 150"));
        QCOMPARE(appState().calc.selectedPipe, 12);
        QCOMPARE(w->Label5->text(), Overload);
        QCOMPARE(FormLook::textColor(w->Label5), QColor(255, 0, 0));
        const CalcState& calc = appState().calc;
        QCOMPARE(FormLook::panelColor(w->Panel2) == FormLook::Red, calc.pressureGradient > 100);
        QCOMPARE(FormLook::panelColor(w->Panel5) == FormLook::Red, calc.velocity > 2);
        QVERIFY(calc.pressureGradient > 100 || calc.velocity > 2);

        // Back to a pipe that fits: colours and the material line return.
        w->Edit1->setText(QStringLiteral("10"));
        QCOMPARE(FormLook::panelColor(w->Panel2), FormLook::buttonFace());
        QCOMPARE(FormLook::panelColor(w->Panel5), FormLook::buttonFace());
        QCOMPARE(w->Label5->text(), WorkedExampleMaterial);
    }

    void gradientEqualToTheLimitIsNotRed()
    {
        // R of the largest pipe at 2000 kW becomes the limit: every pipe is
        // passed over, the largest stays selected, and its R is not above R max.
        editSettings([](SettingsRecord& s) {
            s.rMax = 0;
            s.wMax = 1000;
        });
        w->Edit1->setText(QStringLiteral("2000"));
        QCOMPARE(appState().calc.selectedPipe, 12);
        QCOMPARE(FormLook::panelColor(w->Panel2), FormLook::Red);
        editSettings([](SettingsRecord& s) { s.rMax = appState().calc.pressureGradient; });
        w->Edit1->setText(QStringLiteral("2000,0"));
        QCOMPARE(appState().calc.selectedPipe, 12);
        QCOMPARE(FormLook::panelColor(w->Panel2), FormLook::buttonFace());
        QCOMPARE(w->Label5->text(), WorkedExampleMaterial);
    }

    void arithmeticFaultKeepsTheScreen_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("density 0") << QStringLiteral("rho") << 0.0f << QStringLiteral("Gleitkommadivision durch Null.");
        QTest::newRow("viscosity 0") << QStringLiteral("nu") << 0.0f
                                     << QStringLiteral("Gleitkommadivision durch Null.");
        QTest::newRow("roughness 0") << QStringLiteral("eps") << 0.0f
                                     << QStringLiteral("Gleitkommadivision durch Null.");
        QTest::newRow("density NaN") << QStringLiteral("rho") << std::numeric_limits<float>::quiet_NaN()
                                     << QStringLiteral("Ungültige Gleitkommaoperation.");
        QTest::newRow("heat capacity infinite") << QStringLiteral("c") << std::numeric_limits<float>::infinity()
                                                << QStringLiteral("Gleitkommadivision durch Null.");
    }
    void arithmeticFaultKeepsTheScreen()
    {
        QFETCH(QString, field);
        QFETCH(float, value);
        QFETCH(QString, message);
        w->Edit1->setText(QStringLiteral("10"));
        const Shown before = display(*w);
        editSettings([&](SettingsRecord& settings) {
            (field == u"rho"         ? settings.densityInUse
                    : field == u"nu" ? settings.viscosityInUse
                    : field == u"c"  ? settings.heatCapacityInUse
                                     : settings.roughnessAt(1))
                = value;
        });
        w->Edit1->setText(QStringLiteral("11"));
        QCOMPARE(env->messages.size(), 1);
        QCOMPARE(env->messages.front().text, message);
        QCOMPARE(env->messages.front().icon, QMessageBox::Critical);
        QCOMPARE(display(*w), before);
        // The program goes on: repaired constants calculate again.
        editSettings([](SettingsRecord& s) { s.applyStandardValues(false); });
        w->Edit1->setText(QStringLiteral("10"));
        QCOMPARE(w->Panel2->text(), QStringLiteral("42,73"));
    }

    void settingsErrorSuppressesEverything()
    {
        w->Edit1->setText(QStringLiteral("10"));
        const Shown before = display(*w);
        appState().setSettingsFileError(true);
        w->Edit1->setText(QStringLiteral("1,2,3"));
        w->Edit1->setText(QStringLiteral("20"));
        QCOMPARE(display(*w), before);
        QVERIFY(env->messages.isEmpty());
    }

    void manualModeStepping()
    {
        w->Edit1->setText(QStringLiteral("10"));
        QTest::mouseClick(w->CheckBox1, Qt::LeftButton);
        QVERIFY(w->CheckBox1->isChecked());
        QVERIFY(w->Edit4->isVisible());
        QVERIFY(!w->Panel6->isVisible());
        QVERIFY(w->UpDown1->isVisible());
        QCOMPARE(QApplication::focusWidget(), w->Edit4);
        QCOMPARE(w->Edit5->text(), QStringLiteral("4"));
        QCOMPARE(w->Label4->text(), QStringLiteral("&gewähltes Rohr:"));
        for (QRadioButton* button : { w->RadioButton11, w->RadioButton12, w->RadioButton16 })
            QVERIFY(!button->isEnabled());
        // Manual mode starts on the recommended pipe.
        QCOMPARE(w->Edit4->text(), QStringLiteral("27,2"));
        QCOMPARE(w->Panel2->text(), QStringLiteral("42,73"));
        QCOMPARE(w->Panel1->text(), QStringLiteral("DN 25"));

        // The first step up shows the same pipe again, each further one the next.
        w->UpDown1->stepUp();
        QCOMPARE(w->Edit4->text(), QStringLiteral("27,2"));
        w->UpDown1->stepUp();
        QCOMPARE(w->Edit4->text(), QStringLiteral("35,9"));
        QCOMPARE(w->Panel1->text(), QStringLiteral("DN 32"));
        // The first step down after steps up shows the pipe one above.
        w->UpDown1->stepDown();
        QCOMPARE(w->Edit4->text(), QStringLiteral("41,8"));
        QCOMPARE(w->Panel1->text(), QStringLiteral("DN 40"));
        w->UpDown1->stepDown();
        QCOMPARE(w->Edit4->text(), QStringLiteral("35,9"));

        // A typed diameter is used as it stands; a too small one shows the warning.
        type(w->Edit4, QStringLiteral("12.5"));
        QCOMPARE(w->Edit4->text(), QStringLiteral("12,5"));
        QVERIFY(w->Panel2->text().startsWith(QStringLiteral("2.09"))); // R ≈ 2099 Pa/m
        QCOMPARE(w->Label5->text(), Overload);
        // Clearing the inputs leaves the designation.
        const QString designation = w->Panel1->text();
        w->Edit4->clear();
        QVERIFY(resultsCleared(*w));
        QCOMPARE(w->Panel1->text(), designation);
    }

    void steppingPastTheEndOfTheCopperList()
    {
        QTest::mouseClick(w->RadioButton15, Qt::LeftButton);
        w->Edit1->setText(QStringLiteral("1"));
        QTest::mouseClick(w->CheckBox1, Qt::LeftButton);
        const int start = appState().calc.selectedPipe;
        // Step until the stepper shows 14; the next click selects pipe 14.
        for (int position = start; position < 14; ++position)
            w->UpDown1->stepUp();
        QCOMPARE(w->Edit5->text(), QStringLiteral("14"));
        QCOMPARE(w->Panel1->text(), QStringLiteral("108x2,5"));
        QCOMPARE(w->Edit4->text(), QStringLiteral("103"));
        w->UpDown1->stepUp();
        QCOMPARE(appState().calc.selectedPipe, 14);
        QVERIFY(w->Edit4->text().isEmpty());
        QVERIFY(resultsCleared(*w));
        QCOMPARE(w->Panel1->text(), QStringLiteral("108x2,5"));
        QVERIFY(env->messages.isEmpty());
    }

    void leavingManualModeRecommendsAgain()
    {
        w->Edit1->setText(QStringLiteral("10"));
        QTest::mouseClick(w->CheckBox1, Qt::LeftButton);
        w->Edit4->setText(QStringLiteral("100"));
        QCOMPARE(w->Panel1->text(), QStringLiteral("DN 25")); // the designation of the selected index
        QTest::mouseClick(w->CheckBox1, Qt::LeftButton);
        QVERIFY(!w->CheckBox1->isChecked());
        QVERIFY(!w->Edit4->isVisible());
        QVERIFY(w->Panel6->isVisible());
        QVERIFY(!w->UpDown1->isVisible());
        QCOMPARE(w->Label4->text(), QStringLiteral("empfohlenes Rohr:"));
        for (QRadioButton* button : { w->RadioButton11, w->RadioButton15 })
            QVERIFY(button->isEnabled());
        QCOMPARE(w->Panel6->text(), QStringLiteral("27,2"));
        QCOMPARE(w->Edit4->text(), QStringLiteral("27,2"));
        QVERIFY(!appState().calc.manualMode);
    }

    // One change, one calculation: in automatic mode the result written into
    // the hidden Edit4 must not start a second one; in manual mode Edit4 is an
    // input like any other.
    void oneCalculationPerChange_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("designation");
        QTest::newRow("automatic, key in Edit1") << false << QStringLiteral("key Edit1") << QStringLiteral("DN 65");
        QTest::newRow("automatic, material") << false << QStringLiteral("RadioButton15") << QStringLiteral("28x1,5");
        QTest::newRow("automatic, temperature difference")
            << false << QStringLiteral("RadioButton1") << QStringLiteral("DN 32");
        QTest::newRow("manual, key in Edit4") << true << QStringLiteral("key Edit4") << QStringLiteral("DN 25");
        QTest::newRow("manual, stepper") << true << QStringLiteral("UpDown1") << QStringLiteral("DN 32");
        QTest::newRow("leaving manual mode") << true << QStringLiteral("CheckBox1") << QStringLiteral("DN 25");
    }
    void oneCalculationPerChange()
    {
        QFETCH(bool, manual);
        QFETCH(QString, action);
        QFETCH(QString, designation);
        w->Edit1->setText(QStringLiteral("10"));
        if (manual) QTest::mouseClick(w->CheckBox1, Qt::LeftButton);
        if (action == u"UpDown1") w->UpDown1->stepUp(); // shows the recommended pipe again
        if (action == u"CheckBox1") w->Edit4->setText(QStringLiteral("100")); // Edit4 will change on leaving
        const QString gradientBefore = w->Panel2->text();

        const unsigned long long before = Calculation::runCount();
        if (action == u"key Edit1") {
            w->Edit1->setFocus();
            QTest::keyClick(w->Edit1, Qt::Key_0); // 100 kW
        } else if (action == u"key Edit4") {
            w->Edit4->setFocus();
            w->Edit4->setCursorPosition(2);
            QTest::keyClick(w->Edit4, Qt::Key_9); // 279,2 mm
        } else if (action == u"UpDown1") {
            w->UpDown1->stepUp();
        } else {
            QTest::mouseClick(w->findChild<QAbstractButton*>(action), Qt::LeftButton);
        }
        QCOMPARE(Calculation::runCount() - before, 1ull);
        QCOMPARE(w->Panel1->text(), designation);
        QVERIFY(!w->Panel2->text().isEmpty());
        QVERIFY(w->Panel2->text() != gradientBefore);
        if (!appState().calc.manualMode) QCOMPARE(w->Edit4->text(), w->Panel6->text()); // still written
        QVERIFY(env->messages.isEmpty());
    }
};

FLUVANO_TEST_MAIN(TestMainInputs)
#include "tst_maininputs.moc"
