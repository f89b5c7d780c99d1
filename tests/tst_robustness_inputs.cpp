// The main window against a few thousand generated user actions: typed
// characters of every kind, pasted text, button clicks, stepper steps, mode
// switches and saves of the constants dialog. Nothing may crash, the result
// column stays well-formed, and the same actions give the same display.
#include "DisplayChecks.h"
#include "TestSupport.h"

#include "core/AppState.h"
#include "core/Calculation.h"
#include "forms/constants/TForm2.h"
#include "forms/main/TForm1.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <random>
#include <variant>

namespace
{

// One thing a user does.
struct Typed { // a key in an edit of the main window
    int edit; // 0 Edit1, 1 Edit2, 2 Edit4
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers;
};
struct Pasted {
    int edit;
    QString text;
};
struct Clicked { // a radio button or the check box of the main window
    QString button;
};
struct Stepped {
    bool manualStepper; // UpDown1, else UpDown2
    bool up;
};
struct DialogStep { // open the constants dialog, change some things, leave it
    QList<std::pair<QString, QString>> changes; // control, text ("" = click)
    bool save;
};
using Action = std::variant<Typed, Pasted, Clicked, Stepped, DialogStep>;

const QString Pastes[] = {
    QString(),
    QStringLiteral("10"),
    QStringLiteral("2,5"),
    QStringLiteral("1.000"),
    QStringLiteral("100000"),
    QStringLiteral("100000,01"),
    QStringLiteral("99999999999999999999999999999999999999999"),
    QStringLiteral("0"),
    QStringLiteral("0,0000001"),
    QStringLiteral(","),
    QStringLiteral("1,2,3"),
    QStringLiteral("-5"),
    QStringLiteral(" 12 "),
    QStringLiteral("1e3"),
    QStringLiteral("nan"),
    QStringLiteral("inf"),
    QStringLiteral("abc"),
    QStringLiteral("\u0663\u0664"), // Arabic-Indic digits
    QStringLiteral("12\u00a0000"),
    QStringLiteral("27,2"),
    QStringLiteral("16,"),
    QStringLiteral("\t7\n"),
};

// Characters of every kind: digits, separators, signs, letters, umlauts,
// symbols, control characters.
const QString Characters = QStringLiteral("0123456789,.,.-+eE aZ\u00e4\u00df\u20ac%/*#\u00b2\u0663\t");

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
const Key Keys[] = {
    { Qt::Key_Backspace, Qt::NoModifier },
    { Qt::Key_Delete, Qt::NoModifier },
    { Qt::Key_Left, Qt::NoModifier },
    { Qt::Key_Right, Qt::NoModifier },
    { Qt::Key_Home, Qt::NoModifier },
    { Qt::Key_End, Qt::NoModifier },
    { Qt::Key_Up, Qt::NoModifier },
    { Qt::Key_Down, Qt::NoModifier },
    { Qt::Key_Return, Qt::NoModifier },
    { Qt::Key_A, Qt::ControlModifier },
    { Qt::Key_Z, Qt::ControlModifier },
    { Qt::Key_Y, Qt::ControlModifier },
    { Qt::Key_X, Qt::ControlModifier },
    { Qt::Key_V, Qt::ControlModifier },
    { Qt::Key_Left, Qt::ShiftModifier },
};

const QString MainButtons[] = {
    QStringLiteral("RadioButton1"),
    QStringLiteral("RadioButton2"),
    QStringLiteral("RadioButton3"),
    QStringLiteral("RadioButton4"),
    QStringLiteral("RadioButton5"),
    QStringLiteral("RadioButton6"),
    QStringLiteral("RadioButton7"),
    QStringLiteral("RadioButton11"),
    QStringLiteral("RadioButton12"),
    QStringLiteral("RadioButton13"),
    QStringLiteral("RadioButton14"),
    QStringLiteral("RadioButton15"),
    QStringLiteral("RadioButton16"),
    QStringLiteral("CheckBox1"),
};

const QString DialogFields[] = { QStringLiteral("Edit1"), QStringLiteral("Edit2"), QStringLiteral("Edit3"),
    QStringLiteral("Edit11"), QStringLiteral("Edit12"), QStringLiteral("Edit13"), QStringLiteral("Edit14"),
    QStringLiteral("Edit15"), QStringLiteral("Edit16"), QStringLiteral("Edit8"), QStringLiteral("Edit9") };
const QString DialogButtons[] = { QStringLiteral("RadioButton1"), QStringLiteral("RadioButton3"),
    QStringLiteral("RadioButton6"), QStringLiteral("RadioButton7"), QStringLiteral("RadioButton12"),
    QStringLiteral("RadioButton15"), QStringLiteral("CheckBox1"), QStringLiteral("BitBtn3") };
const QString DialogValues[] = { QStringLiteral("0"), QStringLiteral("983,2"), QStringLiteral("4185"),
    QStringLiteral("0,48"), QStringLiteral("0,045"), QStringLiteral("100"), QStringLiteral("2"), QStringLiteral(","),
    QStringLiteral("1e9"), QStringLiteral("0,0000000000000000000000000000000000000000001"),
    QStringLiteral("340282350000000000000000000000000000000") };

template <typename T, std::size_t N> const T& pick(std::mt19937& random, const T (&items)[N])
{
    return items[random() % N];
}

QList<Action> generateActions(std::uint32_t seed, int count)
{
    std::mt19937 random(seed);
    QList<Action> actions;
    for (int n = 0; n < count; ++n) {
        const unsigned kind = random() % 100;
        const int edit = random() % 10 < 6 ? 0 : int(1 + random() % 2);
        if (kind < 45) {
            const QChar c = Characters.at(random() % Characters.size());
            actions.append(Typed { edit, Qt::Key_unknown, QString(c), Qt::NoModifier });
        } else if (kind < 60) {
            const Key& key = pick(random, Keys);
            actions.append(Typed { edit, key.key, QString(), key.modifiers });
        } else if (kind < 70) {
            actions.append(Pasted { edit, pick(random, Pastes) });
        } else if (kind < 85) {
            actions.append(Clicked { pick(random, MainButtons) });
        } else if (kind < 97) {
            actions.append(Stepped { random() % 2 == 0, random() % 2 == 0 });
        } else {
            DialogStep step { {}, random() % 4 != 0 };
            const int changes = int(random() % 4);
            for (int c = 0; c < changes; ++c) {
                if (random() % 2)
                    step.changes.append({ pick(random, DialogFields), pick(random, DialogValues) });
                else
                    step.changes.append({ pick(random, DialogButtons), QString() });
            }
            actions.append(step);
        }
    }
    return actions;
}

const QStringList& allowedMessages()
{
    static const QStringList messages { QStringLiteral("Fehlerhafte Eingabe!"),
        QStringLiteral("Fehlerhafte Eingabe in einem Eingabefeld !\rBitte überprüfen."),
        arithmeticFaultMessage(ArithmeticFault::DivisionByZero),
        arithmeticFaultMessage(ArithmeticFault::InvalidOperation), arithmeticFaultMessage(ArithmeticFault::Overflow) };
    return messages;
}

// What a run showed: the display after every action and every message.
struct Trace {
    QStringList displays;
    QStringList messages;
};

} // namespace

