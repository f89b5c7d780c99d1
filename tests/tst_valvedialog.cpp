// The valve series editor "Ventile" with the main window: opened from the
// constants dialog and the section window, what it refuses, what a saved
// series changes, and series saved by another Fluvano.
#include "TestSupport.h"

#include "core/AppState.h"
#include "core/ValveSeries.h"
#include "forms/constants/TForm2.h"
#include "forms/main/TForm1.h"
#include "forms/sections/TForm7.h"
#include "forms/valves/TForm9.h"

#include <QFile>
#include <QSaveFile>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace
{

// Fills the grid from row 1; a step is "label;kv".
void typeSteps(TForm9* dialog, const QStringList& steps)
{
    for (int row = 0; row < steps.size(); ++row) {
        dialog->StringGrid1->item(row, 0)->setText(steps[row].section(u';', 0, 0));
        dialog->StringGrid1->item(row, 1)->setText(steps[row].section(u';', 1));
    }
}

} // namespace

class TestValveDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TForm1> w;

    // A new series of the user's in the editor, opened as `from` opens it.
    TForm9* newSeries(const QString& from, const QStringList& steps)
    {
        if (from == u"constants") {
            w->Optionen_Aufruf();
            TForm2::current()->BitBtn5->click();
        } else {
            w->ActionTeilstreckenExecute();
            w->sectionWindow()->ActionVentile->trigger();
        }
        auto* dialog = w->findChild<TForm9*>();
        if (!dialog) return nullptr;
        dialog->BitBtn3->click();
        dialog->Edit1->setText(u"Thermostatventil Hersteller Z"_s);
        dialog->Edit2->setText(u"TV Z"_s);
        typeSteps(dialog, steps);
        return dialog;
    }

private Q_SLOTS:
    void initTestCase() { muteOffscreenRaiseWarnings(); }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->writeStandardSettings();
        w = env->createMainWindow();
        w->show();
    }
    void cleanup()
    {
        w.reset();
        env.reset();
    }

    // Nothing is saved while a series cannot be used; the message names the
    // series and the row, and that row is selected.
    void refusesWhatCannotBeUsed_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        QTest::newRow("kv falling") << QStringList { u"1;0,1"_s, u"2;0,2"_s, u"3;0,15"_s } << 3
                                    << u"Ventilreihe 4 (TV Z), Zeile 3: Der kv-Wert 0,15 ist nicht größer als der in "
                                       "Zeile 2: die Stufen stehen aufsteigend."_s;
        QTest::newRow("kv missing") << QStringList { u"1;0,1"_s, u"N;"_s } << 2
                                    << u"Ventilreihe 4 (TV Z), Zeile 2: Der kv-Wert fehlt."_s;
    }
    void refusesWhatCannotBeUsed()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, row);
        QFETCH(QString, message);
        TForm9* dialog = newSeries(u"constants"_s, steps);
        QVERIFY(dialog);
        QSignalSpy changes(&appState(), &AppState::changed);
        dialog->showSeries(1); // the faulty series is shown again
        dialog->BitBtn1->click();

        QCOMPARE(env->messageTexts(), QStringList { message + u"\rEs wurde nichts gespeichert."_s });
        QCOMPARE(env->messages.first().caption, u"Ventile"_s);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->number(), 4);
        QCOMPARE(dialog->StringGrid1->currentRow(), row - 1);
        QVERIFY(!QFile::exists(ValveSeries::path()));
        QCOMPARE(appState().valves().count(), 3);
        QCOMPARE(changes.count(), 0);
    }

    void savedSeriesIsUsedAtOnce()
    {
        // Blank rows close up; a kv may be typed with a point.
        TForm9* dialog = newSeries(u"sections"_s, { u"1;0,1"_s, u";"_s, u"2;0.25"_s });
        QVERIFY(dialog);
        QSignalSpy changes(&appState(), &AppState::changed);
        dialog->BitBtn1->click();
        QVERIFY(env->messages.isEmpty());
        QTRY_VERIFY(!w->findChild<TForm9*>());
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().first().value<AppState::Parts>(), AppState::Parts(AppState::Part::Valves));
        const ValveCatalogue::Series expected { u"Thermostatventil Hersteller Z"_s, u"TV Z"_s,
            { { u"1"_s, u"0,1"_s }, { u"2"_s, u"0,25"_s } } };
        QCOMPARE(appState().valves().count(), 4);
        QCOMPARE(appState().valves().series(4), expected);
        ValveCatalogue read;
        QCOMPARE(ValveSeries::load(read), QStringList());
        QVERIFY(read == appState().valves());

        // A second series of the user's takes number 5.
        dialog = newSeries(u"sections"_s, { u"1;0,3"_s, u"2;0,6"_s });
        dialog->Edit2->setText(u"TV W"_s);
        dialog->BitBtn1->click();
        QTRY_VERIFY(!w->findChild<TForm9*>());
        QCOMPARE(appState().valves().count(), 5);
        const ValveCatalogue::Series fifth = appState().valves().series(5);

        // The standard series are only shown; the user's series can go, and
        // the others keep their numbers, which documents use.
        w->ActionVentileExecute();
        dialog = w->findChild<TForm9*>();
        QCOMPARE(dialog->number(), 4);
        dialog->showSeries(2);
        QVERIFY(dialog->Edit1->isReadOnly());
        QCOMPARE(dialog->StringGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!dialog->BitBtn4->isEnabled());
        dialog->showSeries(4);
        dialog->BitBtn4->click();
        QCOMPARE(dialog->ListBox1->count(), 4);
        QCOMPARE(dialog->number(), 5);
        dialog->BitBtn1->click();
        QTRY_VERIFY(!appState().valves().contains(4));
        QCOMPARE(appState().valves().series(5), fifth);
        QVERIFY(ValveSeries::load(read).isEmpty() && read == appState().valves());
        QVERIFY(env->messages.isEmpty());
    }

    void anotherInstanceSavesSeries()
    {
        ValveCatalogue theirs;
        theirs.setUserSeries({ { u"Rücklaufverschraubung Z"_s, u"RL Z"_s, { { u"1"_s, u"0,5"_s } } } });
        QSaveFile file(ValveSeries::path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ValveSeries::image(theirs));
        QVERIFY(file.commit());
        QTRY_VERIFY(appState().valves() == theirs);
        QVERIFY(env->messages.isEmpty());
    }
};

FLUVANO_TEST_MAIN(TestValveDialog)
#include "tst_valvedialog.moc"