class TestRobustnessInputs : public QObject
{
    Q_OBJECT

private:
    static QLineEdit* mainEdit(TForm1& w, int edit)
    {
        QLineEdit* const edits[] = { w.Edit1, w.Edit2, w.Edit4 };
        return edits[edit];
    }

    // Carries out an action as a user could: only on controls that are shown
    // and enabled (a click on a disabled button does nothing by itself).
    static void perform(TForm1& w, const Action& action)
    {
        if (const auto* typed = std::get_if<Typed>(&action)) {
            QLineEdit* edit = mainEdit(w, typed->edit);
            if (!edit->isVisible() || !edit->isEnabled()) return;
            if (typed->text.isEmpty()) {
                QTest::keyClick(edit, typed->key, typed->modifiers);
            } else {
                QTest::sendKeyEvent(QTest::Press, edit, typed->key, typed->text, typed->modifiers);
                QTest::sendKeyEvent(QTest::Release, edit, typed->key, typed->text, typed->modifiers);
            }
        } else if (const auto* pasted = std::get_if<Pasted>(&action)) {
            QLineEdit* edit = mainEdit(w, pasted->edit);
            if (edit->isVisible() && edit->isEnabled()) edit->setText(pasted->text);
        } else if (const auto* clicked = std::get_if<Clicked>(&action)) {
            w.findChild<QAbstractButton*>(clicked->button)->click();
        } else if (const auto* stepped = std::get_if<Stepped>(&action)) {
            UpDown* stepper = stepped->manualStepper ? w.UpDown1 : w.UpDown2;
            if (!stepper->isVisible()) return;
            if (stepped->up)
                stepper->stepUp();
            else
                stepper->stepDown();
        } else if (const auto* dialogStep = std::get_if<DialogStep>(&action)) {
            w.Optionen_Aufruf();
            TForm2* dialog = TForm2::current();
            QVERIFY(dialog);
            for (const auto& [control, text] : dialogStep->changes) {
                if (text.isEmpty()) {
                    auto* button = dialog->findChild<QAbstractButton*>(control);
                    QVERIFY2(button, qPrintable(control));
                    button->click();
                } else if (auto* field = dialog->findChild<QLineEdit*>(control); field && field->isEnabled()) {
                    field->setText(text);
                }
            }
            (dialogStep->save ? dialog->BitBtn1 : dialog->BitBtn2)->click();
        }
    }

    // Runs the actions on a fresh main window with the standard settings.
    void run(const QList<Action>& actions, Trace& trace)
    {
        TestEnvironment env;
        env.writeStandardSettings();
        auto form = env.createMainWindow();
        form->show();
        QCoreApplication::processEvents();
        for (int n = 0; n < actions.size(); ++n) {
            perform(*form, actions.at(n));
            if (QTest::currentTestFailed()) return;
            QCoreApplication::processEvents();
            const QString problem = DisplayChecks::problem(*form);
            if (!problem.isEmpty()) {
                QFAIL(qPrintable(
                    QStringLiteral("action %1: %2\n%3").arg(n).arg(problem, DisplayChecks::snapshot(*form))));
            }
            trace.displays.append(DisplayChecks::snapshot(*form));
        }
        for (const MessageBoxes::Request& message : env.messages) {
            QVERIFY2(allowedMessages().contains(message.text), qPrintable(message.text));
            trace.messages.append(message.text);
        }
    }

private Q_SLOTS:
    void initTestCase() { muteOffscreenRaiseWarnings(); }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }

    void generatedActions_data()
    {
        QTest::addColumn<uint>("seed");
        QTest::addColumn<int>("count");
        QTest::newRow("seed 1") << 1u << 2500;
        QTest::newRow("seed 2") << 2u << 2500;
    }
    void generatedActions()
    {
        QFETCH(uint, seed);
        QFETCH(int, count);
        const QList<Action> actions = generateActions(seed, count);
        Trace first;
        run(actions, first);
        if (QTest::currentTestFailed()) return;
        Trace second;
        run(actions, second);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(second.messages, first.messages);
        QCOMPARE(second.displays.size(), first.displays.size());
        for (int n = 0; n < first.displays.size(); ++n)
            QVERIFY2(second.displays.at(n) == first.displays.at(n),
                qPrintable(QStringLiteral("action %1 differs:\n%2\n%3")
                               .arg(n)
                               .arg(first.displays.at(n), second.displays.at(n))));
    }
};

FLUVANO_TEST_MAIN(TestRobustnessInputs)
#include "tst_robustness_inputs.moc"
